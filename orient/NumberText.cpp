// SPDX-License-Identifier: MIT
#include "orient/NumberText.h"

#include <glob.h>
#include <sys/stat.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale>
#include <sstream>
#include <system_error>

namespace NumberText {

namespace {

// Number text after the separator swap, checked and rewritten for
// std::from_chars: "+" dropped, the decimal character made ".". The decimal
// exponent of the leading digit is estimated so that an out-of-range read can
// be told apart as overflow (positive) or underflow (negative).
struct CleanNumber {
  std::string text;
  long long magnitude = 0;
  bool allZero = true;
};

std::optional<CleanNumber> CleanNumberText(std::string_view s, char decimal) {
  CleanNumber out;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') out.text += '-';
    ++i;
  }
  int digits = 0;
  long long intDigits = 0;  // significant digits before the separator
  long long leadingFracZeros = 0;
  bool seenSeparator = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      ++digits;
      out.text += c;
      if (!seenSeparator) {
        if (c != '0' || !out.allZero) ++intDigits;
      } else if (out.allZero && c == '0') {
        ++leadingFracZeros;
      }
      if (c != '0') out.allZero = false;
    } else if (c == decimal && !seenSeparator) {
      seenSeparator = true;
      out.text += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    out.text += 'e';
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      negative = s[i] == '-';
      out.text += s[i];
      ++i;
    }
    int expDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      ++expDigits;
      out.text += s[i];
      if (exponent < 1000000000LL) exponent = exponent * 10 + (s[i] - '0');
    }
    if (expDigits == 0) return std::nullopt;
    if (negative) exponent = -exponent;
  }
  if (i != s.size()) return std::nullopt;
  out.magnitude = (intDigits > 0 ? intDigits : -leadingFracZeros) + exponent;
  return out;
}

}  // namespace

DecimalMark LocaleDecimalMark() {
  try {
    std::ostringstream formatted;
    formatted.imbue(std::locale(""));
    formatted << 1.5;
    return formatted.str().find('.') == std::string::npos ? DecimalMark::kComma
                                                          : DecimalMark::kPoint;
  } catch (...) {
    return DecimalMark::kPoint;  // no usable user locale: the C convention applies
  }
}

std::string SwapDecimalSeparator(std::string_view text, DecimalMark toMark) {
  const char from = toMark == DecimalMark::kComma ? '.' : ',';
  const char to = OrientGeometry::DecimalChar(toMark);
  std::string result(text);
  const std::size_t at = result.find(from);
  if (at != std::string::npos) result[at] = to;
  return result;
}

std::optional<double> TryTextToDouble(std::string_view text, DecimalMark localeMark) {
  const std::string_view trimmed = TrimBlanks(text, true);
  if (trimmed.empty()) return std::nullopt;
  const std::string swapped = SwapDecimalSeparator(trimmed, localeMark);
  const auto clean = CleanNumberText(swapped, OrientGeometry::DecimalChar(localeMark));
  if (!clean) return std::nullopt;
  if (clean->allZero) return clean->text.front() == '-' ? -0.0 : 0.0;
  double value = 0.0;
  const char* first = clean->text.data();
  const char* last = first + clean->text.size();
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    if (clean->magnitude > 0) return std::nullopt;   // too large for a double
    return clean->text.front() == '-' ? -0.0 : 0.0;  // too small: rounds to zero
  }
  if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

double TextToDouble(std::string_view text, DecimalMark localeMark) {
  return TryTextToDouble(text, localeMark).value_or(0.0);
}

bool IsNumberText(std::string_view text) {
  const std::string_view s = TrimSpaces(text);
  if (s.empty()) return false;
  std::size_t i = 0;
  bool separatorUsed = false;
  if (s[0] == '-' || s[0] == '+' || s[0] == '.' || s[0] == ',') {
    separatorUsed = s[0] == '.' || s[0] == ',';
    i = 1;
  }
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) continue;
    if ((s[i] == '.' || s[i] == ',') && !separatorUsed) {
      separatorUsed = true;
      continue;
    }
    return false;
  }
  return true;
}

int CountDecimalPlaces(std::string_view text) {
  // The first "." wins over any ","; one pass finds both.
  std::size_t at = std::string_view::npos;
  std::size_t comma = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '.') {
      at = i;
      break;
    }
    if (text[i] == ',' && comma == std::string_view::npos) comma = i;
  }
  if (at == std::string_view::npos) at = comma;
  if (at == std::string_view::npos) return 0;
  int count = 0;
  for (std::size_t i = at + 1; i < text.size() && IsDigit(text[i]); ++i) ++count;
  return count == 0 ? 1 : count;
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return true;
  std::string pattern;
  pattern.reserve(path.size() * 2);
  for (char c : path) {
    if (c == '[' || c == ']' || c == '\\') pattern += '\\';
    pattern += c;
  }
  glob_t matches{};
  bool found = false;
  if (::glob(pattern.c_str(), GLOB_NOSORT, nullptr, &matches) == 0) {
    for (std::size_t i = 0; i < matches.gl_pathc && !found; ++i) {
      found = ::stat(matches.gl_pathv[i], &info) == 0 && S_ISREG(info.st_mode);
    }
  }
  ::globfree(&matches);
  return found;
}

std::string FormatGeneral(double value, char decimalChar) {
  // A whole number below 1e15 has at most 15 digits: its general form is the
  // integer itself.
  if (std::fabs(value) < 1e15 && value != 0.0) {
    const auto whole = static_cast<long long>(value);
    if (static_cast<double>(whole) == value) {
      char buffer[24];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, whole);
      return std::string(buffer, result.ptr);
    }
  }
  return FormatGeneralFull(value, decimalChar);
}

std::string FormatGeneralFull(double value, char decimalChar) {
  if (!std::isfinite(value)) return "";
  if (value == 0.0) return "0";
  char sci[64];
  const auto result =
      std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 14);
  if (result.ec != std::errc()) return "";
  // sci is "[-]d.ddddddddddddddde[+-]xx"
  const char* p = sci;
  const bool negative = *p == '-';
  if (negative) ++p;
  char digits[24];
  int count = 0;
  for (; p < result.ptr && *p != 'e'; ++p) {
    if (IsDigit(*p)) digits[count++] = *p;
  }
  while (count > 1 && digits[count - 1] == '0') --count;
  int exponent = 0;
  bool negativeExponent = false;
  if (p < result.ptr) ++p;  // the 'e'
  if (p < result.ptr && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
  for (; p < result.ptr && IsDigit(*p); ++p) exponent = exponent * 10 + (*p - '0');
  if (negativeExponent) exponent = -exponent;

  // At most sign, "0.", 19 zeros and 15 digits, or 21 whole digits.
  char out[64];
  int n = 0;
  if (negative) out[n++] = '-';
  if (exponent > 20 || exponent < -20) {
    out[n++] = digits[0];
    if (count > 1) {
      out[n++] = decimalChar;
      for (int i = 1; i < count; ++i) out[n++] = digits[i];
    }
    out[n++] = 'E';
    out[n++] = exponent < 0 ? '-' : '+';
    const auto written = std::to_chars(out + n, out + sizeof out, std::abs(exponent));
    n = static_cast<int>(written.ptr - out);
  } else if (exponent < 0) {
    out[n++] = '0';
    out[n++] = decimalChar;
    for (int i = 0; i < -exponent - 1; ++i) out[n++] = '0';
    for (int i = 0; i < count; ++i) out[n++] = digits[i];
  } else {
    const int wholeDigits = exponent + 1;
    if (count <= wholeDigits) {
      for (int i = 0; i < count; ++i) out[n++] = digits[i];
      for (int i = count; i < wholeDigits; ++i) out[n++] = '0';
    } else {
      for (int i = 0; i < wholeDigits; ++i) out[n++] = digits[i];
      out[n++] = decimalChar;
      for (int i = wholeDigits; i < count; ++i) out[n++] = digits[i];
    }
  }
  return std::string(out, static_cast<std::size_t>(n));
}

}  // namespace NumberText
