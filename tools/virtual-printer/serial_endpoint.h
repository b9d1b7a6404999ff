#pragma once

#include <memory>
#include <string>

#include "tools/virtual-printer/endpoint.h"
#include "tools/virtual-printer/request_watch.h"

namespace virtual_printer {

// A pseudo-terminal standing in for a serial port. The program under test opens the slave;
// this end reads the master. A slave descriptor is held open here as well, so the pty does not
// hang up between the sender's opens, and its line settings can be read.
class SerialEndpoint : public Endpoint {
 public:
  static std::unique_ptr<SerialEndpoint> Open(Services& services, std::string& error);
  ~SerialEndpoint() override;

  const std::string& slavePath() const { return slavePath_; }
  int Fd() const override { return master_; }
  void OnReadable(Clock::time_point now) override;
  void OnTick(Clock::time_point now) override { channel_.Tick(now); }
  void OnStop() override { channel_.FlushAll(); }

 private:
  SerialEndpoint(int master, int slave, std::string slavePath, Services& services);
  void LogLineSettings();

  int master_;
  int slave_;
  std::string slavePath_;
  Services& services_;
  ChannelDecoder channel_;
  RequestWatch statusQuery_;
  std::string lastLine_;
};

}  // namespace virtual_printer
