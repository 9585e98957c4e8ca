// SPDX-License-Identifier: MIT
// Workbooks put together part by part for the tests: a zip archive (libzip)
// of hand-written XML, so that each test shows the cells it reads.
#pragma once

#include <zip.h>

#include <string>
#include <utility>
#include <vector>

namespace Lodema::testing {

using Parts = std::vector<std::pair<std::string, std::string>>;

// Writes parts as a deflated zip archive at path; false on any failure.
inline bool WriteZip(const std::string& path, const Parts& parts) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) return false;
  for (const auto& [name, text] : parts) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    if (source == nullptr || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
      zip_source_free(source);
      zip_discard(archive);
      return false;
    }
  }
  return zip_close(archive) == 0;
}

// An .xlsx workbook of worksheets given as their <sheetData> content (name,
// rows), with an optional shared-string table and cell styles (the
// <numFmts> and <cellXfs> elements of styles.xml).
inline Parts XlsxParts(const std::vector<std::pair<std::string, std::string>>& sheets,
                       const std::string& sharedStrings = "", const std::string& styles = "") {
  const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
  const std::string relations =
      "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  std::string workbook = "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + relations + "\"><sheets>";
  std::string rels = "<Relationships>";
  Parts parts;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    workbook +=
        "<sheet name=\"" + sheets[i].first + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
    rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + relations +
            "/worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
    parts.emplace_back("xl/worksheets/sheet" + n + ".xml", "<worksheet xmlns=\"" + main +
                                                               "\"><sheetData>" + sheets[i].second +
                                                               "</sheetData></worksheet>");
  }
  parts.emplace_back("xl/workbook.xml", workbook + "</sheets></workbook>");
  parts.emplace_back("xl/_rels/workbook.xml.rels", rels + "</Relationships>");
  if (!sharedStrings.empty()) {
    parts.emplace_back("xl/sharedStrings.xml",
                       "<sst xmlns=\"" + main + "\">" + sharedStrings + "</sst>");
  }
  if (!styles.empty()) {
    parts.emplace_back("xl/styles.xml",
                       "<styleSheet xmlns=\"" + main + "\">" + styles + "</styleSheet>");
  }
  return parts;
}

// An .ods workbook of tables given as their rows (name, rows).
inline Parts OdsParts(const std::vector<std::pair<std::string, std::string>>& tables) {
  std::string content =
      "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
      "<office:spreadsheet>";
  for (const auto& [name, rows] : tables) {
    content += "<table:table table:name=\"" + name + "\">" + rows + "</table:table>";
  }
  content += "</office:spreadsheet></office:body></office:document-content>";
  return {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", content}};
}

}  // namespace Lodema::testing
