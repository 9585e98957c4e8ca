// SPDX-License-Identifier: MIT
#include "batch/Preview.h"

#include <algorithm>

#include "batch/Delimiters.h"

namespace Lodema {

PreviewGrid BuildPreview(LineReader* reader, const std::string& userDelimiterSet, bool headings) {
  PreviewGrid grid;
  grid.visible = true;
  if (reader == nullptr) return grid;
  const std::string_view delimiterSet =
      reader->FieldDelimiter().empty() ? userDelimiterSet : reader->FieldDelimiter();

  std::string line;
  std::size_t columns = 0;
  if (headings && reader->ReadLine(line)) {
    SplitFields(line, delimiterSet, kPreviewMaxColumns, grid.header);
    grid.headerFromSource = true;
    columns = grid.header.size();
  }
  while (grid.rows.size() < static_cast<std::size_t>(kPreviewDataRows) && reader->ReadLine(line)) {
    grid.rows.emplace_back();
    SplitFields(line, delimiterSet, kPreviewMaxColumns, grid.rows.back());
    columns = std::max(columns, grid.rows.back().size());
  }
  const auto hasNul = [](const std::vector<std::string>& fields) {
    return std::any_of(fields.begin(), fields.end(), [](const std::string& field) {
      return field.find('\0') != std::string::npos;
    });
  };
  if (hasNul(grid.header) || std::any_of(grid.rows.begin(), grid.rows.end(), hasNul)) {
    PreviewGrid empty;
    empty.visible = true;
    empty.notText = true;
    return empty;
  }
  grid.problem = reader->SourceProblem();
  grid.columns = static_cast<int>(columns);
  for (auto& row : grid.rows) row.resize(columns);
  if (grid.headerFromSource) {
    grid.header.resize(columns);
  } else {
    for (std::size_t c = 1; c <= columns; ++c) grid.header.push_back(std::to_string(c));
  }
  return grid;
}

}  // namespace Lodema
