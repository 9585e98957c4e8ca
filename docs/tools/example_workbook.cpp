// SPDX-License-Identifier: MIT
// Writes docs/examples/fold-limbs.xlsx from the TAB-delimited example files:
// each becomes a sheet, its header row text cells and its values number
// cells, as a spreadsheet program would store them. The workbook's date is
// fixed so that the file is the same on every run.
// Usage: example_workbook EXAMPLES_FOLDER
#include <xlsxwriter.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

bool AddSheet(lxw_workbook* book, const std::string& file, const char* name) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  lxw_worksheet* sheet = workbook_add_worksheet(book, name);
  std::string line;
  for (lxw_row_t row = 0; std::getline(in, line); ++row) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lxw_col_t column = 0;
    for (std::size_t start = 0;; ++column) {
      const std::size_t tab = line.find('\t', start);
      const std::string field = line.substr(start, tab - start);
      char* end = nullptr;
      const double value = std::strtod(field.c_str(), &end);
      if (!field.empty() && end == field.c_str() + field.size()) {
        worksheet_write_number(sheet, row, column, value, nullptr);
      } else {
        worksheet_write_string(sheet, row, column, field.c_str(), nullptr);
      }
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string folder = argv[1];
  lxw_workbook* book = workbook_new((folder + "/fold-limbs.xlsx").c_str());
  lxw_doc_properties properties{};
  properties.title = const_cast<char*>("Lodema example data");
  properties.created = 1798675200;  // 2027-01-01
  workbook_set_properties(book, &properties);
  const bool ok = AddSheet(book, folder + "/fold-limbs-bedding.txt", "Fold limbs") &&
                  AddSheet(book, folder + "/drill-core-bedding.txt", "Drill core");
  return workbook_close(book) == LXW_NO_ERROR && ok ? 0 : 1;
}
