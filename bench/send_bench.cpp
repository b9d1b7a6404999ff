// SendToPrinter over TCP loopback against the virtual printer: the time a send takes beyond its
// fixed 100 ms pause before closing the socket. The pause goes through a sleeper that only
// counts it, so the measured time is the connect, the write and the close.
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdlib>

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

class CountingSleeper : public platform::Sleeper {
 public:
  void Sleep(std::chrono::milliseconds) override { ++pauses; }
  int pauses = 0;
};

void SendOverTcp(benchmark::State& state) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.9.1:9100"});
  SilentReporter reporter;
  CountingSleeper sleeper;
  varnex::link::PrinterLink link(reporter, sleeper);
  const varnex::link::BarInputs inputs{"Ethernet", "115200", 0x7F000901u};
  if (!link.Connect(inputs)) {
    state.SkipWithError("cannot connect to the virtual printer");
    return;
  }
  const std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)), 0x1B);
  for (auto _ : state) {
    if (!link.Send(inputs, bytes.data(), static_cast<std::int32_t>(bytes.size()))) {
      state.SkipWithError("send failed");
      return;
    }
  }
  state.counters["fixed_pauses_skipped"] = sleeper.pauses;
}
BENCHMARK(SendOverTcp)->Arg(4)->Arg(8192)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  ::setenv("VIRTUAL_PRINTER", VIRTUAL_PRINTER_PATH, 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
