#pragma once

#include <memory>
#include <string>

#include "tools/virtual-printer/endpoint.h"

namespace virtual_printer {

// A FIFO standing in for a USB or parallel device node. It is opened for reading and writing
// here, so it never reports end of file when a writer closes it, and writers never block in
// open for want of a reader.
class FifoEndpoint : public Endpoint {
 public:
  // Creates the FIFO when it does not exist (and removes it again at the end); an existing
  // FIFO is used as it is.
  static std::unique_ptr<FifoEndpoint> Open(const std::string& path, const std::string& name,
                                            Services& services, std::string& error);
  ~FifoEndpoint() override;

  int Fd() const override { return fd_; }
  void OnReadable(Clock::time_point now) override;
  void OnTick(Clock::time_point now) override { channel_.Tick(now); }
  void OnStop() override { channel_.FlushAll(); }

 private:
  FifoEndpoint(int fd, std::string path, bool created, const std::string& name, Services& services);

  int fd_;
  std::string path_;
  bool created_;
  ChannelDecoder channel_;
};

}  // namespace virtual_printer
