// SPDX-License-Identifier: MIT
#include "batch/Workbook.h"

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

#include "batch/OdsSheet.h"
#include "batch/SheetRows.h"
#include "batch/WorkbookArchive.h"
#include "batch/XlsxSheet.h"

namespace Lodema {

namespace {

enum class WorkbookKind { kNone, kXlsx, kOds };

constexpr const char* kEncryptedProblem =
    "it is encrypted, or saved in an old binary format: save it as .xlsx or .ods without a "
    "password";

bool EndsWith(const std::string& text, std::string_view end) {
  if (text.size() < end.size()) return false;
  return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a | 0x20 : a) == b; });
}

// True for a name ending in ".xlsx" or ".ods" (any case).
bool HasWorkbookSuffix(const std::string& path) {
  return EndsWith(path, ".xlsx") || EndsWith(path, ".ods");
}

// Encrypted .xlsx files are compound documents, as old .xls files are.
bool LooksLikeCompoundDocument(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  unsigned char head[8] = {};
  const std::size_t n = std::fread(head, 1, sizeof head, file);
  std::fclose(file);
  const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  return n == 8 && std::memcmp(head, signature, 8) == 0;
}

WorkbookKind KindOf(const WorkbookArchive& archive, std::string& problem) {
  if (archive.Has(kXlsxWorkbookPart)) return WorkbookKind::kXlsx;
  std::string mimetype;
  if (archive.Has(kOdsContentPart) && archive.Has("mimetype") &&
      archive.ReadPart("mimetype", 256, mimetype, problem) &&
      mimetype.find("opendocument.spreadsheet") != std::string::npos) {
    std::string manifest;
    const std::string manifestPart = "META-INF/manifest.xml";
    if (archive.Has(manifestPart) &&
        archive.ReadPart(manifestPart, std::size_t{1} << 20, manifest, problem) &&
        manifest.find("encryption-data") != std::string::npos) {
      problem = kEncryptedProblem;
      return WorkbookKind::kNone;
    }
    return WorkbookKind::kOds;
  }
  if (problem.empty()) problem = "it holds no .xlsx or .ods workbook";
  return WorkbookKind::kNone;
}

std::string SourceMessage(const std::string& path, const std::string& problem) {
  return "\"" + path + "\" cannot be read as a workbook: " + problem + ".";
}

// The position (0-based) of the chosen sheet among names; -1 with problem
// set when there is none.
int ChosenSheet(const std::vector<std::string>& names, const std::string& sheet,
                std::string& problem) {
  if (names.empty()) {
    problem = "it has no sheets";
    return -1;
  }
  if (sheet.empty()) return 0;
  const auto named = std::find(names.begin(), names.end(), sheet);
  if (named != names.end()) return static_cast<int>(named - names.begin());
  int position = 0;
  const auto [last, error] = std::from_chars(sheet.data(), sheet.data() + sheet.size(), position);
  if (error == std::errc() && last == sheet.data() + sheet.size()) {
    if (position >= 1 && static_cast<std::size_t>(position) <= names.size()) return position - 1;
    problem = "it has no sheet " + sheet + " (it has " + std::to_string(names.size()) +
              (names.size() == 1 ? " sheet)" : " sheets)");
    return -1;
  }
  problem = "it has no sheet \"" + sheet + "\" (its sheets:";
  for (std::size_t i = 0; i < names.size(); ++i) {
    problem += (i == 0 ? " \"" : ", \"") + names[i] + "\"";
  }
  problem += ")";
  return -1;
}

// Reads a sheet's rows ahead on a thread of its own, in blocks, so that
// unpacking and parsing the sheet overlap the run's work on the rows before.
// At most kBlocksAhead blocks wait: memory does not grow with the rows.
class RowsAhead {
 public:
  explicit RowsAhead(std::unique_ptr<SheetRows> rows)
      : rows_(std::move(rows)), thread_([this] { Read(); }) {}
  ~RowsAhead() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  RowsAhead(const RowsAhead&) = delete;
  RowsAhead& operator=(const RowsAhead&) = delete;

  bool Next(std::string& line) {
    if (next_ == block_.size()) {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return !ready_.empty() || done_; });
      if (ready_.empty()) return false;
      block_ = std::move(ready_.front());
      ready_.pop_front();
      next_ = 0;
      lock.unlock();
      changed_.notify_all();
    }
    line = std::move(block_[next_++]);
    return true;
  }
  std::string Problem() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return problem_;
  }

 private:
  static constexpr std::size_t kBlocksAhead = 8;

  void Read() {
    // A small first block: the preview wants only the first rows.
    std::size_t blockRows = 32;
    for (bool more = true; more;) {
      std::vector<std::string> block;
      std::string line;
      while (block.size() < blockRows && (more = rows_->Next(line)))
        block.push_back(std::move(line));
      blockRows = 4096;
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return ready_.size() < kBlocksAhead || stop_; });
      if (stop_) return;
      if (!block.empty()) ready_.push_back(std::move(block));
      if (!more) {
        problem_ = rows_->Problem();
        done_ = true;
      }
      lock.unlock();
      changed_.notify_all();
    }
  }

  std::unique_ptr<SheetRows> rows_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<std::string>> ready_;
  bool done_ = false;
  bool stop_ = false;
  std::string problem_;
  std::vector<std::string> block_;  // the block being handed out, by the reader's thread
  std::size_t next_ = 0;
  std::thread thread_;  // last: starts once everything it uses is there
};

class WorkbookLineReader : public LineReader {
 public:
  WorkbookLineReader(std::string path, std::unique_ptr<WorkbookArchive> archive,
                     std::unique_ptr<SheetRows> rows, std::string problem)
      : path_(std::move(path)),
        archive_(std::move(archive)),
        rows_(rows ? std::make_unique<RowsAhead>(std::move(rows)) : nullptr),
        openProblem_(std::move(problem)) {}
  bool ReadLine(std::string& line) override {
    if (!rows_ || !rows_->Next(line)) return false;
    readAny_ = true;
    return true;
  }
  std::string ReadError() const override {
    if (!openProblem_.empty()) return openProblem_;
    return rows_ ? rows_->Problem() : std::string();
  }
  std::string_view FieldDelimiter() const override { return "\t"; }
  std::string SourceProblem() const override {
    const std::string problem = ReadError();
    return problem.empty() || readAny_ ? std::string() : SourceMessage(path_, problem);
  }

 private:
  std::string path_;
  std::unique_ptr<WorkbookArchive> archive_;  // outlives rows_, which read from it
  std::unique_ptr<RowsAhead> rows_;
  std::string openProblem_;
  bool readAny_ = false;
};

struct OpenedWorkbook {
  std::unique_ptr<WorkbookArchive> archive;
  WorkbookKind kind = WorkbookKind::kNone;
  bool workbook = false;  // a workbook, or named as one
  std::string problem;
};

OpenedWorkbook OpenWorkbook(const std::string& path) {
  OpenedWorkbook opened;
  // Only a regular file is looked into: a pipe would lose the bytes read.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return opened;
  const bool named = HasWorkbookSuffix(path);
  if (!WorkbookArchive::LooksLikeZip(path)) {
    opened.workbook = named || LooksLikeCompoundDocument(path);
    if (opened.workbook) {
      opened.problem = LooksLikeCompoundDocument(path)
                           ? kEncryptedProblem
                           : "it is not a zip archive, as workbooks are";
    }
    return opened;
  }
  opened.archive = WorkbookArchive::Open(path, opened.problem);
  if (opened.archive) opened.kind = KindOf(*opened.archive, opened.problem);
  opened.workbook = named || opened.kind != WorkbookKind::kNone;
  return opened;
}

}  // namespace

WorkbookSheets ListWorkbookSheets(const std::string& path) {
  WorkbookSheets sheets;
  OpenedWorkbook opened = OpenWorkbook(path);
  sheets.workbook = opened.workbook;
  sheets.problem = opened.problem;
  if (opened.kind == WorkbookKind::kXlsx) {
    std::vector<XlsxSheetEntry> entries;
    if (ReadXlsxSheets(*opened.archive, entries, sheets.problem)) {
      for (XlsxSheetEntry& entry : entries) sheets.names.push_back(std::move(entry.name));
    }
  } else if (opened.kind == WorkbookKind::kOds) {
    ReadOdsSheetNames(*opened.archive, sheets.names, sheets.problem);
  }
  if (!sheets.workbook) sheets.problem.clear();
  return sheets;
}

std::unique_ptr<LineReader> OpenWorkbookLines(const std::string& path, const std::string& sheet) {
  OpenedWorkbook opened = OpenWorkbook(path);
  if (!opened.workbook) return nullptr;
  std::string& problem = opened.problem;
  std::unique_ptr<SheetRows> rows;
  if (opened.kind == WorkbookKind::kXlsx) {
    std::vector<XlsxSheetEntry> entries;
    std::vector<std::string> names;
    if (ReadXlsxSheets(*opened.archive, entries, problem)) {
      for (const XlsxSheetEntry& entry : entries) names.push_back(entry.name);
      const int chosen = ChosenSheet(names, sheet, problem);
      if (chosen >= 0) {
        rows = OpenXlsxSheet(*opened.archive, entries[static_cast<std::size_t>(chosen)], problem);
      }
    }
  } else if (opened.kind == WorkbookKind::kOds) {
    int chosen = 0;
    if (!sheet.empty()) {
      // Only a chosen sheet needs the table names, which take a pass over
      // the whole content.
      std::vector<std::string> names;
      chosen = ReadOdsSheetNames(*opened.archive, names, problem)
                   ? ChosenSheet(names, sheet, problem)
                   : -1;
    }
    if (chosen >= 0) rows = OpenOdsSheet(*opened.archive, chosen, "it has no sheets", problem);
  }
  if (!rows && problem.empty()) problem = "it has no readable sheet";
  return std::make_unique<WorkbookLineReader>(path, std::move(opened.archive), std::move(rows),
                                              rows ? std::string() : problem);
}

}  // namespace Lodema
