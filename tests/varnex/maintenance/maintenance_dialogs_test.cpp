#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/page_test_context.h"
#include "varnex/controls/page_look.h"
#include "varnex/maintenance/cdialog_test_sys.h"
#include "varnex/maintenance/cdlg_self_test.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using varnex::controls::FindControl;

Bytes Ascii(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

class SelfTestDialogTest : public ::testing::Test {
 protected:
  SelfTestDialogTest() { dialog.show(); }

  QLineEdit* Edit(int id) { return FindControl<QLineEdit>(&dialog, id); }
  void Click(int id) { FindControl<QPushButton>(&dialog, id)->click(); }

  testsupport::PageTestContext ctx;
  varnex::maintenance::CDlgSelfTest dialog{ctx.context};
};

TEST_F(SelfTestDialogTest, ShowsTheFiveFieldsWithTheirDefaults) {
  EXPECT_EQ(dialog.windowTitle(), "SelfTest");
  struct Case {
    int label;
    const char* caption;
    int edit;
    const char* text;
    int button;
  };
  const Case cases[] = {
      {1138, "自检页抬头:", 1139, "RX-42K Thermal Printer", 1140},
      {1141, "    自检版本:", 1142, "58.C-R27-AA", 1143},
      {1144, "自检页日期:", 1145, "21-Feb-2023", 1146},
      {1147, "自检页速度:", 1148, "90mm/s", 1149},
      {1150, "自检页字库:", 1151, "Chinese(GB18030)", 1152},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindControl<QLabel>(&dialog, c.label)->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(Edit(c.edit)->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(FindControl<QPushButton>(&dialog, c.button)->text(), "设     置");
  }
  EXPECT_EQ(FindControl<QLabel>(&dialog, 1138)->palette().color(QPalette::WindowText),
            varnex::controls::kStaticText);
}

TEST_F(SelfTestDialogTest, SetButtonSendsTheCommandThenTheText) {
  Click(1140);
  EXPECT_EQ(ctx.printer.sends,
            (std::vector<Bytes>{{0x1F, 0x1B, 0x1F, 0xFB, 0x16}, Ascii("RX-42K Thermal Printer")}));
  ctx.printer.sends.clear();
  Edit(1148)->setText(QStringLiteral("120mm/s"));
  Click(1149);
  EXPECT_EQ(ctx.printer.sends,
            (std::vector<Bytes>{{0x1F, 0x1B, 0x1F, 0xF2, 0x07}, Ascii("120mm/s")}));
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
}

TEST_F(SelfTestDialogTest, FailedHeaderStopsTheText) {
  ctx.printer.sendSucceeds = false;
  Click(1146);
  EXPECT_EQ(ctx.printer.sends, (std::vector<Bytes>{{0x1F, 0x1B, 0x1F, 0xFE, 0x0B}}));
}

TEST_F(SelfTestDialogTest, EmptyFieldShowsMessage170AndSendsNothing) {
  Edit(1145)->clear();
  Click(1146);
  EXPECT_EQ(ctx.messages.texts, QStringList{"No Bluetooth name entered!"});
  EXPECT_TRUE(ctx.printer.sends.empty());
}

TEST_F(SelfTestDialogTest, TypingStopsAtTheFieldsLimit) {
  const std::pair<int, int> limits[] = {{1139, 30}, {1142, 20}, {1145, 20}, {1148, 20}, {1151, 20}};
  for (const auto& [edit, limit] : limits) {
    Edit(edit)->clear();
    Edit(edit)->setFocus();
    QTest::keyClicks(Edit(edit), QString(40, QChar('x')));
    EXPECT_EQ(Edit(edit)->text().size(), limit) << edit;
  }
  ctx.printer.sends.clear();
  Click(1140);
  ASSERT_EQ(ctx.printer.sends.size(), 2u);
  EXPECT_EQ(ctx.printer.sends[0], (Bytes{0x1F, 0x1B, 0x1F, 0xFB, 0x1E}));
  EXPECT_EQ(ctx.printer.sends[1], Ascii(std::string(30, 'x')));
}

TEST_F(SelfTestDialogTest, EnterDoesNothingAndEscCloses) {
  Edit(1139)->setFocus();
  QTest::keyClick(Edit(1139), Qt::Key_Return);
  QTest::keyClick(&dialog, Qt::Key_Enter);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(ctx.printer.sends.empty());
  QTest::keyClick(Edit(1139), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(ctx.printer.sends.empty());
}

TEST(TestSystemDialogTest, EmptyWindowThatOnlyEscCloses) {
  varnex::maintenance::CDialogTestSys dialog;
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Marlo打印机测试系统");
  EXPECT_TRUE(dialog.findChildren<QWidget*>().isEmpty());
  EXPECT_EQ(dialog.size(), QSize(410, 290));
  EXPECT_NE(dialog.palette().color(QPalette::Window), varnex::controls::kPageBackground);
  QTest::keyClick(&dialog, Qt::Key_Return);
  QTest::keyClick(&dialog, Qt::Key_Enter);
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
