// SPDX-License-Identifier: MIT
#include "batch/ResultWriter.h"

#include "batch/OutputTargets.h"
#include "batch/WorkbookOutput.h"

namespace Lodema {

ResultWriter::ResultWriter(const BatchPlatform& platform, OutputFiles& files)
    : platform_(platform), files_(files) {}

ResultWriter::~ResultWriter() {
  if (run_) run_->Finish();
}

ResultCaptions ResultWriter::GetResultCaptions() {
  ResultCaptions captions = Lodema::GetResultCaptions(schema_, flags_, pitchName_, delimiter_);
  for (const std::string& caption : extraCaptions_) {
    captions.text.append(delimiter_);
    captions.text.append(caption);
    ++captions.count;
  }
  resultCount_ = captions.count;
  return captions;
}

bool ResultWriter::BeginRun(bool append) {
  if (run_) EndRun();
  std::string problem;
  std::unique_ptr<OutputSink> sink = OpenRunSink(append, problem);
  if (!sink) {
    if (platform_.messages != nullptr) {
      platform_.messages->ShowMessage(problem, kMessageTitle, MessageButtons::kOk,
                                      MessageIcon::kCritical);
    }
    return false;
  }
  run_ = std::make_unique<BufferedLineWriter>(std::move(sink));
  runAppend_ = append;
  if (!append) {
    // The file was just emptied for this run: nothing in it to protect yet.
    lastFileName_ = fileName_;
    lastIsFileName_ = true;
    fileStarted_ = false;
  }
  runWroteLines_ = false;
  runFailureShown_ = false;
  return true;
}

std::unique_ptr<OutputSink> ResultWriter::OpenRunSink(bool append, std::string& problem) {
  const bool workbook = files_.MakesWorkbooks() && IsWorkbookOutputName(fileName_);
  if (workbook && append) {
    problem = kWorkbookAppendMessage;
    return nullptr;
  }
  std::unique_ptr<OutputSink> sink = files_.Open(fileName_, append);
  if (sink && workbook) {
    sink = WorkbookOutputSink(std::move(sink), delimiter_, schema_.output.decimalChar, problem);
    if (!sink) problem = OutputProblemText(problem);
  } else if (!sink) {
    problem = OutputProblemText(files_.OpenProblem());
  }
  return sink;
}

std::int64_t ResultWriter::EndRun(bool keep) {
  if (!run_) return 0;
  if (!keep) {
    // A replaced file keeps its previous content.
    run_->Abandon();
    run_.reset();
    return 0;
  }
  run_->Finish();
  if (run_->TakeNewFailure()) ReportFailure(kOutputWriteProblemMessage);
  const std::int64_t failed = run_->FailedLines();
  run_.reset();
  // A run in "Replace data" mode started this file afresh: a later save in
  // the same mode must ask before emptying it.
  if (!runAppend_ && runWroteLines_) {
    lastFileName_ = fileName_;
    lastIsFileName_ = true;
    fileStarted_ = true;
  }
  return failed;
}

void ResultWriter::ReportFailure(const char* message) {
  if (run_) {
    // Once per run: a long run with a full disk must not raise a box per row.
    if (runFailureShown_) return;
    runFailureShown_ = true;
  }
  if (platform_.messages != nullptr) {
    platform_.messages->ShowMessage(message, kMessageTitle, MessageButtons::kOk,
                                    MessageIcon::kCritical);
  }
}

bool ResultWriter::InRunFile(const std::string& fileName) const {
  // A batch run passes FileName() itself: no need to compare the text.
  return run_ && (&fileName == &fileName_ || fileName == fileName_);
}

bool ResultWriter::RunLineTaken() {
  runWroteLines_ = true;
  if (run_->TakeNewFailure()) {
    ReportFailure(kOutputWriteProblemMessage);
    return false;
  }
  return true;
}

bool ResultWriter::WriteLine(const std::string& fileName, bool append, std::string_view text) {
  if (InRunFile(fileName)) {
    run_->WriteLine(text);
    return RunLineTaken();
  }
  // A single line outside a run would make an .xlsx name hold text.
  if (files_.MakesWorkbooks() && IsWorkbookOutputName(fileName)) {
    ReportFailure(kWorkbookAppendMessage);
    return false;
  }
  if (!WriteSingleLine(files_, fileName, append, text)) {
    ReportFailure(kOutputProblemMessage);
    return false;
  }
  return true;
}

template <class AppendValues>
WriteOutcome ResultWriter::WriteComposedLine(const std::string& fileName, bool append,
                                             bool inputAppended,
                                             std::optional<std::string_view> inputLine,
                                             const AppendValues& appendValues) {
  const bool batch = batchRunning_;
  if (!IsLastFile(fileName)) {
    fileStarted_ = false;
  } else if (!append && fileStarted_) {
    MessageAnswer answer = MessageAnswer::kYes;
    if (!batch && platform_.messages != nullptr) {
      answer = platform_.messages->ShowMessage(
          kAppendQuestion, kMessageTitle, MessageButtons::kYesNoCancel, MessageIcon::kQuestion);
    }
    if (answer == MessageAnswer::kCancel) return WriteOutcome::kCancelled;
    if (answer == MessageAnswer::kYes) {
      if (selectAppend_) selectAppend_();
      append = true;
      fileStarted_ = false;
    }
  }

  LinePieces& line = pieces_;
  line.Clear();
  if (batch && inputLine && !inputAppended) {
    line.Add(*inputLine);
    line.Add(delimiter_);
  }
  appendValues(line);
  if (batch && inputLine && !inputLine->empty() && inputAppended) {
    line.Add(delimiter_);
    line.Add(*inputLine);
  }
  if (InRunFile(fileName)) {
    // A batch run's line is put together where it is buffered.
    line.CopyTo(run_->LineRoom(line.Size()));
    run_->EndLine(line.Size());
    if (!RunLineTaken()) return WriteOutcome::kFailed;
  } else {
    line_.resize(line.Size());
    line.CopyTo(line_.data());
    if (!WriteLine(fileName, append, line_)) return WriteOutcome::kFailed;
  }

  // A batch run writes every line to the same file: no copy per line.
  if (!IsLastFile(fileName)) {
    lastFileName_ = fileName;
    lastIsFileName_ = fileName == fileName_;
  }
  // After emptying the file it holds results: the next replacing save asks
  // first (the flag is set every time, not toggled).
  fileStarted_ = !append;
  return WriteOutcome::kWritten;
}

WriteOutcome ResultWriter::WriteResultLine(const std::string& fileName, bool append,
                                           bool inputAppended, const ResultBoxTexts& texts,
                                           std::optional<std::string_view> inputLine,
                                           const std::vector<std::string>* extra) {
  if (!HasVisibleMainResult(schema_, texts)) return WriteOutcome::kNothingToWrite;
  return WriteComposedLine(fileName, append, inputAppended, inputLine, [&](LinePieces& line) {
    AppendResultValues(schema_, texts, flags_, delimiter_, line);
    if (extra == nullptr) return;
    for (const std::string& value : *extra) {
      line.Add(delimiter_);
      line.Add(value);
    }
  });
}

bool ResultWriter::WritePreparedLines(std::string_view lines, bool results) {
  if (!run_ || lines.empty()) return true;
  run_->WriteLines(lines);
  runWroteLines_ = true;
  // A batch result line is written in append mode (WriteResultLine).
  if (results) {
    lastFileName_ = fileName_;
    lastIsFileName_ = true;
    fileStarted_ = false;
  }
  if (run_->TakeNewFailure()) {
    ReportFailure(kOutputWriteProblemMessage);
    return false;
  }
  return true;
}

bool ResultWriter::WriteOutputLine(std::string_view text, bool resultsFirst, bool asIs) {
  line_.clear();
  if (asIs) {
    line_.append(text);
  } else if (resultsFirst) {
    for (int i = 0; i < resultCount_; ++i) line_.append(delimiter_);
    line_.append(text);
  } else {
    line_.append(text);
    for (int i = 0; i < resultCount_; ++i) line_.append(delimiter_);
  }
  return WriteLine(fileName_, true, line_);
}

}  // namespace Lodema
