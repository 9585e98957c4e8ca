// SPDX-License-Identifier: MIT
// Number cells an .xlsx workbook shows as dates or times: their number is
// a day count, so they are given as the date they show, written
// "YYYY-MM-DD", "HH:MM:SS" or both, never as the day count.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/WorkbookArchive.h"

namespace Lodema {

inline constexpr const char* kXlsxStylesPart = "xl/styles.xml";

enum class DateShown { kNone, kDate, kTime, kDateTime };

// What a number format shows: built-in formats by number, others by the
// letters of their format code outside quotes and brackets.
DateShown DateShownByFormat(int formatId, std::string_view code);

class XlsxDateStyles {
 public:
  explicit XlsxDateStyles(std::vector<DateShown> styles = {}) : styles_(std::move(styles)) {}
  // Day counts start at 1904-01-01 (a workbook's "1904 date system").
  void CountFrom1904() { from1904_ = true; }
  bool IsDate(std::int64_t style) const { return Of(style) != DateShown::kNone; }
  // The shown text of a stored day count in this style.
  std::string Shown(std::int64_t style, std::string_view stored) const;

 private:
  DateShown Of(std::int64_t style) const {
    return style >= 0 && static_cast<std::size_t>(style) < styles_.size()
               ? styles_[static_cast<std::size_t>(style)]
               : DateShown::kNone;
  }
  std::vector<DateShown> styles_;  // by cell style index
  bool from1904_ = false;
};

// The date styles of xl/styles.xml; false with problem set when it cannot
// be read.
bool ReadXlsxDateStyles(const WorkbookArchive& archive, XlsxDateStyles& styles,
                        std::string& problem);

}  // namespace Lodema
