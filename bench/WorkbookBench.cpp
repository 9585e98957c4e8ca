// SPDX-License-Identifier: MIT
// Speed and memory of lodema-batch reading an .xlsx workbook beside the same
// rows as TAB-delimited text: calculation 0 on seeded whole-degree rows,
// numbers as number cells (as a spreadsheet program stores them), results
// written as text, and the same rows written back as an .xlsx workbook.
// Peak memory must not grow with the rows: the sheet is streamed. Each
// figure is the median of three runs taken in turn. Prints a Markdown
// table; reports, never fails on speed.
// Usage: lodema-workbook-bench TOOL WORKDIR [ROWS]

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/ChildProcess.h"

namespace {

using LodemaBench::Measure;
using LodemaBench::RunProgram;

// The same seeded rows as a workbook (constant memory: written row by row)
// and as TAB-delimited text.
bool WriteRows(const std::string& book, const std::string& text, long rows) {
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(book.c_str(), &options);
  if (workbook == nullptr) return false;
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Planes");
  std::FILE* file = std::fopen(text.c_str(), "wb");
  if (file == nullptr) return false;
  std::mt19937 random(28);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (long i = 0; i < rows; ++i) {
    const int values[4] = {pick(10, 80), pick(0, 359), pick(10, 80), pick(0, 359)};
    for (lxw_col_t c = 0; c < 4; ++c) {
      worksheet_write_number(sheet, static_cast<lxw_row_t>(i), c, values[c], nullptr);
    }
    std::fprintf(file, "%d\t%d\t%d\t%d\r\n", values[0], values[1], values[2], values[3]);
  }
  return std::fclose(file) == 0 && workbook_close(workbook) == LXW_NO_ERROR;
}

Measure Median(std::vector<Measure> runs) {
  std::sort(runs.begin(), runs.end(),
            [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
  Measure median = runs[runs.size() / 2];
  for (const Measure& m : runs)
    median.peakKilobytes = std::max(median.peakKilobytes, m.peakKilobytes);
  return median;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: lodema-workbook-bench TOOL WORKDIR [ROWS]\n");
    return 2;
  }
  const std::string tool = argv[1];
  const std::string folder = argv[2];
  const long rows = argc > 3 ? std::atol(argv[3]) : 1000000;
  const std::string book = folder + "/workbook-bench.xlsx";
  const std::string text = folder + "/workbook-bench.txt";
  if (!WriteRows(book, text, rows)) {
    std::fprintf(stderr, "cannot write %s\n", book.c_str());
    return 1;
  }
  struct Case {
    const char* name;
    std::vector<std::string> args;
  };
  const std::string out = folder + "/workbook-bench.out";
  const Case cases[] = {
      {"TAB text in, text out, --jobs 1",
       {tool, "--calc", "0", "--jobs", "1", "--in", text, "--out", out}},
      {".xlsx in, text out, --jobs 1",
       {tool, "--calc", "0", "--jobs", "1", "--in", book, "--out", out}},
      {".xlsx in, text out, --jobs 2",
       {tool, "--calc", "0", "--jobs", "2", "--in", book, "--out", out}},
      {".xlsx in, .xlsx out, --jobs 2",
       {tool, "--calc", "0", "--jobs", "2", "--in", book, "--out", out + ".xlsx"}},
  };
  std::vector<std::vector<Measure>> runs(std::size(cases));
  for (int round = 0; round < 3; ++round) {
    for (std::size_t c = 0; c < std::size(cases); ++c) runs[c].push_back(RunProgram(cases[c].args));
  }
  std::printf("### Workbooks (%ld rows of calculation 0)\n\n", rows);
  std::printf("| run | rows/second | peak memory |\n| --- | ---: | ---: |\n");
  for (std::size_t c = 0; c < std::size(cases); ++c) {
    const Measure m = Median(runs[c]);
    std::printf(
        "| %s | %s | %ld KB |\n", cases[c].name,
        m.ok ? std::to_string(static_cast<long>(static_cast<double>(rows) / m.seconds)).c_str()
             : "failed",
        m.peakKilobytes);
  }
  std::remove(book.c_str());
  std::remove(text.c_str());
  std::remove(out.c_str());
  std::remove((out + ".xlsx").c_str());
  return 0;
}
