#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// The file-open dialog, behind an interface so that tests pick files without a modal loop.
class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // Returns the chosen full path, or an empty string when the user cancels.
  virtual QString OpenFile(QWidget* owner, const QString& filter, const QString& defaultSuffix) = 0;
};

class QtFileDialogService final : public FileDialogService {
 public:
  QString OpenFile(QWidget* owner, const QString& filter, const QString& defaultSuffix) override;
};

// Answers each request with the next queued path (empty = cancel) and records the filters.
class ScriptedFileDialogService final : public FileDialogService {
 public:
  QString OpenFile(QWidget* owner, const QString& filter, const QString& defaultSuffix) override;
  QStringList answers;
  QStringList filters;
};

}  // namespace platform
