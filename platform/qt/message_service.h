#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// Modal OK message boxes, behind an interface so that tests record the texts instead of
// running a modal loop.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void Show(QWidget* owner, const QString& caption, const QString& text) = 0;
};

class BoxMessageService final : public MessageService {
 public:
  void Show(QWidget* owner, const QString& caption, const QString& text) override;
};

class RecordingMessageService final : public MessageService {
 public:
  void Show(QWidget* owner, const QString& caption, const QString& text) override;
  QStringList texts;
  QStringList captions;
};

}  // namespace platform
