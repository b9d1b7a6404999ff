#include "varnex/maintenance/self_test_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex::maintenance {
namespace {

struct FieldCase {
  SelfTestField field;
  std::u16string label;
  int labelId;
  int editId;
  int buttonId;
  std::u16string defaultText;
  std::size_t limit;
  std::uint8_t code;
};

class SelfTestFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(SelfTestFieldTest, RowAndDefaultCommand) {
  const FieldCase& c = GetParam();
  const SelfTestFieldRow& row = RowOf(c.field);
  EXPECT_EQ(row.field, c.field);
  EXPECT_EQ(row.label, c.label);
  EXPECT_EQ(row.labelId, c.labelId);
  EXPECT_EQ(row.editId, c.editId);
  EXPECT_EQ(row.buttonId, c.buttonId);
  EXPECT_EQ(row.defaultText, c.defaultText);
  EXPECT_EQ(row.characterLimit, c.limit);
  EXPECT_EQ(row.commandCode, c.code);

  // The default text is ASCII: one byte a character.
  const SelfTestOutcome outcome = BuildSelfTestText(c.field, c.defaultText);
  ASSERT_FALSE(outcome.IsRefused());
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0],
            (Bytes{0x1F, 0x1B, 0x1F, c.code, static_cast<std::uint8_t>(c.defaultText.size())}));
  EXPECT_EQ(outcome.sends[1], Bytes(c.defaultText.begin(), c.defaultText.end()));
}

INSTANTIATE_TEST_SUITE_P(FiveFields, SelfTestFieldTest,
                         testing::Values(FieldCase{SelfTestField::Header, u"自检页抬头:", 1138,
                                                   1139, 1140, u"RX-42K Thermal Printer", 30, 0xFB},
                                         FieldCase{SelfTestField::Version, u"    自检版本:", 1141,
                                                   1142, 1143, u"58.C-R27-AA", 20, 0xFC},
                                         FieldCase{SelfTestField::Date, u"自检页日期:", 1144, 1145,
                                                   1146, u"21-Feb-2023", 20, 0xFE},
                                         FieldCase{SelfTestField::Speed, u"自检页速度:", 1147, 1148,
                                                   1149, u"90mm/s", 20, 0xF2},
                                         FieldCase{SelfTestField::FontLibrary, u"自检页字库:", 1150,
                                                   1151, 1152, u"Chinese(GB18030)", 20, 0xF1}));

TEST(SelfTestTextTest, HeaderDefaultSendsTwentyTwoBytes) {
  const SelfTestOutcome outcome =
      BuildSelfTestText(SelfTestField::Header, u"RX-42K Thermal Printer");
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0], (Bytes{0x1F, 0x1B, 0x1F, 0xFB, 0x16}));
  EXPECT_EQ(outcome.sends[1].size(), 22u);
}

TEST(SelfTestTextTest, SpeedExample) {
  const SelfTestOutcome outcome = BuildSelfTestText(SelfTestField::Speed, u"90mm/s");
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0], (Bytes{0x1F, 0x1B, 0x1F, 0xF2, 0x06}));
  EXPECT_EQ(outcome.sends[1], (Bytes{0x39, 0x30, 0x6D, 0x6D, 0x2F, 0x73}));
}

TEST(SelfTestTextTest, TenChineseCharactersAreTwentyBytes) {
  const SelfTestOutcome outcome =
      BuildSelfTestText(SelfTestField::Header, std::u16string(10, u'中'));
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0], (Bytes{0x1F, 0x1B, 0x1F, 0xFB, 0x14}));
  ASSERT_EQ(outcome.sends[1].size(), 20u);
  EXPECT_EQ(outcome.sends[1][0], 0xD6);
  EXPECT_EQ(outcome.sends[1][1], 0xD0);
}

TEST(SelfTestTextTest, EmptyTextIsRefusedWithMessage170) {
  for (const SelfTestFieldRow& row : SelfTestFields()) {
    const SelfTestOutcome outcome = BuildSelfTestText(row.field, u"");
    EXPECT_TRUE(outcome.IsRefused());
    EXPECT_EQ(outcome.refusalMessageId, 170);
    EXPECT_TRUE(outcome.sends.empty());
  }
}

TEST(SelfTestTextTest, TextBeyondTheLimitIsCutLikeTheEdit) {
  const SelfTestOutcome header = BuildSelfTestText(SelfTestField::Header, std::u16string(31, u'A'));
  ASSERT_EQ(header.sends.size(), 2u);
  EXPECT_EQ(header.sends[0][4], 30);
  EXPECT_EQ(header.sends[1].size(), 30u);

  const SelfTestOutcome date = BuildSelfTestText(SelfTestField::Date, std::u16string(40, u'中'));
  ASSERT_EQ(date.sends.size(), 2u);
  EXPECT_EQ(date.sends[0][4], 40);  // 20 characters, two bytes each
  EXPECT_EQ(date.sends[1].size(), 40u);
}

TEST(SelfTestTextTest, FieldsInDialogOrder) {
  const auto fields = SelfTestFields();
  ASSERT_EQ(fields.size(), 5u);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(fields[i].field), i);
  }
  EXPECT_EQ(kSetButtonCaption, u"设     置");
}

}  // namespace
}  // namespace varnex::maintenance
