// SPDX-License-Identifier: MIT
// Speed and memory of lodema-batch on generated data: two planes per row,
// TAB-delimited, for calculation 0. Prints rows per second and the peak
// resident memory of each run; runs of different lengths show whether memory
// grows with the file.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// Seeded rows "dip<TAB>dip direction<TAB>dip<TAB>dip direction".
bool WritePlanes(const std::string& path, long rows, unsigned seed) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> dip(1, 89);
  std::uniform_int_distribution<int> direction(0, 359);
  for (long i = 0; i < rows; ++i) {
    std::fprintf(file, "%d\t%03d\t%d\t%03d\r\n", dip(random), direction(random), dip(random),
                 direction(random));
  }
  return std::fclose(file) == 0;
}

struct Measure {
  bool ok = false;
  double seconds = 0.0;
  double cpuSeconds = 0.0;  // user and system time: steadier on a busy machine
  long peakKilobytes = 0;
};

Measure RunTool(const std::string& tool, const std::string& in, const std::string& out) {
  Measure measure;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return measure;
  if (child == 0) {
    std::freopen("/dev/null", "w", stderr);
    execl(tool.c_str(), tool.c_str(), "--calc", "0", "--in", in.c_str(), "--out", out.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return measure;
  measure.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  measure.peakKilobytes = usage.ru_maxrss;
  measure.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  measure.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return measure;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: lodema-batch-bench TOOL WORKDIR [ROWS...]\n");
    return 2;
  }
  const std::string tool = argv[1];
  const std::string dir = argv[2];
  std::vector<long> sizes;
  for (int i = 3; i < argc; ++i) sizes.push_back(std::atol(argv[i]));
  if (sizes.empty()) sizes = {1000000, 3000000};

  std::printf("lodema-batch, calculation 0, two planes per row, TAB-delimited\n");
  std::printf("%10s %8s %12s %8s %12s %12s\n", "rows", "seconds", "rows/second", "cpu s",
              "rows/cpu s", "peak memory");
  bool allOk = true;
  for (const long rows : sizes) {
    const std::string in = dir + "/planes-" + std::to_string(rows) + ".txt";
    const std::string out = dir + "/lines-" + std::to_string(rows) + ".txt";
    if (!WritePlanes(in, rows, 20240601u)) {
      std::fprintf(stderr, "cannot write %s\n", in.c_str());
      return 1;
    }
    const Measure m = RunTool(tool, in, out);
    allOk = allOk && m.ok;
    std::printf("%10ld %8.2f %12.0f %8.2f %12.0f %9ld KB%s\n", rows, m.seconds,
                m.seconds > 0 ? static_cast<double>(rows) / m.seconds : 0.0, m.cpuSeconds,
                m.cpuSeconds > 0 ? static_cast<double>(rows) / m.cpuSeconds : 0.0, m.peakKilobytes,
                m.ok ? "" : "  (run failed)");
    std::remove(in.c_str());
    std::remove(out.c_str());
  }
  std::printf("target: 1000000 rows/second or more; peak memory the same for every size\n");
  return allOk ? 0 : 1;
}
