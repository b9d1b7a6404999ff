#include "varnex/label/text_commands.h"

#include <string>

#include "platform/gbk.h"
#include "varnex/label/ascii_command.h"
#include "varnex/label/text_numbers.h"
#include "varnex/label/utf8_text.h"

namespace varnex::label {
namespace {

// A 55 x 40 mm label with a 3 mm gap, the word TEST in font 8 magnified 5 by 5, and a box.
constexpr std::string_view kTestLabel =
    "SIZE 55 mm,40 mm\r\n"
    "GAP 3 mm, 0 mm\r\n"
    "CLS\r\n"
    "TEXT 0, 90, \"8\", 0, 5, 5, \"TEST\"\r\n"
    "BOX 1, 1, 440, 300, 3\r\n"
    "PRINT 1, 1\r\n";
static_assert(kTestLabel.size() == kTestLabelLength);

}  // namespace

Bytes BuildDirection(std::string_view shownText) {
  return AsciiCommand(shownText == "0" ? "DIRECTION 0\r\n" : "DIRECTION 1\r\n");
}

Bytes BuildDensity(std::string_view shownText) {
  return AsciiCommand("DENSITY " + std::to_string(ParseWholeNumber(shownText)) + "\r\n");
}

Bytes BuildSetSensor(std::string_view shownText, const SensorNames& names) {
  Bytes bytes = AsciiCommand("SET SENSOR ");
  std::string_view kind;
  if (shownText == names.gap) {
    kind = "GAP";
  } else if (shownText == names.blackMark) {
    kind = "MARK";
  } else if (shownText == names.continuous) {
    kind = "CONTIN";
  }
  const Bytes tail = kind.empty() ? platform::ToGbk(Utf8ToUtf16(shownText)) : AsciiCommand(kind);
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  bytes.push_back('\r');
  bytes.push_back('\n');
  return bytes;
}

Bytes BuildFixedCommand(FixedCommand command) {
  switch (command) {
    case FixedCommand::CalibrateSensor:
      return AsciiCommand("GAPDETEC\r\n");
    case FixedCommand::AdVisualization:
      return AsciiCommand("AD_DETEC\r\n");
    case FixedCommand::TestLabel:
      return AsciiCommand(kTestLabel);
  }
  return {};
}

}  // namespace varnex::label
