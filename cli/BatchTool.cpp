// SPDX-License-Identifier: MIT
#include "cli/BatchTool.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "batch/FilePage.h"
#include "batch/LineReader.h"
#include "batch/OutputFile.h"
#include "calc/CalculatorModel.h"
#include "calc/SettingsIO.h"
#include "cli/BatchPlot.h"
#include "cli/BatchStatistics.h"
#include "cli/ProgressLine.h"
#include "cli/ToolFiles.h"
#include "orient/NumberText.h"

namespace Lodema {

namespace {

void Print(std::FILE* stream, const std::string& text) {
  std::string plain;
  plain.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    plain += text[i];
  }
  plain += '\n';
  std::fputs(plain.c_str(), stream);
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

// The progress line for this run on the errors stream, or none.
std::optional<ProgressLine> ProgressLineFor(const CliOptions& options, std::FILE* errors) {
  if (!ShouldShowProgress(options.quiet, isatty(fileno(errors)) == 1)) return std::nullopt;
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

void ApplySettings(const CliOptions& options, Settings& settings) {
  bool plungeNamed = false;
  for (const auto& [key, value] : options.settings) {
    SetSettingFromText(settings, key, value);
    if (key == "PlungeName") plungeNamed = true;
  }
  // The conventions page names the core inclination after the zenith choice.
  if (!plungeNamed) settings.PlungeName = settings.ZenithConv ? "zenith" : "plunge";
}

}  // namespace

int RunBatchTool(const CliOptions& options, const ToolStreams& streams) {
  CalculatorModel model;
  const bool localeComma = NumberText::LocaleUsesCommaDecimal();
  model.SetLocaleUsesComma(localeComma);
  Settings& settings = model.settings();
  ApplySettings(options, settings);
  settings.Calculation = options.calculation;
  if (options.decimalChar) settings.NonLocaleDecimal = (*options.decimalChar == ',') != localeComma;
  model.ApplySettingsToControls();
  model.ShowStoredCalculation();

  for (const auto& [box, text] : options.fixes) {
    if (box >= 11 && model.Controls().apparentDipBox.visible) model.SetApparentDipShown(true);
    if (!model.Controls().entryBoxes[box].visible) {
      return UsageError(streams, "--fix: entry box " + std::to_string(box) +
                                     " is not used by calculation " +
                                     std::to_string(options.calculation));
    }
    model.SetEntryText(box, text);
  }

  ErrorStreamMessages messages(streams.errors);
  BatchPlatform platform;
  platform.messages = &messages;
  // The plot and the statistics are fed by the run's writer thread alone, in
  // input order, and read only after the run.
  platform.plotFedFromAnyThread = true;
  std::unique_ptr<BatchPlot> plot;
  if (!options.plotFile.empty()) {
    plot = std::make_unique<BatchPlot>(PlotViewOf(options));
    plot->DrawWhileRetaining(options.plotFile);
    model.SetPlotSink(plot.get());
    platform.retain = plot.get();
  }
  // The written results for --stats and --contour, taken on the way to the plot.
  std::unique_ptr<ResultCollector> results;
  if (options.stats || options.contour) {
    results = std::make_unique<ResultCollector>(plot.get(), plot.get());
    model.SetPlotSink(results.get());
    platform.retain = results.get();
    if (plot && options.contour) plot->SetContours(*options.contour, &results->Items());
  }
  ToolInputs inputs(streams.input);
  ToolOutputs outputs(streams.output, [&streams] { EndOnBrokenPipe(streams.errors); });
  if (plot) {
    const std::string problem =
        PlotFileProblem(options.plotFile, options.input, options.output, inputs, outputs);
    if (!problem.empty()) {
      Print(streams.errors, "lodema-batch: " + problem);
      return kExitFailed;
    }
    plot->SetOutputFiles(&outputs);
  }
  FilePageModel page(model, platform, &inputs, &outputs);

  page.SetInputDelimiterText(options.delimiter);
  page.SetTableHeadings(options.headings);
  for (const auto& [box, text] : options.fixes) {
    if (box < kSlotCount) page.SetManualFix(WindowOfSlot(box), true);
  }
  page.SetInputSource(options.input);
  if (!inputs.Open(options.input)) {
    Print(streams.errors, "lodema-batch: cannot open the input file '" + options.input + "'");
    return kExitFailed;
  }
  if (options.map) {
    const int columns = page.InputColumnCount();
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const int column = (*options.map)[slot];
      if (column == kManuallyFixed) {
        page.SetManualFix(WindowOfSlot(slot), true);
      } else if (column > columns) {
        return UsageError(streams, "--map: column " + std::to_string(column) + " is beyond the " +
                                       std::to_string(columns) + " columns of the input");
      }
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const int column = (*options.map)[slot];
      if (column >= 0) page.SetColumnListIndex(slot, column);
    }
  }

  page.SetOutputFileText(options.output);
  page.SetOutputDelimiterText(options.outputDelimiter);
  page.SetAppendData(options.append);
  page.SetOutputOption(kOptRetainInput, options.retainInput);
  if (options.resultsFirst) page.SetOutputOption(kOptResultsFirst, true);
  page.SetOutputOption(kOptKeepNonData, options.keepNonData);
  page.SetOutputOption(kOptInputHeaders, options.inputHeaders);
  page.SetOutputOption(kOptApparentDipColumns, options.apparentDipColumns);
  page.SetOutputOption(kOptRefPlaneColumns, options.referencePlaneColumns);
  page.SetOutputOption(kOptAmbiguousColumns, options.ambiguousColumns);
  page.SetOutputOption(kOptSecondResultColumns, options.secondResultColumns);
  page.SetOutputOption(kOptResultCaptions, options.captions);

  inputs.StopKeeping();
  std::optional<ProgressLine> progress = ProgressLineFor(options, streams.errors);
  if (progress) {
    messages.SetProgressLine(&*progress);
    page.SetProgressHandler([&progress](int rows) { progress->Update(rows); });
  }
  page.SetBatchJobs(options.jobs > 0 ? options.jobs : DefaultJobs());
  const BatchOutcome outcome = page.StartBatchInput(1);
  if (progress) progress->Clear();
  if (!outcome.sourceOpened) return kExitFailed;
  if (results && options.stats) {
    const std::string text =
        BatchStatisticsText(*results, OutputNotationOf(settings, model.OutputDecimalChar()));
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
