#include "varnex/label/text_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/varnex/label/label_test_support.h"

namespace varnex::label {
namespace {

struct TextCase {
  std::string name;
  Bytes actual;
  Bytes expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class TextCommandTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextCommandTest, SendsTheCommand) {
  EXPECT_EQ(GetParam().actual, GetParam().expected);
}

const SensorNames kEnglish{"GAP", "Black Mark", "Continuous"};
const SensorNames kChinese{"缝标纸", "黑标纸", "连续纸"};

INSTANTIATE_TEST_SUITE_P(
    Cases, TextCommandTest,
    testing::Values(
        TextCase{"direction 0", BuildDirection("0"), Ascii("DIRECTION 0\r\n")},
        TextCase{"direction 1", BuildDirection("1"), Ascii("DIRECTION 1\r\n")},
        TextCase{"direction other text", BuildDirection("x"), Ascii("DIRECTION 1\r\n")},
        TextCase{"density 0", BuildDensity("0"), Ascii("DENSITY 0\r\n")},
        TextCase{"density 8", BuildDensity("8"), Ascii("DENSITY 8\r\n")},
        TextCase{"density 15", BuildDensity("15"), Ascii("DENSITY 15\r\n")},
        TextCase{"sensor gap", BuildSetSensor("GAP", kEnglish), Ascii("SET SENSOR GAP\r\n")},
        TextCase{"sensor mark", BuildSetSensor("Black Mark", kEnglish),
                 Ascii("SET SENSOR MARK\r\n")},
        TextCase{"sensor continuous", BuildSetSensor("Continuous", kEnglish),
                 Ascii("SET SENSOR CONTIN\r\n")},
        TextCase{"sensor gap chinese", BuildSetSensor("缝标纸", kChinese),
                 Ascii("SET SENSOR GAP\r\n")},
        TextCase{"sensor mark chinese", BuildSetSensor("黑标纸", kChinese),
                 Ascii("SET SENSOR MARK\r\n")},
        TextCase{"sensor continuous chinese", BuildSetSensor("连续纸", kChinese),
                 Ascii("SET SENSOR CONTIN\r\n")},
        // Names of the other language do not match: the shown text goes out as it is, in GBK.
        TextCase{"sensor unmatched ascii", BuildSetSensor("GAP", kChinese),
                 Ascii("SET SENSOR GAP\r\n")},
        TextCase{
            "sensor unmatched chinese", BuildSetSensor("中", kEnglish),
            Bytes{'S', 'E', 'T', ' ', 'S', 'E', 'N', 'S', 'O', 'R', ' ', 0xD6, 0xD0, 0x0D, 0x0A}},
        TextCase{"sensor case differs", BuildSetSensor("gap", kEnglish),
                 Ascii("SET SENSOR gap\r\n")},
        TextCase{"calibrate", BuildFixedCommand(FixedCommand::CalibrateSensor),
                 Ascii("GAPDETEC\r\n")},
        TextCase{"ad visualization", BuildFixedCommand(FixedCommand::AdVisualization),
                 Ascii("AD_DETEC\r\n")}));

TEST(TestLabelTest, SixLinesIn108Bytes) {
  const Bytes label = BuildFixedCommand(FixedCommand::TestLabel);
  EXPECT_EQ(label.size(), 108u);
  EXPECT_EQ(label.size(), kTestLabelLength);
  EXPECT_EQ(label, Ascii("SIZE 55 mm,40 mm\r\n"
                         "GAP 3 mm, 0 mm\r\n"
                         "CLS\r\n"
                         "TEXT 0, 90, \"8\", 0, 5, 5, \"TEST\"\r\n"
                         "BOX 1, 1, 440, 300, 3\r\n"
                         "PRINT 1, 1\r\n"));
}

}  // namespace
}  // namespace varnex::label
