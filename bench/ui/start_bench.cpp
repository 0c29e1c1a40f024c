// quillorn_start_bench PROBE FLOOR [RUNS]: starts the two probes in turn RUNS times (default 20)
// and prints, for each, the median and lowest time from exec to the first painted window and
// the median peak resident memory, then the ratios program / floor.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run {
  double milliseconds;
  long peak_kib;
};

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool Start(const char* path, Run& run) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return false;
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipe_ends[1], 1);
    close(pipe_ends[0]);
    setenv("QUILLORN_BENCH_T0_NS", std::to_string(NowNs()).c_str(), 1);
    execl(path, path, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipe_ends[1]);
  std::string out;
  char buffer[64];
  ssize_t got;
  while ((got = read(pipe_ends[0], buffer, sizeof buffer)) > 0) {
    out.append(buffer, static_cast<std::size_t>(got));
  }
  close(pipe_ends[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || out.empty()) return false;
  run.milliseconds = static_cast<double>(std::atoll(out.c_str())) / 1e6;
  run.peak_kib = usage.ru_maxrss;
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROBE FLOOR [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
  std::vector<double> time[2];
  std::vector<long> peak[2];
  for (int i = 0; i < runs; ++i) {
    for (int which = 0; which < 2; ++which) {  // interleaved, so both see the same machine
      Run run{};
      if (!Start(argv[1 + which], run)) {
        std::fprintf(stderr, "%s failed\n", argv[1 + which]);
        return 1;
      }
      time[which].push_back(run.milliseconds);
      peak[which].push_back(run.peak_kib);
    }
  }
  const char* names[2] = {"quillorn", "floor"};
  for (int which = 0; which < 2; ++which) {
    std::printf("%-9s first paint: median %.1f ms, lowest %.1f ms; peak RSS median %ld KiB\n",
                names[which], Median(time[which]),
                *std::min_element(time[which].begin(), time[which].end()),
                Median(peak[which]));
  }
  std::printf("ratio     first paint %.3f, peak RSS %.3f  (%d runs each)\n",
              Median(time[0]) / Median(time[1]),
              static_cast<double>(Median(peak[0])) / static_cast<double>(Median(peak[1])), runs);
  return 0;
}
