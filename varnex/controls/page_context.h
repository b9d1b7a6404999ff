#pragma once

#include <QString>
#include <QWidget>

#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "platform/sleeper.h"
#include "varnex/link/printer_sender.h"
#include "varnex/texts/string_table.h"

namespace varnex::controls {

// Caption of every message box of the program.
inline const QString kProgramName = QStringLiteral("Varnex");

// The services a page or dialog receives from the main window: the send operation and the
// connected flag, the texts of the current language, message boxes, file dialogs and pauses.
struct PageContext {
  link::PrinterSender& printer;
  texts::UiTexts& texts;
  platform::MessageService& messages;
  platform::FileDialogService& files;
  platform::Sleeper& sleeper;

  // The text of a string-table id in the current language.
  QString Text(int id) const { return QString::fromStdString(texts.Text(id)); }
  // Shows a message box captioned with the program's name.
  void ShowMessage(QWidget* owner, const QString& text) const {
    messages.Show(owner, kProgramName, text);
  }
  void ShowMessage(QWidget* owner, int stringId) const { ShowMessage(owner, Text(stringId)); }
};

// A page of the main window's tab control: its language-dependent texts are set again by
// RefreshTexts on every language switch.
class TabPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  virtual void RefreshTexts() = 0;
};

// Finds a control by its numeric id (the object name) below a widget.
template <typename Control>
Control* FindControl(const QWidget* root, int id) {
  return root->findChild<Control*>(QString::number(id));
}

}  // namespace varnex::controls
