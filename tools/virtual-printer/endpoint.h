#pragma once

#include "tools/virtual-printer/channel_decoder.h"

namespace virtual_printer {

// Something the server polls: a listening socket, a connection, a pty, a FIFO. A datagram
// endpoint for discovery would be one more kind.
class Endpoint {
 public:
  virtual ~Endpoint() = default;
  virtual int Fd() const = 0;
  // The descriptor is readable (or reports an error or hang-up).
  virtual void OnReadable(Clock::time_point now) = 0;
  // Called about five times a second.
  virtual void OnTick(Clock::time_point now) = 0;
  // The program stops: show everything still pending.
  virtual void OnStop() = 0;
  // True when the endpoint is done and can be dropped (a closed connection).
  virtual bool Finished() const { return false; }
};

}  // namespace virtual_printer
