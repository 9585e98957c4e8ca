// SPDX-License-Identifier: MIT
// Speed of the stereonet: RedrawPlot of 10,000 retained sets onto a surface
// that only counts, and onto the SVG surface (written to a discarding
// stream), for points and for great circles under both projections. Given
// the lodema-batch tool, also times a 1,000,000-row run with and without
// --plot, with one job and with one per core (rows per second, their ratio
// and peak memory), and great circles on a tenth of the rows. Reports;
// never fails on speed.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <streambuf>
#include <string>
#include <vector>

#include "bench/ChildProcess.h"
#include "plot/PlotDrawing.h"
#include "plot/SvgSurface.h"

namespace {

using namespace Lodema::Plot;

// Counts primitives and sums a coordinate so the work cannot be skipped.
class CountingSurface : public DrawingSurface {
 public:
  void Clear(Rgb) override { ++calls; }
  void Dot(PlotPoint at) override { Count(at); }
  void Line(PlotPoint from, PlotPoint) override { Count(from); }
  void Polyline(const std::vector<PlotPoint>& points) override {
    Count(points.front());
    vertices += points.size();
  }
  void Box(PlotPoint corner, PlotPoint) override { Count(corner); }
  void Circle(PlotPoint centre, double) override { Count(centre); }
  void Arc(PlotPoint centre, double, double, double) override { Count(centre); }
  void ClosedPath(const std::vector<PlotPoint>& points) override { Count(points.front()); }
  void Text(PlotPoint at, const std::string&, double, TextAnchor) override { Count(at); }

  long calls = 0;
  long vertices = 0;
  double sum = 0.0;

 private:
  void Count(PlotPoint p) {
    ++calls;
    sum += p.x;
  }
};

// A stream that throws its bytes away but counts them.
class CountingBuffer : public std::streambuf {
 public:
  long long bytes = 0;

 protected:
  int_type overflow(int_type c) override {
    ++bytes;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    bytes += n;
    return n;
  }
};

class AnswerIgnore : public MismatchQuestion {
 public:
  MismatchAnswer Ask(const std::string&) override { return MismatchAnswer::kIgnore; }
};

// 10,000 retained sets of a random line or plane Result.
PlotStore RandomStore(int sets, int type, unsigned seed) {
  PlotStore store;
  AnswerIgnore ignore;
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> angle(0.0, 1.5707963267949);
  std::uniform_real_distribution<double> azimuth(0.0, 6.28318530717958);
  for (int i = 0; i < sets; ++i) {
    PlotRecord record;
    record.cells[kResult] = {double(type), angle(random), azimuth(random), 0, 0, 0};
    store.AddNewDataPoint(record, ignore);
    store.RetainCurrentData();
  }
  return store;
}

template <typename Draw>
double MillisecondsPerCall(Draw draw) {
  draw();  // warm up
  int rounds = 0;
  const auto start = std::chrono::steady_clock::now();
  double elapsed = 0.0;
  do {
    draw();
    ++rounds;
    elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  } while (elapsed < 1.0 && rounds < 1000);
  return elapsed * 1000.0 / rounds;
}

void CoreFigures() {
  constexpr int kSets = 10000;
  const PlotStore points = RandomStore(kSets, kTypeLine, 1u);
  const PlotStore planes = RandomStore(kSets, kTypePlane, 2u);
  std::printf("RedrawPlot of %d retained sets, ms per redraw\n", kSets);
  std::printf("%-34s %12s %12s %12s\n", "", "counting", "SVG", "SVG bytes");
  const struct {
    const char* name;
    const PlotStore* store;
    ProjectionType projection;
  } rows[] = {
      {"points, equal area", &points, ProjectionType::kEqualArea},
      {"points, equal angle", &points, ProjectionType::kEqualAngle},
      {"great circles, equal area", &planes, ProjectionType::kEqualArea},
      {"great circles, equal angle", &planes, ProjectionType::kEqualAngle},
  };
  for (const auto& row : rows) {
    PlotView view;
    view.projection = row.projection;
    CountingSurface counting;
    const double core = MillisecondsPerCall([&] { RedrawPlot(counting, *row.store, view); });
    CountingBuffer buffer;
    std::ostream sink(&buffer);
    const double svg = MillisecondsPerCall([&] {
      SvgSurface surface(sink, {});
      RedrawPlot(surface, *row.store, view);
    });
    CountingBuffer once;
    std::ostream oneDocument(&once);
    {
      SvgSurface surface(oneDocument, {});
      RedrawPlot(surface, *row.store, view);
    }
    std::printf("%-34s %12.2f %12.2f %12lld\n", row.name, core, svg, once.bytes);
  }
  std::printf("target: under 5 ms for 10000 point sets through the core (counting)\n\n");
}

// Seeded rows of two planes for calculation 0.
bool WritePlanes(const std::string& path, long rows) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::mt19937 random(20240601u);
  std::uniform_int_distribution<int> dip(1, 89);
  std::uniform_int_distribution<int> direction(0, 359);
  for (long i = 0; i < rows; ++i) {
    std::fprintf(file, "%d\t%03d\t%d\t%03d\r\n", dip(random), direction(random), dip(random),
                 direction(random));
  }
  return std::fclose(file) == 0;
}

using LodemaBench::Measure;

Measure RunTool(const std::vector<std::string>& args) { return LodemaBench::RunProgram(args); }

// The median of three by wall time: the runs of one table are interleaved
// round by round, so that a busy moment of the shared machine falls on all
// of them alike.
Measure Median(std::vector<Measure> runs) {
  std::sort(runs.begin(), runs.end(),
            [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
  return runs[runs.size() / 2];
}

struct ToolRun {
  const char* name;
  std::vector<std::string> extra;
};

// One table: each run with --jobs 1 and with the default (one job per core),
// its rows per second and its ratio to the run without --plot beside it.
void ToolTable(const std::string& tool, const std::string& in, const std::string& out,
               const char* calculation, long rows, const std::vector<ToolRun>& runs) {
  const char* jobs[] = {"1", nullptr};
  std::vector<std::vector<Measure>> measured(runs.size() * 2);
  for (int round = 0; round < 3; ++round) {
    for (int j = 0; j < 2; ++j) {
      for (std::size_t r = 0; r < runs.size(); ++r) {
        std::vector<std::string> args = {tool, "--calc", calculation, "--in", in, "--out", out};
        if (jobs[j] != nullptr) args.insert(args.end(), {"--jobs", jobs[j]});
        args.insert(args.end(), runs[r].extra.begin(), runs[r].extra.end());
        measured[j * runs.size() + r].push_back(RunTool(args));
      }
    }
  }
  std::printf("lodema-batch, calculation %s, %ld rows (median of 3)\n", calculation, rows);
  std::printf("%-34s %8s %8s %12s %8s %8s %12s\n", "", "jobs", "seconds", "rows/second", "ratio",
              "cpu s", "peak memory");
  for (int j = 0; j < 2; ++j) {
    double baseline = 0.0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
      const Measure m = Median(measured[j * runs.size() + r]);
      const double rate = m.seconds > 0 ? static_cast<double>(rows) / m.seconds : 0.0;
      if (r == 0) baseline = rate;
      std::printf("%-34s %8s %8.2f %12.0f %7.1f%% %8.2f %9ld KB%s\n", runs[r].name,
                  jobs[j] != nullptr ? jobs[j] : "default", m.seconds, rate,
                  baseline > 0 ? 100.0 * rate / baseline : 0.0, m.cpuSeconds, m.peakKilobytes,
                  m.ok ? "" : "  (run failed)");
    }
  }
}

void ToolFigures(const std::string& tool, const std::string& dir, long rows) {
  const std::string in = dir + "/plot-planes.txt";
  const std::string out = dir + "/plot-lines.txt";
  const std::string svg = dir + "/plot-net.svg";
  if (!WritePlanes(in, rows)) {
    std::fprintf(stderr, "cannot write %s\n", in.c_str());
    return;
  }
  ToolTable(tool, in, out, "0", rows,
            {{"without --plot", {}},
             {"--plot (result points)", {"--plot", svg}},
             {"--plot, A and B as poles too",
              {"--plot", svg, "--plot-show", "result,A,B", "--planes-as", "poles"}}});
  // Calculation 5 gives a plane per row, drawn as a great circle of a few
  // hundred numbers: a tenth of the rows.
  const long tenth = std::max(rows / 10, 1L);
  if (!WritePlanes(in, tenth)) return;
  ToolTable(tool, in, out, "5", tenth,
            {{"without --plot", {}}, {"--plot (result great circles)", {"--plot", svg}}});
  std::printf("target: --plot within 20%% of the rows per second without it, peak under 64 MB\n");
  std::remove(in.c_str());
  std::remove(out.c_str());
  std::remove(svg.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  CoreFigures();
  if (argc >= 3) ToolFigures(argv[1], argv[2], argc >= 4 ? std::atol(argv[3]) : 1000000);
  return 0;
}
