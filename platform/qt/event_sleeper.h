#pragma once

#include "platform/sleeper.h"

namespace platform {

// A pause on the GUI thread that keeps the window painted (a disabled button shows as disabled,
// a caption change shows) but handles no user input until it ends, as the programs expect.
class EventSleeper final : public Sleeper {
 public:
  void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace platform
