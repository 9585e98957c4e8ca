// SPDX-License-Identifier: MIT
#include "batch/BatchJob.h"

#include "batch/ColumnMapping.h"
#include "batch/Delimiters.h"
#include "batch/FileIdentity.h"

namespace Lodema {

namespace {

void Show(MessageBoxes* messages, const std::string& text, MessageIcon icon) {
  if (messages != nullptr) messages->ShowMessage(text, kMessageTitle, MessageButtons::kOk, icon);
}

// The first window (0..3) with a slot mapped beyond columns, if any.
std::optional<int> WindowBeyondColumns(const ColumnMap& map, int columns) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (map[static_cast<std::size_t>(slot)] > columns) return WindowOfSlot(slot);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> DelimiterProblem(const std::string& inputSet,
                                            const std::string& outputDelimiter, char decimalChar) {
  if (inputSet.empty()) {
    return std::string(
        "The input delimiter is empty.\r\n"
        "Choose tab, space, any, or the characters that separate the columns.");
  }
  if (outputDelimiter.empty()) {
    return std::string(
        "The output delimiter is empty: the result fields could not be told apart.\r\n"
        "Choose tab, space or a character.");
  }
  if (std::optional<std::string> unreadable = UnreadableOutputDelimiter(outputDelimiter)) {
    return unreadable;
  }
  if (outputDelimiter.find(decimalChar) != std::string::npos) {
    const std::string mark(1, decimalChar);
    return "Results are written with the decimal character \"" + mark +
           "\", which is also in the output delimiter: a value such as 29" + mark +
           "1 could not be told from two fields.\r\n"
           "Choose another output delimiter or the other decimal character.";
  }
  return std::nullopt;
}

std::string NotTextMessage(const std::string& name) {
  return "\"" + name + "\" is not a text file.";
}

std::string NoSuchFileMessage(const std::string& name) {
  return "There is no file \"" + name + "\".";
}

std::string RunStatusText(std::int64_t rows, const std::string& outputFile) {
  return std::to_string(rows) + (rows == 1 ? " row" : " rows") + " written to " + outputFile;
}

std::string ColumnsBeyondSourceMessage(int window, int columns) {
  return "Window " + std::string(1, static_cast<char>('A' + window)) +
         " is set to a column the input does not have (it has " + std::to_string(columns) +
         (columns == 1 ? " column)." : " columns).") +
         "\r\nChoose its columns again before starting.";
}

JobRun RunBatchJob(const BatchJob& job, ResultWriter& writer, BatchRunner& runner,
                   InputFiles& inputs, OutputFiles& outputs, MessageBoxes* messages) {
  JobRun run;
  writer.SetFileName(job.outputFile);
  writer.SetDelimiter(job.outputDelimiter);
  writer.SetColumnFlags(job.columns);
  writer.SetLayout(job.request.schema, job.pitchName);
  writer.SetExtraCaptions(SurveyCaptions(job.request.survey.get(), job.request.schema));
  if (std::optional<std::string> problem =
          DelimiterProblem(job.request.delimiterSet, job.outputDelimiter, job.decimalChar)) {
    Show(messages, *problem, MessageIcon::kCritical);
    run.refusal = JobRefusal::kDelimiters;
    return run;
  }
  // Emptying or appending to the file being read would destroy the data or
  // never reach its end. Compared as files on disk, so that other names for
  // the same file (links, or the tool's standard streams) are caught too.
  const std::string& source = job.request.sourceName;
  if (!job.sourceIsClipboard && !source.empty() && !job.outputFile.empty()) {
    const std::optional<FileIdentity> input = inputs.Identity(source);
    if (input && input == outputs.Identity(job.outputFile)) {
      Show(messages, kSameFileMessage, MessageIcon::kCritical);
      run.refusal = JobRefusal::kSameFile;
      return run;
    }
  }
  if (!job.sourceProblem.empty()) {
    Show(messages, job.sourceProblem, MessageIcon::kExclamation);
    run.refusal = JobRefusal::kSourceNotText;
    return run;
  }
  // A window fed from columns the source does not have can only give blank
  // rows: say which window, and leave the output file alone.
  const int columns = job.output.inputColumns;
  if (const std::optional<int> window = WindowBeyondColumns(job.request.map, columns);
      window && columns > 0) {
    Show(messages, ColumnsBeyondSourceMessage(*window, columns), MessageIcon::kExclamation);
    run.refusal = JobRefusal::kColumnsBeyondSource;
    return run;
  }
  if (!writer.BeginRun(job.append)) {
    run.refusal = JobRefusal::kOutputNotOpened;
    return run;
  }
  run.started = true;
  run.outcome = runner.Run(job.request, job.output);
  // A run that found nothing to write, or could not read its source to the
  // end, leaves the previous results in place.
  const BatchCounts& counts = run.outcome.counts;
  run.outcome.counts.unwrittenLines =
      writer.EndRun(run.outcome.sourceOpened && counts.dataRows > 0 && counts.readError.empty());
  if (run.outcome.sourceOpened) {
    run.summary = BatchSummaryText(run.outcome.counts);
  }
  return run;
}

}  // namespace Lodema
