// SPDX-License-Identifier: MIT
// A workbook whose sheet is fuzzed XML: the first byte chooses .xlsx (even)
// or .ods (odd), the rest is the worksheet part (.xlsx, with a fixed
// shared-string table and styles) or content.xml (.ods), packed into a zip
// archive with the workbook's other parts. Checks: reading ends, every
// line is one row (no CR or LF) of at most the sheet's columns, and a
// reader that stopped early says why.
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "batch/LineReader.h"
#include "batch/SheetRows.h"
#include "batch/Workbook.h"
#include "fuzz/FuzzChecks.h"

namespace {

using LodemaFuzz::Check;

bool WriteZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& parts) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) return false;
  for (const auto& [name, text] : parts) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    if (source == nullptr || zip_file_add(archive, name.c_str(), source, 0) < 0) {
      zip_source_free(source);
      zip_discard(archive);
      return false;
    }
  }
  return zip_close(archive) == 0;
}

std::string ScratchPath(const char* suffix) {
  return "/tmp/lodema-fuzz-workbook-" + std::to_string(getpid()) + suffix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool ods = (data[0] & 1) != 0;
  const std::string xml(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<std::pair<std::string, std::string>> parts;
  if (ods) {
    parts = {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", xml}};
  } else {
    parts = {
        {"xl/workbook.xml",
         "<workbook><sheets><sheet name=\"S\" r:id=\"r1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"r1\" Type=\"x/worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/></Relationships>"},
        {"xl/sharedStrings.xml", "<sst><si><t>45,5</t></si><si><r><t>N30</t></r></si></sst>"},
        {"xl/styles.xml",
         "<styleSheet><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs></styleSheet>"},
        {"xl/worksheets/sheet1.xml", xml}};
  }
  const std::string path = ScratchPath(ods ? ".ods" : ".xlsx");
  Check(WriteZip(path, parts), "the fuzzed workbook could not be written");
  std::unique_ptr<Lodema::LineReader> reader = Lodema::OpenWorkbookLines(path, "");
  Check(reader != nullptr, "a workbook was not read as one");
  std::string line;
  // Repeats can make many rows of few bytes: enough of them to pass
  // through every kind of row.
  for (int n = 0; n < 100000 && reader->ReadLine(line); ++n) {
    Check(line.find_first_of("\r\n") == std::string::npos, "a row holds a line break");
    Check(std::count(line.begin(), line.end(), '\t') < Lodema::kMaxSheetColumns,
          "a row has more cells than a sheet");
  }
  if (reader->ReadLine(line)) return 0;  // stopped at the row limit above
  Check(reader->SourceProblem().empty() || !reader->ReadError().empty(),
        "a source problem without a read error");
  std::remove(path.c_str());
  return 0;
}
