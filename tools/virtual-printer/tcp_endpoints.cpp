#include "tools/virtual-printer/tcp_endpoints.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace virtual_printer {
namespace {

constexpr std::size_t kReadSize = 65536;
// At most this many reads per connection and round, so that one busy sender cannot starve the
// others.
constexpr std::size_t kReadsPerRound = 16;

std::string AddressText(const sockaddr_in& address) {
  char host[INET_ADDRSTRLEN] = {};
  ::inet_ntop(AF_INET, &address.sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(ntohs(address.sin_port));
}

// Sends all bytes on a non-blocking socket, waiting briefly when its buffer is full. The answers
// are a few bytes long, so the wait is short and bounded.
bool SendAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  for (int attempts = 0; done < bytes.size() && attempts < 100; ++attempts) {
    const ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (sent > 0) {
      done += static_cast<std::size_t>(sent);
    } else if (sent < 0 && (errno == EAGAIN || errno == EINTR)) {
      ::usleep(1000);
    } else {
      return false;
    }
  }
  return done == bytes.size();
}

}  // namespace

std::unique_ptr<TcpListener> TcpListener::Open(const TcpAddress& address, Services& services,
                                               AddEndpoint add, std::string& error) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = std::string("cannot create a TCP socket: ") + std::strerror(errno);
    return nullptr;
  }
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in bound{};
  bound.sin_family = AF_INET;
  bound.sin_port = htons(address.port);
  ::inet_pton(AF_INET, address.host.c_str(), &bound.sin_addr);
  socklen_t length = sizeof bound;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&bound), sizeof bound) != 0 ||
      ::listen(fd, 64) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
    error = "cannot listen on " + address.host + ":" + std::to_string(address.port) + ": " +
            std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<TcpListener>(
      new TcpListener(fd, "tcp " + AddressText(bound), services, std::move(add)));
}

TcpListener::TcpListener(int fd, std::string name, Services& services, AddEndpoint add)
    : fd_(fd), name_(std::move(name)), services_(services), add_(std::move(add)) {}

TcpListener::~TcpListener() {
  ::close(fd_);
}

void TcpListener::OnReadable(Clock::time_point) {
  for (;;) {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int fd =
        ::accept4(fd_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ECONNABORTED) {
        services_.log.Line(name_, std::string("accept failed: ") + std::strerror(errno));
      }
      return;
    }
    auto channel =
        std::make_unique<ChannelDecoder>(name_ + " #" + std::to_string(++connections_), services_);
    channel->Note("connected from " + AddressText(peer));
    add_(std::make_unique<TcpConnection>(fd, *this, std::move(channel), services_));
  }
}

void TcpListener::OnTick(Clock::time_point now) {
  if (parked_) {
    parked_->Tick(now);
    if (!parked_->HasPending()) {
      parked_.reset();
    }
  }
}

void TcpListener::OnStop() {
  if (parked_) {
    parked_->FlushAll();
    parked_.reset();
  }
}

void TcpListener::Park(std::unique_ptr<ChannelDecoder> decoder) {
  if (parked_) {
    parked_->FlushAll();
  }
  parked_ = std::move(decoder);
}

std::unique_ptr<CommandDecoder> TcpListener::TakeParked() {
  if (!parked_) {
    return nullptr;
  }
  auto decoder = parked_->TakeDecoder();
  parked_.reset();
  return decoder;
}

TcpConnection::TcpConnection(int fd, TcpListener& listener, std::unique_ptr<ChannelDecoder> channel,
                             Services& services)
    : fd_(fd),
      listener_(listener),
      channel_(std::move(channel)),
      services_(services),
      networkQuery_({{0x10, 0x04, 0x13}}) {}

TcpConnection::~TcpConnection() {
  ::close(fd_);
}

// Reads what has arrived, up to the end of the connection when it has come. Taking a connection's
// close in the same round as its data keeps sequential senders in order: a connection is
// finished before the data of the next one, opened after it, is decoded.
void TcpConnection::OnReadable(Clock::time_point now) {
  std::array<std::uint8_t, kReadSize> buffer;
  for (std::size_t round = 0; round < kReadsPerRound; ++round) {
    const ssize_t count = ::recv(fd_, buffer.data(), buffer.size(), 0);
    if (count == 0) {
      Close("closed");
      return;
    }
    if (count < 0) {
      if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        Close(std::string("closed (") + std::strerror(errno) + ")");
      }
      return;
    }
    if (received_ == 0) {
      // The first data: carry on with a text still awaited by the previous connection.
      if (auto parked = listener_.TakeParked()) {
        channel_->Adopt(std::move(parked));
      }
    }
    Receive(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(count)), now);
  }
}

void TcpConnection::Receive(std::span<const std::uint8_t> chunk, Clock::time_point now) {
  received_ += chunk.size();
  channel_->Receive(chunk, now);
  const std::size_t queries = networkQuery_.Feed(chunk);
  const auto& answer = services_.options.networkAnswer;
  for (std::size_t i = 0; i < queries && answer; ++i) {
    channel_->Note(SendAll(fd_, *answer)
                       ? "network query answered: " + std::to_string(answer->size()) + " bytes"
                       : "network query answer failed");
  }
}

void TcpConnection::Close(const std::string& how) {
  channel_->EndOfSend();
  channel_->Note(how + " after " + std::to_string(received_) + " bytes");
  finished_ = true;
  if (channel_->HasPending()) {
    listener_.Park(std::move(channel_));
  }
}

void TcpConnection::OnTick(Clock::time_point now) {
  if (channel_) {
    channel_->Tick(now);
  }
}

void TcpConnection::OnStop() {
  if (channel_) {
    channel_->FlushAll();
  }
}

}  // namespace virtual_printer
