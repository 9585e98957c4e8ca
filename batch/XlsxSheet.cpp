// SPDX-License-Identifier: MIT
#include "batch/XlsxSheet.h"

#include <charconv>
#include <cstring>
#include <map>

#include "batch/XlsxDates.h"

namespace Lodema {

namespace {

std::int64_t ParseIndex(const char* text, std::int64_t otherwise) {
  if (text == nullptr) return otherwise;
  std::int64_t value = 0;
  const char* end = text + std::strlen(text);
  const auto [last, error] = std::from_chars(text, end, value);
  return error == std::errc() && last == end ? value : otherwise;
}

// The 0-based column of a cell reference such as "AB12"; -1 without one.
std::int64_t ColumnOfReference(const char* reference) {
  if (reference == nullptr) return -1;
  std::int64_t column = 0;
  int letters = 0;
  for (const char* c = reference; *c >= 'A' && *c <= 'Z'; ++c, ++letters) {
    if (letters == 4) return kMaxSheetColumns;  // beyond any sheet
    column = column * 26 + (*c - 'A' + 1);
  }
  return letters == 0 ? -1 : column - 1;
}

// Text of shared and inline strings, where a character XML cannot hold is
// written "_xHHHH_" (and "_" itself before such a pattern "_x005F_").
std::string UnescapeStringText(const std::string& text) {
  if (text.find("_x") == std::string::npos) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned code = 0;
    if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_' &&
        std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16).ptr ==
            text.data() + i + 6 &&
        code < 0x80) {
      out += static_cast<char>(code);
      i += 6;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Collects the text of <t> elements outside phonetic runs (<rPh>), as the
// shared strings and inline strings hold it.
struct StringText {
  void Start(std::string_view name) {
    if (name == "rPh") ++phonetic;
    if (name == "t" && phonetic == 0) inText = true;
  }
  void End(std::string_view name) {
    if (name == "rPh") --phonetic;
    if (name == "t") inText = false;
  }
  void Text(std::string_view text) {
    if (inText) value.append(text);
  }
  std::string value;
  int phonetic = 0;
  bool inText = false;
};

class SharedStrings : public XmlHandler {
 public:
  explicit SharedStrings(std::vector<std::string>& strings) : strings_(strings) {}
  void Start(std::string_view name, const XmlAttributes&) override {
    if (name == "si") {
      text_.value.clear();
      inItem_ = true;
    }
    text_.Start(name);
  }
  void End(std::string_view name) override {
    text_.End(name);
    if (name == "si" && inItem_) {
      strings_.push_back(UnescapeStringText(text_.value));
      inItem_ = false;
    }
  }
  void Text(std::string_view text) override {
    if (inItem_) text_.Text(text);
  }

 private:
  std::vector<std::string>& strings_;
  StringText text_;
  bool inItem_ = false;
};

class WorkbookSheets : public XmlHandler {
 public:
  void Start(std::string_view name, const XmlAttributes& attributes) override {
    if (name == "workbookPr") {
      const char* date1904 = attributes.Find("date1904");
      from1904 = date1904 != nullptr &&
                 (std::string_view(date1904) == "1" || std::string_view(date1904) == "true");
    }
    if (name != "sheet") return;
    const char* sheetName = attributes.Find("name");
    const char* id = attributes.Find("id");
    if (sheetName != nullptr && id != nullptr) sheets.emplace_back(sheetName, id);
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
  std::vector<std::pair<std::string, std::string>> sheets;  // name, relationship id
  bool from1904 = false;
};

class Relationships : public XmlHandler {
 public:
  void Start(std::string_view name, const XmlAttributes& attributes) override {
    if (name != "Relationship") return;
    const char* id = attributes.Find("Id");
    const char* target = attributes.Find("Target");
    const char* type = attributes.Find("Type");
    const std::string_view worksheet = "/worksheet";
    if (id == nullptr || target == nullptr || type == nullptr) return;
    const std::string_view kind = type;
    if (kind.size() < worksheet.size() ||
        kind.substr(kind.size() - worksheet.size()) != worksheet) {
      return;
    }
    // Targets are relative to xl/, or absolute from the archive's root.
    std::string part = target;
    part = part.starts_with('/') ? part.substr(1) : "xl/" + part;
    worksheets[id] = part;
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
  std::map<std::string, std::string> worksheets;
};

enum class CellType { kNumber, kShared, kInline, kFormulaText, kBoolean, kOtherText };

CellType CellTypeOf(const char* t) {
  if (t == nullptr) return CellType::kNumber;
  const std::string_view type = t;
  if (type == "s") return CellType::kShared;
  if (type == "inlineStr") return CellType::kInline;
  if (type == "str") return CellType::kFormulaText;
  if (type == "b") return CellType::kBoolean;
  if (type == "n") return CellType::kNumber;
  return CellType::kOtherText;  // "e" (an error value) and "d" (an ISO date) as written
}

class XlsxRows : public SheetRows {
 public:
  XlsxRows(std::unique_ptr<ArchivePart> part, std::vector<std::string> strings,
           XlsxDateStyles dates)
      : strings_(std::move(strings)), dates_(std::move(dates)) {
    Begin(std::move(part));
  }

  // The elements of a sheet's rows, told apart by their short names
  // without a call per comparison: the sheet has millions of them.
  enum class Element { kRow, kCell, kValue, kInline, kSheetData, kOther };
  static Element ElementOf(std::string_view name) {
    switch (name.size()) {
      case 1:
        return name[0] == 'c' ? Element::kCell : name[0] == 'v' ? Element::kValue : Element::kOther;
      case 2:
        return name[0] == 'i' && name[1] == 's' ? Element::kInline : Element::kOther;
      case 3:
        return name == "row" ? Element::kRow : Element::kOther;
      default:
        return name == "sheetData" ? Element::kSheetData : Element::kOther;
    }
  }

  void Start(std::string_view name, const XmlAttributes& attributes) override {
    if (Finished()) return;
    const Element element = ElementOf(name);
    if (inInline_) {
      inlineText_.Start(name);
    } else if (element == Element::kRow) {
      row_ = ParseIndex(attributes.Find("r"), 0) - 1;
    } else if (element == Element::kCell) {
      const char* reference = nullptr;
      const char* type = nullptr;
      const char* style = nullptr;
      for (const char** pair = attributes.Pairs(); *pair != nullptr; pair += 2) {
        const std::string_view attribute = LocalName(pair[0]);
        if (attribute.size() != 1) continue;
        if (attribute[0] == 'r') reference = pair[1];
        if (attribute[0] == 't') type = pair[1];
        if (attribute[0] == 's') style = pair[1];
      }
      column_ = ColumnOfReference(reference);
      type_ = CellTypeOf(type);
      style_ = ParseIndex(style, 0);
      value_.clear();
      if (type_ == CellType::kInline) inlineText_ = StringText();
      inCell_ = true;
    } else if (element == Element::kValue && inCell_) {
      inValue_ = true;
    } else if (element == Element::kInline && inCell_) {
      inInline_ = true;
    }
  }

  void End(std::string_view name) override {
    if (Finished()) return;
    const Element element = ElementOf(name);
    if (element == Element::kInline) {
      inInline_ = false;
    } else if (inInline_) {
      inlineText_.End(name);
    } else if (element == Element::kValue) {
      inValue_ = false;
    } else if (element == Element::kCell && inCell_) {
      inCell_ = false;
      EndCell();
    } else if (element == Element::kRow) {
      AddRow(line_, row_, 1);
    } else if (element == Element::kSheetData) {
      Finish();
    }
  }

  void Text(std::string_view text) override {
    if (inValue_) {
      value_.append(text);
    } else if (inInline_) {
      inlineText_.Text(text);
    }
  }

 private:
  void EndCell() {
    switch (type_) {
      case CellType::kNumber:
        if (dates_.IsDate(style_) && !value_.empty()) {
          line_.AppendText(dates_.Shown(style_, value_));
        } else {
          line_.AppendText(NumberCellText(value_));
        }
        break;
      case CellType::kShared: {
        const std::int64_t index = ParseIndex(value_.c_str(), -1);
        if (index < 0 || static_cast<std::size_t>(index) >= strings_.size()) {
          Fail("a cell refers to shared string " + value_ + ", which the workbook does not have");
          return;
        }
        line_.AppendText(strings_[static_cast<std::size_t>(index)]);
        break;
      }
      case CellType::kInline:
        line_.AppendText(UnescapeStringText(inlineText_.value));
        break;
      case CellType::kBoolean:
        line_.AppendText(value_.empty() ? "" : value_ == "0" ? "FALSE" : "TRUE");
        break;
      case CellType::kFormulaText:
      case CellType::kOtherText:
        line_.AppendText(value_);
        break;
    }
    if (!line_.EndCell(column_, 1)) {
      Fail("a cell lies beyond column " + std::to_string(kMaxSheetColumns));
    }
  }

  std::vector<std::string> strings_;
  XlsxDateStyles dates_;
  RowLine line_;
  std::int64_t row_ = -1;
  std::int64_t column_ = -1;
  std::int64_t style_ = 0;
  CellType type_ = CellType::kNumber;
  std::string value_;
  StringText inlineText_;
  bool inCell_ = false;
  bool inValue_ = false;
  bool inInline_ = false;
};

}  // namespace

bool ReadXlsxSheets(const WorkbookArchive& archive, std::vector<XlsxSheetEntry>& sheets,
                    std::string& problem) {
  WorkbookSheets listed;
  Relationships relationships;
  if (!ParseWholePart(archive, kXlsxWorkbookPart, listed, problem) ||
      !ParseWholePart(archive, "xl/_rels/workbook.xml.rels", relationships, problem)) {
    return false;
  }
  sheets.clear();
  for (const auto& [name, id] : listed.sheets) {
    const auto found = relationships.worksheets.find(id);
    if (found != relationships.worksheets.end()) {
      sheets.push_back({name, found->second, listed.from1904});
    }
  }
  return true;
}

std::unique_ptr<SheetRows> OpenXlsxSheet(const WorkbookArchive& archive,
                                         const XlsxSheetEntry& entry, std::string& problem) {
  std::vector<std::string> strings;
  const std::string sharedStrings = "xl/sharedStrings.xml";
  if (archive.Has(sharedStrings)) {
    SharedStrings table(strings);
    if (!ParseWholePart(archive, sharedStrings, table, problem)) return nullptr;
  }
  XlsxDateStyles dates;
  if (archive.Has(kXlsxStylesPart) && !ReadXlsxDateStyles(archive, dates, problem)) {
    return nullptr;
  }
  if (entry.datesFrom1904) dates.CountFrom1904();
  std::unique_ptr<ArchivePart> sheet = archive.OpenPart(entry.part, problem);
  if (!sheet) return nullptr;
  return std::make_unique<XlsxRows>(std::move(sheet), std::move(strings), std::move(dates));
}

}  // namespace Lodema
