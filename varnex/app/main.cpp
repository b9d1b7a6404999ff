#include <QApplication>
#include <csignal>

#include "platform/qt/event_sleeper.h"
#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "platform/ui_language.h"
#include "varnex/app/cvarnex_dlg.h"

// Varnex: the language comes from the locale; the main window runs until it is closed.
int main(int argc, char** argv) {
  // A printer that drops the connection must not end the program through SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  QApplication application(argc, argv);
  platform::BoxMessageService messages;
  platform::QtFileDialogService files;
  platform::EventSleeper sleeper;
  varnex::app::CVarnexDlg window({messages, files, sleeper}, platform::LanguageFromLocale());
  window.show();
  return application.exec();
}
