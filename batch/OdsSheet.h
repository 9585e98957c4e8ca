// SPDX-License-Identifier: MIT
// The tables of an .ods workbook, streamed from content.xml: their names,
// and one table's rows with repeated rows and cells expanded.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "batch/SheetRows.h"
#include "batch/WorkbookArchive.h"

namespace Lodema {

inline constexpr const char* kOdsContentPart = "content.xml";

// The table names in order; false with problem set when content.xml cannot
// be read.
bool ReadOdsSheetNames(const WorkbookArchive& archive, std::vector<std::string>& names,
                       std::string& problem);

// The rows of the table at index (0-based); archive must outlive them. A
// workbook with fewer tables gives no rows and the problem
// missingSheetProblem.
std::unique_ptr<SheetRows> OpenOdsSheet(const WorkbookArchive& archive, int index,
                                        std::string missingSheetProblem, std::string& problem);

}  // namespace Lodema
