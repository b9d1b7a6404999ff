#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// The virtual printer (tools/virtual-printer) as a child process of a test. The program path
// comes from the VIRTUAL_PRINTER environment variable that CTest sets. The constructor adds
// "--record <file>" to the arguments, starts the program and waits (bounded) until it reports
// that all its listeners are up; it throws std::runtime_error when that does not happen.
// The destructor stops the process.
class VirtualPrinterProcess {
 public:
  explicit VirtualPrinterProcess(std::vector<std::string> arguments);
  VirtualPrinterProcess(const VirtualPrinterProcess&) = delete;
  VirtualPrinterProcess& operator=(const VirtualPrinterProcess&) = delete;
  ~VirtualPrinterProcess();

  // The pty slave path printed on the first line when started with --serial; else empty.
  const std::string& serialPath() const { return serialPath_; }

  // Every byte received so far, in order, as recorded.
  std::vector<std::uint8_t> Received() const;

  // Waits until at least `count` bytes were received or `wait` has passed; returns what was
  // received by then.
  std::vector<std::uint8_t> WaitForBytes(
      std::size_t count, std::chrono::milliseconds wait = std::chrono::seconds(5)) const;

  // Waits until the readable log contains `text` or `wait` has passed; returns the log.
  std::string WaitForLog(const std::string& text,
                         std::chrono::milliseconds wait = std::chrono::seconds(5)) const;

  // The readable log printed so far.
  std::string Log() const;

 private:
  // Ends the process (SIGTERM, then SIGKILL after two seconds) and removes its directory.
  void Stop();

  int pid_ = -1;
  std::string recordPath_;
  std::string logPath_;
  std::string serialPath_;
  std::string directory_;
};

}  // namespace testsupport
