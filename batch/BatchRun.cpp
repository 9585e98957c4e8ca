// SPDX-License-Identifier: MIT
#include "batch/BatchRun.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/Delimiters.h"
#include "batch/RowEntry.h"
#include "orient/NumberText.h"

namespace Lodema {

namespace {

// The texts of one row's entry boxes as the splitter fills them, as views.
// The row kernel checks the boxes it reads; a field in a box it does not
// read (one the calculation hides) is checked here, as a box typed into
// refuses it.
class RowTexts : public EntryTarget {
 public:
  RowTexts(const RowSchema& schema, EntryTexts& texts, unsigned kernelChecked)
      : schema_(schema), texts_(texts), kernelChecked_(kernelChecked) {}
  void SetEntry(int slot, std::string_view text) override {
    texts_[static_cast<std::size_t>(slot)] = text;
    if (!KernelChecks(slot) && !Accepts(slot, text)) refusedUnread_ = true;
  }
  bool RefusesAny() const override {
    if (refusedUnread_) return true;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (KernelChecks(slot) && !Accepts(slot, texts_[static_cast<std::size_t>(slot)])) {
        return true;
      }
    }
    return false;
  }
  // A field the kernel does not read was refused.
  bool RefusedUnread() const { return refusedUnread_; }

 private:
  bool KernelChecks(int slot) const { return (kernelChecked_ & (1U << slot)) != 0; }
  bool Accepts(int slot, std::string_view text) const {
    const EntryField& field = schema_.entries[static_cast<std::size_t>(slot)];
    return text.empty() || (field.shown && EntryAccepts(field.rule, text, schema_.localeMark));
  }

  const RowSchema& schema_;
  EntryTexts& texts_;
  const unsigned kernelChecked_;
  bool refusedUnread_ = false;
};

// Bit b: the row kernel checks entry box b's text.
unsigned KernelCheckedBoxes(const RowSchema& schema) {
  unsigned boxes = 0;
  for (int slot = 0; slot <= LastCheckedBox(schema); ++slot) {
    if (schema.entries[static_cast<std::size_t>(slot)].shown) boxes |= 1U << slot;
  }
  return boxes;
}

}  // namespace

BatchRunner::BatchRunner(ResultWriter& writer, const BatchPlatform& platform, InputFiles& inputs)
    : writer_(writer), platform_(platform), inputs_(inputs) {}

std::unique_ptr<LineReader> BatchRunner::OpenSource(const std::string& sourceName) {
  // Without a clipboard (the command-line tool) a name is always a file.
  if (platform_.clipboard != nullptr && IsPasteSourceName(sourceName)) {
    std::string text = platform_.clipboard->HasText() ? platform_.clipboard->Text() : std::string();
    if (text.empty()) return nullptr;
    return std::make_unique<TextLineReader>(std::move(text));
  }
  std::string name = sourceName;
  for (;;) {
    if (std::unique_ptr<LineReader> reader = inputs_.Open(name)) return reader;
    std::optional<std::string> chosen = chooseInputFile_ ? chooseInputFile_() : std::nullopt;
    if (!chosen) return nullptr;
    if (platform_.messages != nullptr) {
      platform_.messages->ShowMessage(kNotValidFileNameMessage, kMessageTitle, MessageButtons::kOk,
                                      MessageIcon::kExclamation);
    }
    name = *chosen;
  }
}

void BatchRunner::WriteHeader(LineReader& reader, const BatchRunRequest& request,
                              const BatchOutputOptions& options, std::int64_t& displayed) {
  const ResultCaptions captions = writer_.GetResultCaptions();
  const std::string& delimiter = writer_.Delimiter();
  std::string header;
  if (request.headings && reader.ReadLine(header) && options.retainInput &&
      options.includeInputHeaders) {
    std::string results;
    if (options.includeCaptions) {
      results = captions.text;
    } else {
      AppendEmptyFields(captions.count, delimiter, results);
    }
    const std::string line =
        options.inputAppended ? results + delimiter + header : header + delimiter + results;
    writer_.WriteOutputLine(line, options.inputAppended, true);
    displayed = 1;
    return;
  }
  if (!options.includeCaptions) return;
  if (!options.retainInput) {
    writer_.WriteOutputLine(captions.text, options.inputAppended, true);
    return;
  }
  std::string input;
  AppendEmptyFields(options.inputColumns, delimiter, input);
  const std::string line =
      options.inputAppended ? captions.text + delimiter + input : input + delimiter + captions.text;
  writer_.WriteOutputLine(line, options.inputAppended, true);
}

struct BatchRunner::RowContext {
  explicit RowContext(const BatchRunRequest& request)
      : schema(&request.schema),
        map(request.map),
        highest(HighestColumn(request.map)),
        delimiterSet(request.delimiterSet) {
    // The hole and depth columns are split off with the mapped ones.
    if (request.survey) {
      highest = std::max(highest, survey.emplace(*request.survey, request.schema).HighestColumn());
    }
    std::array<FieldKind, kSlotCount> kinds{};
    for (std::size_t box = 0; box < texts.size(); ++box) {
      keptTexts[box] = request.keptTexts[box];
      if (box < kinds.size()) kinds[box] = request.schema.entries[box].kind;
    }
    plan = MakeEntryPlan(map, kinds, request.schema.in.plane);
  }
  const RowSchema* schema = nullptr;
  const unsigned kernelChecked = KernelCheckedBoxes(*schema);  // after schema
  ColumnMap map{};
  int highest = 0;
  EntryPlan plan;
  EntryTexts keptTexts{};  // views of the request's
  std::string delimiterSet;
  std::vector<std::string_view> fields;  // views of the line, reused from row to row
  SuffixParts parts;
  EntryTexts texts{};
  // What the last row gave: its result, and the reason it has none.
  RowResult result;
  std::string uncomputedReason;
  std::optional<SurveyRowFiller> survey;
};

RowVerdict BatchRunner::FillRowTexts(std::string_view text, RowContext& row) {
  // The texts start as the kept ones and only mapped boxes are written.
  row.texts = row.keptTexts;
  if (!IsDataCandidate(text) ||
      SplitFields(text, row.delimiterSet, row.highest, row.fields) < row.highest) {
    return RowVerdict::kNonData;
  }
  // Read before the entries, which may insert a field.
  if (row.survey && !row.survey->Fill(row.fields, row.texts, row.uncomputedReason)) {
    return RowVerdict::kRejected;
  }
  RowTexts target(*row.schema, row.texts, row.kernelChecked);
  const RowVerdict verdict = FillEntries(row.fields, row.plan, row.parts, target);
  if (verdict == RowVerdict::kData && target.RefusedUnread()) return RowVerdict::kRejected;
  return verdict;
}

RowVerdict BatchRunner::RunRow(std::string_view text, RowContext& row) {
  row.result.presented = false;
  row.uncomputedReason.clear();
  const RowVerdict filled = FillRowTexts(text, row);
  if (filled != RowVerdict::kData) return filled;
  const RowSchema& schema = *row.schema;

  const ParsedRow parsed = ParseRow(row.texts, schema);
  if (parsed.status == ParseStatus::kIncomplete) return RowVerdict::kNonData;
  if (parsed.status != ParseStatus::kReady) return RowVerdict::kRejected;
  const CalcOutcome out = ComputeRow(parsed.inputs, schema, false);
  FormatOutcome(out, parsed.inputs, schema, row.result);
  if (out.Failed() && !out.batchMessage.empty()) {
    // The values were accepted but have no answer (identical planes, a
    // line normal to its plane): not a column or notation problem.
    row.uncomputedReason = out.failure;
    return RowVerdict::kRejected;
  }
  // The calculation produced nothing: count the row as not data rather
  // than drop it.
  if (!HasVisibleMainResult(schema, row.result.texts)) return RowVerdict::kNonData;
  return RowVerdict::kData;
}

BatchOutcome BatchRunner::Run(const BatchRunRequest& userRequest,
                              const BatchOutputOptions& options) {
  BatchOutcome outcome;
  std::unique_ptr<LineReader> reader = OpenSource(userRequest.sourceName);
  if (!reader) return outcome;
  // A source with its own field delimiter (a workbook) is split by it.
  std::optional<BatchRunRequest> sourceRequest;
  if (!reader->FieldDelimiter().empty()) {
    sourceRequest = userRequest;
    sourceRequest->delimiterSet = reader->FieldDelimiter();
  }
  const BatchRunRequest& request = sourceRequest ? *sourceRequest : userRequest;
  outcome.sourceOpened = true;
  writer_.SetBatchRunning(true);

  std::int64_t displayed = 0;
  processedAny_ = false;
  WriteHeader(*reader, request, options, displayed);
  progress_->CounterShown(true);
  progress_->Processed(0);

  const bool plotting = platform_.retain != nullptr || (plot_ != nullptr && plot_->IsShowing());
  if (jobs_ > 1 && (!plotting || platform_.plotFedFromAnyThread)) {
    RunRowsInParallel(*reader, request, options, displayed, outcome.counts);
  } else {
    RunRows(*reader, request, options, displayed, outcome.counts);
  }

  outcome.counts.readError = reader->ReadError();
  if (processedAny_ && options.lastRowKept) {
    RowContext row(request);
    FillRowTexts(lastLine_, row);
    std::array<std::string, kEntryBoxCount>& shown = outcome.lastRowTexts.emplace();
    for (std::size_t box = 0; box < shown.size(); ++box) shown[box] = row.texts[box];
  }
  writer_.SetBatchRunning(false);
  progress_->CounterShown(false);
  return outcome;
}

void BatchRunner::RunRows(LineReader& reader, const BatchRunRequest& request,
                          const BatchOutputOptions& options, std::int64_t& displayed,
                          BatchCounts& counts) {
  RowContext row(request);
  const bool plotShown = plot_ != nullptr && plot_->IsShowing();
  const std::string& outputFile = writer_.FileName();
  std::string_view line;

  while (reader.ReadLineView(line)) {
    if (progress_->StopRequested()) {
      // The line just read is left unrun: the run ends after the last one.
      counts.stopped = true;
      counts.stoppedAfterLine = counts.linesRead + (request.headings ? 1 : 0);
      break;
    }
    ++counts.linesRead;
    progress_->Processed(++displayed);
    // Only its start was read (and reading stops): neither data nor worth
    // copying; the summary reports the read error.
    if (reader.LineTooLong()) continue;
    const std::string_view text = NumberText::TrimLeadingSpaces(line);
    if (options.lastRowKept) lastLine_.assign(text);
    processedAny_ = true;
    const RowVerdict verdict = RunRow(text, row);
    if (!row.uncomputedReason.empty() && counts.uncomputedRows++ == 0) {
      counts.firstUncomputedLine = counts.linesRead + (request.headings ? 1 : 0);
      counts.uncomputedReason = row.uncomputedReason;
    }
    if (row.result.presented && plotShown) plot_->AddNewDataPoint(row.result.record);
    if (verdict == RowVerdict::kData) {
      ++counts.dataRows;
      writer_.WriteResultLine(
          outputFile, true, options.inputAppended, row.result.texts,
          options.retainInput ? std::optional<std::string_view>(text) : std::nullopt,
          row.survey ? &row.survey->ExtraTexts() : nullptr);
      if (platform_.retain != nullptr && plotShown) platform_.retain->PressRetain();
    } else if (options.retainInput && options.keepNonData) {
      writer_.WriteOutputLine(text, options.inputAppended, false);
    }
  }
}

}  // namespace Lodema
