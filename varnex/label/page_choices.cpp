#include "varnex/label/page_choices.h"

#include "varnex/label/config_commands.h"

namespace varnex::label {
namespace {

ComboChoices FromConfigRow(int controlId, ConfigSetting setting) {
  const ConfigRow& row = RowOf(setting);
  return ComboChoices{controlId, row.ChoiceTexts(), {}, row.DefaultIndex()};
}

}  // namespace

ComboChoices ChoicesOf(Combo combo) {
  switch (combo) {
    case Combo::Direction:
      return ComboChoices{1070, {"0", "1"}, {}, 0};
    case Combo::MediaSensor:
      return ComboChoices{
          1067, {}, {kGapPaperStringId, kBlackMarkPaperStringId, kContinuousPaperStringId}, 0};
    case Combo::CommandLanguage:
      return FromConfigRow(1073, ConfigSetting::CommandLanguage);
    case Combo::Density:
      return ComboChoices{
          1076,
          {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"},
          {},
          8};
    case Combo::Reprint:
      return FromConfigRow(1079, ConfigSetting::Reprint);
    case Combo::SensorIntensity:
      return FromConfigRow(1082, ConfigSetting::SensorIntensity);
    case Combo::SensorTubeType:
      return ComboChoices{1085, {}, {kCounterTubeStringId, kReflectorTubeStringId}, 1};
    case Combo::SupplyVoltage:
      return FromConfigRow(1088, ConfigSetting::SupplyVoltage);
  }
  return {};
}

}  // namespace varnex::label
