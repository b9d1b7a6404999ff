#include "platform/qt/event_sleeper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace platform {

void EventSleeper::Sleep(std::chrono::milliseconds duration) {
  QElapsedTimer timer;
  timer.start();
  const bool onGuiThread = QCoreApplication::instance() != nullptr &&
                           QThread::currentThread() == QCoreApplication::instance()->thread();
  while (timer.elapsed() < duration.count()) {
    const auto left = duration.count() - timer.elapsed();
    if (onGuiThread) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, static_cast<int>(left));
    }
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 10)));
  }
}

}  // namespace platform
