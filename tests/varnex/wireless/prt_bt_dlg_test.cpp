#include "varnex/wireless/prt_bt_dlg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <memory>
#include <optional>

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
using wirelesstest::Ascii;
using wirelesstest::Bytes;
using wirelesstest::Caption;
using wirelesstest::CaptionCase;
using wirelesstest::Fields;

class PrtBTDlgTest : public ::testing::Test {
 protected:
  void Click(int id) { FindControl<QPushButton>(page.get(), id)->click(); }
  QLineEdit* Edit(int id) const { return FindControl<QLineEdit>(page.get(), id); }
  QComboBox* Combo(int id) const { return FindControl<QComboBox>(page.get(), id); }
  Ipv4AddressEdit* Address(int id) const { return FindControl<Ipv4AddressEdit>(page.get(), id); }
  void SwitchTo(UiLanguage language) {
    ctx.texts.SetLanguage(language);
    page->RefreshTexts();
  }

  testsupport::PageTestContext ctx;
  std::unique_ptr<PrtBTDlg> page = std::make_unique<PrtBTDlg>(ctx.context);
};

TEST_F(PrtBTDlgTest, OpensWithTheDefaultValuesAndLimits) {
  EXPECT_EQ(Edit(1009)->text(), "Bluetooth Printer");
  EXPECT_EQ(Edit(1009)->maxLength(), 20);
  EXPECT_EQ(Edit(1013)->text(), "2948");
  EXPECT_EQ(Edit(1013)->maxLength(), 10);
  EXPECT_EQ(Edit(1013)->echoMode(), QLineEdit::Password);
  EXPECT_EQ(
      wirelesstest::Entries(Combo(1017)),
      (QStringList{"9600", "19200", "38400", "57600", "115200", "230400", "460800", "921600"}));
  EXPECT_EQ(Combo(1017)->currentText(), "921600");
  EXPECT_EQ(Address(1022)->fields().Bytes(), (std::array<std::uint8_t, 4>{192, 168, 1, 100}));
  EXPECT_EQ(Address(1025)->fields().Bytes(), (std::array<std::uint8_t, 4>{192, 168, 1, 1}));
  EXPECT_EQ(Address(1028)->fields().Bytes(), (std::array<std::uint8_t, 4>{255, 255, 255, 0}));
  const std::pair<int, const char*> mac[] = {{1030, "02"}, {1032, "03"}, {1034, "04"},
                                             {1036, "0a"}, {1038, "fd"}, {1040, "09"}};
  for (const auto& [id, text] : mac) {
    EXPECT_EQ(Edit(id)->text(), text) << id;
    EXPECT_EQ(Edit(id)->maxLength(), 2) << id;
  }
  for (int id : {1031, 1033, 1035, 1037, 1039}) {
    EXPECT_EQ(Caption(page.get(), id), "-") << id;
  }
  for (int id : {1011, 1014, 1016, 1018, 1019, 1023, 1026, 1029, 1041, 1043, 1085}) {
    EXPECT_NE(FindControl<controls::CCHButton>(page.get(), id), nullptr) << id;
  }
  EXPECT_EQ(wirelesstest::TextColour(FindControl<QLabel>(page.get(), 1104)),
            controls::kWarningText);
  EXPECT_EQ(wirelesstest::TextColour(FindControl<QLabel>(page.get(), 1010)), controls::kStaticText);
}

// Every caption that follows the language, and the one that does not.
TEST_F(PrtBTDlgTest, CaptionsFollowTheLanguage) {
  const CaptionCase cases[] = {
      {1008, "BlueTooth", "蓝牙"},
      {1010, "Bluetooth Name:", "         蓝牙名称:"},
      {1011, "Setting", "设  置"},
      {1018, "Bluetooth Pin Query", "蓝牙密码查询"},
      {1012, "Bluetooth Pinkey:", "          蓝牙密码:"},
      {1014, "Setting", "设  置"},
      {1043, "Print SelfTest", "打印自检页"},
      {1015, " Bluetooth baud:", "     蓝牙波特率:"},
      {1016, "Setting", "设  置"},
      {1019, "Bluetooth Baud Query", "蓝牙波特率查询"},
      {1020, "TCP/IP Setting", "同网段设置区"},
      {1021, "      IP:", "      IP:"},
      {1023, "Setting", "设  置"},
      {1024, "Gateway:", "      网关:"},
      {1026, "Setting", "设  置"},
      {1027, "       Sub:", "      掩码:"},
      {1029, "Setting", "设  置"},
      {1041, "Setting", "设  置"},
      {1084, "UDP Setting", "跨网段设置区"},
      {1085, "Setting Up the Printer", "设  置  打  印  机"},
      {1104,
       "Note: To use this function, please ensure that the upper cover of the printer nis open",
       "注意事项：使用此功能，请确保打印机上盖\n                    处于打开状态!!!"},
  };
  for (const CaptionCase& c : cases) {
    EXPECT_EQ(Caption(page.get(), c.id), QString::fromUtf8(c.english)) << c.id;
  }
  SwitchTo(UiLanguage::Chinese);
  for (const CaptionCase& c : cases) {
    EXPECT_EQ(Caption(page.get(), c.id), QString::fromUtf8(c.chinese)) << c.id;
  }
}

TEST_F(PrtBTDlgTest, LanguageSwitchKeepsTypedTextsAndSelections) {
  Edit(1009)->setText("Counter 2");
  Edit(1013)->setText("1234");
  Edit(1036)->setText("7e");
  Combo(1017)->setCurrentIndex(2);
  Address(1025)->setAddress(10, 0, 0, 1);

  SwitchTo(UiLanguage::Chinese);
  EXPECT_EQ(Caption(page.get(), 1011), "设  置");
  EXPECT_EQ(Caption(page.get(), 1008), "蓝牙");
  SwitchTo(UiLanguage::English);
  EXPECT_EQ(Caption(page.get(), 1011), "Setting");

  EXPECT_EQ(Edit(1009)->text(), "Counter 2");
  EXPECT_EQ(Edit(1013)->text(), "1234");
  EXPECT_EQ(Edit(1036)->text(), "7e");
  EXPECT_EQ(Combo(1017)->currentText(), "38400");
  EXPECT_EQ(Combo(1017)->count(), 8);
  EXPECT_EQ(Address(1025)->fields().Bytes(), (std::array<std::uint8_t, 4>{10, 0, 0, 1}));
}

// Name and PIN go out as a header and the text, two sends; after a failed header the text is not
// sent (it would reach the printer without its header; the send operation reports the failure).
TEST_F(PrtBTDlgTest, NameAndPinSendHeaderThenTextUnlessTheHeaderFails) {
  struct Case {
    int button;
    bool sendSucceeds;
    std::vector<Bytes> sends;
  };
  const Case cases[] = {
      {1011, true, {{0x1F, 0x11, 0x08, 0x01, 0x11}, Ascii("Bluetooth Printer")}},
      {1014, true, {{0x1F, 0x11, 0x09, 0x01, 0x04}, Ascii("2948")}},
      {1011, false, {{0x1F, 0x11, 0x08, 0x01, 0x11}}},
      {1014, false, {{0x1F, 0x11, 0x09, 0x01, 0x04}}},
  };
  for (const Case& c : cases) {
    ctx.printer.sends.clear();
    ctx.printer.sendSucceeds = c.sendSucceeds;
    Click(c.button);
    EXPECT_EQ(ctx.printer.sends, c.sends) << c.button << c.sendSucceeds;
  }
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
}

TEST_F(PrtBTDlgTest, RefusedNameOrPinShowsItsMessageAndKeepsTheText) {
  struct Case {
    UiLanguage language;
    int edit;
    const char16_t* text;
    int button;
    const char* message;
  };
  const Case cases[] = {
      {UiLanguage::English, 1009, u"", 1011, "No Bluetooth name entered!"},
      // Eleven Chinese characters are 22 GBK bytes: too long although the edit took them.
      {UiLanguage::English, 1009, u"中中中中中中中中中中中", 1011,
       "The Bluetooth name is too long!"},
      {UiLanguage::Chinese, 1013, u"", 1014, "没有输入蓝牙密码!"},
  };
  for (const Case& c : cases) {
    ctx.messages.texts.clear();
    SwitchTo(c.language);
    Edit(c.edit)->setText(QString::fromUtf16(c.text));
    Click(c.button);
    EXPECT_EQ(ctx.messages.texts, QStringList{QString::fromUtf8(c.message)}) << c.message;
    EXPECT_EQ(Edit(c.edit)->text(), QString::fromUtf16(c.text));
  }
  EXPECT_TRUE(ctx.printer.sends.empty());
  EXPECT_EQ(ctx.messages.captions.value(0), "Varnex");
}

// A refused address shows its message and empties only its own control; an accepted one is
// sent and stays.
TEST_F(PrtBTDlgTest, AddressButtonsSendOrRefuseAndClear) {
  struct Case {
    const char* label;
    int control;
    int button;
    controls::Ipv4Fields fields;
    std::vector<Bytes> sends;
    const char* message;  // nullptr when sent
  };
  const Case cases[] = {
      {"default IP",
       1022,
       1023,
       Fields(192, 168, 1, 100),
       {{0x1F, 0x1B, 0x1D, 0x00, 0xC0, 0xA8, 0x01, 0x64}},
       nullptr},
      {"IP all 255",
       1022,
       1023,
       Fields(255, 255, 255, 255),
       {},
       "The IP address entered is incorrect!"},
      {"gateway three fields",
       1025,
       1026,
       Fields(192, 168, 1, std::nullopt),
       {},
       "The gateway address entered is incomplete!"},
      {"blank mask",
       1028,
       1029,
       wirelesstest::Blank(),
       {},
       "The subnet mask to be modified is empty!"},
      {"mask all 255",
       1028,
       1029,
       Fields(255, 255, 255, 255),
       {{0x1F, 0x1B, 0x1D, 0x01, 0xFF, 0xFF, 0xFF, 0xFF}},
       nullptr},
  };
  for (const Case& c : cases) {
    auto fresh = std::make_unique<PrtBTDlg>(ctx.context);
    page.swap(fresh);
    ctx.printer.sends.clear();
    ctx.messages.texts.clear();
    Address(c.control)->setFields(c.fields);

    Click(c.button);
    EXPECT_EQ(ctx.printer.sends, c.sends) << c.label;
    EXPECT_EQ(ctx.messages.texts,
              c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{})
        << c.label;
    EXPECT_EQ(Address(c.control)->fields().IsBlank(), c.message != nullptr) << c.label;
    for (int other : {1022, 1025, 1028}) {
      if (other != c.control) {
        EXPECT_TRUE(Address(other)->fields().IsComplete()) << c.label << other;
      }
    }
  }
}

TEST_F(PrtBTDlgTest, MacAddressSendsTheSixEditsOrRefusesAShortOne) {
  Click(1041);
  EXPECT_EQ(ctx.printer.sends,
            (std::vector<Bytes>{{0x1F, 0x1B, 0x18, 0x02, 0x03, 0x04, 0x0A, 0xFD, 0x09}}));

  ctx.printer.sends.clear();
  Edit(1040)->setText("9");
  Click(1041);
  EXPECT_TRUE(ctx.printer.sends.empty());
  EXPECT_EQ(ctx.messages.texts, QStringList{"MAC input error"});
  EXPECT_EQ(Edit(1040)->text(), "9");
}

TEST_F(PrtBTDlgTest, FixedRequestsAndBaudSendTheirBytes) {
  struct Case {
    int button;
    int baudIndex;
    Bytes bytes;
  };
  const Case cases[] = {
      {1016, 7, {0x1F, 0x11, 0x0C, 0x01, 0x07}},  // "921600"
      {1016, 5, {0x1F, 0x11, 0x0C, 0x01, 0x08}},  // "230400"
      {1018, 7, {0x1F, 0x11, 0x0A, 0x01}},
      {1019, 7, {0x1F, 0x11, 0x0B, 0x01}},
      {1043, 7, {0x1F, 0x11, 0x04}},
  };
  for (const Case& c : cases) {
    ctx.printer.sends.clear();
    Combo(1017)->setCurrentIndex(c.baudIndex);
    Click(c.button);
    EXPECT_EQ(ctx.printer.sends, std::vector<Bytes>{c.bytes}) << c.button << " " << c.baudIndex;
  }
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
}

TEST_F(PrtBTDlgTest, DiscoveryButtonAsksTheHostAndSendsNothing) {
  QSignalSpy requested(page.get(), &PrtBTDlg::discoveryRequested);
  Click(1085);
  EXPECT_EQ(requested.count(), 1);
  EXPECT_TRUE(ctx.printer.sends.empty());
  EXPECT_TRUE(ctx.messages.texts.isEmpty());
}

}  // namespace
}  // namespace varnex::wireless
