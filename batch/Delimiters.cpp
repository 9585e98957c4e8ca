// SPDX-License-Identifier: MIT
#include "batch/Delimiters.h"

#include <algorithm>
#include <cstring>

#include "orient/NumberText.h"
#include "orient/TextParsing.h"

namespace Lodema {

std::string InputDelimiterSetFromListText(std::string_view listText) {
  if (listText == "tab") return "\t";
  if (listText == "space") return " ";
  if (listText == "any") return std::string(kAnyDelimiterSet);
  return std::string(listText);
}

std::string InputDelimiterListText(std::string_view delimiterSet) {
  if (delimiterSet == "\t") return "tab";
  if (delimiterSet == " ") return "space";
  if (IsAnyDelimiterSet(delimiterSet)) return "any";
  return std::string(delimiterSet);
}

bool IsAnyDelimiterSet(std::string_view delimiterSet) { return delimiterSet == kAnyDelimiterSet; }

namespace {

void StoreField(std::string_view text, int count, std::vector<std::string_view>& fields) {
  if (static_cast<std::size_t>(count) < fields.size()) {
    fields[count] = text;
  } else {
    fields.push_back(text);
  }
}

// Far below the field reader's limit on positions, which a longer line meets.
constexpr std::size_t kShortcutLength = 1 << 30;

// A delimiter the one-character shortcut handles: blanks (which join in
// runs) and line ends (skipped before a field) take the general reader.
bool IsPlainDelimiter(std::string_view delimiterSet) {
  return delimiterSet.size() == 1 && delimiterSet[0] != ' ' && delimiterSet[0] != '\r' &&
         delimiterSet[0] != '\n';
}

// SplitFieldsByReader for a single plain delimiter, without the reader's
// general steps for every field (the usual TAB- or comma-separated row).
// Positions are 1-based, as the reader's: after a field the next one
// starts past its delimiter; past the last field, the line's full length.
int SplitAtDelimiter(std::string_view line, char delimiter, int maxFields,
                     std::vector<std::string_view>& fields) {
  const char* p = line.data();
  const char* end = p + line.size();
  while (end > p && (end[-1] == ' ' || end[-1] == '\r' || end[-1] == '\n')) --end;
  const std::size_t wanted = maxFields < 0 ? line.size() + 1 : static_cast<std::size_t>(maxFields);
  // The views go straight into the vector's storage, grown only when a
  // line has more fields than any before it.
  std::size_t stored = fields.size();
  std::string_view* out = fields.data();
  std::size_t count = 0;
  // A line of blanks alone still holds one empty field.
  bool more = !line.empty();
  while (more && count < wanted) {
    // Line ends before a field are skipped, then its leading blanks (a
    // blank is never the delimiter here, so none is passed over). Most
    // fields start with neither, which one comparison tells.
    if (p < end && static_cast<unsigned char>(*p) <= ' ') {
      while (p < end && (*p == '\r' || *p == '\n')) ++p;
      while (p < end && *p == ' ') ++p;
    }
    const char* stop = p;
    while (stop < end && *stop != delimiter) ++stop;
    if (count == stored) {
      fields.resize(stored = std::max<std::size_t>(2 * stored, 8));
      out = fields.data();
    }
    out[count++] = std::string_view(p, static_cast<std::size_t>(stop - p));
    // Only a field closed by a delimiter before the line's last character
    // leaves more to read.
    more = stop + 1 < end;
    p = stop + 1;
  }
  fields.resize(count);
  return static_cast<int>(count);
}

}  // namespace

int SplitFieldsByReader(std::string_view line, std::string_view delimiterSet, int maxFields,
                        std::vector<std::string_view>& fields) {
  int count = 0;
  int position = 1;
  const auto length = static_cast<long long>(line.size());
  const OrientGeometry::FieldReader reader(line, delimiterSet);
  while ((maxFields < 0 || count < maxFields) && position <= length) {
    const OrientGeometry::TokenView token = reader.Next(position);
    if (token.position <= position) break;  // no progress: never loop forever
    position = token.position;
    StoreField(token.text, count, fields);
    ++count;
  }
  fields.resize(static_cast<std::size_t>(count));
  return count;
}

int SplitFields(std::string_view line, std::string_view delimiterSet, int maxFields,
                std::vector<std::string_view>& fields) {
  if (IsPlainDelimiter(delimiterSet) && line.size() < kShortcutLength) {
    return SplitAtDelimiter(line, delimiterSet[0], maxFields, fields);
  }
  return SplitFieldsByReader(line, delimiterSet, maxFields, fields);
}

int SplitFields(std::string_view line, std::string_view delimiterSet, int maxFields,
                std::vector<std::string>& fields) {
  std::vector<std::string_view> views;
  const int count = SplitFields(line, delimiterSet, maxFields, views);
  fields.assign(views.begin(), views.end());
  return count;
}

std::optional<std::string> UnreadableOutputDelimiter(std::string_view delimiter) {
  if (delimiter.find_first_of("\r\n") != std::string_view::npos) {
    return std::string(
        "The output delimiter holds a line break: every row would be split over two lines.\r\n"
        "Choose tab, space or a character.");
  }
  const std::size_t at = delimiter.find_first_of("0123456789+-");
  if (at == std::string_view::npos) return std::nullopt;
  std::string text = "The output delimiter holds \"";
  text += delimiter[at];
  text +=
      "\", which results are written with: a value could not be told from the fields beside "
      "it.\r\nChoose tab, space or another character.";
  return text;
}

}  // namespace Lodema
