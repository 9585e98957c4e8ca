// SPDX-License-Identifier: MIT
#include "batch/WorkbookOutput.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "batch/TemporaryFiles.h"

namespace Lodema {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class WorkbookSink : public OutputSink {
 public:
  WorkbookSink(std::unique_ptr<OutputSink> target, std::string path, lxw_workbook* workbook,
               std::string delimiter, char decimalChar)
      : target_(std::move(target)),
        path_(std::move(path)),
        ticket_(RememberTemporaryFile(path_)),
        workbook_(workbook),
        sheet_(workbook_add_worksheet(workbook, nullptr)),
        delimiter_(std::move(delimiter)),
        decimalChar_(decimalChar) {}
  ~WorkbookSink() override { Abandon(); }
  WorkbookSink(const WorkbookSink&) = delete;
  WorkbookSink& operator=(const WorkbookSink&) = delete;

  std::size_t Write(std::string_view bytes) override {
    if (workbook_ == nullptr) return 0;
    std::size_t written = 0;
    while (!bytes.empty()) {
      const std::size_t end = bytes.find('\n');
      if (end == std::string_view::npos) {
        partial_.append(bytes);
        return written + bytes.size();
      }
      partial_.append(bytes.substr(0, end));
      if (!partial_.empty() && partial_.back() == '\r') partial_.pop_back();
      // A line the sheet does not take counts as not written.
      if (WriteRow(partial_)) written += end + 1;
      partial_.clear();
      bytes.remove_prefix(end + 1);
    }
    return written;
  }

  bool Finish() override {
    if (workbook_ == nullptr) return target_ == nullptr || target_->Finish();
    if (!partial_.empty()) WriteRow(partial_);
    const bool closed = workbook_close(workbook_) == LXW_NO_ERROR;
    workbook_ = nullptr;
    bool ok = closed && CopyInto(*target_);
    ok = target_->Finish() && ok;
    target_.reset();
    RemoveFile();
    return ok;
  }

  void Abandon() override {
    if (workbook_ != nullptr) {
      workbook_close(workbook_);
      workbook_ = nullptr;
    }
    if (target_) {
      target_->Abandon();
      target_.reset();
    }
    RemoveFile();
  }

 private:
  bool WriteRow(std::string_view line) {
    if (row_ >= LXW_ROW_MAX) return false;
    const auto row = static_cast<lxw_row_t>(row_++);
    lxw_col_t column = 0;
    bool ok = true;
    for (;;) {
      const std::size_t end = line.find(delimiter_);
      const std::string_view field = line.substr(0, end);
      if (!field.empty()) ok = WriteCell(row, column, field) && ok;
      if (end == std::string_view::npos) break;
      line.remove_prefix(end + delimiter_.size());
      if (++column >= LXW_COL_MAX) return false;
    }
    return ok;
  }

  bool WriteCell(lxw_row_t row, lxw_col_t column, std::string_view field) {
    if (const std::optional<std::string> format = NumberFormatOfField(field, decimalChar_)) {
      std::string number(field);
      for (char& c : number) {
        if (c == decimalChar_) c = '.';
      }
      double value = 0;
      std::from_chars(number.data(), number.data() + number.size(), value);
      return worksheet_write_number(sheet_, row, column, value, FormatFor(*format)) == LXW_NO_ERROR;
    }
    const std::string text(field);
    return worksheet_write_string(sheet_, row, column, text.c_str(), nullptr) == LXW_NO_ERROR;
  }

  lxw_format* FormatFor(const std::string& code) {
    auto known = formats_.find(code);
    if (known != formats_.end()) return known->second;
    lxw_format* format = workbook_add_format(workbook_);
    format_set_num_format(format, code.c_str());
    return formats_.emplace(code, format).first->second;
  }

  bool CopyInto(OutputSink& target) {
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (file == nullptr) return false;
    char buffer[1 << 16];
    bool ok = true;
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file)) {
      if (target.Write({buffer, n}) != n) {
        ok = false;
        break;
      }
    }
    ok = std::ferror(file) == 0 && ok;
    std::fclose(file);
    return ok;
  }

  void RemoveFile() {
    if (path_.empty()) return;
    std::remove(path_.c_str());
    ForgetTemporaryFile(ticket_);
    path_.clear();
  }

  std::unique_ptr<OutputSink> target_;
  std::string path_;
  int ticket_;
  lxw_workbook* workbook_;
  lxw_worksheet* sheet_;
  std::string delimiter_;
  char decimalChar_;
  std::int64_t row_ = 0;
  std::string partial_;
  std::map<std::string, lxw_format*> formats_;
};

}  // namespace

bool IsWorkbookOutputName(const std::string& path) {
  if (path.size() < 5) return false;
  std::string suffix = path.substr(path.size() - 5);
  for (char& c : suffix) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
  return suffix == ".xlsx";
}

std::optional<std::string> NumberFormatOfField(std::string_view field, char decimalChar) {
  std::string_view digits = field;
  if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
  const std::size_t point = digits.find(decimalChar);
  const std::string_view whole = digits.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
  const auto allDigits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), IsDigit);
  };
  if (!allDigits(whole) || (point != std::string_view::npos && !allDigits(fraction))) {
    return std::nullopt;
  }
  std::string format(whole.size() > 1 && whole.front() == '0' ? whole.size() : 1, '0');
  if (!fraction.empty()) format += "." + std::string(fraction.size(), '0');
  return format;
}

std::unique_ptr<OutputSink> WorkbookOutputSink(std::unique_ptr<OutputSink> target,
                                               std::string delimiter, char decimalChar,
                                               std::string& problem) {
  const char* folder = std::getenv("TMPDIR");
  std::string path = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                     "/lodema-results-XXXXXX";
  const int fd = ::mkstemp(path.data());
  if (fd < 0) {
    problem = "no temporary file for the workbook could be made";
    return nullptr;
  }
  ::close(fd);
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
  if (workbook == nullptr || delimiter.empty()) {
    std::remove(path.c_str());
    problem = "the workbook could not be started";
    return nullptr;
  }
  return std::make_unique<WorkbookSink>(std::move(target), std::move(path), workbook,
                                        std::move(delimiter), decimalChar);
}

}  // namespace Lodema
