#pragma once

#include <cstddef>
#include <string_view>

#include "varnex/label/outcome.h"

namespace varnex::label {

// Label text commands. List texts are UTF-8, as the lists and the string table hold them.

// "DIRECTION 0\r\n" when the list shows "0", "DIRECTION 1\r\n" for anything else.
Bytes BuildDirection(std::string_view shownText);

// "DENSITY <n>\r\n" with the number the list shows ("0" to "15"), read as a whole number.
Bytes BuildDensity(std::string_view shownText);

// The media-sensor list entries in the current UI language (strings 136, 137 and 138).
struct SensorNames {
  std::string_view gap;
  std::string_view blackMark;
  std::string_view continuous;
};

// "SET SENSOR GAP\r\n", "SET SENSOR MARK\r\n" or "SET SENSOR CONTIN\r\n" for the shown text equal
// (exactly) to names.gap, names.blackMark or names.continuous, tried in that order. A text that
// matches none is appended itself, in code page 936.
Bytes BuildSetSensor(std::string_view shownText, const SensorNames& names);

// Label commands that never change.
enum class FixedCommand {
  CalibrateSensor,  // "GAPDETEC\r\n"
  AdVisualization,  // "AD_DETEC\r\n"; the page then waits kAdVisualizationPauseMs
  TestLabel,        // six lines, 108 bytes, in one send
};

inline constexpr int kAdVisualizationPauseMs = 1000;
inline constexpr std::size_t kTestLabelLength = 108;

Bytes BuildFixedCommand(FixedCommand command);

}  // namespace varnex::label
