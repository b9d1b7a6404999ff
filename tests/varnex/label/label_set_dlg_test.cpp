#include "varnex/label/label_set_dlg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <chrono>
#include <memory>

#include "tests/support/page_test_context.h"
#include "tests/varnex/label/label_test_support.h"
#include "varnex/controls/cch_button.h"

namespace varnex::label {
namespace {

using controls::FindControl;
using platform::UiLanguage;

class LabelSetDlgTest : public ::testing::Test {
 protected:
  void Open(UiLanguage language = UiLanguage::English) {
    ctx = std::make_unique<testsupport::PageTestContext>(language);
    page = std::make_unique<LabelSetDlg>(ctx->context);
  }

  QLineEdit* Edit(int id) const { return FindControl<QLineEdit>(page.get(), id); }
  QComboBox* List(int id) const { return FindControl<QComboBox>(page.get(), id); }
  QRadioButton* Radio(int id) const { return FindControl<QRadioButton>(page.get(), id); }
  void Press(int id) const { FindControl<QPushButton>(page.get(), id)->click(); }
  QString Width() const { return Edit(1060)->text(); }
  QString Height() const { return Edit(1063)->text(); }
  const std::vector<std::vector<std::uint8_t>>& Sends() const { return ctx->printer.sends; }

  std::unique_ptr<testsupport::PageTestContext> ctx;
  std::unique_ptr<LabelSetDlg> page;
};

TEST_F(LabelSetDlgTest, OpensWithItsDefaultsAndButtonKinds) {
  Open();
  EXPECT_TRUE(Radio(1057)->isChecked());
  EXPECT_FALSE(Radio(1058)->isChecked());
  EXPECT_EQ(Width(), "100");
  EXPECT_EQ(Height(), "150");
  EXPECT_EQ(Edit(1136)->text(), "PKM4x10TB");
  EXPECT_EQ(FindControl<QLabel>(page.get(), 1135)->text(), " Mode Setting:");

  const struct {
    int id;
    const char* shown;
    int count;
  } lists[] = {
      {1070, "0", 2},  {1067, "GAP", 3},     {1073, "TSPL", 3},           {1076, "8", 16},
      {1079, "ON", 2}, {1082, "level_2", 3}, {1085, "Reflector tube", 2}, {1088, "110-220V", 2}};
  for (const auto& list : lists) {
    SCOPED_TRACE(list.id);
    EXPECT_EQ(List(list.id)->currentText(), QString::fromUtf8(list.shown));
    EXPECT_EQ(List(list.id)->count(), list.count);
  }

  for (int id : {1061, 1066, 1069, 1072, 1075, 1078, 1081, 1084, 1105, 1106, 1128, 1137}) {
    EXPECT_NE(FindControl<controls::CCHButton>(page.get(), id), nullptr) << id;
  }
  QPushButton* voltage = FindControl<QPushButton>(page.get(), 1087);
  ASSERT_NE(voltage, nullptr);
  EXPECT_EQ(qobject_cast<controls::CCHButton*>(voltage), nullptr);
}

TEST_F(LabelSetDlgTest, DefaultPaperSizeIsSentInMillimetres) {
  Open();
  Press(1061);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{Ascii("SIZE 100 mm,150 mm \r\n")}));
  EXPECT_TRUE(ctx->messages.texts.isEmpty());
}

TEST_F(LabelSetDlgTest, UnitSwitchRewritesTheSizeTexts) {
  Open();
  Radio(1058)->click();
  EXPECT_EQ(Width(), "3.94");
  EXPECT_EQ(Height(), "5.91");
  Press(1061);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{Ascii("SIZE 100 mm,150 mm \r\n")}));

  Radio(1057)->click();
  EXPECT_EQ(Width(), "100");
  EXPECT_EQ(Height(), "150");
  EXPECT_TRUE(Radio(1057)->isChecked());
}

TEST_F(LabelSetDlgTest, RoundTripTruncatesAndEmptyTextsStayEmpty) {
  Open();
  Edit(1060)->setText("40");
  Edit(1063)->clear();
  Radio(1058)->click();
  EXPECT_EQ(Width(), "1.57");
  EXPECT_EQ(Height(), "");
  Radio(1057)->click();
  EXPECT_EQ(Width(), "39");
  EXPECT_EQ(Height(), "");
}

TEST_F(LabelSetDlgTest, ClickingTheCheckedRadioChangesNothing) {
  Open();
  Edit(1060)->setText("40.5");
  Radio(1057)->click();
  EXPECT_EQ(Width(), "40.5");
  EXPECT_EQ(Height(), "150");
  EXPECT_TRUE(Radio(1057)->isChecked());

  Radio(1058)->click();
  Edit(1060)->setText("4");
  Radio(1058)->click();
  EXPECT_EQ(Width(), "4");
  Press(1061);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{Ascii("SIZE 101 mm,150 mm \r\n")}));
}

TEST_F(LabelSetDlgTest, EmptySizeTextIsRefusedWithoutSending) {
  for (int emptied : {1060, 1063}) {
    SCOPED_TRACE(emptied);
    Open();
    Edit(emptied)->clear();
    Press(1061);
    EXPECT_TRUE(Sends().empty());
    EXPECT_EQ(ctx->messages.texts, QStringList{"Enter as empty!!"});
    EXPECT_EQ(ctx->messages.captions, QStringList{"Varnex"});
  }
}

TEST_F(LabelSetDlgTest, LanguageListsSendTheSameBytesInBothLanguages) {
  const struct {
    UiLanguage language;
    const char* counterTube;
    const char* blackMark;
  } rows[] = {{UiLanguage::English, "Counter tube", "Black Mark"},
              {UiLanguage::Chinese, "对射管", "黑标纸"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.counterTube);
    Open(row.language);
    List(1085)->setCurrentIndex(0);
    ASSERT_EQ(List(1085)->currentText(), QString::fromUtf8(row.counterTube));
    Press(1084);
    List(1067)->setCurrentIndex(1);
    ASSERT_EQ(List(1067)->currentText(), QString::fromUtf8(row.blackMark));
    Press(1066);
    EXPECT_EQ(Sends(),
              (std::vector<Bytes>{{0x1F, 0x1B, 0x16, 0x0B, 0x01}, Ascii("SET SENSOR MARK\r\n")}));
  }
}

TEST_F(LabelSetDlgTest, ListButtonsSendTheShownChoice) {
  Open();
  List(1070)->setCurrentText("1");
  Press(1069);
  List(1076)->setCurrentText("15");
  Press(1075);
  List(1073)->setCurrentText("ESC/POS");
  Press(1072);
  List(1082)->setCurrentText("level_3");
  Press(1081);
  List(1088)->setCurrentText("100V");
  Press(1087);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{Ascii("DIRECTION 1\r\n"),
                                         Ascii("DENSITY 15\r\n"),
                                         {0x1F, 0x1B, 0x1F, 0xFB, 0x00},
                                         {0x1F, 0x1B, 0x16, 0x06, 0x32, 0x00},
                                         {0x1F, 0x1B, 0x17, 0x02, 0x01}}));
}

TEST_F(LabelSetDlgTest, LanguageSwitchKeepsValuesAndResetsTheVoltage) {
  Open();
  Radio(1058)->click();
  Edit(1060)->setText("2.5");
  List(1067)->setCurrentIndex(2);
  List(1085)->setCurrentIndex(0);
  List(1076)->setCurrentIndex(3);
  List(1088)->setCurrentIndex(0);

  ctx->texts.SetLanguage(UiLanguage::Chinese);
  page->RefreshTexts();

  EXPECT_EQ(FindControl<QPushButton>(page.get(), 1106)->text(), "打 印 测 试 页");
  EXPECT_EQ(FindControl<QLabel>(page.get(), 1068)->text(), "         打印方向:");
  EXPECT_EQ(FindControl<QGroupBox>(page.get(), 1056)->title(), "单位");
  EXPECT_EQ(Radio(1058)->text(), "英寸");
  EXPECT_EQ(FindControl<QLabel>(page.get(), 1135)->text(), " Mode Setting:");
  EXPECT_EQ(List(1067)->currentText(), "连续纸");
  EXPECT_EQ(List(1085)->currentText(), "对射管");
  EXPECT_EQ(List(1076)->currentText(), "3");
  EXPECT_EQ(List(1088)->currentText(), "110-220V");
  EXPECT_EQ(List(1073)->itemText(2), "ESC/POS");
  EXPECT_EQ(Width(), "2.5");
  EXPECT_EQ(Height(), "5.91");
  EXPECT_TRUE(Radio(1058)->isChecked());

  // Still in inches after the switch.
  Press(1061);
  Press(1066);
  EXPECT_EQ(Sends(),
            (std::vector<Bytes>{Ascii("SIZE 63 mm,150 mm \r\n"), Ascii("SET SENSOR CONTIN\r\n")}));
}

TEST_F(LabelSetDlgTest, AdVisualizationPausesAfterSending) {
  Open();
  Press(1128);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{Ascii("AD_DETEC\r\n")}));
  EXPECT_EQ(ctx->sleeper.pauses,
            (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1000)}));
}

TEST_F(LabelSetDlgTest, FixedButtonsSendOneBlockEach) {
  Open();
  Press(1105);
  Press(1106);
  ASSERT_EQ(Sends().size(), 2u);
  EXPECT_EQ(Sends()[0], Ascii("GAPDETEC\r\n"));
  EXPECT_EQ(Sends()[1].size(), 108u);
  EXPECT_EQ(Sends()[1], Ascii("SIZE 55 mm,40 mm\r\nGAP 3 mm, 0 mm\r\nCLS\r\n"
                              "TEXT 0, 90, \"8\", 0, 5, 5, \"TEST\"\r\n"
                              "BOX 1, 1, 440, 300, 3\r\nPRINT 1, 1\r\n"));
}

TEST_F(LabelSetDlgTest, ModelTextIsSentAsHeaderThenText) {
  Open();
  Press(1137);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{{0x1F, 0x1B, 0x16, 0x0C, 0x09}, Ascii("PKM4x10TB")}));
  EXPECT_TRUE(ctx->messages.texts.isEmpty());
}

TEST_F(LabelSetDlgTest, ModelTextRefusals) {
  const struct {
    QString text;
    const char* message;
  } rows[] = {{QString(33, QChar('A')), "输入长度太长..."},
              {QString(17, QChar(0x578B)), "输入长度太长..."},  // 34 bytes in code page 936
              {QString(), "请输入要设置的型号"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    Open(UiLanguage::English);
    Edit(1136)->setText(row.text);
    Press(1137);
    EXPECT_TRUE(Sends().empty());
    EXPECT_EQ(ctx->messages.texts, QStringList{QString::fromUtf8(row.message)});
  }
}

TEST_F(LabelSetDlgTest, EnterPressesOnlyTheFocusedButton) {
  testsupport::PageTestContext context;
  QDialog host;  // the main window is a dialog: Enter must not reach a default button
  auto* hosted = new LabelSetDlg(context.context);
  (new QVBoxLayout(&host))->addWidget(hosted);
  host.show();
  const struct {
    int control;
    std::vector<Bytes> sends;
  } rows[] = {
      {1087, {{0x1F, 0x1B, 0x17, 0x02, 0x00}}},  // the plain button
      {1084, {{0x1F, 0x1B, 0x16, 0x0B, 0x00}}},  // an owner-drawn button
      {1060, {}},                                // an edit
      {1088, {}},                                // a list
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.control);
    context.printer.sends.clear();
    QWidget* control = FindControl<QWidget>(hosted, row.control);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    EXPECT_EQ(context.printer.sends, row.sends);
    EXPECT_TRUE(host.isVisible());
  }
}

TEST_F(LabelSetDlgTest, FailedSendsEndThePress) {
  Open();
  ctx->printer.sendSucceeds = false;
  Press(1137);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{{0x1F, 0x1B, 0x16, 0x0C, 0x09}}));
  Press(1128);
  EXPECT_EQ(Sends().size(), 2u);
  EXPECT_TRUE(ctx->sleeper.pauses.empty());
}

}  // namespace
}  // namespace varnex::label
