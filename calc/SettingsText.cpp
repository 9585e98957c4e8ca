// SPDX-License-Identifier: MIT
#include "calc/SettingsText.h"

#include <charconv>
#include <cmath>

#include "orient/NumberText.h"

namespace Lodema {
namespace {

using NumberText::IsDigit;

std::string_view Trim(std::string_view text) { return NumberText::TrimBlanks(text); }

bool EqualsIgnoreCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char ch = text[i];
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (ch != word[i]) return false;
  }
  return true;
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) {
  LeadingNumber result;
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Rebuilt without sign so that from_chars sees a plain pattern.
  std::string number;
  std::size_t digits = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    number += text[pos++];
    ++digits;
  }
  if (pos < text.size() && text[pos] == '.') {
    std::size_t after = pos + 1;
    std::string fraction;
    while (after < text.size() && IsDigit(text[after])) fraction += text[after++];
    if (digits > 0 || !fraction.empty()) {
      if (number.empty()) number.push_back('0');
      if (!fraction.empty()) number += "." + fraction;
      digits += fraction.size();
      pos = after;
    }
  }
  if (digits == 0) return result;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t after = pos + 1;
    std::string exponent = "e";
    if (after < text.size() && (text[after] == '+' || text[after] == '-')) {
      exponent += text[after++];
    }
    std::size_t expDigits = 0;
    while (after < text.size() && IsDigit(text[after])) {
      exponent += text[after++];
      ++expDigits;
    }
    if (expDigits > 0) {
      number += exponent;
      pos = after;
    }
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Overflow reads as infinity, underflow as zero; callers range-check.
    value = number.find("e-") != std::string::npos ? 0.0 : HUGE_VAL;
  } else if (error != std::errc() || end != number.data() + number.size()) {
    return result;
  }
  result.value = negative ? -value : value;
  result.found = true;
  result.wholeText = Trim(text.substr(pos)).empty();
  return result;
}

std::optional<int> ReadStoredInteger(std::string_view text, int minimum, int maximum,
                                     bool wholeTextOnly) {
  const LeadingNumber number = ReadLeadingNumber(text);
  if (wholeTextOnly && !(number.found && number.wholeText)) return std::nullopt;
  const double rounded = NumberText::RoundHalfEven(number.value);
  if (!std::isfinite(rounded) || rounded < minimum || rounded > maximum) return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<bool> ReadStoredBool(std::string_view text) {
  if (IsTrueText(text)) return true;
  if (IsFalseText(text)) return false;
  const LeadingNumber number = ReadLeadingNumber(text);
  if (!number.found || !number.wholeText) return std::nullopt;
  return number.value != 0.0;
}

std::string BoolText(bool value) { return value ? "True" : "False"; }

bool IsTrueText(std::string_view text) { return EqualsIgnoreCase(Trim(text), "true"); }

bool IsFalseText(std::string_view text) { return EqualsIgnoreCase(Trim(text), "false"); }

namespace {
bool IsControlCharacter(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 0x20 || code == 0x7f;
}
}  // namespace

bool HasControlCharacter(std::string_view text) {
  for (const char c : text) {
    if (IsControlCharacter(c)) return true;
  }
  return false;
}

std::string WithoutControlCharacters(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (!IsControlCharacter(c)) kept += c;
  }
  return kept;
}

}  // namespace Lodema
