// SPDX-License-Identifier: MIT
// Speed and memory of lodema-batch on generated data.
//  1. Calculation 0 on whole-degree, TAB-delimited rows beside the bare loop
//     (lodema-bare-intersection) in the same run: the ratio is what counts
//     on a shared machine, not the absolute figures.
//  2. Every calculation at the same row count, one job and all jobs: rows
//     per second, share of rows that gave a result, and peak memory.
//  3. Calculation 0 at a larger file: peak memory must not grow.
// This virtual machine's speed wanders by a fifth or more from one second
// to the next, so each figure is the median of several runs taken in turn
// with the runs it is compared with.
// Prints Markdown tables; reports, never fails on speed.
// Usage: lodema-batch-bench TOOL BARE WORKDIR [ROWS]
//        lodema-batch-bench --generate CALCULATION ROWS FILE
//        (writes the rows the table uses for one calculation, for profiling)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/ChildProcess.h"
#include "calc/RowSchema.h"

namespace {

// The field kinds of the boxes calculation n reads from a file, in column
// order (the default mapping takes the boxes that carry a kind).
std::vector<Lodema::FieldKind> FieldsOf(int n) {
  const Lodema::RowSchema schema =
      Lodema::MakeRowSchema(n, Lodema::Settings{}, false, OrientGeometry::DecimalMark::kPoint);
  std::vector<Lodema::FieldKind> kinds;
  for (int slot = 0; slot < Lodema::kMappedBoxCount; ++slot) {
    const Lodema::FieldKind kind = schema.entries[static_cast<std::size_t>(slot)].kind;
    if (kind != Lodema::FieldKind::kNothing) kinds.push_back(kind);
  }
  return kinds;
}

// Seeded rows for the given field kinds: values that most calculations take
// (directions near east so that a sense "N" fits a pitch), CR LF line ends.
bool WriteRows(const std::string& path, const std::vector<Lodema::FieldKind>& kinds, long rows,
               unsigned seed) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::mt19937 random(seed);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  std::string line;
  for (long i = 0; i < rows; ++i) {
    line.clear();
    for (std::size_t f = 0; f < kinds.size(); ++f) {
      if (f > 0) line += '\t';
      switch (kinds[f]) {
        case Lodema::FieldKind::kDirection:
          line += std::to_string(pick(0, 359));
          break;
        case Lodema::FieldKind::kSense:
          line += 'N';
          break;
        case Lodema::FieldKind::kPlunge:
          line += std::to_string(pick(5, 60));
          break;
        case Lodema::FieldKind::kBetaHadeGamma:
          line += std::to_string(pick(10, 170));
          break;
        default:
          line += std::to_string(pick(10, 80));
          break;
      }
    }
    line += "\r\n";
    std::fputs(line.c_str(), file);
  }
  return std::fclose(file) == 0;
}

// Seeded whole-degree rows "dip<TAB>dip direction<TAB>dip<TAB>dip direction".
bool WritePlanes(const std::string& path, long rows, unsigned seed) {
  return WriteRows(path,
                   {Lodema::FieldKind::kDip, Lodema::FieldKind::kDirection, Lodema::FieldKind::kDip,
                    Lodema::FieldKind::kDirection},
                   rows, seed);
}

using LodemaBench::Measure;
using LodemaBench::RunProgram;

Measure RunTool(const std::string& tool, int calculation, const std::string& in,
                const std::string& out, int jobs) {
  return RunProgram({tool, "--calc", std::to_string(calculation), "--in", in, "--out", out,
                     "--jobs", std::to_string(jobs)});
}

long CountLines(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return 0;
  long lines = 0;
  for (int c; (c = std::fgetc(file)) != EOF;) lines += c == '\n';
  std::fclose(file);
  return lines;
}

double Rate(long rows, const Measure& m) {
  return m.ok && m.seconds > 0 ? static_cast<double>(rows) / m.seconds : 0.0;
}

// Several runs of one program: the median time (a failed run counts as
// the slowest) and the largest peak memory.
struct Runs {
  std::vector<Measure> runs;
  Measure Median() const {
    std::vector<Measure> sorted = runs;
    for (Measure& m : sorted) {
      if (!m.ok) m.seconds = 1e9;
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
    Measure median = sorted[sorted.size() / 2];
    for (const Measure& m : runs) {
      median.peakKilobytes = std::max(median.peakKilobytes, m.peakKilobytes);
      median.ok = median.ok && m.ok;
    }
    return median;
  }
};

// The median over rounds of the time of `first` over the time of
// `second` (how many times as fast the second ran); a failed run gives 0.
double MedianRatio(const Runs& first, const Runs& second) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < first.runs.size() && i < second.runs.size(); ++i) {
    const Measure& a = first.runs[i];
    const Measure& b = second.runs[i];
    ratios.push_back(a.ok && b.ok && b.seconds > 0 ? a.seconds / b.seconds : 0.0);
  }
  if (ratios.empty()) return 0.0;
  std::sort(ratios.begin(), ratios.end());
  return ratios[ratios.size() / 2];
}

constexpr int kRoundsBesideBare = 9;
constexpr int kRoundsPerCalculation = 3;

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--generate") {
    const int n = std::atoi(argv[2]);
    if (n < 0 || n > 41) return 2;
    return WriteRows(argv[4], FieldsOf(n), std::atol(argv[3]), 1000u + static_cast<unsigned>(n))
               ? 0
               : 1;
  }
  if (argc < 4) {
    std::fprintf(stderr, "usage: lodema-batch-bench TOOL BARE WORKDIR [ROWS]\n");
    return 2;
  }
  const std::string tool = argv[1];
  const std::string bare = argv[2];
  const std::string dir = argv[3];
  const long rows = argc > 4 ? std::atol(argv[4]) : 1000000;
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const std::string in = dir + "/bench-in.txt";
  const std::string out = dir + "/bench-out.txt";

  std::printf("## Calculation 0 beside the bare loop (%ld whole-degree TAB rows)\n\n", rows);
  if (!WritePlanes(in, rows, 20240601u)) return 1;
  Runs bareRuns, oneRuns, allRuns;
  for (int round = 0; round < kRoundsBesideBare; ++round) {
    bareRuns.runs.push_back(RunProgram({bare, in, out}));
    oneRuns.runs.push_back(RunTool(tool, 0, in, out, 1));
    allRuns.runs.push_back(RunTool(tool, 0, in, out, cores));
  }
  const Measure bareRun = bareRuns.Median();
  const Measure one = oneRuns.Median();
  const Measure all = allRuns.Median();
  std::printf("Medians of %d rounds, the three programs in turn in each round.\n\n",
              kRoundsBesideBare);
  std::printf("| program | rows/second | ratio to bare loop | peak memory |\n");
  std::printf("| --- | ---: | ---: | ---: |\n");
  const double bareRate = Rate(rows, bareRun);
  const auto row = [&](const char* name, const Measure& m) {
    std::printf("| %s | %.0f | %.2f | %ld KB |\n", name, Rate(rows, m),
                bareRate > 0 ? Rate(rows, m) / bareRate : 0.0, m.peakKilobytes);
  };
  row("bare loop (from_chars, unit vectors, to_chars)", bareRun);
  row("lodema-batch --jobs 1", one);
  std::string allName = "lodema-batch --jobs " + std::to_string(cores);
  row(allName.c_str(), all);
  std::printf("\n--jobs %d runs at %.2f times the speed of --jobs 1.\n\n", cores,
              Rate(rows, one) > 0 ? Rate(rows, all) / Rate(rows, one) : 0.0);
  // The machine's speed drifts between rounds more than within one, so the
  // ratios of the runs made side by side say more than those of medians.
  std::printf(
      "Paired (median of the rounds' own ratios): --jobs 1 at %.3f of the bare loop, "
      "--jobs %d at %.2f times --jobs 1.\n\n",
      MedianRatio(bareRuns, oneRuns), cores, MedianRatio(oneRuns, allRuns));

  std::printf("## Every calculation (%ld rows each)\n\n", rows);
  std::printf("Medians of %d runs each.\n\n", kRoundsPerCalculation);
  std::printf(
      "| calculation | fields | result rows | --jobs 1 rows/s | --jobs %d rows/s | "
      "peak memory (1 job) | peak memory (%d jobs) |\n",
      cores, cores);
  std::printf("| ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n");
  bool allOk = true;
  for (int n = 0; n <= 41; ++n) {
    const std::vector<Lodema::FieldKind> kinds = FieldsOf(n);
    if (!WriteRows(in, kinds, rows, 1000u + static_cast<unsigned>(n))) return 1;
    Runs singleRuns, sharedRuns;
    long written = 0;
    for (int round = 0; round < kRoundsPerCalculation; ++round) {
      singleRuns.runs.push_back(RunTool(tool, n, in, out, 1));
      written = CountLines(out);
      sharedRuns.runs.push_back(RunTool(tool, n, in, out, cores));
    }
    const Measure single = singleRuns.Median();
    const Measure shared = sharedRuns.Median();
    allOk = allOk && single.ok && shared.ok;
    std::printf("| %d | %zu | %.0f%% | %.0f | %.0f | %ld KB | %ld KB |\n", n, kinds.size(),
                100.0 * static_cast<double>(written) / static_cast<double>(rows),
                Rate(rows, single), Rate(rows, shared), single.peakKilobytes, shared.peakKilobytes);
    std::fflush(stdout);
  }

  const long larger = rows * 3;
  std::printf("\n## Memory as the file grows (calculation 0)\n\n");
  std::printf("| rows | peak memory (1 job) | peak memory (%d jobs) |\n| ---: | ---: | ---: |\n",
              cores);
  for (const long size : {rows, larger}) {
    if (!WritePlanes(in, size, 7u)) return 1;
    const Measure a = RunTool(tool, 0, in, out, 1);
    const Measure b = RunTool(tool, 0, in, out, cores);
    std::printf("| %ld | %ld KB | %ld KB |\n", size, a.peakKilobytes, b.peakKilobytes);
  }
  std::remove(in.c_str());
  std::remove(out.c_str());
  return allOk ? 0 : 1;
}
