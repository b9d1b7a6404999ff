#include "platform/sleeper.h"

#include <thread>

namespace platform {

void ThreadSleeper::Sleep(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

}  // namespace platform
