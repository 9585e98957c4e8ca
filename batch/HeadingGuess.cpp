// SPDX-License-Identifier: MIT
#include "batch/HeadingGuess.h"

#include <cctype>
#include <cstddef>

namespace Lodema {

namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n\"");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n\"");
  return text.substr(first, last - first + 1);
}

bool IsComment(const std::vector<std::string>& row) {
  if (row.empty()) return false;
  const std::string first = Trimmed(row.front());
  return !first.empty() && (first[0] == '*' || first[0] == ';' || first[0] == '/');
}

// A sign, digits with at most one "." or ",", and at least one digit: what a
// data column of angles or values holds, with either decimal character.
bool IsNumber(const std::string& field) {
  const std::string text = Trimmed(field);
  std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  bool digit = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (std::isdigit(c)) {
      digit = true;
    } else if ((c == '.' || c == ',') && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

bool FirstRowLooksLikeHeadings(const std::vector<std::vector<std::string>>& rows) {
  if (rows.size() < 2 || IsComment(rows.front())) return false;
  const std::vector<std::string>& first = rows.front();
  for (std::size_t column = 0; column < first.size(); ++column) {
    const std::string heading = Trimmed(first[column]);
    if (heading.empty() || IsNumber(heading)) continue;
    bool numbers = false;
    bool onlyNumbers = true;
    for (std::size_t r = 1; r < rows.size() && onlyNumbers; ++r) {
      if (IsComment(rows[r]) || column >= rows[r].size()) continue;
      const std::string field = Trimmed(rows[r][column]);
      if (field.empty()) continue;
      numbers = true;
      onlyNumbers = IsNumber(field);
    }
    if (numbers && onlyNumbers) return true;
  }
  return false;
}

}  // namespace Lodema
