#pragma once

#include <chrono>
#include <vector>

namespace platform {

// The fixed pauses of the programs (after a send, while a button is blocked) go through this
// service, so tests record them instead of waiting.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// Blocks the calling thread.
class ThreadSleeper final : public Sleeper {
 public:
  void Sleep(std::chrono::milliseconds duration) override;
};

// Records each requested pause and returns at once.
class RecordingSleeper final : public Sleeper {
 public:
  void Sleep(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
  std::vector<std::chrono::milliseconds> pauses;
};

}  // namespace platform
