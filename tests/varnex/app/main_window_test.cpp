#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/virtual_printer_process.h"
#include "varnex/app/connection_bar.h"
#include "varnex/app/cvarnex_dlg.h"
#include "varnex/controls/cch_button.h"
#include "varnex/controls/ipv4_address_edit.h"

namespace {

using platform::UiLanguage;
using varnex::controls::FindControl;

// Addresses of this file's tests: 127.0.7.x.
class MainWindowTest : public ::testing::Test {
 protected:
  // The window reads the port catalogue when it is built; the sysfs root points at an empty
  // directory so that only the mapped ports appear.
  std::unique_ptr<varnex::app::CVarnexDlg> MakeWindow(UiLanguage language = UiLanguage::English,
                                                      const std::string& portMap = "") {
    testsupport::ScopedEnv sysfs("PRINTER_TOOLS_SYSFS_ROOT", root.path());
    testsupport::ScopedEnv map("PRINTER_TOOLS_PORT_MAP", portMap);
    auto window = std::make_unique<varnex::app::CVarnexDlg>(
        varnex::app::WindowServices{messages, files, sleeper}, language);
    window->show();
    return window;
  }

  static QStringList Entries(const QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) {
      entries << combo->itemText(i);
    }
    return entries;
  }

  static void Select(varnex::app::CVarnexDlg& window, const QString& port) {
    QComboBox* combo = FindControl<QComboBox>(&window, 1001);
    combo->setCurrentIndex(combo->findText(port));
  }

  static void SetIp(varnex::app::CVarnexDlg& window, int a, int b, int c, int d) {
    FindControl<varnex::controls::Ipv4AddressEdit>(&window, 1005)->setAddress(a, b, c, d);
  }

  static QString ButtonText(const varnex::app::CVarnexDlg& window) {
    return FindControl<QPushButton>(&window, 1006)->text();
  }

  testsupport::ScratchDir root;
  platform::RecordingMessageService messages;
  platform::ScriptedFileDialogService files;
  platform::RecordingSleeper sleeper;
};

TEST_F(MainWindowTest, PortCatalogueListsFixedEntriesThenSortedSerialPorts) {
  auto window = MakeWindow(UiLanguage::English, "COM10=/x;COM3=/x;COM1=/x;COM123=/x");
  const QComboBox* combo = FindControl<QComboBox>(window.get(), 1001);
  EXPECT_EQ(Entries(combo),
            (QStringList{"USB", "Ethernet", "LPT1", "LPT2", "COM1", "COM3", "COM10", "COM12"}));
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(FindControl<QComboBox>(window.get(), 1003)->currentText(), "115200");

  auto bare = MakeWindow();
  EXPECT_EQ(Entries(FindControl<QComboBox>(bare.get(), 1001)),
            (QStringList{"USB", "Ethernet", "LPT1", "LPT2"}));
}

TEST_F(MainWindowTest, PortKindShowsAndHidesTheBaudAndIpPairs) {
  auto window = MakeWindow(UiLanguage::English, "COM3=/x");
  struct Case {
    const char* port;
    bool baudShown;
    bool ipShown;
  };
  const Case cases[] = {{"Ethernet", false, true},
                        {"COM3", true, false},
                        {"USB", false, false},
                        {"LPT1", false, false},
                        {"LPT2", false, false}};
  for (const Case& c : cases) {
    Select(*window, c.port);
    for (int id : {1002, 1003}) {
      EXPECT_EQ(FindControl<QWidget>(window.get(), id)->isVisible(), c.baudShown) << c.port << id;
    }
    for (int id : {1004, 1005}) {
      EXPECT_EQ(FindControl<QWidget>(window.get(), id)->isVisible(), c.ipShown) << c.port << id;
    }
  }
}

TEST_F(MainWindowTest, ConnectFailuresShowTheirTextsCaptionedWithTheProgramName) {
  auto window = MakeWindow(UiLanguage::English, "COM4=" + root.File("absent"));
  Select(*window, "Ethernet");
  SetIp(*window, 0, 0, 0, 0);
  window->OnConnect();
  SetIp(*window, 127, 0, 7, 9);  // nothing listens there
  window->OnConnect();
  Select(*window, "COM4");
  window->OnConnect();
  Select(*window, "USB");
  window->OnConnect();
  EXPECT_EQ(messages.texts, (QStringList{"Please set the IP address or port number",
                                         "connection timed out", "This port is occupied or damaged",
                                         "The printer is not connected or dropped!"}));
  EXPECT_EQ(messages.captions.value(0), "Varnex");
  EXPECT_EQ(ButtonText(*window), "Connect");
  EXPECT_TRUE(FindControl<QWidget>(window.get(), 1001)->isEnabled());
}

TEST_F(MainWindowTest, ConnectedEthernetLocksTheBarAndDisconnectUnlocksAllFive) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.7.1:9100"});
  auto window = MakeWindow();
  Select(*window, "Ethernet");
  SetIp(*window, 127, 0, 7, 1);
  window->OnConnect();
  ASSERT_TRUE(window->IsConnected());
  EXPECT_EQ(ButtonText(*window), "Disconnect");
  for (int id : {1001, 1004, 1005}) {
    EXPECT_FALSE(FindControl<QWidget>(window.get(), id)->isEnabled()) << id;
  }
  EXPECT_TRUE(FindControl<QWidget>(window.get(), 1003)->isEnabled());

  const std::vector<std::uint8_t> bytes = {0x1F, 0x1B, 0x11, 0x00};
  EXPECT_TRUE(window->Send(bytes));
  EXPECT_EQ(printer.WaitForBytes(4), bytes);

  window->OnConnect();
  EXPECT_FALSE(window->IsConnected());
  EXPECT_EQ(ButtonText(*window), "Connect");
  for (int id : {1001, 1002, 1003, 1004, 1005}) {
    EXPECT_TRUE(FindControl<QWidget>(window.get(), id)->isEnabled()) << id;
  }
}

TEST_F(MainWindowTest, SendWhileDisconnectedShows184Twice) {
  auto window = MakeWindow(UiLanguage::Chinese);
  const std::vector<std::uint8_t> bytes = {0x1F, 0x11, 0x04};
  EXPECT_FALSE(window->Send(bytes));
  EXPECT_FALSE(window->Send(bytes));
  EXPECT_EQ(messages.texts, (QStringList{"打印机未连接或已掉线!", "打印机未连接或已掉线!"}));
}

TEST_F(MainWindowTest, UsbPrinterRemovedAfterConnectDropsToDisconnected) {
  const std::string tree = root.File("usb");
  testsupport::VirtualPrinterProcess printer(
      {"--usb-tree", tree, "--vid", "0416", "--pid", "5011"});
  testsupport::ScopedEnv sysfs("PRINTER_TOOLS_SYSFS_ROOT", tree + "/sys");
  testsupport::ScopedEnv dev("PRINTER_TOOLS_DEV_ROOT", tree + "/dev");
  testsupport::ScopedEnv map("PRINTER_TOOLS_PORT_MAP", "");
  varnex::app::CVarnexDlg window({messages, files, sleeper}, UiLanguage::English);
  window.OnConnect();
  ASSERT_TRUE(window.IsConnected());
  const std::vector<std::uint8_t> bytes = {0x1F, 0x1B, 0x19};
  EXPECT_TRUE(window.Send(bytes));
  EXPECT_EQ(printer.WaitForBytes(3), bytes);

  std::filesystem::remove(tree + "/dev/usb/lp0");
  EXPECT_FALSE(window.Send(bytes));
  EXPECT_EQ(messages.texts, QStringList{"The printer is not connected or dropped!"});
  EXPECT_FALSE(window.IsConnected());
  EXPECT_EQ(ButtonText(window), "Connect");
  EXPECT_TRUE(FindControl<QWidget>(&window, 1001)->isEnabled());
}

TEST_F(MainWindowTest, LanguageSwitchKeepsConnectionTabAndCaption) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.7.2:9100"});
  auto window = MakeWindow(UiLanguage::Chinese);
  EXPECT_EQ(window->menuBar()->actions().value(0)->text(), "语言切换(&L)");
  Select(*window, "Ethernet");
  SetIp(*window, 127, 0, 7, 2);
  window->OnConnect();
  ASSERT_TRUE(window->IsConnected());
  EXPECT_EQ(ButtonText(*window), "断   开");
  window->tabs()->setCurrentIndex(2);

  window->SwitchLanguage(UiLanguage::English);
  EXPECT_TRUE(window->IsConnected());
  EXPECT_EQ(ButtonText(*window), "Disconnect");
  EXPECT_EQ(window->tabs()->currentIndex(), 2);
  EXPECT_EQ(window->tabs()->tabText(0), "Ticket Printer Set");
  EXPECT_EQ(window->tabs()->tabText(3), "WiFi");
  EXPECT_EQ(FindControl<QGroupBox>(window.get(), 1000)->title(), "Port Settings");
  EXPECT_EQ(window->menuBar()->actions().value(0)->text(), "language(&L)");
  QAction* english = window->languageMenu(UiLanguage::English)->findChild<QAction*>("32776");
  EXPECT_TRUE(english->isChecked());
}

TEST_F(MainWindowTest, ChoosingTheActiveLanguageChangesNothing) {
  auto window = MakeWindow(UiLanguage::English);
  window->tabs()->setCurrentIndex(1);
  window->languageMenu(UiLanguage::English)->findChild<QAction*>("32776")->trigger();
  EXPECT_EQ(window->language(), UiLanguage::English);
  EXPECT_EQ(window->tabs()->currentIndex(), 1);
  EXPECT_EQ(window->tabs()->tabText(1), "Label Printer Set");
  window->languageMenu(UiLanguage::English)->findChild<QAction*>("32773")->trigger();
  EXPECT_EQ(window->language(), UiLanguage::Chinese);
  EXPECT_EQ(window->tabs()->tabText(1), "标签打印机设置");
  EXPECT_EQ(window->tabs()->currentIndex(), 1);
}

TEST_F(MainWindowTest, PagesKeepTheirColoursInsideTheWindow) {
  auto window = MakeWindow();
  for (int note : {1104, 1152}) {
    EXPECT_EQ(FindControl<QLabel>(window.get(), note)->palette().color(QPalette::WindowText),
              QColor(178, 34, 34))
        << note;
  }
  EXPECT_EQ(FindControl<QLabel>(window.get(), 1010)->palette().color(QPalette::WindowText),
            QColor(50, 50, 200));
  EXPECT_EQ(window->page(0)->palette().color(QPalette::Window), QColor(240, 240, 220));
}

TEST_F(MainWindowTest, EachLanguageMenuMarksOnlyItsOwnLanguage) {
  auto window = MakeWindow(UiLanguage::English);
  QMenu* chineseMenu = window->languageMenu(UiLanguage::Chinese);
  QMenu* englishMenu = window->languageMenu(UiLanguage::English);
  const auto checked = [](QMenu* menu, const char* item) {
    return menu->findChild<QAction*>(item)->isChecked();
  };
  englishMenu->findChild<QAction*>("32776")->trigger();  // the active language: nothing changes
  englishMenu->findChild<QAction*>("32773")->trigger();  // to Chinese
  chineseMenu->findChild<QAction*>("32776")->trigger();  // back to English
  EXPECT_EQ(window->language(), UiLanguage::English);
  EXPECT_TRUE(checked(englishMenu, "32776"));
  EXPECT_FALSE(checked(englishMenu, "32773"));
  EXPECT_TRUE(checked(chineseMenu, "32773"));
  EXPECT_FALSE(checked(chineseMenu, "32776"));
}

TEST_F(MainWindowTest, EnterDoesNothingAndEscapeCloses) {
  auto window = MakeWindow();
  window->activateWindow();
  FindControl<QComboBox>(window.get(), 1001)->setFocus();
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(messages.texts.isEmpty());  // the connect button was not pressed
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
