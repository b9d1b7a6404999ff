#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/virtual-printer/endpoint.h"
#include "tools/virtual-printer/options.h"
#include "tools/virtual-printer/services.h"

namespace virtual_printer {

// Opens every channel named by the options and serves them on one thread until asked to stop.
class PrinterServer {
 public:
  explicit PrinterServer(const Options& options);
  PrinterServer(const PrinterServer&) = delete;
  PrinterServer& operator=(const PrinterServer&) = delete;
  ~PrinterServer();

  // Opens the channels and reports them on standard output; false with a message on failure.
  bool Start(std::string& error);

  // Serves until SIGTERM or SIGINT arrives, then shows what is still pending. The two signals
  // must be blocked by the caller; they are let through only while waiting for data.
  void Run();

 private:
  const Options& options_;
  Recorder recorder_;
  EventLog log_;
  Services services_;
  std::vector<std::unique_ptr<Endpoint>> endpoints_;
  std::vector<std::unique_ptr<Endpoint>> added_;
  std::vector<std::string> createdTree_;
};

}  // namespace virtual_printer
