// Start-up time and resident memory of Varnex against a bare Qt window, measured in the same
// run: each sample is a fresh process that builds its window, shows it, waits until it is
// painted, reports its resident memory and exits. The two kinds of process alternate so that
// machine noise hits both alike. Runs on the offscreen platform unless QT_QPA_PLATFORM is set.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "platform/sleeper.h"
#include "varnex/app/cvarnex_dlg.h"

namespace {

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) {
      return std::atol(line.c_str() + 6);
    }
  }
  return -1;
}

// Shows the window and returns once its first paint has happened.
void ShowAndWaitForPaint(QWidget& window) {
  window.show();
  QImage target(1, 1, QImage::Format_RGB32);
  window.render(&target);  // forces a full paint of the window tree
  QApplication::processEvents();
}

int RunChild(const char* kind, int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  QApplication application(argc, argv);
  const auto applicationReady = Clock::now();
  auto constructed = applicationReady;
  if (std::strcmp(kind, "bare") == 0) {
    QLabel window(QStringLiteral("bare"));
    constructed = Clock::now();
    ShowAndWaitForPaint(window);
    std::printf("%ld", ResidentKilobytes());
  } else {
    platform::BoxMessageService messages;
    platform::QtFileDialogService files;
    platform::ThreadSleeper sleeper;
    varnex::app::CVarnexDlg window({messages, files, sleeper}, platform::UiLanguage::English);
    constructed = Clock::now();
    ShowAndWaitForPaint(window);
    std::printf("%ld", ResidentKilobytes());
  }
  const auto painted = Clock::now();
  const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
  if (std::getenv("STARTUP_PHASES") != nullptr) {
    std::fprintf(stderr, "%s: application %.1f ms, window %.1f ms, paint %.1f ms\n", kind,
                 ms(applicationReady - start), ms(constructed - applicationReady),
                 ms(painted - constructed));
  }
  std::printf("\n");
  std::fflush(stdout);
  std::_Exit(0);
}

struct Sample {
  double milliseconds;
  long residentKb;
};

Sample RunOnce(const char* self, const char* kind) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) {
    std::perror("pipe");
    std::exit(1);
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    ::execl(self, self, "--child", kind, static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  ::close(pipeEnds[1]);
  char buffer[64] = {};
  const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer - 1);
  int status = 0;
  ::waitpid(pid, &status, 0);
  const auto end = std::chrono::steady_clock::now();
  ::close(pipeEnds[0]);
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          n > 0 ? std::atol(buffer) : -1};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
    return RunChild(argv[2], argc, argv);
  }
  const int runs = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 15;
  std::vector<double> bareTimes, varnexTimes, bareRss, varnexRss;
  RunOnce(argv[0], "bare");  // warm the file cache
  RunOnce(argv[0], "varnex");
  for (int i = 0; i < runs; ++i) {
    const Sample bare = RunOnce(argv[0], "bare");
    const Sample varnex = RunOnce(argv[0], "varnex");
    bareTimes.push_back(bare.milliseconds);
    varnexTimes.push_back(varnex.milliseconds);
    bareRss.push_back(static_cast<double>(bare.residentKb));
    varnexRss.push_back(static_cast<double>(varnex.residentKb));
  }
  const double timeRatio = Median(varnexTimes) / Median(bareTimes);
  const double rssRatio = Median(varnexRss) / Median(bareRss);
  std::printf("runs: %d each, medians\n", runs);
  std::printf(
      "start-up to first painted window: bare Qt %.1f ms, Varnex %.1f ms, ratio %.2f "
      "(goal <= 1.30)\n",
      Median(bareTimes), Median(varnexTimes), timeRatio);
  std::printf(
      "resident memory after start: bare Qt %.0f kB, Varnex %.0f kB, ratio %.2f "
      "(goal <= 1.20)\n",
      Median(bareRss), Median(varnexRss), rssRatio);
  return 0;
}
