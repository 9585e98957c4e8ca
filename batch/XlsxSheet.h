// SPDX-License-Identifier: MIT
// The parts of an .xlsx workbook: its worksheets in order (xl/workbook.xml
// and its relationships), the shared-string table, the styles that show
// numbers as dates, and a worksheet's rows streamed from its part.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "batch/SheetRows.h"
#include "batch/WorkbookArchive.h"

namespace Lodema {

inline constexpr const char* kXlsxWorkbookPart = "xl/workbook.xml";

struct XlsxSheetEntry {
  std::string name;
  std::string part;            // the worksheet's part in the archive
  bool datesFrom1904 = false;  // the workbook counts days from 1904-01-01
};

// The worksheets (chart sheets are left out); false with problem set when
// the workbook's parts cannot be read.
bool ReadXlsxSheets(const WorkbookArchive& archive, std::vector<XlsxSheetEntry>& sheets,
                    std::string& problem);

// The rows of the worksheet; archive must outlive them. nullptr
// with problem set when the shared strings or styles cannot be read.
std::unique_ptr<SheetRows> OpenXlsxSheet(const WorkbookArchive& archive,
                                         const XlsxSheetEntry& sheet, std::string& problem);

}  // namespace Lodema
