// SPDX-License-Identifier: MIT
// A batch run as the file page and the command-line tool start it: the
// checks before anything is written (delimiters, the input named as output,
// a source that is not text, columns the source does not have), the run
// into the output file, and the summary.
#pragma once

#include <optional>
#include <string>

#include "batch/BatchRun.h"
#include "batch/OutputFile.h"
#include "batch/Platform.h"
#include "batch/ResultColumns.h"
#include "batch/ResultWriter.h"

namespace Lodema {

inline constexpr const char* kSameFileMessage =
    "The output file is the same as the input file.\r\nChoose another output file.";

// Why the delimiters cannot make a readable output file, if they cannot: an
// empty input set or output delimiter, or an output delimiter holding the
// results' decimal character.
std::optional<std::string> DelimiterProblem(const std::string& inputSet,
                                            const std::string& outputDelimiter, char decimalChar);

// Why a source cannot be used: binary content, or a name typed into the
// input box that names no file.
std::string NotTextMessage(const std::string& name);
std::string NoSuchFileMessage(const std::string& name);

// The page's status line after a run that needed no summary message.
std::string RunStatusText(std::int64_t rows, const std::string& outputFile);

// Why a run refuses a column map that reaches beyond the source's columns;
// window 0..3 = A..D.
std::string ColumnsBeyondSourceMessage(int window, int columns);

// Everything a run needs, decided by the file page or the tool.
struct BatchJob {
  BatchRunRequest request;
  BatchOutputOptions output;
  ResultColumnFlags columns;
  std::string outputFile;
  std::string outputDelimiter = "\t";
  bool append = false;
  char decimalChar = '.';         // of the results
  std::string pitchName = "pitch";  // names the extra columns without an apparent dip
  bool sourceIsClipboard = false;   // pasted rows: never the output file
  // What reading the source's first lines found: why it cannot be used.
  std::string sourceProblem;
};

// Why a job did not start; its message was shown and nothing was written.
enum class JobRefusal {
  kNone,
  kDelimiters,
  kSameFile,
  kSourceNotText,
  kColumnsBeyondSource,
  kOutputNotOpened,
};

struct JobRun {
  bool started = false;
  JobRefusal refusal = JobRefusal::kNone;
  BatchOutcome outcome;
  // The summary message for the caller to show; none when every row was
  // data.
  std::optional<std::string> summary;
};

// Checks the job (a refusal's message is shown) and runs it into its output
// file through writer and runner. A run that writes no result row, or whose source
// cannot be opened, keeps the output file's previous content.
JobRun RunBatchJob(const BatchJob& job, ResultWriter& writer, BatchRunner& runner,
                   InputFiles& inputs, OutputFiles& outputs, MessageBoxes* messages);

}  // namespace Lodema
