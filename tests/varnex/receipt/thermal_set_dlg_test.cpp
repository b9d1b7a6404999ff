#include "varnex/receipt/thermal_set_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "tests/support/page_test_context.h"
#include "varnex/maintenance/cdialog_test_sys.h"
#include "varnex/maintenance/cdlg_self_test.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::UiLanguage;
using varnex::controls::FindControl;

// The page with its modal dialogs handed to the test instead of run.
class TestPage : public varnex::receipt::ThermalSetDlg {
 public:
  using ThermalSetDlg::ThermalSetDlg;

  std::function<void(QDialog&)> onDialog;
  int dialogsRun = 0;

 protected:
  int RunDialog(QDialog& dialog) override {
    ++dialogsRun;
    if (onDialog) {
      onDialog(dialog);
    }
    return QDialog::Rejected;
  }
};

class ThermalSetDlgTest : public ::testing::Test {
 protected:
  explicit ThermalSetDlgTest(UiLanguage language = UiLanguage::English) : ctx(language) {}

  TestPage& Page() {
    if (!page) {
      page = std::make_unique<TestPage>(ctx.context);
      page->show();
    }
    return *page;
  }
  void Click(int id) { FindControl<QPushButton>(&Page(), id)->click(); }
  void Select(int list, const QString& entry) {
    QComboBox* combo = FindControl<QComboBox>(&Page(), list);
    const int index = combo->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    combo->setCurrentIndex(index);
  }
  void Print(const QString& text, bool hex) {
    FindControl<QPlainTextEdit>(&Page(), 1053)->setPlainText(text);
    FindControl<QCheckBox>(&Page(), 1054)->setChecked(hex);
    Click(1055);
  }

  testsupport::PageTestContext ctx;
  std::unique_ptr<TestPage> page;
};

struct ButtonCase {
  int button;
  Bytes bytes;
};

TEST_F(ThermalSetDlgTest, EveryButtonSendsItsDefaultCommandOnce) {
  const ButtonCase cases[] = {
      {1033, {0x1B, 0x4E, 0x03, 0x01}},
      {1035, {0x1F, 0x1B, 0x11, 0x01}},
      {1037, {0x1F, 0x1B, 0x12, 0x01}},
      {1039, {0x1B, 0x4E, 0x01, 0x05}},
      {1041, {0x1B, 0x4E, 0x04, 0x03}},
      {1043, {0x1F, 0x1B, 0x1F, 0xFA, 0x00}},
      {1045, {0x1B, 0x4E, 0x13, 0x01}},
      {1047, {0x1B, 0x4E, 0x21, 0x00}},
      {1052, {0x1F, 0x1B, 0x16, 0x01, 0x11, 0x50}},
      {1056, {0x1F, 0x1B, 0x16, 0x02, 0x16, 0x04}},
      {1058, {0x1F, 0x1B, 0x1F, 0xFF, 0x00, 0x0A}},
      {1061, {0x1F, 0x1B, 0x05, 0x02, 0x01}},
      {1063, {0x1F, 0x1B, 0x17, 0x01, 0x00}},
      {1064, {0x1F, 0x1B, 0x17, 0x02, 0x00}},
      {1066, {0x1F, 0x1B, 0x16, 0x0A, 0x00}},
      {1065, {0x1F, 0x1B, 0x16, 0x09, 0x00}},
      {1067, {0x1F, 0x1B, 0x16, 0x0B, 0x00}},
      {1048, {0x1F, 0x1B, 0x19}},
      {1062, {0x0A, 0x1B, 0x70, 0x00, 0x40, 0x50, 0x1B, 0x70, 0x01, 0x40, 0x50, 0x0A}},
      {1050, {0x0A, 0x1B, 0x40, 0x1D, 0x56, 0x42, 0x10, 0x0A}},
  };
  for (const ButtonCase& c : cases) {
    ctx.printer.sends.clear();
    Click(c.button);
    EXPECT_EQ(ctx.printer.sends, std::vector<Bytes>{c.bytes}) << c.button;
  }
  ctx.printer.sends.clear();
  Click(1059);
  ASSERT_EQ(ctx.printer.sends.size(), 1u);
  EXPECT_EQ(ctx.printer.sends[0].size(), 278u);
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
}

TEST_F(ThermalSetDlgTest, ChangedChoiceSendsItsByte) {
  struct Case {
    int list;
    const char* entry;
    int button;
    Bytes bytes;
  };
  const Case cases[] = {
      {1057, "WPC1252(Latin-1)", 1058, {0x1F, 0x1B, 0x1F, 0xFF, 0x47, 0x0A}},
      {1057, "(Thai2)", 1058, {0x1F, 0x1B, 0x1F, 0xFF, 0xFF, 0x0A}},
      {1038, "4800", 1039, {0x1B, 0x4E, 0x01, 0x00}},
      {1046, "OFF", 1047, {0x1B, 0x4E, 0x21, 0x01}},
      {1116, "58mm", 1067, {0x1F, 0x1B, 0x16, 0x0B, 0x01}},
  };
  for (const Case& c : cases) {
    ctx.printer.sends.clear();
    Select(c.list, QString::fromUtf8(c.entry));
    Click(c.button);
    EXPECT_EQ(ctx.printer.sends, std::vector<Bytes>{c.bytes}) << c.entry;
  }
}

TEST_F(ThermalSetDlgTest, ListsShowTheCatalogueWithItsDefaults) {
  struct Case {
    int list;
    int count;
    const char* selected;
  };
  const Case cases[] = {
      {1032, 2, "Chinese"},     {1034, 2, "ON"},          {1036, 2, "ON"},
      {1038, 8, "115200"},      {1040, 4, "Level3_Dark"}, {1042, 3, "GB18030"},
      {1044, 3, "ASCII:12X24"}, {1046, 2, "ON"},          {1057, 75, "OEM437(Std.Europe)(1)"},
      {1060, 2, "ON"},          {1112, 2, "DISABLE"},     {1113, 7, "0"},
      {1115, 2, "PRINTER"},     {1114, 2, "DISABLE"},     {1116, 2, "80mm"},
  };
  for (const Case& c : cases) {
    const QComboBox* combo = FindControl<QComboBox>(&Page(), c.list);
    ASSERT_NE(combo, nullptr) << c.list;
    EXPECT_FALSE(combo->isEditable()) << c.list;
    EXPECT_EQ(combo->count(), c.count) << c.list;
    EXPECT_EQ(combo->currentText(), QString::fromUtf8(c.selected)) << c.list;
  }
}

TEST_F(ThermalSetDlgTest, UsbIdEditsTakeFourCharactersAndSendWhatTheyShow) {
  for (const auto& [editId, button, prefix] :
       {std::tuple{1081, 1052, std::uint8_t{0x01}}, std::tuple{1082, 1056, std::uint8_t{0x02}}}) {
    QLineEdit* edit = FindControl<QLineEdit>(&Page(), editId);
    edit->clear();
    edit->setFocus();
    QTest::keyClicks(edit, "12345");
    EXPECT_EQ(edit->text(), "1234") << editId;
    ctx.printer.sends.clear();
    Click(button);
    EXPECT_EQ(ctx.printer.sends, (std::vector<Bytes>{{0x1F, 0x1B, 0x16, prefix, 0x34, 0x12}}));
  }
}

TEST_F(ThermalSetDlgTest, PrintBoxSendsHexBytesOrText) {
  struct Case {
    const char16_t* text;
    bool hex;
    Bytes bytes;
  };
  const Case cases[] = {
      {u"1B 40", true, {0x1B, 0x40}},
      {u"1B 40", false, {0x31, 0x42, 0x20, 0x34, 0x30}},
      {u"1B 4G 0A", true, {0x1B}},
      {u"ZZ", true, {}},  // no valid byte: still one send, of no bytes
      {u"中", false, {0xD6, 0xD0}},
  };
  for (const Case& c : cases) {
    ctx.printer.sends.clear();
    Print(QString::fromUtf16(c.text), c.hex);
    EXPECT_EQ(ctx.printer.sends, std::vector<Bytes>{c.bytes})
        << QString::fromUtf16(c.text).toStdString() << " hex " << c.hex;
  }
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
}

TEST_F(ThermalSetDlgTest, EmptyPrintBoxIsRefusedWithAndWithoutHex) {
  Print(QString(), true);
  Print(QString(), false);
  EXPECT_EQ(ctx.messages.texts, (QStringList{"Enter as empty!", "Enter as empty!"}));
  EXPECT_EQ(ctx.messages.captions.value(0), "Varnex");
  EXPECT_TRUE(ctx.printer.sends.empty());
}

TEST_F(ThermalSetDlgTest, EnterInThePrintBoxBreaksTheLineSentAsCrLf) {
  QPlainTextEdit* box = FindControl<QPlainTextEdit>(&Page(), 1053);
  box->setPlainText(QStringLiteral("中文"));
  box->moveCursor(QTextCursor::End);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "A");
  Click(1055);
  EXPECT_EQ(ctx.printer.sends, (std::vector<Bytes>{{0xD6, 0xD0, 0xCE, 0xC4, 0x0D, 0x0A, 0x41}}));
}

// Notes whether the self-test button was blocked while the page paused.
class BlockWatchingSleeper final : public platform::Sleeper {
 public:
  void Sleep(std::chrono::milliseconds duration) override {
    pauses.push_back(duration);
    blockedDuringPause = button != nullptr && !button->isEnabled();
  }
  const QPushButton* button = nullptr;
  std::vector<std::chrono::milliseconds> pauses;
  bool blockedDuringPause = false;
};

TEST_F(ThermalSetDlgTest, SelfTestPageSendsThenBlocksItsButtonForOneSecond) {
  BlockWatchingSleeper sleeper;
  varnex::controls::PageContext context{ctx.printer, ctx.texts, ctx.messages, ctx.files, sleeper};
  TestPage watched(context);
  QPushButton* button = FindControl<QPushButton>(&watched, 1049);
  sleeper.button = button;
  button->click();
  EXPECT_EQ(ctx.printer.sends, (std::vector<Bytes>{{0x1F, 0x11, 0x04}}));
  EXPECT_EQ(sleeper.pauses, std::vector<std::chrono::milliseconds>{std::chrono::seconds(1)});
  EXPECT_TRUE(sleeper.blockedDuringPause);
  EXPECT_TRUE(button->isEnabled());
}

TEST_F(ThermalSetDlgTest, DisconnectedDialogButtonsRefuseWhileSettingsStillSend) {
  ctx.printer.connected = false;
  int logoOpened = 0;
  Page().SetLogoDialogOpener([&logoOpened] { ++logoOpened; });
  Click(1051);
  Page().OnTestSystem();
  EXPECT_EQ(ctx.messages.texts, (QStringList{"打印机未连接!", "打印机未连接!"}));
  EXPECT_EQ(logoOpened, 0);
  EXPECT_EQ(Page().dialogsRun, 0);
  EXPECT_TRUE(ctx.printer.sends.empty());

  Click(1043);  // the send operation reports the missing connection itself
  EXPECT_EQ(ctx.printer.sends, (std::vector<Bytes>{{0x1F, 0x1B, 0x1F, 0xFA, 0x00}}));
}

TEST_F(ThermalSetDlgTest, ConnectedLogoButtonCallsTheOpenerWhenThereIsOne) {
  Click(1051);  // no opener yet: nothing happens
  int logoOpened = 0;
  Page().SetLogoDialogOpener([&logoOpened] { ++logoOpened; });
  Click(1051);
  EXPECT_EQ(logoOpened, 1);
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
  EXPECT_TRUE(ctx.printer.sends.empty());
}

TEST_F(ThermalSetDlgTest, TestSystemOpensTheEmptyDialogWhileConnected) {
  const varnex::maintenance::CDialogTestSys* opened = nullptr;
  Page().onDialog = [&opened](QDialog& dialog) {
    opened = qobject_cast<varnex::maintenance::CDialogTestSys*>(&dialog);
  };
  Page().OnTestSystem();
  EXPECT_NE(opened, nullptr);
  EXPECT_EQ(Page().dialogsRun, 1);
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
  EXPECT_TRUE(ctx.printer.sends.empty());
}

TEST_F(ThermalSetDlgTest, SelfTestSettingsOpenWithoutConnectionAndWithDefaultsEachTime) {
  ctx.printer.connected = false;
  QStringList datesShown;
  Page().onDialog = [&datesShown](QDialog& dialog) {
    ASSERT_NE(qobject_cast<varnex::maintenance::CDlgSelfTest*>(&dialog), nullptr);
    QLineEdit* date = FindControl<QLineEdit>(&dialog, 1145);
    datesShown << date->text();
    date->setText(QStringLiteral("1-Jan-2030"));
    FindControl<QPushButton>(&dialog, 1146)->click();
  };
  Page().OnSelfTestSettings();
  Page().OnSelfTestSettings();
  EXPECT_EQ(datesShown, (QStringList{"21-Feb-2023", "21-Feb-2023"}));
  ASSERT_EQ(ctx.printer.sends.size(), 4u);
  EXPECT_EQ(ctx.printer.sends[0], (Bytes{0x1F, 0x1B, 0x1F, 0xFE, 0x0A}));
  EXPECT_EQ(ctx.printer.sends[1], Bytes(std::begin("1-Jan-2030"), std::end("1-Jan-2030") - 1));
}

TEST_F(ThermalSetDlgTest, LanguageSwitchChangesCaptionsAndKeepsListsAndSelections) {
  Select(1034, "OFF");
  Select(1057, "WPC1252(Latin-1)");
  FindControl<QCheckBox>(&Page(), 1054)->setChecked(true);
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1033)->text(), "Set Printing mode");
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1055)->text(), "Print");

  ctx.texts.SetLanguage(UiLanguage::Chinese);
  Page().RefreshTexts();
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1033)->text(), "设置打印模式");
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1055)->text(), "打   印");
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1061)->text(), "设置切刀来单提醒");
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1067)->text(), "打印宽度设置");
  const QComboBox* buzzer = FindControl<QComboBox>(&Page(), 1034);
  EXPECT_EQ(buzzer->itemText(0), "ON");
  EXPECT_EQ(buzzer->currentText(), "OFF");
  EXPECT_EQ(FindControl<QComboBox>(&Page(), 1057)->currentText(), "WPC1252(Latin-1)");
  EXPECT_EQ(FindControl<QCheckBox>(&Page(), 1054)->text(), "HEX");
  EXPECT_TRUE(FindControl<QCheckBox>(&Page(), 1054)->isChecked());
  EXPECT_EQ(FindControl<QLineEdit>(&Page(), 1081)->text(), "5011");
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1127)->text(), "自检页设置");

  ctx.texts.SetLanguage(UiLanguage::English);
  Page().RefreshTexts();
  EXPECT_EQ(FindControl<QPushButton>(&Page(), 1061)->text(), "Enable Cutter(PIT)");
}

TEST_F(ThermalSetDlgTest, MaintenanceButtonsExistHiddenWithFixedCaptions) {
  Page().RefreshTexts();
  for (const auto& [id, caption] :
       {std::pair{1127, "自检页设置"}, std::pair{1128, "打印机测试系统"}}) {
    const QPushButton* button = FindControl<QPushButton>(&Page(), id);
    ASSERT_NE(button, nullptr) << id;
    EXPECT_FALSE(button->isVisible()) << id;
    EXPECT_EQ(button->text(), QString::fromUtf8(caption));
  }
  EXPECT_TRUE(FindControl<QPushButton>(&Page(), 1033)->isVisible());

  // Their handlers are wired: pressing them (as the main window's menu does) opens the dialogs.
  Click(1127);
  Click(1128);
  EXPECT_EQ(Page().dialogsRun, 2);
}

}  // namespace
