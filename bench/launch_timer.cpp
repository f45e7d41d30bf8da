// Starts a command many times and reports the median, minimum and maximum wall time of the whole
// process and its median peak resident memory:
//
//   launch_timer RUNS COMMAND [ARGS...]
//
// Prints one line: "median_ms min_ms max_ms median_maxrss_kib". A run that fails ends it with
// status 1.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch_timer RUNS COMMAND [ARGS...]\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<double> ms;
  std::vector<long> rss;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
      execvp(argv[2], argv + 2);
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "launch_timer: %s failed (status %d)\n", argv[2], status);
      return 1;
    }
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
    rss.push_back(usage.ru_maxrss);
  }
  std::sort(ms.begin(), ms.end());
  std::sort(rss.begin(), rss.end());
  std::printf("%.2f %.2f %.2f %ld\n", ms[ms.size() / 2], ms.front(), ms.back(), rss[rss.size() / 2]);
  return 0;
}
