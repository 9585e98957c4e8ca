// SPDX-License-Identifier: MIT
#include "batch/SheetRows.h"

#include <charconv>

namespace Lodema {

std::string NumberCellText(std::string_view stored) {
  // Whole numbers as spreadsheets store them are already the shortest text.
  if (!stored.empty() && stored.size() < 16 && stored.front() != '0' &&
      stored.find_first_not_of("0123456789") == std::string_view::npos) {
    return std::string(stored);
  }
  double value = 0;
  const char* end = stored.data() + stored.size();
  const auto [last, error] = std::from_chars(stored.data(), end, value);
  if (error != std::errc() || last != end || stored.empty()) return std::string(stored);
  char buffer[32];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

void RowLine::AppendText(std::string_view text) {
  if (line_.size() + cell_.size() + text.size() > kMaxLineBytes) {
    tooLong_ = true;
    return;
  }
  const std::size_t start = cell_.size();
  cell_.append(text);
  for (std::size_t i = cell_.find_first_of("\t\r\n", start); i != std::string::npos;
       i = cell_.find_first_of("\t\r\n", i + 1)) {
    cell_[i] = ' ';
  }
}

bool RowLine::EndCell(std::int64_t column, std::int64_t repeat) {
  if (column < columns_) column = columns_;
  if (repeat < 1) repeat = 1;
  const bool empty = cell_.empty();
  if (column + repeat > kMaxSheetColumns && (!empty || column >= kMaxSheetColumns)) {
    cell_.clear();
    return empty;
  }
  columns_ = column + repeat;
  if (empty) return true;
  // Empty cells before this one become empty fields.
  for (; writtenCells_ < column; ++writtenCells_) {
    if (writtenCells_ > 0) line_ += '\t';
  }
  for (std::int64_t i = 0; i < repeat; ++i, ++writtenCells_) {
    if (writtenCells_ > 0) line_ += '\t';
    line_ += cell_;
  }
  cell_.clear();
  return true;
}

std::string RowLine::Take() {
  std::string line = std::move(line_);
  line_.clear();
  cell_.clear();
  columns_ = 0;
  writtenCells_ = 0;
  tooLong_ = false;
  return line;
}

void SheetRows::Begin(std::unique_ptr<ArchivePart> part) {
  stream_ = std::make_unique<XmlStream>(std::move(part), *this);
}

bool SheetRows::AddRow(RowLine& row, std::int64_t index, std::int64_t repeat) {
  if (row.TooLong()) {
    Fail("a row is longer than " + std::to_string(kMaxLineBytes >> 20) + " MiB");
    return false;
  }
  std::string line = row.Take();
  if (index < rows_) index = rows_;
  if (repeat < 1) repeat = 1;
  if (index + repeat > kMaxSheetRows) {
    // Trailing empty rows are never given: however many a sheet declares,
    // they cost nothing. Anything else that far down is refused.
    if (line.empty()) {
      pendingEmpty_ = 0;
      rows_ = kMaxSheetRows;
      return true;
    }
    Fail("it declares a row beyond row " + std::to_string(kMaxSheetRows) +
         ", more than a sheet can hold");
    return false;
  }
  pendingEmpty_ += index - rows_;
  rows_ = index + repeat;
  if (line.empty()) {
    pendingEmpty_ += repeat;
    return true;
  }
  if (pendingEmpty_ > 0) ready_.emplace_back(std::string(), pendingEmpty_);
  pendingEmpty_ = 0;
  ready_.emplace_back(std::move(line), repeat);
  return true;
}

void SheetRows::Fail(std::string problem) {
  if (problem_.empty()) problem_ = problem;
  if (stream_) stream_->Fail(std::move(problem));
}

bool SheetRows::Next(std::string& line) {
  while (ready_.empty()) {
    if (!problem_.empty() || finished_ || !stream_ || !stream_->Pump()) {
      if (stream_ && problem_.empty()) problem_ = stream_->Problem();
      if (ready_.empty()) return false;
      break;
    }
  }
  auto& [text, count] = ready_.front();
  if (--count > 0) {
    line = text;
    return true;
  }
  line = std::move(text);
  ready_.pop_front();
  return true;
}

}  // namespace Lodema
