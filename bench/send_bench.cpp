// SendToPrinter over TCP loopback against the virtual printer: the time a send takes beyond its
// fixed 100 ms pause before closing the socket. The pause really happens (so the printer gets the
// time it has in use, and its accept queue never overflows), but the benchmark clock is stopped
// while it lasts, so the measured time is the connect, the write and the close.
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdlib>
#include <thread>

#include "platform/sleeper.h"
#include "tests/support/virtual_printer_process.h"
#include "varnex/link/printer_link.h"

namespace {

class SilentReporter : public varnex::link::LinkReporter {
 public:
  void ShowMessage(int stringId) override { lastMessage = stringId; }
  void ConnectionDropped() override {}
  int lastMessage = 0;
};

class UntimedSleeper : public platform::Sleeper {
 public:
  explicit UntimedSleeper(benchmark::State& state) : state_(state) {}
  void Sleep(std::chrono::milliseconds duration) override {
    ++pauses;
    // Outside the timed loop (the connect check) the benchmark clock is not running.
    if (timing_) {
      state_.PauseTiming();
    }
    std::this_thread::sleep_for(duration);
    if (timing_) {
      state_.ResumeTiming();
    }
  }
  void StartTiming() { timing_ = true; }
  int pauses = 0;

 private:
  benchmark::State& state_;
  bool timing_ = false;
};

void SendOverTcp(benchmark::State& state) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.9.1:9100"});
  SilentReporter reporter;
  UntimedSleeper sleeper(state);
  varnex::link::PrinterLink link(reporter, sleeper);
  const varnex::link::BarInputs inputs{"Ethernet", "115200", 0x7F000901u};
  if (!link.Connect(inputs)) {
    state.SkipWithError("cannot connect to the virtual printer");
    return;
  }
  const std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)), 0x1B);
  sleeper.StartTiming();
  for (auto _ : state) {
    if (!link.Send(inputs, bytes.data(), static_cast<std::int32_t>(bytes.size()))) {
      state.SkipWithError("send failed");
      return;
    }
  }
  state.counters["untimed_pauses"] = sleeper.pauses;
}
BENCHMARK(SendOverTcp)->Arg(4)->Arg(8192)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  ::setenv("VIRTUAL_PRINTER", VIRTUAL_PRINTER_PATH, 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
