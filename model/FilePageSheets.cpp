// SPDX-License-Identifier: MIT
// The sheet list of the file page: a workbook source is read one sheet at
// a time, the first unless another is chosen.
#include "batch/Workbook.h"
#include "model/FilePage.h"

namespace Lodema {

void FilePageModel::FillSheetList(const std::string& name) {
  DropDownList& list = controls_.sheetList;
  list = DropDownList{{}, -1, "", false};
  if (!name.empty() && !ReadsClipboard(name)) {
    WorkbookSheets sheets = ListWorkbookSheets(name);
    list.visible = sheets.workbook;
    list.entries = std::move(sheets.names);
  }
  if (!list.entries.empty()) {
    list.listIndex = 0;
    list.text = list.entries.front();
  }
  inputs_.SetSheet(list.text);
}

void FilePageModel::SetSheetIndex(int index) {
  DropDownList& list = controls_.sheetList;
  if (index < 0 || static_cast<std::size_t>(index) >= list.entries.size()) return;
  list.listIndex = index;
  list.text = list.entries[static_cast<std::size_t>(index)];
  inputs_.SetSheet(list.text);
  // Another sheet's columns mean nothing for this one.
  mapper_.ForgetColumns();
  RefreshColumnPreview();
}

}  // namespace Lodema
