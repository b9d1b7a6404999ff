#include "platform/qt/file_dialog_service.h"

#include <QFileDialog>

namespace platform {

QString QtFileDialogService::OpenFile(QWidget* owner, const QString& filter,
                                      const QString& defaultSuffix) {
  QFileDialog dialog(owner);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::ReadOnly, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return dialog.selectedFiles().constFirst();
}

QString ScriptedFileDialogService::OpenFile(QWidget*, const QString& filter, const QString&) {
  filters.append(filter);
  return answers.isEmpty() ? QString() : answers.takeFirst();
}

}  // namespace platform
