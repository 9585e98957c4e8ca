// SPDX-License-Identifier: MIT
// A workbook sheet read row by row, each row given as one line whose cells
// are separated by TAB: the batch run and the preview then split it with
// TAB alone, so every cell is exactly one field. A TAB, CR or LF inside a
// cell's text becomes a blank (a note with a line break stays one field).
// Trailing empty cells of a row and trailing empty rows of a sheet are not
// given, as a text export leaves them out; empty rows between rows are
// given as empty lines.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "batch/LineReader.h"
#include "batch/XmlStream.h"

namespace Lodema {

// The largest sheets spreadsheet programs make, with room to spare: a row
// or cell declared beyond them (by a repeat count, or a cell reference) is
// refused rather than expanded.
inline constexpr std::int64_t kMaxSheetRows = std::int64_t{1} << 24;
inline constexpr std::int64_t kMaxSheetColumns = std::int64_t{1} << 14;

// The text of a number cell's stored value: the shortest that reads back as
// the same double, with "." as decimal character; the stored text itself
// when it is no number.
std::string NumberCellText(std::string_view stored);

// Cells of one row put together into its line.
class RowLine {
 public:
  // Appends text to the cell being read (cells arrive in pieces).
  void AppendText(std::string_view text);
  // Ends the cell being read, given repeat times from column (0-based; -1:
  // the one after the last). False when the cell lies beyond the sheet's
  // columns.
  bool EndCell(std::int64_t column, std::int64_t repeat);
  // The line of the row read so far; starts the next row.
  std::string Take();
  // The row read so far is longer than a line may be (kMaxLineBytes): the
  // rest of its text was not kept.
  bool TooLong() const { return tooLong_; }

 private:
  std::string line_;
  std::string cell_;
  std::int64_t columns_ = 0;       // cells given so far, empty ones included
  std::int64_t writtenCells_ = 0;  // cells already in line_
  bool tooLong_ = false;
};

// Rows of a sheet as its parser finds them, handed out line by line.
class SheetRows : public XmlHandler {
 public:
  ~SheetRows() override = default;
  // The next row's line; false at the end of the sheet or on a problem.
  bool Next(std::string& line);
  const std::string& Problem() const { return problem_; }

 protected:
  // The part to read; call once from the derived constructor.
  void Begin(std::unique_ptr<ArchivePart> part);
  // A row at index (0-based; -1: the one after the last), given repeat
  // times. False (the sheet then fails) when it lies beyond kMaxSheetRows.
  bool AddRow(RowLine& line, std::int64_t index, std::int64_t repeat);
  void Fail(std::string problem);
  // True once the sheet's rows are all read (the parser may go on).
  void Finish() { finished_ = true; }
  bool Finished() const { return finished_; }

 private:
  std::unique_ptr<XmlStream> stream_;
  std::deque<std::pair<std::string, std::int64_t>> ready_;  // lines and how often
  std::int64_t rows_ = 0;          // rows declared so far, empty ones included
  std::int64_t pendingEmpty_ = 0;  // empty rows not given until a row follows
  bool finished_ = false;
  std::string problem_;
};

}  // namespace Lodema
