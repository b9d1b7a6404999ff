#include "varnex/label/page_choices.h"

#include <gtest/gtest.h>

#include "varnex/label/model_text.h"

namespace varnex::label {
namespace {

struct ComboCase {
  Combo combo;
  int controlId;
  std::vector<std::string_view> texts;
  std::vector<int> stringIds;
  std::size_t defaultIndex;
};

void PrintTo(const ComboCase& c, std::ostream* os) {
  *os << "combo " << c.controlId;
}

class ComboChoicesTest : public testing::TestWithParam<ComboCase> {};

TEST_P(ComboChoicesTest, EntriesAndDefault) {
  const ComboCase& c = GetParam();
  const ComboChoices choices = ChoicesOf(c.combo);
  EXPECT_EQ(choices.controlId, c.controlId);
  EXPECT_EQ(choices.texts, c.texts);
  EXPECT_EQ(choices.stringIds, c.stringIds);
  EXPECT_EQ(choices.defaultIndex, c.defaultIndex);
  EXPECT_EQ(choices.IsLanguageDependent(), !c.stringIds.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EightCombos, ComboChoicesTest,
    testing::Values(ComboCase{Combo::Direction, 1070, {"0", "1"}, {}, 0},
                    ComboCase{Combo::MediaSensor, 1067, {}, {136, 137, 138}, 0},
                    ComboCase{Combo::CommandLanguage, 1073, {"TSPL", "CPCL", "ESC/POS"}, {}, 0},
                    ComboCase{Combo::Density,
                              1076,
                              {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                               "13", "14", "15"},
                              {},
                              8},
                    ComboCase{Combo::Reprint, 1079, {"ON", "OFF"}, {}, 0},
                    ComboCase{
                        Combo::SensorIntensity, 1082, {"level_1", "level_2", "level_3"}, {}, 1},
                    ComboCase{Combo::SensorTubeType, 1085, {}, {228, 229}, 1},
                    ComboCase{Combo::SupplyVoltage, 1088, {"100V", "110-220V"}, {}, 1}));

TEST(PageDefaultsTest, EditTexts) {
  EXPECT_EQ(kDefaultWidthText, u"100");
  EXPECT_EQ(kDefaultHeightText, u"150");
  EXPECT_EQ(kDefaultModelText, u"PKM4x10TB");
}

}  // namespace
}  // namespace varnex::label
