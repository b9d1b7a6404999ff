#include "tests/support/virtual_printer_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace testsupport {
namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

constexpr const char* kReadyLine = "virtual-printer ready";

}  // namespace

VirtualPrinterProcess::VirtualPrinterProcess(std::vector<std::string> arguments) {
  const char* program = std::getenv("VIRTUAL_PRINTER");
  if (program == nullptr || *program == '\0') {
    throw std::runtime_error("VIRTUAL_PRINTER is not set");
  }
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/virtual-printer-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a directory for the virtual printer");
  }
  directory_ = pattern;
  recordPath_ = directory_ + "/received.bin";
  logPath_ = directory_ + "/log.txt";
  arguments.insert(arguments.begin(), {program, "--record", recordPath_});

  pid_ = ::fork();
  if (pid_ < 0) {
    throw std::runtime_error("cannot start the virtual printer");
  }
  if (pid_ == 0) {
    const int log = ::open(logPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) {
      ::dup2(log, STDOUT_FILENO);
      ::dup2(log, STDERR_FILENO);
    }
    // The printer must not hold the test's own sockets, ptys and FIFOs: a connection the test
    // closes has to reach the printer as closed.
    ::close_range(3, ~0U, 0);
    std::vector<char*> argv;
    for (auto& argument : arguments) {
      argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }

  // Waits for the ready line, and stops waiting early when the program has ended (a bad
  // argument, an address in use).
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  std::string log = Log();
  bool exited = false;
  while (log.find(kReadyLine) == std::string::npos && !exited &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    int status = 0;
    exited = ::waitpid(pid_, &status, WNOHANG) == pid_;
    log = Log();
  }
  if (log.find(kReadyLine) == std::string::npos) {
    if (exited) {
      pid_ = -1;
    }
    Stop();
    throw std::runtime_error("the virtual printer did not start: " + log);
  }
  std::istringstream lines(log);
  std::string first;
  std::getline(lines, first);
  if (first.starts_with("/")) {
    serialPath_ = first;
  }
}

VirtualPrinterProcess::~VirtualPrinterProcess() {
  Stop();
}

void VirtualPrinterProcess::Stop() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 200 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (::waitpid(pid_, &status, WNOHANG) == 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, &status, 0);
    }
    pid_ = -1;
  }
  std::error_code error;
  std::filesystem::remove_all(directory_, error);
}

std::vector<std::uint8_t> VirtualPrinterProcess::Received() const {
  const std::string bytes = ReadWhole(recordPath_);
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> VirtualPrinterProcess::WaitForBytes(
    std::size_t count, std::chrono::milliseconds wait) const {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::vector<std::uint8_t> received = Received();
  while (received.size() < count && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    received = Received();
  }
  return received;
}

std::string VirtualPrinterProcess::WaitForLog(const std::string& text,
                                              std::chrono::milliseconds wait) const {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::string log = Log();
  while (log.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    log = Log();
  }
  return log;
}

std::string VirtualPrinterProcess::Log() const {
  return ReadWhole(logPath_);
}

}  // namespace testsupport
