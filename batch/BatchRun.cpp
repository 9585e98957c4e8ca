// SPDX-License-Identifier: MIT
#include "batch/BatchRun.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/Delimiters.h"
#include "batch/RowEntry.h"
#include "calc/CalculatorModel.h"
#include "orient/NumberText.h"

namespace Lodema {

namespace {

// Types into the main window's entry boxes and remembers which boxes this
// row has filled.
class ModelEntryTarget : public EntryTarget {
 public:
  explicit ModelEntryTarget(CalculatorModel& model) : model_(model) {}
  void SetEntry(int slot, const std::string& text) override {
    filled_[slot] = true;
    model_.SetEntryText(slot, text);
  }
  bool Rejected() const override { return model_.MessageReportsFailure(); }
  void StartRow() { filled_.fill(false); }
  bool Filled(int slot) const { return filled_[slot]; }

 private:
  CalculatorModel& model_;
  std::array<bool, kSlotCount> filled_{};
};

// The box filled last in a row: while it is empty, no earlier box of the row
// can complete the entries and start a calculation.
constexpr std::string_view kCalculationFailurePrefix = "Error - ";

// The dispatcher's messages for values it accepted but could not compute
// begin "Error - "; invalid entries read "Error: Invalid Entry Values".
bool IsCalculationFailure(std::string_view message) {
  return message.substr(0, kCalculationFailurePrefix.size()) == kCalculationFailurePrefix;
}

int LastMappedSlot(const ColumnMap& map) {
  for (int slot = kSlotCount - 1; slot >= 0; --slot) {
    if (map[slot] >= 1) return slot;
  }
  return -1;
}

}  // namespace

BatchRunner::BatchRunner(CalculatorModel& model, ResultWriter& writer,
                         const BatchPlatform& platform, InputFiles& inputs)
    : model_(model), writer_(writer), platform_(platform), inputs_(inputs) {}

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

void BatchRunner::ClearBox(int slot) {
  // Emptying an empty box changes nothing, so it raises no change event.
  if (!model_.Controls().entryBoxes[slot].text.empty()) model_.SetEntryText(slot, std::string());
}

struct BatchRunner::RowContext {
  explicit RowContext(CalculatorModel& model) : target(model) {}
  ColumnMap map{};
  int highest = 0;
  std::array<int, kSlotCount> kinds{};
  int planeConventionIn = 1;
  std::string delimiterSet;
  // Every box that is not fixed starts the row empty. A data row refills
  // all mapped boxes, so emptying the last of them is enough up front; the
  // others are emptied after a row that stopped short (ProcessRow).
  std::vector<int> clearedFirst;
  ModelEntryTarget target;
  std::vector<std::string> fields;  // reused from row to row
  // Rows of plain numbers are typed into the model at once: the last
  // mapped box is then emptied only for rows typed box by box.
  bool atOnce = false;
  // Rows of a plain line, plane or angle result may go straight to the
  // output.
  bool straight = false;
  // The boxes emptied first were found empty after the last row, which was
  // written straight: no row empties or types them, so they still are.
  bool emptiedKnownEmpty = false;
  CalculatorModel::StraightRow straightRow;
  // The mapped slots and their columns, in slot order.
  std::vector<std::pair<int, int>> typedColumns;
  // Rows written straight read their numbers where they lie when the
  // delimiter allows (PlainNumberDelimiter): the columns read, ascending,
  // and for each mapped slot the index of its column there.
  char plainNumberDelimiter = 0;
  std::vector<int> plainColumns;
  std::vector<std::pair<int, std::size_t>> plainSlots;
  std::vector<PlainField> plainFields;
  CalculatorModel::FieldNumbers fieldNumbers{};
  int lastMapped = -1;
  std::vector<std::string_view> fieldViews;
  std::array<std::string_view, kSlotCount> typed{};
};

bool BatchRunner::EmptiedBoxesEmpty(const RowContext& row) const {
  const MainWindowControls& controls = model_.Controls();
  for (const int slot : row.clearedFirst) {
    if (!controls.entryBoxes[slot].text.empty()) return false;
  }
  return true;
}

bool BatchRunner::SplitTypedFields(std::string_view text, RowContext& row) {
  if (!IsDataCandidate(text) || SplitFieldViews(text, row.delimiterSet, row.highest, row.fieldViews,
                                                row.fields) < row.highest) {
    return false;
  }
  for (const auto& [slot, column] : row.typedColumns) {
    row.typed[slot] = row.fieldViews[column - 1];
  }
  return true;
}

bool BatchRunner::WriteRowStraight(std::string_view text, RowContext& row,
                                   const BatchOutputOptions& options) {
  const CalculatorModel::FieldNumbers* numbers = nullptr;
  if (row.plainNumberDelimiter != 0 && IsDataCandidate(text) &&
      ReadPlainFields(text, row.plainNumberDelimiter, row.plainColumns, row.plainFields)) {
    for (const auto& [slot, index] : row.plainSlots) {
      const PlainField& field = row.plainFields[index];
      row.typed[slot] = field.text;
      row.fieldNumbers[static_cast<std::size_t>(slot)] = {field.value, field.places};
    }
    numbers = &row.fieldNumbers;
  } else if (!SplitTypedFields(text, row)) {
    return false;
  }
  if (!model_.WriteRowStraight(row.typed, numbers, row.straightRow)) return false;
  writer_.WriteStraightResultLine(
      writer_.FileName(), options.inputAppended,
      options.retainInput ? std::optional<std::string_view>(text) : std::nullopt,
      row.straightRow.mainResults);
  return true;
}

bool BatchRunner::TypeRowAtOnce(std::string_view text, RowContext& row, RowVerdict& verdict) {
  if (!SplitTypedFields(text, row) || !model_.TypeRowAtOnce(row.typed)) return false;
  // As ProcessRow decides a row whose boxes were all filled.
  if (model_.MessageReportsFailure()) {
    verdict = RowVerdict::kRejected;
  } else if (!HasVisibleMainResult(model_.Controls())) {
    verdict = RowVerdict::kNonData;
  } else {
    verdict = RowVerdict::kData;
  }
  return true;
}

RowVerdict BatchRunner::ProcessRow(std::string_view text, RowContext& row) {
  const MainWindowControls& controls = model_.Controls();
  RowVerdict verdict = RowVerdict::kNonData;
  if (IsDataCandidate(text) &&
      SplitFields(text, row.delimiterSet, row.highest, row.fields) >= row.highest) {
    verdict = FillEntries(row.fields, row.map, row.kinds, row.planeConventionIn, row.target);
    if (verdict == RowVerdict::kData) {
      if (model_.MessageReportsFailure()) {
        verdict = RowVerdict::kRejected;
      } else if (!HasVisibleMainResult(controls)) {
        // The calculation produced nothing (a box left empty, or no
        // unique answer): count the row as not data rather than drop it.
        verdict = RowVerdict::kNonData;
      }
    }
  }
  if (verdict != RowVerdict::kData) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (row.map[slot] >= 1 && !row.target.Filled(slot)) ClearBox(slot);
    }
  }
  return verdict;
}

BatchOutcome BatchRunner::Run(const BatchRunRequest& request, const BatchOutputOptions& options) {
  BatchOutcome outcome;
  std::unique_ptr<LineReader> reader = OpenSource(request.sourceName);
  if (!reader) return outcome;
  outcome.sourceOpened = true;
  model_.SetBatchRunning(true);

  std::int64_t displayed = 0;
  WriteHeader(*reader, request, options, displayed);
  progress_->CounterShown(true);
  progress_->Processed(0);

  const bool plotting = platform_.retain != nullptr || model_.plot().IsShowing();
  if (jobs_ > 1 && (!plotting || platform_.plotFedFromAnyThread)) {
    RunRowsInParallel(*reader, request, options, displayed, outcome.counts);
  } else {
    RunRows(*reader, request, options, displayed, outcome.counts);
  }

  outcome.counts.readError = reader->ReadError();
  model_.SetBatchRunning(false);
  progress_->CounterShown(false);
  return outcome;
}

void BatchRunner::RunRows(LineReader& reader, const BatchRunRequest& request,
                          const BatchOutputOptions& options, std::int64_t& displayed,
                          BatchCounts& counts) {
  RowContext row(model_);
  row.map = request.map;
  row.highest = HighestColumn(row.map);
  row.kinds = model_.FieldKinds();
  row.planeConventionIn = model_.settings().PlaneConvIn;
  row.delimiterSet = request.delimiterSet;
  const int lastMapped = LastMappedSlot(row.map);
  std::array<CalculatorModel::RowBoxUse, kSlotCount> uses{};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    uses[slot] = row.map[slot] >= 1           ? CalculatorModel::RowBoxUse::kTyped
                 : row.map[slot] == kNoColumn ? CalculatorModel::RowBoxUse::kEmptied
                                              : CalculatorModel::RowBoxUse::kKept;
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (row.map[slot] == kNoColumn) row.clearedFirst.push_back(slot);
    if (row.map[slot] >= 1) row.typedColumns.emplace_back(slot, row.map[slot]);
  }
  struct RowsAtOnceScope {
    CalculatorModel& model;
    ~RowsAtOnceScope() { model.EndRowsAtOnce(); }
  } atOnceScope{model_};
  row.atOnce = rowsAtOnce_ && model_.PrepareRowsAtOnce(uses);
  row.straight =
      row.atOnce && straightRows_ && model_.StraightRowsReady() && writer_.MainResultsOnly();
  row.plainNumberDelimiter = PlainNumberDelimiter(row.delimiterSet);
  for (const auto& [slot, column] : row.typedColumns) row.plainColumns.push_back(column);
  std::sort(row.plainColumns.begin(), row.plainColumns.end());
  row.plainColumns.erase(std::unique(row.plainColumns.begin(), row.plainColumns.end()),
                         row.plainColumns.end());
  row.plainFields.resize(row.plainColumns.size());
  for (const auto& [slot, column] : row.typedColumns) {
    const auto at = std::lower_bound(row.plainColumns.begin(), row.plainColumns.end(), column);
    row.plainSlots.emplace_back(slot, static_cast<std::size_t>(at - row.plainColumns.begin()));
  }
  row.lastMapped = lastMapped;
  if (!row.atOnce && lastMapped >= 0) row.clearedFirst.push_back(lastMapped);
  const MainWindowControls& controls = model_.Controls();
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
    const std::string_view text = NumberText::TrimLeadingSpaces(line);
    const bool tooLong = reader.LineTooLong();
    if (row.straight && !tooLong && (row.emptiedKnownEmpty || EmptiedBoxesEmpty(row)) &&
        WriteRowStraight(text, row, options)) {
      row.emptiedKnownEmpty = true;
      progress_->Processed(++displayed);
      ++counts.dataRows;
      if (platform_.retain != nullptr && model_.plot().IsShowing()) {
        platform_.retain->PressRetain();
      }
      continue;
    }
    row.emptiedKnownEmpty = false;
    // The model stops writing straight a run whose rows mostly need it.
    if (row.straight && !model_.StraightRowsReady()) row.straight = false;
    // Everything below uses the model: first the state of the last row
    // written straight.
    model_.CatchUpStraightRows();
    for (const int slot : row.clearedFirst) {
      if (!controls.entryBoxes[slot].text.empty()) ClearBox(slot);
    }
    row.target.StartRow();
    if (!controls.messagePanel.caption.empty()) model_.ClearMessage();
    progress_->Processed(++displayed);

    RowVerdict verdict = RowVerdict::kNonData;
    if (!row.atOnce || tooLong || !TypeRowAtOnce(text, row, verdict)) {
      if (row.atOnce && !controls.entryBoxes[row.lastMapped].text.empty()) {
        ClearBox(row.lastMapped);
      }
      // Only its start was read (and reading stops): neither data nor worth
      // copying; the summary reports the read error.
      if (tooLong) continue;
      verdict = ProcessRow(text, row);
    }
    if (verdict == RowVerdict::kRejected && IsCalculationFailure(controls.messagePanel.caption)) {
      // The values were accepted but have no answer (identical planes, a
      // line normal to its plane): not a column or notation problem.
      if (counts.uncomputedRows++ == 0) {
        counts.firstUncomputedLine = counts.linesRead + (request.headings ? 1 : 0);
        counts.uncomputedReason =
            controls.messagePanel.caption.substr(kCalculationFailurePrefix.size());
      }
    }
    if (verdict == RowVerdict::kData) {
      ++counts.dataRows;
      writer_.WriteResultLine(
          outputFile, true, options.inputAppended,
          options.retainInput ? std::optional<std::string_view>(text) : std::nullopt);
      if (platform_.retain != nullptr && model_.plot().IsShowing()) {
        platform_.retain->PressRetain();
      }
    } else if (options.retainInput && options.keepNonData) {
      writer_.WriteOutputLine(text, options.inputAppended, false);
    }
  }
}

}  // namespace Lodema
