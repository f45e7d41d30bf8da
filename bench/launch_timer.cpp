// Starts a command many times and reports how long it took to become ready and to end, and its
// peak resident memory:
//
//   launch_timer RUNS COMMAND [ARGS...]
//
// "Ready" is the moment the command writes its first line to standard output (the programs under
// test write "idle" once their main window is painted and the event loop is idle); a command that
// writes nothing is ready when it ends. Prints one line:
//
//   median_ready_ms min_ready_ms max_ready_ms median_maxrss_kib median_exit_ms
//
// A run that fails ends it with status 1.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename T>
T median(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch_timer RUNS COMMAND [ARGS...]\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<double> ready, exited;
  std::vector<long> rss;
  for (int i = 0; i < runs; ++i) {
    int out[2];
    if (pipe(out) != 0) return 1;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      close(out[1]);
      execvp(argv[2], argv + 2);
      _exit(127);
    }
    close(out[1]);
    double readyMs = -1;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
      if (n < 0) continue;  // interrupted
      if (readyMs < 0 && std::find(buffer, buffer + n, '\n') != buffer + n)
        readyMs = msSince(start);
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "launch_timer: %s failed (status %d)\n", argv[2], status);
      return 1;
    }
    const double exitMs = msSince(start);
    ready.push_back(readyMs < 0 ? exitMs : readyMs);
    exited.push_back(exitMs);
    rss.push_back(usage.ru_maxrss);
  }
  const auto [lo, hi] = std::minmax_element(ready.begin(), ready.end());
  std::printf("%.2f %.2f %.2f %ld %.2f\n", median(ready), *lo, *hi, median(rss), median(exited));
  return 0;
}
