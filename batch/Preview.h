// SPDX-License-Identifier: MIT
// The preview grid of the file page: the first data lines of the source
// split into columns, so the user can see which column holds what.
#pragma once

#include <string>
#include <vector>

#include "batch/LineReader.h"

namespace Lodema {

inline constexpr int kPreviewDataRows = 13;
// More columns than anyone maps: a longer line (a file of tabs, say) is
// previewed only this far, so the column lists stay small.
inline constexpr int kPreviewMaxColumns = 256;

struct PreviewGrid {
  bool visible = false;
  // The fixed top row: the source's header line split into fields, or the
  // column numbers "1", "2", ... when the source has no header line.
  std::vector<std::string> header;
  bool headerFromSource = false;
  // Up to kPreviewDataRows rows, each padded with empty cells to columns.
  std::vector<std::vector<std::string>> rows;
  int columns = 0;       // the largest number of fields met (nInputCols)
  bool notText = false;  // NUL bytes in the first lines: a binary file, shown empty
  std::string problem;   // the source's own message why it cannot be read (a workbook)
};

// Reads the source from its start: with headings the first line is the
// header line; then up to kPreviewDataRows data lines. A null reader (a
// source that cannot be opened) gives an empty, visible grid. A source with
// NUL bytes in its first lines is not text: its grid is empty and notText.
// A source with its own field delimiter (a workbook) is split by that.
PreviewGrid BuildPreview(LineReader* reader, const std::string& delimiterSet, bool headings);

}  // namespace Lodema
