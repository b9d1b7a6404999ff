#include "tools/virtual-printer/printer_server.h"

#include <poll.h>
#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/virtual-printer/fake_usb_tree.h"
#include "tools/virtual-printer/fifo_endpoint.h"
#include "tools/virtual-printer/serial_endpoint.h"
#include "tools/virtual-printer/tcp_endpoints.h"

namespace virtual_printer {
namespace {

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) {
  stopRequested = 1;
}

constexpr int kTickMilliseconds = 200;

std::string Hex4(unsigned id) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", id & 0xFFFFu);
  return text;
}

}  // namespace

PrinterServer::PrinterServer(const Options& options)
    : options_(options), services_{options_, recorder_, log_} {}

PrinterServer::~PrinterServer() {
  added_.clear();
  endpoints_.clear();  // closes descriptors and removes the FIFOs made by --fifo
  RemoveCreatedPaths(createdTree_);
}

bool PrinterServer::Start(std::string& error) {
  if (!options_.recordPath.empty() && !recorder_.Open(options_.recordPath, error)) {
    return false;
  }
  // The pty path comes first on standard output: the launcher of the tests reads it from there.
  if (options_.serial) {
    auto serial = SerialEndpoint::Open(services_, error);
    if (!serial) {
      return false;
    }
    log_.Plain(serial->slavePath());
    log_.Line("serial " + serial->slavePath(), "pty ready");
    endpoints_.push_back(std::move(serial));
  }
  for (const TcpAddress& address : options_.tcp) {
    auto listener = TcpListener::Open(
        address, services_,
        [this](std::unique_ptr<Endpoint> endpoint) { added_.push_back(std::move(endpoint)); },
        error);
    if (!listener) {
      return false;
    }
    log_.Line(listener->name(), "listening");
    endpoints_.push_back(std::move(listener));
  }
  for (const std::string& path : options_.fifos) {
    auto fifo = FifoEndpoint::Open(path, "fifo " + path, services_, error);
    if (!fifo) {
      return false;
    }
    log_.Line("fifo " + path, "listening");
    endpoints_.push_back(std::move(fifo));
  }
  if (options_.usbTree) {
    const UsbTreeOption& tree = *options_.usbTree;
    FakeUsbResult made =
        AddFakeUsbDevice(tree.root, FakeUsbDevice{"1-1", tree.vendorId, tree.productId, 0});
    if (!made.error.empty()) {
      error = "cannot build the USB tree: " + made.error;
      return false;
    }
    createdTree_ = made.created;
    const std::string name = "usb " + made.nodePath;
    auto node = FifoEndpoint::Open(made.nodePath, name, services_, error);
    if (!node) {
      return false;
    }
    log_.Line(name, "listening (vid " + Hex4(tree.vendorId) + ", pid " + Hex4(tree.productId) +
                        ", sysfs " + tree.root + "/sys, dev " + tree.root + "/dev)");
    endpoints_.push_back(std::move(node));
  }
  log_.Plain("virtual-printer ready");
  return true;
}

void PrinterServer::Run() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGINT, &action, nullptr);
  sigset_t waitMask;
  ::sigprocmask(SIG_BLOCK, nullptr, &waitMask);
  sigdelset(&waitMask, SIGTERM);
  sigdelset(&waitMask, SIGINT);

  std::vector<pollfd> fds;
  while (stopRequested == 0) {
    fds.clear();
    for (const auto& endpoint : endpoints_) {
      fds.push_back({endpoint->Fd(), POLLIN, 0});
    }
    const timespec tick{0, kTickMilliseconds * 1000000L};
    const int ready = ::ppoll(fds.data(), fds.size(), &tick, &waitMask);
    if (ready < 0 && errno != EINTR) {
      log_.Plain(std::string("virtual-printer: poll failed: ") + std::strerror(errno));
      break;
    }
    const Clock::time_point now = Clock::now();
    for (std::size_t i = 0; ready > 0 && i < fds.size(); ++i) {
      if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        endpoints_[i]->OnReadable(now);
      }
    }
    for (const auto& endpoint : endpoints_) {
      endpoint->OnTick(now);
    }
    std::erase_if(endpoints_, [](const auto& endpoint) { return endpoint->Finished(); });
    for (auto& endpoint : added_) {
      endpoints_.push_back(std::move(endpoint));
    }
    added_.clear();
  }
  for (const auto& endpoint : endpoints_) {
    endpoint->OnStop();
  }
  log_.Plain("virtual-printer stopped");
}

}  // namespace virtual_printer
