#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace varnex::label {

// The eight drop-down lists of the label page.
enum class Combo {
  Direction,        // 1070
  MediaSensor,      // 1067, texts from the string table
  CommandLanguage,  // 1073
  Density,          // 1076
  Reprint,          // 1079
  SensorIntensity,  // 1082
  SensorTubeType,   // 1085, texts from the string table
  SupplyVoltage,    // 1088
};

// String-table ids of the language-dependent list entries.
inline constexpr int kGapPaperStringId = 136;         // "GAP" / "缝标纸"
inline constexpr int kBlackMarkPaperStringId = 137;   // "Black Mark" / "黑标纸"
inline constexpr int kContinuousPaperStringId = 138;  // "Continuous" / "连续纸"
inline constexpr int kCounterTubeStringId = 228;      // "Counter tube" / "对射管"
inline constexpr int kReflectorTubeStringId = 229;    // "Reflector tube" / "反射管"

// How a list is filled: either fixed texts (UTF-8) or string-table ids looked up in the current
// UI language, in list order, and the entry selected when the page opens.
struct ComboChoices {
  int controlId;
  std::vector<std::string_view> texts;
  std::vector<int> stringIds;
  std::size_t defaultIndex;

  bool IsLanguageDependent() const { return !stringIds.empty(); }
};

ComboChoices ChoicesOf(Combo combo);

// The size edits when the page opens, in millimetres.
inline constexpr std::u16string_view kDefaultWidthText = u"100";
inline constexpr std::u16string_view kDefaultHeightText = u"150";

}  // namespace varnex::label
