// SPDX-License-Identifier: MIT
#include "batch/Preview.h"

#include <algorithm>

#include "batch/Delimiters.h"

namespace Lodema {

PreviewGrid BuildPreview(LineReader* reader, const std::string& delimiterSet, bool headings) {
  PreviewGrid grid;
  grid.visible = true;
  if (reader == nullptr) return grid;

  std::string line;
  std::size_t columns = 0;
  if (headings && reader->ReadLine(line)) {
    grid.header = SplitFields(line, delimiterSet);
    grid.headerFromSource = true;
    columns = grid.header.size();
  }
  while (grid.rows.size() < static_cast<std::size_t>(kPreviewDataRows) && reader->ReadLine(line)) {
    grid.rows.push_back(SplitFields(line, delimiterSet));
    columns = std::max(columns, grid.rows.back().size());
  }
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
