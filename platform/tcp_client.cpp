#include "platform/tcp_client.h"

#include "platform/bounded_write.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

bool SetBlocking(int fd, bool blocking) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0) {
    return false;
  }
  return ::fcntl(fd, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK)) == 0;
}

}  // namespace

TcpConnection ConnectTcp(std::uint32_t address, std::uint16_t port,
                         std::chrono::milliseconds timeout) {
  TcpConnection connection;
  connection.socket = FileHandle(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!connection.socket.valid()) {
    connection.error = TcpConnectError::SocketFailed;
    return connection;
  }
  const int fd = connection.socket.get();
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  peer.sin_addr.s_addr = htonl(address);

  connection.error = TcpConnectError::ConnectFailed;
  if (!SetBlocking(fd, false)) {
    return connection;
  }
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
    if (errno != EINPROGRESS) {
      return connection;
    }
    pollfd waitFor{fd, POLLOUT, 0};
    int ready = 0;
    do {
      ready = ::poll(&waitFor, 1, static_cast<int>(timeout.count()));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
      return connection;
    }
    int socketError = 0;
    socklen_t length = sizeof socketError;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &socketError, &length) != 0 || socketError != 0) {
      return connection;
    }
  }
  if (SetBlocking(fd, true)) {
    connection.error = TcpConnectError::None;
  }
  return connection;
}

WriteStatus SendAll(int socket, const std::uint8_t* data, std::size_t size,
                    std::chrono::milliseconds bound) {
  return detail::WriteWithin(socket, data, size, bound,
                             [socket](const std::uint8_t* from, std::size_t n) {
                               return ::send(socket, from, n, MSG_NOSIGNAL | MSG_DONTWAIT);
                             });
}

}  // namespace platform
