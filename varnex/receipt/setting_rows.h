#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "varnex/common/choice_table.h"
#include "varnex/receipt/outcome.h"

namespace varnex::receipt {

// The receipt settings that send a fixed command followed by one byte chosen by a list entry.
enum class Setting {
  PrintMode,
  Buzzer,
  Cutter,
  SerialBaudRate,
  PrintDensity,
  CharacterSet,
  DefaultCharacterFont,
  OrderReminder,
  CutterOrderReminder,
  Dhcp,
  PrintSpeed,
  UsbMultiPort,
  UsbInterfaceType,
  PrintWidth,
};

using common::Choice;

// One command family: the fixed bytes, the list entries in list order, the byte sent for a text
// that is not in the list (none where the list covers every value the command accepts), and the
// entry selected when the page opens.
struct SettingRow {
  Setting setting;
  std::string_view name;
  std::span<const std::uint8_t> prefix;
  std::span<const Choice> choices;
  std::optional<std::uint8_t> fallback;
  std::string_view defaultChoice;

  // Position of `defaultChoice` in `choices`.
  std::size_t DefaultIndex() const;
  // The list entries in list order, for filling the drop-down list.
  std::vector<std::string_view> ChoiceTexts() const;
};

// Every setting row, in the order of the enumeration.
std::span<const SettingRow> SettingRows();
const SettingRow& RowOf(Setting setting);

// The command for the text the list shows (UTF-8; compared exactly and case-sensitively):
// prefix followed by the entry's byte, or by the fallback byte for any other text. A row without
// a fallback (the serial baud rate) returns an empty sequence for an unknown text: nothing is
// sent rather than a guessed baud rate that would cut the printer off its serial line.
Bytes BuildSetting(Setting setting, std::string_view shownText);

}  // namespace varnex::receipt
