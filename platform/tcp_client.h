#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "platform/device_io.h"
#include "platform/file_handle.h"

namespace platform {

// How long a TCP connect may take before it counts as timed out. The Linux default (about two
// minutes of SYN retries) would freeze the window; a printer on the local network answers in
// milliseconds, so three seconds is ample.
inline constexpr std::chrono::milliseconds kTcpConnectTimeout{3000};

enum class TcpConnectError { None, SocketFailed, ConnectFailed };

struct TcpConnection {
  FileHandle socket;  // valid once the socket exists, connected only when error is None
  TcpConnectError error = TcpConnectError::None;
};

// Connects an IPv4 stream socket to the address (host order, first field in the most significant
// byte) and port, waiting at most `timeout`. The returned socket is in blocking mode.
TcpConnection ConnectTcp(std::uint32_t address, std::uint16_t port,
                         std::chrono::milliseconds timeout = kTcpConnectTimeout);

// Sends the whole buffer on a connected socket within `bound`, without raising SIGPIPE.
WriteStatus SendAll(int socket, const std::uint8_t* data, std::size_t size,
                    std::chrono::milliseconds bound);

}  // namespace platform
