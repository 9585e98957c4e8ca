// SPDX-License-Identifier: MIT
// A batch run over a fuzzed file body with fuzzed options, set up as
// lodema-batch sets up the file page, with input retained and non-data rows
// kept so that every row of the file must come out as one output line.
// Checks: every line read is accounted for (one output line each, carrying
// its input, in order); no result shows "nan" or "inf"; one worker and two
// give the same file and the same counts.
//
// A body holding a line "==survey==" is split there: what follows is a
// drill-hole survey (hole, depth, azimuth, dip), read on its own (every
// point looked up in it is a unit direction) and, for a core calculation,
// given to the run with the hole and depth in columns 1 and 2.
//
// Input: kHeaderBytes option bytes (see Options), then the file body.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Delimiters.h"
#include "batch/LineReader.h"
#include "batch/OutputFile.h"
#include "batch/SurveyRows.h"
#include "batch/TextEncoding.h"
#include "calc/Catalogue.h"
#include "fuzz/FuzzChecks.h"
#include "model/CalculatorModel.h"
#include "model/FilePage.h"

namespace {

using LodemaFuzz::Check;

constexpr std::size_t kHeaderBytes = 16;

struct Options {
  int calculation = 0;
  std::string delimiter;
  bool headings = false;
  bool resultsFirst = false;
  bool captions = false;
  bool decimalComma = false;
  bool extraColumns = false;
  bool manyRows = false;
  std::string outputDelimiter;
  int planeConvention = 1;
  int quadrant = 0;
  int lineOrder = 0;
  std::optional<Lodema::ColumnMap> map;
};

bool Bit(std::uint8_t byte, int bit) { return ((byte >> bit) & 1) != 0; }

// Byte 0 the calculation; 1 the input delimiter (a list entry, or the
// character of byte 2); 3 flags; 4 the input notation; 5..15 a column map
// (-1..4 per entry box) used when flag 3 is set. Flag 7 with byte 4 from
// 0xF0 up repeats a short body until the workers share more than one block
// of rows between them.
Options ReadOptions(const std::uint8_t* header) {
  Options o;
  o.calculation = header[0] % Lodema::kCalculationCount;
  static const char* const kDelimiters[] = {"tab", "space", ",", ";", "any"};
  const int choice = header[1] % 6;
  o.delimiter = choice < 5 ? kDelimiters[choice] : std::string(1, static_cast<char>(header[2]));
  o.headings = Bit(header[3], 0);
  o.resultsFirst = Bit(header[3], 1);
  o.captions = Bit(header[3], 2);
  o.decimalComma = Bit(header[3], 4);
  o.outputDelimiter = Bit(header[3], 5) ? "," : "tab";
  o.extraColumns = Bit(header[3], 6);
  // A long run is slow: only a few inputs ask for it.
  o.manyRows = Bit(header[3], 7) && header[4] >= 0xF0;
  o.planeConvention = 1 + header[4] % 6;
  o.quadrant = (header[4] / 6) % 2;
  o.lineOrder = (header[4] / 12) % 2;
  if (Bit(header[3], 3)) {
    Lodema::ColumnMap map{};
    for (int slot = 0; slot < Lodema::kSlotCount; ++slot) map[slot] = header[5 + slot] % 6 - 1;
    o.map = map;
  }
  return o;
}

constexpr std::string_view kSurveyLine = "\n==survey==\n";
constexpr const char* kSurveyName = "fuzzed survey";

// The fuzzed body as the file the run reads, opened afresh for the preview
// and for the run; the survey under its own name.
class MemoryInputs : public Lodema::InputFiles {
 public:
  MemoryInputs(std::string_view body, std::string_view survey) : body_(body), survey_(survey) {}
  std::unique_ptr<Lodema::LineReader> Open(const std::string& name) override {
    std::string& bytes = name == kSurveyName ? survey_ : body_;
    std::FILE* stream = fmemopen(bytes.data(), bytes.size(), "r");
    if (stream == nullptr) return nullptr;
    return std::make_unique<Lodema::FileLineReader>(stream, true);
  }
  std::optional<Lodema::FileIdentity> Identity(const std::string&) override { return std::nullopt; }

 private:
  std::string body_;
  std::string survey_;
};

class MemoryOutputs : public Lodema::OutputFiles {
 public:
  explicit MemoryOutputs(std::string& bytes) : bytes_(bytes) {}
  std::unique_ptr<Lodema::OutputSink> Open(const std::string&, bool) override {
    return std::make_unique<Lodema::MemorySink>(bytes_);
  }
  std::optional<Lodema::FileIdentity> Identity(const std::string&) override { return std::nullopt; }

 private:
  std::string& bytes_;
};

struct RunResult {
  bool ran = false;
  Lodema::BatchCounts counts;
  std::string output;
};

RunResult Run(const Options& o, std::string_view body, std::string_view survey, int jobs) {
  RunResult result;
  Lodema::CalculatorModel model;
  Lodema::Settings& s = model.settings();
  s.Calculation = o.calculation;
  s.PlaneConvIn = o.planeConvention;
  s.QuadrantIn = o.quadrant;
  s.LineConvIn = o.lineOrder;
  s.NonLocaleDecimal = o.decimalComma;
  model.ApplySettingsToControls();
  model.ShowStoredCalculation();

  MemoryInputs inputs(body, survey);
  MemoryOutputs outputs(result.output);
  Lodema::FilePageModel page(model, Lodema::BatchPlatform{}, &inputs, &outputs);
  page.SetInputDelimiterText(o.delimiter);
  page.SetTableHeadings(o.headings);
  page.SetInputSource("fuzzed input");
  if (!survey.empty()) {
    page.SetSurveyHoleColumn(1);
    page.SetSurveyDepthColumn(2);
    page.SetSurveyFileText(kSurveyName);
  }
  if (o.map) {
    for (int slot = 0; slot < Lodema::kSlotCount; ++slot) {
      const int column = (*o.map)[slot];
      if (column == Lodema::kManuallyFixed) page.SetManualFix(Lodema::WindowOfSlot(slot), true);
      // lodema-batch refuses a map beyond the file's columns.
      if (column > page.InputColumnCount()) return result;
    }
    for (int slot = 0; slot < Lodema::kSlotCount; ++slot) {
      if ((*o.map)[slot] >= 0) page.SetColumnListIndex(slot, (*o.map)[slot]);
    }
  }
  page.SetOutputFileText("fuzzed output");
  page.SetOutputDelimiterText(o.outputDelimiter);
  page.SetOutputOption(Lodema::kOptRetainInput, true);
  if (o.resultsFirst) page.SetOutputOption(Lodema::kOptResultsFirst, true);
  page.SetOutputOption(Lodema::kOptKeepNonData, true);
  page.SetOutputOption(Lodema::kOptResultCaptions, o.captions);
  for (const int option : {Lodema::kOptApparentDipColumns, Lodema::kOptRefPlaneColumns,
                           Lodema::kOptAmbiguousColumns, Lodema::kOptSecondResultColumns}) {
    page.SetOutputOption(option, o.extraColumns);
  }
  page.SetBatchJobs(jobs);
  const Lodema::BatchOutcome outcome = page.StartBatchInput(1);
  result.ran = outcome.sourceOpened;
  result.counts = outcome.counts;
  return result;
}

// The lines of a file as the reader splits them: CR LF, LF and a lone CR
// end a line; a last line without a line end counts.
std::vector<std::string_view> FileLines(std::string_view body) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < body.size()) {
    std::size_t end = start;
    while (end < body.size() && body[end] != '\r' && body[end] != '\n') ++end;
    lines.push_back(body.substr(start, end - start));
    if (end + 1 < body.size() && body[end] == '\r' && body[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

std::vector<std::string_view> OutputLines(std::string_view output) {
  std::vector<std::string_view> lines;
  while (!output.empty()) {
    const std::size_t end = output.find("\r\n");
    Check(end != std::string_view::npos, "an output line without its line end", output);
    lines.push_back(output.substr(0, end));
    output.remove_prefix(end + 2);
  }
  return lines;
}

// The text the reader reads: a body with a UTF-16 byte-order mark is read
// as its UTF-8.
std::string ReadText(std::string_view body) {
  const std::optional<Lodema::ByteOrder> order = Lodema::Utf16ByteOrderMark(body);
  if (!order) return std::string(body);
  Lodema::Utf16Decoder decoder(*order);
  std::string text;
  decoder.Decode(body.substr(2), text);
  decoder.Finish(text);
  return text;
}

void CheckAccounted(const Options& o, std::string_view fileBody, const RunResult& run) {
  const std::string text = ReadText(fileBody);
  const std::string_view body = text;
  const Lodema::BatchCounts& c = run.counts;
  Check(c.readError.empty(), "reading the file failed", c.readError);
  Check(c.unwrittenLines == 0, "output lines were not written");
  std::vector<std::string_view> rows = FileLines(body);
  if (o.headings && !rows.empty()) rows.erase(rows.begin());
  Check(c.linesRead == static_cast<std::int64_t>(rows.size()), "lines read differ from the file");
  Check(c.dataRows >= 0 && c.uncomputedRows >= 0 && c.dataRows + c.uncomputedRows <= c.linesRead,
        "data and uncomputed rows exceed the lines read");

  // A run without a result leaves the output file as it was.
  if (c.dataRows == 0) return;
  const std::vector<std::string_view> lines = OutputLines(run.output);
  const std::size_t header = o.captions ? 1 : 0;
  Check(lines.size() == rows.size() + header, "not one output line per row", run.output);
  if (header == 1) LodemaFuzz::CheckFinite(lines[0], "the caption line");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string_view input = rows[i];
    while (!input.empty() && input.front() == ' ') input.remove_prefix(1);
    std::string_view line = lines[header + i];
    Check(line.size() >= input.size(), "an output line lost its input", line);
    const bool carried = o.resultsFirst ? line.substr(line.size() - input.size()) == input
                                        : line.substr(0, input.size()) == input;
    Check(carried, "an output line does not carry its input row", line);
    const std::string_view results =
        o.resultsFirst ? line.substr(0, line.size() - input.size()) : line.substr(input.size());
    LodemaFuzz::CheckFinite(results, "a result column");
  }
}

// Rows a worker takes at a time (batch/ParallelRows.cpp): a longer body
// crosses from one worker's block into the next.
constexpr std::size_t kBlockRows = 4096;
constexpr std::size_t kMostRepeatedRows = 64;

// The body as often as it takes to pass kBlockRows lines (a short body of
// whole lines only), else as given.
std::string Repeated(std::string_view body) {
  const std::size_t rows = FileLines(body).size();
  if (rows == 0 || rows > kMostRepeatedRows) return std::string(body);
  std::string text(body);
  if (text.back() != '\n' && text.back() != '\r') text += '\n';
  std::string repeated;
  for (std::size_t n = 0; n <= kBlockRows / rows; ++n) repeated += text;
  return repeated;
}

// Every point of every hole of a survey that reads is a unit direction.
void CheckSurvey(std::string_view survey, const Options& o) {
  Lodema::SurveyReading reading;
  reading.delimiterSet = Lodema::InputDelimiterSetFromListText(o.delimiter);
  reading.quadrantIn = o.quadrant == 1;
  reading.localeMark =
      o.decimalComma ? OrientGeometry::DecimalMark::kComma : OrientGeometry::DecimalMark::kPoint;
  Lodema::TextLineReader lines{std::string(survey)};
  const Lodema::SurveyTable::Read read =
      Lodema::SurveyTable::FromLines(lines, Lodema::kDefaultSurveyColumns, reading);
  Check(read.table.has_value() != !read.error.empty(), "a survey both read and refused");
  if (!read.table) return;
  for (int hole = 0; hole < read.table->HoleCount(); ++hole) {
    for (const double depth : {-10.0, 0.0, 12.5, 37.0, 100.0, 1e6}) {
      const auto t = read.table->PointAt(hole, depth).direction;
      const double length = t.north * t.north + t.east * t.east + t.down * t.down;
      Check(std::fabs(length - 1.0) < 1e-9, "a survey direction is not a unit vector");
    }
  }
}

bool SameCounts(const Lodema::BatchCounts& a, const Lodema::BatchCounts& b) {
  return a.linesRead == b.linesRead && a.dataRows == b.dataRows &&
         a.uncomputedRows == b.uncomputedRows && a.firstUncomputedLine == b.firstUncomputedLine &&
         a.uncomputedReason == b.uncomputedReason;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size <= kHeaderBytes) return 0;
  const Options options = ReadOptions(data);
  std::string_view given(reinterpret_cast<const char*>(data) + kHeaderBytes, size - kHeaderBytes);
  std::string_view survey;
  const std::size_t split = given.find(kSurveyLine);
  if (split != std::string_view::npos) {
    survey = given.substr(split + kSurveyLine.size());
    given = given.substr(0, split + 1);
    CheckSurvey(survey, options);
  }
  const std::string body = options.manyRows ? Repeated(given) : std::string(given);
  const RunResult single = Run(options, body, survey, 1);
  const RunResult shared = Run(options, body, survey, 2);
  Check(single.ran == shared.ran, "one worker and two disagree on running");
  // LODEMA_FUZZ_VERBOSE=1 shows what a seed does (when writing seeds).
  if (std::getenv("LODEMA_FUZZ_VERBOSE") != nullptr) {
    std::fprintf(stderr, "ran %d, lines %lld, data %lld, uncomputed %lld\n%s\n", single.ran,
                 static_cast<long long>(single.counts.linesRead),
                 static_cast<long long>(single.counts.dataRows),
                 static_cast<long long>(single.counts.uncomputedRows), single.output.c_str());
  }
  if (!single.ran) return 0;
  CheckAccounted(options, body, single);
  Check(single.output == shared.output, "one worker and two write different files", shared.output);
  Check(SameCounts(single.counts, shared.counts), "one worker and two count differently");
  return 0;
}
