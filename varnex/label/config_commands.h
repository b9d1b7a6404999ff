#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "varnex/common/choice_table.h"
#include "varnex/label/outcome.h"

namespace varnex::label {

// Label configuration settings that send 1F 1B ... followed by one byte chosen by a list entry.
enum class ConfigSetting {
  CommandLanguage,  // list 1073
  Reprint,          // list 1079
  SensorIntensity,  // list 1082
  SupplyVoltage,    // list 1088
};

using common::Choice;

// One command family: prefix, the list entries in list order, bytes after the value (the
// sensor intensity ends in 00) and the entry selected when the page opens. A text that is not
// in the list sends 00.
struct ConfigRow {
  ConfigSetting setting;
  std::string_view name;
  std::span<const std::uint8_t> prefix;
  std::span<const Choice> choices;
  std::span<const std::uint8_t> suffix;
  std::string_view defaultChoice;

  std::size_t DefaultIndex() const;
  std::vector<std::string_view> ChoiceTexts() const;
};

// Every row, in the order of the enumeration.
std::span<const ConfigRow> ConfigRows();
const ConfigRow& RowOf(ConfigSetting setting);

// prefix, the byte of the entry with exactly this text (00 when none has it), suffix.
Bytes BuildConfig(ConfigSetting setting, std::string_view shownText);

// Sensor tube type: 1F 1B 16 0B n by the selected position in list 1085, whose texts depend on
// the UI language: n = 01 for the first entry (counter tube), 00 for any other (reflector tube,
// or no selection).
Bytes BuildSensorTubeType(int selectedIndex);

}  // namespace varnex::label
