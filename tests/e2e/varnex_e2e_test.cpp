#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/virtual_printer_process.h"
#include "tests/varnex/logo/bmp_writer.h"
#include "varnex/app/cvarnex_dlg.h"
#include "varnex/controls/ipv4_address_edit.h"

namespace {

using platform::UiLanguage;
using varnex::controls::FindControl;

// Addresses of this file's tests: 127.0.8.x.
class VarnexEndToEnd : public ::testing::Test {
 protected:
  // The port map stays set for the whole test: every open resolves the port name again.
  std::unique_ptr<varnex::app::CVarnexDlg> MakeWindow(UiLanguage language,
                                                      const std::string& portMap = "") {
    map_ = std::make_unique<testsupport::ScopedEnv>("PRINTER_TOOLS_PORT_MAP", portMap);
    testsupport::ScopedEnv sysfs("PRINTER_TOOLS_SYSFS_ROOT", root.path());
    auto window = std::make_unique<varnex::app::CVarnexDlg>(
        varnex::app::WindowServices{messages, files, sleeper}, language);
    window->show();
    return window;
  }

  static void ConnectTo(varnex::app::CVarnexDlg& window, const QString& port) {
    QComboBox* ports = FindControl<QComboBox>(&window, 1001);
    ports->setCurrentIndex(ports->findText(port));
    FindControl<QPushButton>(&window, 1006)->click();
  }

  static void Press(varnex::app::CVarnexDlg& window, int tab, int buttonId) {
    window.tabs()->setCurrentIndex(tab);
    QPushButton* button = FindControl<QPushButton>(window.page(tab), buttonId);
    ASSERT_NE(button, nullptr) << buttonId;
    button->click();
  }

  testsupport::ScratchDir root;
  std::unique_ptr<testsupport::ScopedEnv> map_;
  platform::RecordingMessageService messages;
  platform::ScriptedFileDialogService files;
  platform::RecordingSleeper sleeper;
};

TEST_F(VarnexEndToEnd, EveryTabReachesThePrinterOverEthernet) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.8.1:9100"});
  auto window = MakeWindow(UiLanguage::English);
  FindControl<varnex::controls::Ipv4AddressEdit>(window.get(), 1005)->setAddress(127, 0, 8, 1);
  ConnectTo(*window, "Ethernet");
  ASSERT_TRUE(window->IsConnected());

  Press(*window, 0, 1033);  // Set Printing mode, default "Chinese"
  Press(*window, 1, 1061);  // paper size 100 x 150 mm
  Press(*window, 2, 1011);  // Bluetooth name
  Press(*window, 3, 1109);  // WiFi working mode "AP"
  const std::string log = printer.WaitForLog("WiFi AT: AT+WMODE=AP");
  for (const char* line : {"print mode: Chinese (1B 4E 03 01)", "text: SIZE 100 mm,150 mm",
                           "Bluetooth name: \"Bluetooth Printer\"", "WiFi AT: AT+WMODE=AP"}) {
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
  }
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("; ").toStdString();
}

TEST_F(VarnexEndToEnd, ChineseWindowOverAMappedComPort) {
  testsupport::VirtualPrinterProcess printer({"--serial"});
  auto window = MakeWindow(UiLanguage::Chinese, "COM7=" + printer.serialPath());
  FindControl<QComboBox>(window.get(), 1003)->setCurrentText("38400");
  ConnectTo(*window, "COM7");
  ASSERT_TRUE(window->IsConnected());
  EXPECT_EQ(FindControl<QPushButton>(window.get(), 1006)->text(), "断   开");

  Press(*window, 0, 1049);  // self-test page
  Press(*window, 1, 1066);  // media sensor, first choice "缝标纸"
  const std::string log = printer.WaitForLog("SET SENSOR GAP");
  EXPECT_NE(log.find("serial line: 38400 8N1"), std::string::npos) << log;
  EXPECT_NE(log.find("self-test page (1F 11 04)"), std::string::npos) << log;
  EXPECT_NE(log.find("text: SET SENSOR GAP"), std::string::npos) << log;
}

TEST_F(VarnexEndToEnd, SelfTestSettingsFromTheMaintenanceMenuOverUsb) {
  const std::string tree = root.File("usb");
  testsupport::VirtualPrinterProcess printer(
      {"--usb-tree", tree, "--vid", "0416", "--pid", "5011"});
  testsupport::ScopedEnv sysfs("PRINTER_TOOLS_SYSFS_ROOT", tree + "/sys");
  testsupport::ScopedEnv dev("PRINTER_TOOLS_DEV_ROOT", tree + "/dev");
  varnex::app::CVarnexDlg window({messages, files, sleeper}, UiLanguage::English);
  window.show();
  ConnectTo(window, "USB");
  ASSERT_TRUE(window.IsConnected());

  // The dialog runs modally; press its header button, then close it with Esc's command.
  bool dialogSeen = false;
  QTimer::singleShot(0, &window, [&dialogSeen] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      return;
    }
    dialogSeen = true;
    FindControl<QPushButton>(dialog, 1140)->click();
    dialog->reject();
  });
  window.maintenanceMenu()->findChild<QAction*>("selfTestSettings")->trigger();
  EXPECT_TRUE(dialogSeen);
  const std::string log = printer.WaitForLog("RX-42K Thermal Printer");
  EXPECT_NE(log.find("RX-42K Thermal Printer"), std::string::npos) << log;
}

TEST_F(VarnexEndToEnd, NvLogoDownloadPrintAndClearOverEthernet) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.8.2:9100"});
  auto window = MakeWindow(UiLanguage::English);
  FindControl<varnex::controls::Ipv4AddressEdit>(window.get(), 1005)->setAddress(127, 0, 8, 2);
  ConnectTo(*window, "Ethernet");
  ASSERT_TRUE(window->IsConnected());

  testsupport::BmpFile picture;
  picture.width = 16;
  picture.height = 16;
  picture.pixel = [](int x, int) { return x < 8 ? 0x000000u : 0xFFFFFFu; };
  files.answers << QString::fromStdString(testsupport::WriteBmp(root.File("logo.bmp"), picture));

  // The logo dialog runs modally: open the picture, download, print double size, clear, close.
  bool dialogSeen = false;
  QTimer::singleShot(0, window.get(), [&dialogSeen] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      return;
    }
    dialogSeen = true;
    for (int id : {1076, 1077}) {
      FindControl<QAbstractButton>(dialog, id)->click();
    }
    FindControl<QAbstractButton>(dialog, 1075)->click();  // "Double WidHig"
    for (int id : {1078, 1079}) {
      FindControl<QAbstractButton>(dialog, id)->click();
    }
    dialog->reject();
  });
  Press(*window, 0, 1051);
  EXPECT_TRUE(dialogSeen);
  const std::string log = printer.WaitForLog("NV logo: 1 x 1 bytes");
  EXPECT_NE(log.find("NV logo: 2 x 2 bytes (16 x 16 dots), 32 data bytes"), std::string::npos)
      << log;
  EXPECT_NE(log.find("NV logo: 1 x 1 bytes"), std::string::npos) << log;
  EXPECT_EQ(messages.texts, QStringList{"NV LOGO Downloaded successfully！"});
}

}  // namespace
