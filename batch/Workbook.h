// SPDX-License-Identifier: MIT
// Workbooks as data sources: an .xlsx or .ods file, told by its content (a
// zip archive holding a workbook's parts), read one sheet at a time as
// lines of TAB-separated cells (SheetRows.h). A file named as a workbook
// that cannot be read as one gets a reader that says why instead of being
// read as text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "batch/LineReader.h"

namespace Lodema {

struct WorkbookSheets {
  bool workbook = false;           // path is a workbook, or named as one
  std::vector<std::string> names;  // its sheets in order
  std::string problem;             // why it cannot be read ("" when it can)
};

// The sheets of a workbook, for the file page's sheet list.
WorkbookSheets ListWorkbookSheets(const std::string& path);

// The rows of one sheet of the workbook at path: sheet names it, or gives
// its position from 1 when it is a number (a sheet named as a number is
// chosen by that name first); "" is the first sheet. nullptr when path is
// not a workbook.
std::unique_ptr<LineReader> OpenWorkbookLines(const std::string& path, const std::string& sheet);

}  // namespace Lodema
