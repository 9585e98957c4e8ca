// SPDX-License-Identifier: MIT
#include "batch/Delimiters.h"

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

int SplitFields(std::string_view line, std::string_view delimiterSet, int maxFields,
                std::vector<std::string>& fields) {
  int count = 0;
  int position = 1;
  const auto length = static_cast<long long>(line.size());
  const OrientGeometry::FieldReader reader(line, delimiterSet);
  while ((maxFields < 0 || count < maxFields) && position <= length) {
    const OrientGeometry::TokenView token = reader.Next(position);
    if (token.position <= position) break;  // no progress: never loop forever
    position = token.position;
    if (static_cast<std::size_t>(count) < fields.size()) {
      fields[count].assign(token.text);
    } else {
      fields.emplace_back(token.text);
    }
    ++count;
  }
  fields.resize(static_cast<std::size_t>(count));
  return count;
}

std::vector<std::string> SplitFields(std::string_view line, std::string_view delimiterSet) {
  std::vector<std::string> fields;
  SplitFields(line, delimiterSet, -1, fields);
  return fields;
}

}  // namespace Lodema
