#include "varnex/wireless/cdlg_wifi.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <chrono>
#include <functional>
#include <memory>

#include "tests/support/page_test_context.h"
#include "tests/varnex/wireless/pages_test_support.h"
#include "tests/varnex/wireless/wireless_test_support.h"
#include "varnex/controls/cch_button.h"
#include "varnex/controls/ipv4_address_edit.h"
#include "varnex/controls/page_look.h"

namespace varnex::wireless {
namespace {

using controls::FindControl;
using controls::Ipv4AddressEdit;
using platform::UiLanguage;
using std::chrono::milliseconds;
using wirelesstest::Ascii;
using wirelesstest::Bytes;
using wirelesstest::Caption;
using wirelesstest::CaptionCase;
using wirelesstest::Fields;

// What a watched button looked like when the page paused, and how many messages had been shown.
struct Pause {
  milliseconds duration;
  QString caption;
  bool enabled;
  qsizetype messagesShown;
};

// Records each pause together with the state of the button under watch at that moment.
class ButtonWatchingSleeper final : public platform::Sleeper {
 public:
  explicit ButtonWatchingSleeper(const platform::RecordingMessageService& messages)
      : messages_(messages) {}

  void Sleep(milliseconds duration) override {
    pauses.push_back({duration, watched ? watched->text() : QString(),
                      watched != nullptr && watched->isEnabled(), messages_.texts.size()});
  }

  const QPushButton* watched = nullptr;
  std::vector<Pause> pauses;

 private:
  const platform::RecordingMessageService& messages_;
};

class CDlgWIFITest : public ::testing::Test {
 public:
  // Public so that the rows of a case table can fill the page.
  QPushButton* Button(int id) const { return FindControl<QPushButton>(page.get(), id); }
  QLineEdit* Edit(int id) const { return FindControl<QLineEdit>(page.get(), id); }
  QComboBox* Combo(int id) const { return FindControl<QComboBox>(page.get(), id); }
  Ipv4AddressEdit* Address(int id) const { return FindControl<Ipv4AddressEdit>(page.get(), id); }
  void Select(int combo, const char* text) {
    Combo(combo)->setCurrentIndex(Combo(combo)->findText(QString::fromUtf8(text)));
  }
  void SwitchTo(UiLanguage language) {
    ctx.texts.SetLanguage(language);
    page->RefreshTexts();
  }
  // Presses a button while watching it.
  void Press(int id) {
    sleeper.watched = Button(id);
    Button(id)->click();
  }

  testsupport::PageTestContext ctx;
  ButtonWatchingSleeper sleeper{ctx.messages};
  controls::PageContext context{ctx.printer, ctx.texts, ctx.messages, ctx.files, sleeper};
  std::unique_ptr<CDlgWIFI> page = std::make_unique<CDlgWIFI>(context);
};

TEST_F(CDlgWIFITest, OpensWithTheDefaultChoicesBlankAddressesAndLimits) {
  struct ComboCase {
    int id;
    QStringList entries;
    int index;
  };
  const ComboCase combos[] = {
      {1108, {"AP", "STA", "AP+STA"}, 0},
      {1112, {"ENABLE", "DISABLE"}, 0},
      {1145, {"OPEN", "WPA2PSK"}, -1},
      {1150, {"9600", "19200", "38400", "57600", "115200", "460800", "921600"}, 6},
  };
  for (const ComboCase& c : combos) {
    EXPECT_EQ(wirelesstest::Entries(Combo(c.id)), c.entries) << c.id;
    EXPECT_EQ(Combo(c.id)->currentIndex(), c.index) << c.id;
  }
  for (int id : {1114, 1116, 1118}) {
    EXPECT_TRUE(Address(id)->fields().IsBlank()) << id;
  }
  EXPECT_EQ(Edit(1143)->maxLength(), 15);
  EXPECT_EQ(Edit(1147)->maxLength(), 20);
  EXPECT_EQ(Edit(1122)->maxLength(), QLineEdit().maxLength());
  EXPECT_EQ(Edit(1124)->maxLength(), QLineEdit().maxLength());
  for (int id : {1109, 1129, 1130, 1119, 1120, 1125, 1126, 1127, 1128, 1148}) {
    EXPECT_NE(FindControl<controls::CCHButton>(page.get(), id), nullptr) << id;
  }
  EXPECT_EQ(wirelesstest::TextColour(FindControl<QLabel>(page.get(), 1152)),
            controls::kWarningText);
}

TEST_F(CDlgWIFITest, CaptionsFollowTheLanguage) {
  const CaptionCase cases[] = {
      {1106, "Mode settings", "模式设置"},
      {1107, "Mode:", "模式选择:"},
      {1109, "Settings", "设    置"},
      {1151, "Baud rate setting", "波特率设置"},
      {1129, "Settings", "设    置"},
      {1130, "Query", "查  询"},
      {1110, "STA", "STA设置"},
      {1111, "DHCP:", "DHCP选择:"},
      {1113, "IP :", "IP :"},
      {1115, "GW:", "GW:"},
      {1117, "Sub:", "Sub:"},
      {1119, "Settings", "设    置"},
      {1120, "Query", "查  询"},
      {1121, "Name(SSID):", "网络名称(SSID):"},
      {1123, "Network pin:", "网络密码:"},
      {1125, "Settings", "设    置"},
      {1126, "Query", "查  询"},
      {1141, "AP", "AP设置"},
      {1142, "Name:", "名称:"},
      {1144, "Encryption:", "密码类型:"},
      {1146, "PIN:", "密码:"},
      {1127, "Settings", "设    置"},
      {1128, "Query", "查  询"},
      {1148, "Restore Factory", "恢复出厂设置"},
      {1152,
       "Readme: WiFi settings only apply to modules with the WiFi name HF-LPD110. Please refer "
       "to the self check page!",
       "注意事项:WiFi设置只针对WiFi名称为HF-LPD110的模块，请参照自检页!"},
  };
  for (const CaptionCase& c : cases) {
    EXPECT_EQ(Caption(page.get(), c.id), QString::fromUtf8(c.english)) << c.id;
  }
  SwitchTo(UiLanguage::Chinese);
  for (const CaptionCase& c : cases) {
    EXPECT_EQ(Caption(page.get(), c.id), QString::fromUtf8(c.chinese)) << c.id;
  }
}

TEST_F(CDlgWIFITest, LanguageSwitchKeepsTypedTextsAndSelections) {
  Select(1108, "STA");
  Select(1112, "DISABLE");
  Select(1145, "WPA2PSK");
  Select(1150, "57600");
  Edit(1122)->setText("shop");
  Edit(1143)->setText("Kiosk");
  Address(1114)->setAddress(192, 168, 1, 50);

  SwitchTo(UiLanguage::Chinese);
  EXPECT_EQ(Caption(page.get(), 1109), "设    置");
  EXPECT_EQ(Caption(page.get(), 1106), "模式设置");

  EXPECT_EQ(Combo(1108)->currentText(), "STA");
  EXPECT_EQ(Combo(1112)->currentText(), "DISABLE");
  EXPECT_EQ(Combo(1145)->currentText(), "WPA2PSK");
  EXPECT_EQ(Combo(1150)->currentText(), "57600");
  EXPECT_EQ(wirelesstest::Entries(Combo(1112)), (QStringList{"ENABLE", "DISABLE"}));
  EXPECT_EQ(Edit(1122)->text(), "shop");
  EXPECT_EQ(Edit(1143)->text(), "Kiosk");
  EXPECT_EQ(Address(1114)->fields().Bytes(), (std::array<std::uint8_t, 4>{192, 168, 1, 50}));
}

// A command that went out (or a mode the table does not know, which sends nothing) is followed
// by a 1000 ms pause with its button disabled; the button is enabled again afterwards.
TEST_F(CDlgWIFITest, SentCommandsPauseWithTheirButtonDisabled) {
  struct Case {
    const char* label;
    std::function<void(CDlgWIFITest&)> fill;
    int button;
    std::vector<Bytes> sends;
  };
  const auto none = [](CDlgWIFITest&) {};
  const Case cases[] = {
      {"mode AP+STA",
       [](CDlgWIFITest& t) { t.Select(1108, "AP+STA"); },
       1109,
       {{0x1F, 0x1B, 0xFD, 0x15, 0x0F}, Ascii("AT+WMODE=APSTA\r")}},
      {"no mode chosen", [](CDlgWIFITest& t) { t.Combo(1108)->setCurrentIndex(-1); }, 1109, {}},
      {"baud 460800",
       [](CDlgWIFITest& t) { t.Select(1150, "460800"); },
       1129,
       {{0x1F, 0x1B, 0xFD, 0x04, 0x08}}},
      {"static station address",
       [](CDlgWIFITest& t) {
         t.Select(1112, "DISABLE");
         t.Address(1114)->setAddress(192, 168, 1, 50);
         t.Address(1116)->setAddress(192, 168, 1, 1);
         t.Address(1118)->setAddress(255, 255, 255, 0);
       },
       1119,
       {{0x1F, 0x1B, 0xFD, 0x12, 0x36},
        Ascii("AT+WANN=static,192.168.1.50,255.255.255.0,192.168.1.1\r")}},
      {"join network",
       [](CDlgWIFITest& t) {
         t.Edit(1122)->setText("shop");
         t.Edit(1124)->setText("12345678");
       },
       1125,
       {{0x1F, 0x1B, 0xFD, 0x06, 0x22}, Ascii("AT+WSSSID=shop\r,AT+WSKEY=12345678\r")}},
      {"access point",
       [](CDlgWIFITest& t) {
         t.Edit(1143)->setText("Kiosk");
         t.Select(1145, "WPA2PSK");
         t.Edit(1147)->setText("secret12");
       },
       1127,
       {{0x1F, 0x1B, 0xFD, 0x02, 0x18, 0x1E},
        Ascii("AT+WAP=11BGN,Kiosk,AUTO\r"),
        Ascii("AT+WAKEY=WPA2PSK,AES,secret12\r")}},
      {"baud query", none, 1130, {{0x1F, 0x1B, 0xFD, 0x05}}},
      {"station query", none, 1120, {{0x1F, 0x1B, 0xFD, 0x11}}},
      {"network query", none, 1126, {{0x1F, 0x1B, 0xFD, 0x07}}},
      {"access point query", none, 1128, {{0x1F, 0x1B, 0xFD, 0x03}}},
  };
  for (const Case& c : cases) {
    ctx.printer.sends.clear();
    sleeper.pauses.clear();
    c.fill(*this);
    const QString caption = Button(c.button)->text();

    Press(c.button);
    EXPECT_EQ(ctx.printer.sends, c.sends) << c.label;
    ASSERT_EQ(sleeper.pauses.size(), 1u) << c.label;
    EXPECT_EQ(sleeper.pauses[0].duration, milliseconds(1000)) << c.label;
    EXPECT_FALSE(sleeper.pauses[0].enabled) << c.label;
    EXPECT_EQ(sleeper.pauses[0].caption, caption) << c.label;
    EXPECT_TRUE(Button(c.button)->isEnabled()) << c.label;
  }
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
}

// Input the logic refuses: the message, the named address control emptied, nothing sent and no
// pause, the button stays enabled.
TEST_F(CDlgWIFITest, RefusedInputShowsItsMessageWithoutPause) {
  struct Case {
    const char* label;
    std::function<void(CDlgWIFITest&)> fill;
    int button;
    const char* message;
    int cleared;  // address control emptied, 0 for none
    int kept;     // address control that keeps its fields, 0 for none
  };
  const Case cases[] = {
      {"access point both empty", [](CDlgWIFITest&) {}, 1127, "无设置项,请重新选择!!!", 0, 0},
      {"station IP blank", [](CDlgWIFITest&) {}, 1119, "The IP address to be modified is empty!",
       1114, 0},
      {"station gateway three fields",
       [](CDlgWIFITest& t) {
         t.Address(1114)->setAddress(192, 168, 1, 50);
         t.Address(1116)->setFields(Fields(192, 168, 1, std::nullopt));
       },
       1119, "The gateway address entered is incomplete!", 1116, 1114},
      {"join network without key", [](CDlgWIFITest& t) { t.Edit(1122)->setText("shop"); }, 1125,
       "输入错误，请检查...", 0, 0},
      {"join network text too long",
       [](CDlgWIFITest& t) {
         t.Edit(1122)->setText(QString(300, QChar('a')));
         t.Edit(1124)->setText("12345678");
       },
       1125, "The text is too long (at most 255 bytes)!", 0, 0},
      {"too long, Chinese",
       [](CDlgWIFITest& t) {
         t.SwitchTo(UiLanguage::Chinese);
         t.Edit(1122)->setText(QString(300, QChar('a')));
         t.Edit(1124)->setText("12345678");
       },
       1125, "输入的内容过长(最多255字节)!", 0, 0},
  };
  for (const Case& c : cases) {
    auto fresh = std::make_unique<CDlgWIFI>(context);
    page.swap(fresh);
    ctx.texts.SetLanguage(UiLanguage::English);
    ctx.messages.texts.clear();
    c.fill(*this);

    Press(c.button);
    EXPECT_EQ(ctx.messages.texts, QStringList{QString::fromUtf8(c.message)}) << c.label;
    EXPECT_TRUE(ctx.printer.sends.empty()) << c.label;
    EXPECT_TRUE(sleeper.pauses.empty()) << c.label;
    EXPECT_TRUE(Button(c.button)->isEnabled()) << c.label;
    if (c.cleared != 0) {
      EXPECT_TRUE(Address(c.cleared)->fields().IsBlank()) << c.label;
    }
    if (c.kept != 0) {
      EXPECT_TRUE(Address(c.kept)->fields().IsComplete()) << c.label;
    }
  }
}

TEST_F(CDlgWIFITest, FactoryResetWaitsWithItsWaitCaptionThenConfirms) {
  struct Case {
    UiLanguage language;
    const char* waiting;
    const char* done;
    const char* restored;
  };
  const Case cases[] = {
      {UiLanguage::English, "Wait........",
       "WiFi factory reset completed, please restart the printer!!!", "Restore Factory"},
      {UiLanguage::Chinese, "请稍等....", "WiFi恢复出厂完成,请重启打印机!!!", "恢复出厂设置"},
  };
  for (const Case& c : cases) {
    SwitchTo(c.language);
    ctx.printer.sends.clear();
    ctx.messages.texts.clear();
    sleeper.pauses.clear();

    Press(1148);
    EXPECT_EQ(ctx.printer.sends, (std::vector<Bytes>{{0x1F, 0x1B, 0xFD, 0x0C}}));
    ASSERT_EQ(sleeper.pauses.size(), 1u);
    EXPECT_EQ(sleeper.pauses[0].duration, milliseconds(5500));
    EXPECT_EQ(sleeper.pauses[0].caption, QString::fromUtf8(c.waiting));
    EXPECT_FALSE(sleeper.pauses[0].enabled);
    EXPECT_EQ(sleeper.pauses[0].messagesShown, 0);
    EXPECT_EQ(ctx.messages.texts, QStringList{QString::fromUtf8(c.done)});
    EXPECT_TRUE(Button(1148)->isEnabled());
    EXPECT_EQ(Button(1148)->text(), QString::fromUtf8(c.restored));
  }
}

// When the reset command did not go out, nothing is being reset: no wait and no completion
// message; the send operation has already reported the failure.
TEST_F(CDlgWIFITest, FailedFactoryResetSendShowsNoCompletion) {
  ctx.printer.sendSucceeds = false;
  Press(1148);
  EXPECT_EQ(ctx.printer.sends, (std::vector<Bytes>{{0x1F, 0x1B, 0xFD, 0x0C}}));
  EXPECT_TRUE(sleeper.pauses.empty());
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
  EXPECT_TRUE(Button(1148)->isEnabled());
  EXPECT_EQ(Button(1148)->text(), "Restore Factory");
}

}  // namespace
}  // namespace varnex::wireless
