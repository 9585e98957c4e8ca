// SPDX-License-Identifier: MIT
// Speed and memory of lodema-batch --survey: calculation 17 (a plane from
// beta and alpha in an oriented core) over a log of hole, depth, beta and
// alpha with the core axis from a 10,000-station survey of 200 holes,
// beside the same rows with the axis typed into its columns. Rows come hole
// by hole, depths rising, as loggers write them. Medians of several runs
// taken in turn; reports, never fails on speed.
// Usage: lodema-survey-bench TOOL WORKDIR [ROWS]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/ChildProcess.h"

namespace {

using LodemaBench::Measure;
using LodemaBench::RunProgram;

constexpr int kHoles = 200;
constexpr int kStationsPerHole = 50;
constexpr double kStationSpacing = 30.0;
constexpr int kRounds = 5;

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

// A survey whose holes wander a few degrees from station to station.
bool WriteSurvey(const std::string& path) {
  std::mt19937 random(20261207u);
  std::uniform_real_distribution<double> step(-3.0, 3.0);
  std::string text = "hole\tdepth\tazimuth\tdip\r\n";
  char line[96];
  for (int hole = 0; hole < kHoles; ++hole) {
    double azimuth = (hole * 37) % 360;
    double dip = 60.0 + (hole % 20);
    for (int station = 0; station < kStationsPerHole; ++station) {
      std::snprintf(line, sizeof line, "DDH-%03d\t%.1f\t%.2f\t%.2f\r\n", hole,
                    station * kStationSpacing, azimuth, dip);
      text += line;
      azimuth = std::fmod(azimuth + step(random) + 360.0, 360.0);
      dip = std::clamp(dip + step(random), 30.0, 89.0);
    }
  }
  return WriteFile(path, text);
}

// rows rows spread over the holes, hole after hole; withAxis adds an axis
// typed with four decimals, as the survey gives it, so that the run without
// a survey reads as many fields and writes as many decimals.
bool WriteLog(const std::string& path, long rows, bool withAxis) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::mt19937 random(7u);
  std::uniform_int_distribution<int> angle(10, 80);
  const long perHole = std::max(1L, rows / kHoles);
  const double length = kStationSpacing * (kStationsPerHole - 1);
  char line[96];
  for (long i = 0; i < rows; ++i) {
    const long hole = std::min<long>(i / perHole, kHoles - 1);
    const double depth = length * static_cast<double>(i % perHole) / static_cast<double>(perHole);
    if (withAxis) {
      std::snprintf(line, sizeof line, "DDH-%03ld\t%.2f\t%d\t%d\t%.4f\t%.4f\r\n", hole, depth,
                    angle(random) * 4, angle(random), 65.0 + depth / 1000.0,
                    static_cast<double>((hole * 37) % 360) + depth / 100.0);
    } else {
      std::snprintf(line, sizeof line, "DDH-%03ld\t%.2f\t%d\t%d\r\n", hole, depth,
                    angle(random) * 4, angle(random));
    }
    std::fputs(line, file);
  }
  return std::fclose(file) == 0;
}

double Rate(long rows, const Measure& m) {
  return m.ok && m.seconds > 0 ? static_cast<double>(rows) / m.seconds : 0.0;
}

Measure Median(std::vector<Measure> runs) {
  for (Measure& m : runs) {
    if (!m.ok) m.seconds = 1e9;
  }
  long peak = 0;
  for (const Measure& m : runs) peak = std::max(peak, m.peakKilobytes);
  std::sort(runs.begin(), runs.end(),
            [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
  Measure median = runs[runs.size() / 2];
  median.peakKilobytes = peak;
  return median;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: lodema-survey-bench TOOL WORKDIR [ROWS]\n");
    return 2;
  }
  const std::string tool = argv[1];
  const std::string dir = argv[2];
  const long rows = argc > 3 ? std::atol(argv[3]) : 1000000;
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const std::string survey = dir + "/survey-bench-survey.txt";
  const std::string log = dir + "/survey-bench-log.txt";
  const std::string typed = dir + "/survey-bench-typed.txt";
  const std::string out = dir + "/survey-bench-out.txt";
  if (!WriteSurvey(survey) || !WriteLog(log, rows, false) || !WriteLog(typed, rows, true)) return 1;

  const auto surveyRun = [&](const std::string& in, int jobs) {
    return RunProgram({tool, "--calc", "17", "--in", in, "--out", out, "--jobs",
                       std::to_string(jobs), "--survey", survey, "--hole-column", "1",
                       "--depth-column", "2"});
  };
  const auto typedRun = [&](int jobs) {
    return RunProgram({tool, "--calc", "17", "--in", typed, "--out", out, "--jobs",
                       std::to_string(jobs), "--map", "3,4,0,0,0,0,5,6,0,0,0"});
  };
  std::vector<Measure> typedOne, surveyOne, surveyAll;
  for (int round = 0; round < kRounds; ++round) {
    typedOne.push_back(typedRun(1));
    surveyOne.push_back(surveyRun(log, 1));
    surveyAll.push_back(surveyRun(log, cores));
  }
  std::printf("## Calculation 17 with a survey (%d holes, %d stations; %ld rows)\n\n", kHoles,
              kHoles * kStationsPerHole, rows);
  std::printf("Medians of %d rounds, the three runs in turn in each round.\n\n", kRounds);
  std::printf("| run | rows/second | rows/second per CPU second | peak memory |\n");
  std::printf("| --- | ---: | ---: | ---: |\n");
  const auto row = [&](const std::string& name, const Measure& m) {
    std::printf("| %s | %.0f | %.0f | %ld KB |\n", name.c_str(), Rate(rows, m),
                m.cpuSeconds > 0 ? static_cast<double>(rows) / m.cpuSeconds : 0.0, m.peakKilobytes);
  };
  row("axis typed in columns, --jobs 1", Median(typedOne));
  row("--survey, --jobs 1", Median(surveyOne));
  row("--survey, --jobs " + std::to_string(cores), Median(surveyAll));

  // Memory must not grow with the log.
  if (!WriteLog(log, rows * 3, false)) return 1;
  const Measure larger = surveyRun(log, 1);
  std::printf("\n%ld rows with --survey, --jobs 1: peak memory %ld KB.\n", rows * 3,
              larger.peakKilobytes);
  for (const std::string& file : {survey, log, typed, out}) std::remove(file.c_str());
  return 0;
}
