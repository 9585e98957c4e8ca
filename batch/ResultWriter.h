// SPDX-License-Identifier: MIT
// The output file's writer routines: result lines, header and non-data
// lines, the append-or-replace question and the record of the file last
// written. A batch run holds the file open for its whole length; a single
// save opens and closes it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/OutputFile.h"
#include "batch/Platform.h"
#include "batch/ResultColumns.h"

namespace Lodema {

// Shown when the output file cannot be opened or written.
inline constexpr const char* kOutputProblemMessage =
    "There has been a problem opening the output file.\r\nCheck the filename or the drive.";
// Shown when a run's lines could not be written (a full disk, say).
inline constexpr const char* kOutputWriteProblemMessage =
    "There has been a problem writing the output file.\r\nCheck the space on the drive.";
inline constexpr const char* kAppendQuestion =
    "You have already started entering data into this file.\r\n"
    "Do you want to append further results <YES>? \r\n"
    "(<NO> to continue with a new file).";

enum class WriteOutcome {
  kWritten,
  kNothingToWrite,  // no main result is shown
  kCancelled,       // the user cancelled the append question
  kFailed,          // the file could not be opened or written
};

class ResultWriter {
 public:
  ResultWriter(const BatchPlatform& platform, OutputFiles& files);
  ~ResultWriter();

  // What GetOutputFileInfo fixes before writing.
  void SetFileName(const std::string& name) {
    fileName_ = name;
    lastIsFileName_ = lastFileName_ == fileName_;
  }
  const std::string& FileName() const { return fileName_; }
  void SetDelimiter(const std::string& delimiter) { delimiter_ = delimiter; }
  const std::string& Delimiter() const { return delimiter_; }
  void SetColumnFlags(const ResultColumnFlags& flags) { flags_ = flags; }
  const ResultColumnFlags& ColumnFlags() const { return flags_; }
  // Called when the user answers Yes to the append question: the page
  // selects "Append data".
  void SetSelectAppendHandler(std::function<void()> handler) { selectAppend_ = std::move(handler); }

  // Which result boxes a line holds, and the user's word for pitch that
  // names the extra columns when no apparent dip is shown.
  void SetLayout(const RowSchema& schema, const std::string& pitchName) {
    schema_ = schema;
    pitchName_ = pitchName;
  }
  const RowSchema& Layout() const { return schema_; }
  // Columns after the results that each line's caller gives (a survey's
  // positions and axis), by caption.
  void SetExtraCaptions(std::vector<std::string> captions) { extraCaptions_ = std::move(captions); }
  const std::vector<std::string>& ExtraCaptions() const { return extraCaptions_; }
  // During a batch run lines carry the input line and nobody is asked
  // before a file is emptied.
  void SetBatchRunning(bool running) { batchRunning_ = running; }

  // Captions and R for the current layout; R is kept for the non-data
  // lines written afterwards.
  ResultCaptions GetResultCaptions();

  // Opens the output file for a run (appending, or emptying it); shows the
  // problem message and returns false when it cannot be opened.
  bool BeginRun(bool append);
  // Writes what is buffered and closes the file; returns the number of lines
  // the file did not take during the run. Without keep, a file opened for
  // replacing keeps its previous content (appended lines stay).
  std::int64_t EndRun(bool keep = true);

  // One result line from the texts of result boxes 0..13 (the shown ones
  // are written); inputLine is copied in during a batch run (none when
  // input data are not retained); extra holds the extra columns' texts.
  WriteOutcome WriteResultLine(const std::string& fileName, bool append, bool inputAppended,
                               const ResultBoxTexts& texts,
                               std::optional<std::string_view> inputLine = std::nullopt,
                               const std::vector<std::string>* extra = nullptr);
  // Lines a batch worker formatted (each ending with CR LF), written in the
  // run as if one by one; results tells whether any of them is a result
  // line (the record of the file last written follows). False when the
  // file did not take them.
  bool WritePreparedLines(std::string_view lines, bool results);
  // A header line (asIs) or a non-data row with R empty result fields before
  // (resultsFirst) or after it.
  bool WriteOutputLine(std::string_view text, bool resultsFirst, bool asIs);

 private:
  // The output file of a run: a workbook for an .xlsx name (never
  // appended to); nullptr with the message why when it cannot be opened.
  std::unique_ptr<OutputSink> OpenRunSink(bool append, std::string& problem);
  bool WriteLine(const std::string& fileName, bool append, std::string_view text);
  // WriteResultLine's steps after its check, with appendValues adding the
  // result values to the line.
  template <class AppendValues>
  WriteOutcome WriteComposedLine(const std::string& fileName, bool append, bool inputAppended,
                                 std::optional<std::string_view> inputLine,
                                 const AppendValues& appendValues);
  // True when lines for fileName go to the run's buffered file.
  bool InRunFile(const std::string& fileName) const;
  // After a line went to the run's file: false (and the problem shown once)
  // when the file did not take it.
  bool RunLineTaken();
  void ReportFailure(const char* message);

  BatchPlatform platform_;
  OutputFiles& files_;
  std::string fileName_;
  std::string delimiter_ = "\t";
  ResultColumnFlags flags_;
  RowSchema schema_ = MakeRowSchema(0, Settings{}, false, OrientGeometry::DecimalMark::kPoint);
  std::string pitchName_ = "pitch";
  std::vector<std::string> extraCaptions_;
  bool batchRunning_ = false;
  int resultCount_ = 0;
  std::function<void()> selectAppend_;

  std::string lastFileName_;
  // lastFileName_ == fileName_, known without comparing them for every line.
  bool lastIsFileName_ = false;
  bool IsLastFile(const std::string& fileName) const {
    return (&fileName == &fileName_ && lastIsFileName_) || fileName == lastFileName_;
  }
  bool fileStarted_ = false;

  std::unique_ptr<BufferedLineWriter> run_;
  bool runAppend_ = false;
  bool runWroteLines_ = false;
  bool runFailureShown_ = false;
  std::string line_;     // reused for every line
  LinePieces pieces_;    // the line being put together, its storage reused
};

}  // namespace Lodema
