#pragma once

namespace varnex::link {

// String-table ids of the messages the connection bar and the send operation show.
enum LinkMessage : int {
  kPortOccupied = 183,         // "This port is occupied or damaged"
  kPrinterNotConnected = 184,  // "The printer is not connected or dropped!"
  kSocketFailed = 185,         // "Client: Failed to create socket"
  kNoIpAddress = 186,          // "Please set the IP address or port number"
  kConnectionTimedOut = 187,   // "connection timed out"
};

}  // namespace varnex::link
