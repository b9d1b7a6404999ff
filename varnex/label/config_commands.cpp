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

constexpr bool RowsFollowEnumeration() {
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    if (static_cast<std::size_t>(kRows[i].setting) != i) {
      return false;
    }
  }
  return true;
}
static_assert(RowsFollowEnumeration(), "kRows must list the settings in enumeration order");

constexpr bool EveryDefaultIsAChoice() {
  for (const ConfigRow& row : kRows) {
    if (std::none_of(row.choices.begin(), row.choices.end(),
                     [&row](const Choice& c) { return c.text == row.defaultChoice; })) {
      return false;
    }
  }
  return true;
}
static_assert(EveryDefaultIsAChoice(), "every default must be one of its row's choices");

}  // namespace

std::size_t ConfigRow::DefaultIndex() const {
  const auto found = std::find_if(choices.begin(), choices.end(),
                                  [this](const Choice& c) { return c.text == defaultChoice; });
  return static_cast<std::size_t>(found - choices.begin());
}

std::vector<std::string_view> ConfigRow::ChoiceTexts() const {
  std::vector<std::string_view> texts;
  texts.reserve(choices.size());
  for (const Choice& choice : choices) {
    texts.push_back(choice.text);
  }
  return texts;
}

std::span<const ConfigRow> ConfigRows() {
  return kRows;
}

const ConfigRow& RowOf(ConfigSetting setting) {
  return kRows[static_cast<std::size_t>(setting)];
}

Bytes BuildConfig(ConfigSetting setting, std::string_view shownText) {
  const ConfigRow& row = RowOf(setting);
  std::uint8_t value = 0x00;
  for (const Choice& choice : row.choices) {
    if (choice.text == shownText) {
      value = choice.value;
      break;
    }
  }
  Bytes bytes(row.prefix.begin(), row.prefix.end());
  bytes.push_back(value);
  bytes.insert(bytes.end(), row.suffix.begin(), row.suffix.end());
  return bytes;
}

Bytes BuildSensorTubeType(int selectedIndex) {
  return Bytes{0x1F, 0x1B, 0x16, 0x0B, static_cast<std::uint8_t>(selectedIndex == 0 ? 0x01 : 0x00)};
}

}  // namespace varnex::label
