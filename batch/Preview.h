// SPDX-License-Identifier: MIT
// The preview grid of the file page: the first data lines of the source
// split into columns, so the user can see which column holds what.
#pragma once

#include <string>
#include <vector>

#include "batch/LineReader.h"

namespace Lodema {

inline constexpr int kPreviewDataRows = 13;

struct PreviewGrid {
  bool visible = false;
  // The fixed top row: the source's header line split into fields, or the
  // column numbers "1", "2", ... when the source has no header line.
  std::vector<std::string> header;
  bool headerFromSource = false;
  // Up to kPreviewDataRows rows, each padded with empty cells to columns.
  std::vector<std::vector<std::string>> rows;
  int columns = 0;  // the largest number of fields met (nInputCols)
};

// Reads the source from its start: with headings the first line is the
// header line; then up to kPreviewDataRows data lines. A null reader (a
// source that cannot be opened) gives an empty, visible grid.
PreviewGrid BuildPreview(LineReader* reader, const std::string& delimiterSet, bool headings);

}  // namespace Lodema
