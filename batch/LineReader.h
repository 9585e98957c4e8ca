// SPDX-License-Identifier: MIT
// Sources of data lines for the preview and the batch run: a text file read
// as a stream (a run never holds the whole file), or text pasted from the
// clipboard.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "batch/FileIdentity.h"

namespace Lodema {

class Utf16Decoder;

inline constexpr std::size_t kMaxLineBytes = std::size_t{64} << 20;  // 64 MiB

class LineReader {
 public:
  virtual ~LineReader() = default;
  // The next line without its line end; false when the source is exhausted.
  virtual bool ReadLine(std::string& line) = 0;
  // The same as a view that lasts until the next read: of the source's own
  // buffer where the line lies whole in it, otherwise of a copy.
  virtual bool ReadLineView(std::string_view& line) {
    if (!ReadLine(copy_)) {
      line = {};
      return false;
    }
    line = copy_;
    return true;
  }
  // Whole lines as they stand in the source, line ends kept, appended to
  // block: at most maxLines lines and about maxBytes bytes, and only lines
  // that lie whole in the source's own buffer. The number of lines taken;
  // 0 when the next line must be read with ReadLineView (the buffer is
  // empty or holds only its start) or the source keeps no such buffer.
  // TakeLine splits the taken text into the lines ReadLineView gives.
  virtual int TakeWholeLines(std::string& /*block*/, int /*maxLines*/, std::size_t /*maxBytes*/) {
    return 0;
  }
  // Why reading stopped early ("" when the source simply ended).
  virtual std::string ReadError() const { return {}; }
  // True when the line just read was longer than a line may be: only its
  // start was kept, and reading stops there (ReadError says why).
  virtual bool LineTooLong() const { return false; }
  // The characters that separate this source's fields whatever the user's
  // delimiter setting ("" for that setting): a workbook's cells are TAB
  // separated.
  virtual std::string_view FieldDelimiter() const { return {}; }
  // Why the source cannot be used at all, as a message naming it; "" when
  // it can (a workbook that fails before its first row).
  virtual std::string SourceProblem() const { return {}; }

 private:
  std::string copy_;
};

// A text file read line by line. CR LF, LF and a lone CR all end a line; a
// last line without a line end still counts, and a line end at the very end
// of the file does not start another (empty) line. A file that starts with a
// UTF-16 byte-order mark is read as UTF-8.
class FileLineReader : public LineReader {
 public:
  // nullptr when the file cannot be opened for reading (directories included).
  static std::unique_ptr<FileLineReader> Open(const std::string& path);
  // Reads an already open stream (standard input); it is not closed. A line
  // keeps at most maxLineBytes (a line without end, such as /dev/zero, must
  // not take all memory).
  explicit FileLineReader(std::FILE* stream, bool owned = false,
                          std::size_t maxLineBytes = kMaxLineBytes);
  ~FileLineReader() override;
  FileLineReader(const FileLineReader&) = delete;
  FileLineReader& operator=(const FileLineReader&) = delete;

  bool ReadLine(std::string& line) override;
  bool ReadLineView(std::string_view& line) override;
  int TakeWholeLines(std::string& block, int maxLines, std::size_t maxBytes) override;
  std::string ReadError() const override { return readError_; }
  bool LineTooLong() const override { return tooLong_; }

 private:
  bool Fill();

  std::FILE* stream_;
  bool owned_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool skipLf_ = false;  // the previous line ended with CR: a LF next is part of it
  std::string readError_;
  std::size_t maxLineBytes_;
  bool tooLong_ = false;
  std::string spanningLine_;             // a line that did not lie whole in the buffer
  bool started_ = false;                 // the start was checked for a byte-order mark
  std::unique_ptr<Utf16Decoder> utf16_;  // the file is UTF-16
};

// The first line of text that holds whole lines each ended by CR LF, LF or a
// lone CR (as TakeWholeLines gives them), without its line end; text is left
// with what follows that line end.
std::string_view TakeLine(std::string_view& text);

// Rows of pasted text. Lines are separated by CR and LF; empty lines and the
// leading blanks of a line are dropped, every other line is kept (including a
// one-character last line).
class TextLineReader : public LineReader {
 public:
  explicit TextLineReader(std::string text);
  bool ReadLine(std::string& line) override;

 private:
  std::string text_;
  int position_ = 1;
};

// True for an input source name that stands for the clipboard.
bool IsPasteSourceName(std::string_view name);

// Opens named input files; the command-line tool replaces it to read
// standard input. A workbook is read from its chosen sheet.
class InputFiles {
 public:
  virtual ~InputFiles() = default;
  virtual std::unique_ptr<LineReader> Open(const std::string& path);
  // The sheet of workbooks to read: a name, or a position from 1; "" for
  // the first.
  void SetSheet(std::string sheet) { sheet_ = std::move(sheet); }
  const std::string& Sheet() const { return sheet_; }
  // The file that path reads, when it is a regular file.
  virtual std::optional<FileIdentity> Identity(const std::string& path) {
    return IdentityOfPath(path);
  }

 private:
  std::string sheet_;
};

}  // namespace Lodema
