#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "tools/virtual-printer/endpoint.h"
#include "tools/virtual-printer/options.h"
#include "tools/virtual-printer/request_watch.h"

namespace virtual_printer {

class TcpListener : public Endpoint {
 public:
  using AddEndpoint = std::function<void(std::unique_ptr<Endpoint>)>;

  // Listens on the address; nullptr with a message when that fails.
  static std::unique_ptr<TcpListener> Open(const TcpAddress& address, Services& services,
                                           AddEndpoint add, std::string& error);
  ~TcpListener() override;

  const std::string& name() const { return name_; }
  int Fd() const override { return fd_; }
  void OnReadable(Clock::time_point now) override;
  void OnTick(Clock::time_point now) override;
  void OnStop() override;

  // A connection closed while its decoder still waits for a text: the next connection on this
  // listener carries on with it (the setting tools send a header and its text on two
  // connections).
  void Park(std::unique_ptr<ChannelDecoder> decoder);
  // The parked decoder, taken by a connection when its first data arrives; nullptr when none.
  std::unique_ptr<CommandDecoder> TakeParked();

 private:
  TcpListener(int fd, std::string name, Services& services, AddEndpoint add);

  int fd_;
  std::string name_;
  Services& services_;
  AddEndpoint add_;
  int connections_ = 0;
  std::unique_ptr<ChannelDecoder> parked_;
};

class TcpConnection : public Endpoint {
 public:
  TcpConnection(int fd, TcpListener& listener, std::unique_ptr<ChannelDecoder> channel,
                Services& services);
  ~TcpConnection() override;

  int Fd() const override { return fd_; }
  void OnReadable(Clock::time_point now) override;
  void OnTick(Clock::time_point now) override;
  void OnStop() override;
  bool Finished() const override { return finished_; }

 private:
  void Receive(std::span<const std::uint8_t> chunk, Clock::time_point now);
  void Close(const std::string& how);

  int fd_;
  TcpListener& listener_;
  std::unique_ptr<ChannelDecoder> channel_;
  Services& services_;
  RequestWatch networkQuery_;
  std::size_t received_ = 0;
  bool finished_ = false;
};

}  // namespace virtual_printer
