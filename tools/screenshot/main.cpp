#include <QApplication>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "platform/sleeper.h"
#include "varnex/app/cvarnex_dlg.h"

// Renders the Varnex main window to a PNG file without a display, for reviewing layouts:
//   varnex-screenshot --lang en|zh [--tab N] --out FILE.png
int main(int argc, char** argv) {
  std::string out = "varnex.png";
  std::string language = "en";
  int tab = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--out") == 0) {
      out = argv[i + 1];
    } else if (std::strcmp(argv[i], "--lang") == 0) {
      language = argv[i + 1];
    } else if (std::strcmp(argv[i], "--tab") == 0) {
      tab = std::atoi(argv[i + 1]);
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
  QApplication::processEvents();
  const bool saved = window.grab().save(QString::fromStdString(out));
  std::printf("%s %s\n", saved ? "wrote" : "could not write", out.c_str());
  return saved ? 0 : 1;
}
