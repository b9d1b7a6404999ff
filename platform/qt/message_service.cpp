#include "platform/qt/message_service.h"

#include <QMessageBox>

namespace platform {

void BoxMessageService::Show(QWidget* owner, const QString& caption, const QString& text) {
  QMessageBox::information(owner, caption, text, QMessageBox::Ok);
}

void RecordingMessageService::Show(QWidget*, const QString& caption, const QString& text) {
  captions.append(caption);
  texts.append(text);
}

}  // namespace platform
