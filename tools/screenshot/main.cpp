#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "platform/sleeper.h"
#include "varnex/app/cvarnex_dlg.h"
#include "varnex/controls/ipv4_address_edit.h"

// Renders the Varnex main window to a PNG file without a display, for reviewing layouts:
//   varnex-screenshot --lang en|zh [--tab N] [--connect-ip A.B.C.D] [--press ID] --out FILE.png
// --connect-ip chooses "Ethernet", types the address and presses Connect; --press then clicks the
// button with that id on the shown tab. Messages that would pop up are printed instead.
int main(int argc, char** argv) {
  std::string out = "varnex.png";
  std::string language = "en";
  int tab = 0;
  std::string connectIp;
  int press = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--out") == 0) {
      out = argv[i + 1];
    } else if (std::strcmp(argv[i], "--lang") == 0) {
      language = argv[i + 1];
    } else if (std::strcmp(argv[i], "--tab") == 0) {
      tab = std::atoi(argv[i + 1]);
    } else if (std::strcmp(argv[i], "--connect-ip") == 0) {
      connectIp = argv[i + 1];
    } else if (std::strcmp(argv[i], "--press") == 0) {
      press = std::atoi(argv[i + 1]);
    }
  }
  QApplication application(argc, argv);
  platform::RecordingMessageService messages;
  platform::ScriptedFileDialogService files;
  platform::RecordingSleeper sleeper;
  varnex::app::CVarnexDlg window({messages, files, sleeper}, language == "zh"
                                                                 ? platform::UiLanguage::Chinese
                                                                 : platform::UiLanguage::English);
  window.tabs()->setCurrentIndex(tab);
  window.show();
  if (!connectIp.empty()) {
    const QStringList parts = QString::fromStdString(connectIp).split('.');
    auto* ports = window.findChild<QComboBox*>("1001");
    ports->setCurrentIndex(ports->findText("Ethernet"));
    window.findChild<varnex::controls::Ipv4AddressEdit*>("1005")->setAddress(
        parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt(),
        parts.value(3).toInt());
    window.findChild<QPushButton*>("1006")->click();
  }
  if (press != 0) {
    if (auto* button = window.page(tab)->findChild<QPushButton*>(QString::number(press))) {
      button->click();
    }
  }
  QApplication::processEvents();
  for (const QString& text : messages.texts) {
    std::printf("message: %s\n", text.toUtf8().constData());
  }
  const bool saved = window.grab().save(QString::fromStdString(out));
  std::printf("%s %s\n", saved ? "wrote" : "could not write", out.c_str());
  return saved ? 0 : 1;
}
