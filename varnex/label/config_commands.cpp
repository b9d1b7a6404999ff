#include "varnex/label/config_commands.h"

#include <algorithm>

namespace varnex::label {
namespace {

// Command language: 1F 1B 1F FB n.
constexpr std::uint8_t kCommandLanguagePrefix[] = {0x1F, 0x1B, 0x1F, 0xFB};
constexpr Choice kCommandLanguageChoices[] = {{"TSPL", 0x01}, {"CPCL", 0x02}, {"ESC/POS", 0x00}};

// Reprint: 1F 1B 16 0A n.
constexpr std::uint8_t kReprintPrefix[] = {0x1F, 0x1B, 0x16, 0x0A};
constexpr Choice kReprintChoices[] = {{"ON", 0x01}, {"OFF", 0x00}};

// Sensor intensity: 1F 1B 16 06 n 00 (250, 186 or 50).
constexpr std::uint8_t kSensorIntensityPrefix[] = {0x1F, 0x1B, 0x16, 0x06};
constexpr Choice kSensorIntensityChoices[] = {
    {"level_1", 0xFA}, {"level_2", 0xBA}, {"level_3", 0x32}};
constexpr std::uint8_t kSensorIntensitySuffix[] = {0x00};

// Supply voltage: 1F 1B 17 02 n.
constexpr std::uint8_t kSupplyVoltagePrefix[] = {0x1F, 0x1B, 0x17, 0x02};
constexpr Choice kSupplyVoltageChoices[] = {{"100V", 0x01}, {"110-220V", 0x00}};

// No bytes after the value.
constexpr std::span<const std::uint8_t> kEmpty{};

// In the order of the enumeration.
constexpr ConfigRow kRows[] = {
    {ConfigSetting::CommandLanguage, "Command language", kCommandLanguagePrefix,
     kCommandLanguageChoices, kEmpty, "TSPL"},
    {ConfigSetting::Reprint, "Reprint", kReprintPrefix, kReprintChoices, kEmpty, "ON"},
    {ConfigSetting::SensorIntensity, "Sensor intensity", kSensorIntensityPrefix,
     kSensorIntensityChoices, kSensorIntensitySuffix, "level_2"},
    {ConfigSetting::SupplyVoltage, "Supply voltage", kSupplyVoltagePrefix, kSupplyVoltageChoices,
     kEmpty, "110-220V"},
};

static_assert(common::RowsFollowEnumeration(kRows),
              "kRows must list the settings in enumeration order");
static_assert(common::EveryDefaultIsAChoice(kRows),
              "every default must be one of its row's choices");

}  // namespace

std::size_t ConfigRow::DefaultIndex() const {
  return common::IndexOfChoice(choices, defaultChoice);
}

std::vector<std::string_view> ConfigRow::ChoiceTexts() const {
  return common::ChoiceTexts(choices);
}

std::span<const ConfigRow> ConfigRows() {
  return kRows;
}

const ConfigRow& RowOf(ConfigSetting setting) {
  return kRows[static_cast<std::size_t>(setting)];
}

Bytes BuildConfig(ConfigSetting setting, std::string_view shownText) {
  const ConfigRow& row = RowOf(setting);
  Bytes bytes(row.prefix.begin(), row.prefix.end());
  bytes.push_back(common::ValueOfChoice(row.choices, shownText).value_or(0x00));
  bytes.insert(bytes.end(), row.suffix.begin(), row.suffix.end());
  return bytes;
}

Bytes BuildSensorTubeType(int selectedIndex) {
  return Bytes{0x1F, 0x1B, 0x16, 0x0B, static_cast<std::uint8_t>(selectedIndex == 0 ? 0x01 : 0x00)};
}

}  // namespace varnex::label
