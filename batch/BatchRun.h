// SPDX-License-Identifier: MIT
// The row loop of a batch run: every line of the source is split into the
// entry fields of its row, computed by the row kernel, and one output line
// is written per data row.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "batch/ColumnMapping.h"
#include "batch/LineReader.h"
#include "batch/Platform.h"
#include "batch/ResultWriter.h"
#include "batch/RowEntry.h"
#include "batch/Summary.h"
#include "batch/SurveyRows.h"
#include "calc/Platform.h"
#include "calc/RowKernel.h"

namespace Lodema {

inline constexpr const char* kNotValidFileNameMessage = "Not a valid filename!! Try again";

struct BatchRunRequest {
  std::string sourceName;  // a file, or a name beginning with "Paste" for the clipboard
  ColumnMap map{};
  std::string delimiterSet;
  bool headings = false;  // the first line is a header line
  // What every row holds and gives; the writer's layout must be the same.
  RowSchema schema = MakeRowSchema(0, Settings{}, false, OrientGeometry::DecimalMark::kPoint);
  // Texts of the boxes no column feeds: the windows fixed by hand and the
  // section trend (slots the map leaves without a column stay empty).
  std::array<std::string, kEntryBoxCount> keptTexts{};
  // The core axis of each row from a drill-hole survey (none: window C is
  // read as mapped).
  std::shared_ptr<const SurveyRun> survey;
};

// The output options a run reads (the file page's check boxes).
struct BatchOutputOptions {
  bool retainInput = false;          // copy each row's input line
  bool inputAppended = false;        // results first, input after
  bool keepNonData = false;          // copy non-data and rejected rows
  bool includeCaptions = false;      // write the caption header line
  bool includeInputHeaders = false;  // copy the source's header line
  int inputColumns = 0;              // nInputCols of the preview
  // The last row's entry texts come back in the outcome, for the window to
  // show; a caller without one spares the copy of every line.
  bool lastRowKept = true;
};

// The processed-lines counter of the file page. The window repaints it as
// often as it sees fit.
class BatchProgress {
 public:
  virtual ~BatchProgress() = default;
  virtual void CounterShown(bool /*shown*/) {}
  virtual void Processed(std::int64_t /*count*/) {}
  // Asked between rows: true ends the run after the row in hand, keeping
  // every line written so far. With several jobs it is asked between blocks
  // of rows, from the thread that writes them.
  virtual bool StopRequested() { return false; }
};

struct BatchOutcome {
  bool sourceOpened = false;  // false: empty clipboard, or the user gave up choosing a file
  BatchCounts counts;
  // The entry texts of the last row processed (the windows fixed by hand
  // and the section trend as kept), for the window to show; none when no
  // row was.
  std::optional<std::array<std::string, kEntryBoxCount>> lastRowTexts;
};

class BatchRunner {
 public:
  BatchRunner(ResultWriter& writer, const BatchPlatform& platform, InputFiles& inputs);
  // The stereonet the rows are drawn on; none by default.
  void SetPlot(PlotSink* plot) { plot_ = plot; }

  void SetProgress(BatchProgress* progress) { progress_ = progress; }
  // Asked when the input file cannot be opened (the file-open dialog); no
  // value ends the run.
  void SetChooseInputFile(std::function<std::optional<std::string>()> choose) {
    chooseInputFile_ = std::move(choose);
  }

  // Rows are shared out to this many workers; 1 (the default) runs them
  // here, one after the other. The output
  // is the same either way. A run that feeds a shown stereonet runs here
  // unless the platform lets the writer thread feed it.
  void SetJobs(int jobs) { jobs_ = jobs < 1 ? 1 : jobs; }
  // Reads the source, writes the header line and one line per row through
  // the writer (whose run the caller has begun). Sets BatchRunning for its
  // duration. Shows no summary.
  BatchOutcome Run(const BatchRunRequest& request, const BatchOutputOptions& options);

  // The rows after the header line: each line of reader through the
  // calculation and one output line per row through the writer; counts
  // lines read and data rows. displayed is the processed-lines counter.
  void RunRows(LineReader& reader, const BatchRunRequest& request,
               const BatchOutputOptions& options, std::int64_t& displayed, BatchCounts& counts);

 private:
  std::unique_ptr<LineReader> OpenSource(const std::string& name);
  void WriteHeader(LineReader& reader, const BatchRunRequest& request,
                   const BatchOutputOptions& options, std::int64_t& displayed);
  // RunRows shared out to jobs_ workers (ParallelRows.cpp).
  void RunRowsInParallel(LineReader& reader, const BatchRunRequest& request,
                         const BatchOutputOptions& options, std::int64_t& displayed,
                         BatchCounts& counts);
  // What every row of one run shares (BatchRun.cpp).
  struct RowContext;
  // One line (leading blanks removed) through the kernel: whether it is
  // data, not data, or rejected.
  RowVerdict RunRow(std::string_view text, RowContext& row);
  // Its fields into the row's entry texts; kData when every mapped box
  // took its field.
  RowVerdict FillRowTexts(std::string_view text, RowContext& row);

  ResultWriter& writer_;
  BatchPlatform platform_;
  InputFiles& inputs_;
  BatchProgress defaultProgress_;
  BatchProgress* progress_ = &defaultProgress_;
  int jobs_ = 1;
  PlotSink* plot_ = nullptr;
  // The last line processed, for the window to show once the run ends.
  std::string lastLine_;
  bool processedAny_ = false;
  std::function<std::optional<std::string>()> chooseInputFile_;
};

}  // namespace Lodema
