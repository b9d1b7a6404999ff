// The virtual printer: a stand-in for the printer at the far end of every port, for tests,
// benchmarks and demonstrations. See UsageText() for the command line.
#include <signal.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/virtual-printer/options.h"
#include "tools/virtual-printer/printer_server.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const virtual_printer::ParseResult parsed = virtual_printer::ParseOptions(arguments);
  if (parsed.options.help) {
    std::fputs(virtual_printer::UsageText().c_str(), stdout);
    return 0;
  }
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "virtual-printer: %s\nTry 'virtual-printer --help'.\n",
                 parsed.error.c_str());
    return 2;
  }

  // SIGTERM and SIGINT are let through only while the server waits for data, so a stop request
  // is never lost between two waits. Writes to a closed connection fail instead of killing us.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  virtual_printer::PrinterServer server(parsed.options);
  std::string error;
  if (!server.Start(error)) {
    std::fprintf(stderr, "virtual-printer: %s\n", error.c_str());
    return 1;
  }
  server.Run();
  return 0;
}
