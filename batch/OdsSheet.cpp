// SPDX-License-Identifier: MIT
#include "batch/OdsSheet.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace Lodema {

namespace {

std::int64_t Repeat(const char* text) {
  if (text == nullptr) return 1;
  std::int64_t value = 1;
  const char* end = text + std::strlen(text);
  const auto [last, error] = std::from_chars(text, end, value);
  // A count too large to hold is as absurd as any beyond a sheet's size.
  if (error == std::errc::result_out_of_range) return kMaxSheetRows + 1;
  return error == std::errc() && last == end && value > 0 ? value : 1;
}

class TableNames : public XmlHandler {
 public:
  explicit TableNames(std::vector<std::string>& names) : names_(names) {}
  void Start(std::string_view name, const XmlAttributes& attributes) override {
    if (name == "table" && depth_++ == 0) {
      const char* tableName = attributes.Find("name");
      names_.emplace_back(tableName != nullptr ? tableName : "");
    }
  }
  void End(std::string_view name) override {
    if (name == "table") --depth_;
  }
  void Text(std::string_view) override {}

 private:
  std::vector<std::string>& names_;
  int depth_ = 0;
};

class OdsRows : public SheetRows {
 public:
  OdsRows(std::unique_ptr<ArchivePart> part, int index, std::string missingSheetProblem)
      : index_(index), missingSheetProblem_(std::move(missingSheetProblem)) {
    Begin(std::move(part));
  }

  void Start(std::string_view name, const XmlAttributes& attributes) override {
    if (Finished()) return;
    if (name == "table") {
      // Tables inside a cell (rare) are part of that cell, not sheets.
      if (tableDepth_++ == 0) inChosen_ = tablesSeen_++ == index_;
      return;
    }
    if (!inChosen_ || tableDepth_ != 1) return;
    if (name == "table-row") {
      rowRepeat_ = Repeat(attributes.Find("number-rows-repeated"));
    } else if (name == "table-cell" || name == "covered-table-cell") {
      StartCell(attributes);
    } else if (inCell_ && name == "annotation") {
      ++skipped_;
    } else if (inCell_ && skipped_ == 0 && textCell_) {
      if (name == "p") {
        if (paragraphs_++ > 0) line_.AppendText(" ");
        ++openParagraphs_;
      }
      if (name == "s") {
        const std::int64_t spaces = Repeat(attributes.Find("c"));
        line_.AppendText(
            std::string(static_cast<std::size_t>(std::min<std::int64_t>(spaces, 1024)), ' '));
      }
      if (name == "tab" || name == "line-break") line_.AppendText(" ");
    }
  }

  void End(std::string_view name) override {
    // The whole document has ended without the chosen table.
    if (name == "document-content" && tablesSeen_ <= index_) Fail(missingSheetProblem_);
    if (Finished()) return;
    if (name == "table") {
      if (--tableDepth_ == 0 && inChosen_) Finish();
      return;
    }
    if (!inChosen_ || tableDepth_ != 1) return;
    if (name == "annotation" && inCell_) {
      --skipped_;
    } else if (name == "p" && inCell_ && skipped_ == 0 && openParagraphs_ > 0) {
      --openParagraphs_;
    } else if ((name == "table-cell" || name == "covered-table-cell") && inCell_) {
      inCell_ = false;
      if (!line_.EndCell(-1, cellRepeat_)) {
        Fail("a cell lies beyond column " + std::to_string(kMaxSheetColumns));
      }
    } else if (name == "table-row") {
      AddRow(line_, -1, rowRepeat_);
    }
  }

  void Text(std::string_view text) override {
    if (inCell_ && textCell_ && skipped_ == 0 && openParagraphs_ > 0) line_.AppendText(text);
  }

 private:
  void StartCell(const XmlAttributes& attributes) {
    inCell_ = true;
    skipped_ = 0;
    paragraphs_ = 0;
    openParagraphs_ = 0;
    cellRepeat_ = Repeat(attributes.Find("number-columns-repeated"));
    const char* type = attributes.Find("value-type");
    const std::string_view kind = type != nullptr ? type : "";
    const char* value = attributes.Find("value");
    // Numbers give their stored value; texts, dates and booleans what the
    // cell shows.
    textCell_ =
        !((kind == "float" || kind == "percentage" || kind == "currency") && value != nullptr);
    if (!textCell_) line_.AppendText(NumberCellText(value));
  }

  int index_;
  std::string missingSheetProblem_;
  RowLine line_;
  int tableDepth_ = 0;
  int tablesSeen_ = 0;
  bool inChosen_ = false;
  std::int64_t rowRepeat_ = 1;
  std::int64_t cellRepeat_ = 1;
  bool inCell_ = false;
  bool textCell_ = false;
  int skipped_ = 0;
  int paragraphs_ = 0;
  int openParagraphs_ = 0;
};

}  // namespace

bool ReadOdsSheetNames(const WorkbookArchive& archive, std::vector<std::string>& names,
                       std::string& problem) {
  names.clear();
  TableNames handler(names);
  return ParseWholePart(archive, kOdsContentPart, handler, problem);
}

std::unique_ptr<SheetRows> OpenOdsSheet(const WorkbookArchive& archive, int index,
                                        std::string missingSheetProblem, std::string& problem) {
  std::unique_ptr<ArchivePart> part = archive.OpenPart(kOdsContentPart, problem);
  if (!part) return nullptr;
  return std::make_unique<OdsRows>(std::move(part), index, std::move(missingSheetProblem));
}

}  // namespace Lodema
