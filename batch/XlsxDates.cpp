// SPDX-License-Identifier: MIT
#include "batch/XlsxDates.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include "batch/SheetRows.h"
#include "batch/XmlStream.h"

namespace Lodema {

namespace {

int ParseInt(const char* text) {
  int value = -1;
  if (text != nullptr) std::from_chars(text, text + std::strlen(text), value);
  return value;
}

class StyleParts : public XmlHandler {
 public:
  void Start(std::string_view name, const XmlAttributes& attributes) override {
    if (name == "numFmt") {
      const char* code = attributes.Find("formatCode");
      codes[ParseInt(attributes.Find("numFmtId"))] = code != nullptr ? code : "";
    } else if (name == "cellXfs") {
      inCellFormats_ = true;
    } else if (name == "xf" && inCellFormats_) {
      cellFormats.push_back(ParseInt(attributes.Find("numFmtId")));
    }
  }
  void End(std::string_view name) override {
    if (name == "cellXfs") inCellFormats_ = false;
  }
  void Text(std::string_view) override {}

  std::map<int, std::string> codes;
  std::vector<int> cellFormats;

 private:
  bool inCellFormats_ = false;
};

}  // namespace

DateShown DateShownByFormat(int formatId, std::string_view code) {
  if ((formatId >= 14 && formatId <= 17) || formatId == 22) {
    return formatId == 22 ? DateShown::kDateTime : DateShown::kDate;
  }
  if ((formatId >= 18 && formatId <= 21) || (formatId >= 45 && formatId <= 47)) {
    return DateShown::kTime;
  }
  bool date = false;
  bool time = false;
  bool quoted = false;
  int bracket = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (quoted) {
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;  // the next character is shown as it is
    } else if (c == '[') {
      ++bracket;
    } else if (c == ']') {
      bracket = bracket > 0 ? bracket - 1 : 0;
    } else if (bracket == 0) {
      const char lower = static_cast<char>(c | 0x20);
      if (lower == 'd' || lower == 'y') date = true;
      if (lower == 'h' || lower == 's') time = true;
      if (lower == 'm') date = true;  // a month, or minutes beside hours
    }
  }
  if (date && time) return DateShown::kDateTime;
  if (date) return DateShown::kDate;
  return time ? DateShown::kTime : DateShown::kNone;
}

std::string XlsxDateStyles::Shown(std::int64_t style, std::string_view stored) const {
  const std::string number = NumberCellText(stored);
  double serial = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), serial).ec != std::errc() ||
      !(serial >= 0 && serial < 3e6)) {
    return number;
  }
  // Day 1 is 1900-01-01, and day 60 the 29 February 1900 that never was;
  // in the 1904 date system day 0 is 1904-01-01.
  auto days = static_cast<std::int64_t>(std::floor(serial));
  auto seconds = static_cast<std::int64_t>(std::llround((serial - std::floor(serial)) * 86400));
  if (seconds == 86400) {
    ++days;
    seconds = 0;
  }
  const std::int64_t fromEpoch = from1904_ ? days - 24107 : days - (days < 61 ? 25568 : 25569);
  const std::chrono::year_month_day civil{std::chrono::sys_days{std::chrono::days{fromEpoch}}};
  char date[32];
  std::snprintf(date, sizeof date, "%04d-%02u-%02u", static_cast<int>(civil.year()),
                static_cast<unsigned>(civil.month()), static_cast<unsigned>(civil.day()));
  char time[64];
  std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  switch (Of(style)) {
    case DateShown::kDate:
      return date;
    case DateShown::kTime:
      return time;
    default:
      return std::string(date) + " " + time;
  }
}

bool ReadXlsxDateStyles(const WorkbookArchive& archive, XlsxDateStyles& styles,
                        std::string& problem) {
  StyleParts parts;
  if (!ParseWholePart(archive, kXlsxStylesPart, parts, problem)) return false;
  std::vector<DateShown> shown;
  shown.reserve(parts.cellFormats.size());
  for (const int id : parts.cellFormats) {
    const auto code = parts.codes.find(id);
    shown.push_back(DateShownByFormat(id, code != parts.codes.end() ? code->second : ""));
  }
  styles = XlsxDateStyles(std::move(shown));
  return true;
}

}  // namespace Lodema
