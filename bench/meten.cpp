// bench-meten [-n RUNS] [-u STDOUT] -- PROGRAM ARG...
//
// Runs a whole process RUNS times (after one warm-up run that is not counted) and prints one
// line: "median_s min_s max_s peak_rss_kib exit_status median_cpu_s". Wall time is taken around
// fork and wait; the child's peak resident set and its CPU time (user + system) come from wait4,
// so no /usr/bin/time is needed. On a shared machine the CPU time is the steadier figure.
// The child's standard output goes to STDOUT (default /dev/null), standard error to /dev/null.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Meting {
  double seconden;
  long piekKib;
  int status;
  double cpu;
};

double Seconden(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

double Mediaan(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

Meting EenKeer(char** argv, const char* uitvoer) {
  auto begin = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid < 0) {
    std::perror("fork");
    std::exit(3);
  }
  if (pid == 0) {
    int uit = open(uitvoer, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int niets = open("/dev/null", O_WRONLY);
    if (uit < 0 || niets < 0) _exit(126);
    dup2(uit, 1);
    dup2(niets, 2);
    execvp(argv[0], argv);
    _exit(127);
  }
  int status = 0;
  rusage gebruik{};
  while (wait4(pid, &status, 0, &gebruik) < 0) {
    if (errno != EINTR) {
      std::perror("wait4");
      std::exit(3);
    }
  }
  auto eind = std::chrono::steady_clock::now();
  int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return {std::chrono::duration<double>(eind - begin).count(), gebruik.ru_maxrss, code,
          Seconden(gebruik.ru_utime) + Seconden(gebruik.ru_stime)};
}

}  // namespace

int main(int argc, char** argv) {
  int keren = 5;
  const char* uitvoer = "/dev/null";
  int i = 1;
  for (; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      ++i;
      break;
    }
    if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
      keren = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "-u") == 0 && i + 1 < argc) {
      uitvoer = argv[++i];
    } else {
      break;
    }
  }
  if (i >= argc || keren < 1) {
    std::fprintf(stderr, "gebruik: bench-meten [-n KEREN] [-u STDOUT] -- PROGRAMMA ARG...\n");
    return 2;
  }
  char** programma = argv + i;

  EenKeer(programma, uitvoer);  // warm-up: page cache, dynamic loader
  std::vector<double> tijden, cpu;
  long piek = 0;
  int status = 0;
  for (int k = 0; k < keren; ++k) {
    Meting m = EenKeer(programma, uitvoer);
    tijden.push_back(m.seconden);
    cpu.push_back(m.cpu);
    piek = std::max(piek, m.piekKib);
    status = std::max(status, m.status);
  }
  auto [kortst, langst] = std::minmax_element(tijden.begin(), tijden.end());
  std::printf("%.4f %.4f %.4f %ld %d %.4f\n", Mediaan(tijden), *kortst, *langst, piek, status, Mediaan(cpu));
  return 0;
}
