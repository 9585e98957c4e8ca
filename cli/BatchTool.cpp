// SPDX-License-Identifier: MIT
#include "cli/BatchTool.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "batch/BatchJob.h"
#include "batch/ColumnMapping.h"
#include "batch/Delimiters.h"
#include "batch/LineReader.h"
#include "batch/OutputFile.h"
#include "batch/Preview.h"
#include "calc/Catalogue.h"
#include "calc/RowSchema.h"
#include "calc/SettingsIO.h"
#include "cli/BatchPlot.h"
#include "cli/BatchStatistics.h"
#include "cli/ProgressLine.h"
#include "cli/ToolFiles.h"
#include "orient/NumberText.h"

namespace Lodema {

namespace {

// The text as a line of its own, its CR LF line breaks as LF.
void Print(std::FILE* stream, std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.erase(at, 1);
  }
  std::fputs((text + '\n').c_str(), stream);
}

// Message boxes become lines on standard error; questions take their first
// answer, as nobody is there to choose.
class ErrorStreamMessages : public MessageBoxes {
 public:
  explicit ErrorStreamMessages(std::FILE* stream) : stream_(stream) {}
  // A progress line on the same stream is wiped before each message.
  void SetProgressLine(ProgressLine* line) { progress_ = line; }
  MessageAnswer ShowMessage(const std::string& text, const std::string&, MessageButtons buttons,
                            MessageIcon) override {
    if (progress_ != nullptr) progress_->Clear();
    Print(stream_, text);
    ++shown_;
    return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kYes;
  }
  int Shown() const { return shown_; }

 private:
  std::FILE* stream_;
  ProgressLine* progress_ = nullptr;
  int shown_ = 0;
};

double SteadySeconds() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// The progress line for this run on the errors stream, or none: a line only
// helps a person watching a terminal; never in a pipe, a log file or with
// --quiet.
std::optional<ProgressLine> ProgressLineFor(const CliOptions& options, std::FILE* errors) {
  if (options.quiet || isatty(fileno(errors)) != 1) return std::nullopt;
  return ProgressLine(
      [errors](const std::string& bytes) {
        std::fputs(bytes.c_str(), errors);
        std::fflush(errors);
      },
      SteadySeconds);
}

int DefaultJobs() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(std::min<unsigned>(cores, kMaxJobs));
}

int UsageError(const ToolStreams& streams, const std::string& message) {
  std::fputs(("lodema-batch: " + message + "\n" + UsageText()).c_str(), streams.errors);
  return kExitUsage;
}

// A problem that ends the run before it starts.
int RunFailure(const ToolStreams& streams, const std::string& problem) {
  Print(streams.errors, "lodema-batch: " + problem);
  return kExitFailed;
}

void ApplySettings(const CliOptions& options, Settings& settings) {
  bool plungeNamed = false;
  for (const auto& [key, value] : options.settings) {
    SetSettingFromText(settings, key, value);
    if (key == "PlungeName") plungeNamed = true;
  }
  // The conventions page names the core inclination after the zenith choice.
  if (!plungeNamed) settings.PlungeName = settings.ZenithConv ? "zenith" : "plunge";
}

// Which column feeds each entry box: by default the boxes the calculation
// shows take columns 1, 2, 3, ... in order (windows fixed by hand take
// none); --map names them. Boxes of fixed windows keep their typed text.
// With a survey, window C takes no column and the hole and depth columns are
// passed over.
ColumnMap ToolColumnMap(const CliOptions& options, const EntryLayout& layout,
                        std::array<bool, 4> fixedWindows) {
  const bool survey = !options.survey.empty();
  if (options.map) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if ((*options.map)[static_cast<std::size_t>(slot)] == kManuallyFixed) {
        fixedWindows[static_cast<std::size_t>(WindowOfSlot(slot))] = true;
      }
    }
  }
  ColumnMap map{};
  int next = 1;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int window = WindowOfSlot(slot);
    const bool offered = window < 2 || (window == 2 && layout.windowCVisible) ||
                         (window == 3 && layout.windowDVisible);
    const bool shown = layout.boxVisible[static_cast<std::size_t>(slot)];
    int& column = map[static_cast<std::size_t>(slot)];
    if (fixedWindows[static_cast<std::size_t>(window)]) {
      column = kManuallyFixed;
    } else if (options.map) {
      column = shown ? std::max((*options.map)[static_cast<std::size_t>(slot)], 0) : kNoColumn;
    } else if (offered && shown && !(survey && window == 2)) {
      while (survey && (next == options.holeColumn || next == options.depthColumn)) ++next;
      column = next++;
    }
  }
  return map;
}

// The survey (and collars) the options name, or no run and the problem.
struct ToolSurvey {
  std::shared_ptr<const SurveyRun> run;
  std::string problem;
};

ToolSurvey ReadToolSurvey(const CliOptions& options, const RowSchema& schema,
                          const std::string& delimiterSet) {
  const SurveyReading reading = SurveyReadingOf(schema, delimiterSet);
  InputFiles files;
  std::unique_ptr<LineReader> lines = files.Open(options.survey);
  if (!lines) return {nullptr, "cannot open the survey file '" + options.survey + "'"};
  SurveyTable::Read read = SurveyTable::FromLines(*lines, options.surveyColumns, reading);
  if (!read.table) return {nullptr, "survey file '" + options.survey + "': " + read.error};
  if (!options.collars.empty()) {
    std::unique_ptr<LineReader> collars = files.Open(options.collars);
    if (!collars) return {nullptr, "cannot open the collar file '" + options.collars + "'"};
    const std::string error = read.table->AddCollars(*collars, options.collarColumns, reading);
    if (!error.empty()) return {nullptr, "collar file '" + options.collars + "': " + error};
  }
  auto survey = std::make_shared<SurveyRun>();
  survey->table = std::make_shared<const SurveyTable>(std::move(*read.table));
  survey->holeColumn = options.holeColumn;
  survey->depthColumn = options.depthColumn;
  survey->positionColumns = !options.collars.empty();
  survey->axisColumns = options.axisColumns;
  return {survey, ""};
}

}  // namespace

int RunBatchTool(const CliOptions& options, const ToolStreams& streams) {
  Settings settings;
  ApplySettings(options, settings);
  settings.Calculation = options.calculation;
  const OrientGeometry::DecimalMark localeMark = NumberText::LocaleDecimalMark();
  if (options.decimalChar) {
    settings.NonLocaleDecimal = OrientGeometry::DecimalMarkOf(*options.decimalChar) != localeMark;
  }
  const CalculationInfo& info = CalculationAt(options.calculation);

  BatchJob job;
  BatchRunRequest& request = job.request;
  // A section trend also asks for the apparent dip, where one is offered.
  const bool extraResult =
      info.offersApparentDip &&
      std::any_of(options.fixes.begin(), options.fixes.end(),
                  [](const auto& fix) { return fix.first >= kSectionTrendBox; });
  request.schema = MakeRowSchema(options.calculation, settings, extraResult, localeMark);
  const RowSchema& schema = request.schema;
  std::array<bool, 4> fixedWindows{};
  for (const auto& [box, text] : options.fixes) {
    if (!schema.entries[static_cast<std::size_t>(box)].shown) {
      return UsageError(streams, "--fix: entry box " + std::to_string(box) +
                                     " is not used by calculation " +
                                     std::to_string(options.calculation));
    }
    request.keptTexts[static_cast<std::size_t>(box)] = text;
    // The two section trend boxes show the same text.
    if (box == kSectionTrendBox) request.keptTexts[kFileSectionTrendBox] = text;
    if (box == kFileSectionTrendBox) request.keptTexts[kSectionTrendBox] = text;
    if (box < kSlotCount) fixedWindows[static_cast<std::size_t>(WindowOfSlot(box))] = true;
  }

  ErrorStreamMessages messages(streams.errors);
  BatchPlatform platform;
  platform.messages = &messages;
  // The plot and the statistics are fed by the run's writer thread alone, in
  // input order, and read only after the run.
  platform.plotFedFromAnyThread = true;
  PlotSink* plotSink = nullptr;
  std::unique_ptr<BatchPlot> plot;
  if (!options.plotFile.empty()) {
    plot = std::make_unique<BatchPlot>(PlotViewOf(options));
    plot->DrawWhileRetaining(options.plotFile);
    plotSink = plot.get();
    platform.retain = plot.get();
  }
  // The written results for --stats and --contour, taken on the way to the plot.
  std::unique_ptr<ResultCollector> results;
  if (options.stats || options.contour) {
    results = std::make_unique<ResultCollector>(plot.get(), plot.get());
    plotSink = results.get();
    platform.retain = results.get();
    if (plot && options.contour) plot->SetContours(*options.contour, &results->Items());
  }
  ToolInputs inputs(streams.input);
  inputs.SetSheet(options.sheet);
  ToolOutputs outputs(streams.output, [&streams] { EndOnBrokenPipe(streams.errors); });
  if (plot) {
    const std::string problem = PlotFileProblem(options.plotFile, options.input, options.output,
                                                streams.input, streams.output);
    if (!problem.empty()) return RunFailure(streams, problem);
    plot->SetOutputFiles(&outputs);
  }

  request.sourceName = options.input;
  request.delimiterSet = InputDelimiterSetFromListText(options.delimiter);
  request.headings = options.headings;
  std::unique_ptr<LineReader> previewReader = inputs.Open(options.input);
  const PreviewGrid preview =
      BuildPreview(previewReader.get(), request.delimiterSet, request.headings);
  previewReader.reset();
  if (!inputs.Open(options.input)) {
    return RunFailure(streams, "cannot open the input file '" + options.input + "'");
  }
  if (!preview.problem.empty()) {
    Print(streams.errors, preview.problem);
    return kExitFailed;
  }
  const int columns = preview.columns;
  if (options.map) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const int column = (*options.map)[static_cast<std::size_t>(slot)];
      if (column != kManuallyFixed && column > columns) {
        return UsageError(streams, "--map: column " + std::to_string(column) + " is beyond the " +
                                       std::to_string(columns) + " columns of the input");
      }
    }
  }
  for (const int column : {options.holeColumn, options.depthColumn}) {
    if (column > columns) {
      return UsageError(streams, "--hole-column and --depth-column: column " +
                                     std::to_string(column) + " is beyond the " +
                                     std::to_string(columns) + " columns of the input");
    }
  }
  if (!options.survey.empty()) {
    ToolSurvey survey = ReadToolSurvey(options, schema, request.delimiterSet);
    if (!survey.run) return RunFailure(streams, survey.problem);
    request.survey = std::move(survey.run);
  }
  request.map = ToolColumnMap(options, EntryLayoutOf(schema), fixedWindows);
  if (!options.map) {
    // Default columns the source does not have are left without one.
    for (int& column : request.map) {
      if (column > columns) column = kNoColumn;
    }
  }
  job.sourceProblem = preview.notText ? NotTextMessage(options.input) : std::string();

  job.outputFile = options.output;
  job.outputDelimiter = OutputDelimiterFromListText(options.outputDelimiter);
  job.append = options.append;
  job.decimalChar = schema.output.decimalChar;
  job.pitchName = settings.gPitchName;
  job.columns.apparentDip = options.apparentDipColumns && schema.extraResultShown;
  if (info.solutions != SolutionOutput::kNone) {
    job.columns.referencePlane = options.referencePlaneColumns;
    job.columns.ambiguous = options.ambiguousColumns;
    job.columns.secondResult = options.secondResultColumns;
  }
  BatchOutputOptions& output = job.output;
  output.lastRowKept = false;  // no window to show it in
  output.retainInput = options.retainInput;
  output.inputAppended = options.retainInput && options.resultsFirst;
  output.keepNonData = options.retainInput && options.keepNonData;
  output.includeCaptions = options.captions;
  output.includeInputHeaders = options.retainInput && options.headings && options.inputHeaders;
  output.inputColumns = columns;

  inputs.StopKeeping();
  std::optional<ProgressLine> progress = ProgressLineFor(options, streams.errors);
  ResultWriter writer(platform, outputs);
  BatchRunner runner(writer, platform, inputs);
  runner.SetPlot(plotSink);
  if (progress) {
    messages.SetProgressLine(&*progress);
    runner.SetProgress(&*progress);
  }
  runner.SetJobs(options.jobs > 0 ? options.jobs : DefaultJobs());
  const JobRun run = RunBatchJob(job, writer, runner, inputs, outputs, &messages);
  const BatchOutcome& outcome = run.outcome;
  if (progress) progress->Clear();
  if (run.summary)
    messages.ShowMessage(*run.summary, kMessageTitle, MessageButtons::kOk,
                         MessageIcon::kExclamation);
  if (!outcome.sourceOpened) return kExitFailed;
  if (results && options.stats) {
    const std::string text =
        BatchStatisticsText(*results, {NotationOut(settings), schema.output.decimalChar});
    std::fputs(text.c_str(), streams.errors);
  }
  // A failed run keeps the previous plot, as it keeps the previous results.
  const bool failed = outcome.counts.dataRows == 0 || outcome.counts.unwrittenLines > 0 ||
                      !outcome.counts.readError.empty();
  if (failed) return kExitFailed;
  if (plot && !WriteBatchPlot(*plot, options.plotFile, streams.errors)) return kExitFailed;
  return kExitCompleted;
}

}  // namespace Lodema
