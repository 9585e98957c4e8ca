// SPDX-License-Identifier: MIT
// Workbook sheets read as lines of TAB-separated cells, and workbooks that
// must be refused with a message rather than read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "WorkbookFixtures.h"
#include "batch/Preview.h"
#include "batch/Workbook.h"
#include "batch/WorkbookOutput.h"
#include "batch/XlsxDates.h"

namespace Lodema {
namespace {

using testing::OdsParts;
using testing::Parts;
using testing::XlsxParts;

struct SheetRead {
  std::vector<std::string> lines;
  std::string error;
};

SheetRead ReadSheet(const std::string& path, const std::string& sheet = "") {
  SheetRead read;
  std::unique_ptr<LineReader> reader = OpenWorkbookLines(path, sheet);
  if (!reader) return {{}, "not a workbook"};
  std::string line;
  while (reader->ReadLine(line)) read.lines.push_back(line);
  read.error = reader->ReadError();
  return read;
}

struct CellsRow {
  const char* name;
  Parts parts;
  std::vector<std::string> lines;
};

template <std::size_t N>
void ExpectCells(const CellsRow (&rows)[N], const std::string& path) {
  for (const CellsRow& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(testing::WriteZip(path, row.parts));
    const SheetRead read = ReadSheet(path);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.lines, row.lines);
  }
}

TEST(WorkbookTest, XlsxCellsAsTheyAreShown) {
  const std::string strings =
      "<si><t>45,5</t></si><si><r><t>N30</t></r><r><t>E</t></r><rPh><t>x</t></rPh></si>";
  const std::string dateStyles =
      "<numFmts><numFmt numFmtId=\"164\" formatCode=\"0.0&quot;d&quot;\"/></numFmts>"
      "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/></cellXfs>";
  const CellsRow rows[] = {
      {"numbers keep the shortest text of their value",
       XlsxParts({{"S",
                   "<row r=\"1\"><c r=\"A1\"><v>44.700000000000003</v></c>"
                   "<c r=\"B1\" t=\"n\"><v>1E-3</v></c><c r=\"C1\"><v>090</v></c></row>"}}),
       {"44.7\t0.001\t90"}},
      {"shared and inline strings as typed",
       XlsxParts({{"S",
                   "<row><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c>"
                   "<c t=\"inlineStr\"><is><t>S_x0009_W</t></is></c></row>"}},
                 strings),
       {"45,5\tN30E\tS W"}},
      {"formulas give their cached values, booleans and errors their text",
       XlsxParts({{"S",
                   "<row><c><f>A2*2</f><v>60</v></c><c t=\"str\"><f>\"N\"&amp;B2</f>"
                   "<v>N10E</v></c><c t=\"b\"><v>1</v></c><c t=\"e\"><v>#DIV/0!</v></c>"
                   "</row>"}}),
       {"60\tN10E\tTRUE\t#DIV/0!"}},
      {"gaps are empty fields and lines; trailing empties are left out",
       XlsxParts({{"S",
                   "<row r=\"2\"><c r=\"B2\"><v>1</v></c><c r=\"D2\"><v>2</v></c>"
                   "<c r=\"E2\" s=\"0\"/></row><row r=\"4\"><c r=\"A4\"><v>3</v></c></row>"
                   "<row r=\"5\"><c r=\"C5\" s=\"0\"/></row>"}}),
       {"", "\t1\t\t2", "", "3"}},
      {"dates show as dates, other formats as numbers",
       XlsxParts({{"S",
                   "<row><c s=\"1\"><v>45000</v></c><c s=\"2\"><v>12.5</v></c>"
                   "<c s=\"1\"><v>59</v></c></row>"}},
                 "", dateStyles),
       {"2023-03-15\t12.5\t1900-02-28"}},
  };
  testing::ScratchFolder folder;
  // The 1904 date system: day 0 is 1904-01-01.
  Parts from1904 = XlsxParts({{"S", "<row><c s=\"1\"><v>45000.75</v></c></row>"}}, "", dateStyles);
  from1904[1].second.insert(from1904[1].second.find("<sheets>"), "<workbookPr date1904=\"1\"/>");
  ASSERT_TRUE(testing::WriteZip(folder.File("1904.xlsx"), from1904));
  EXPECT_EQ(ReadSheet(folder.File("1904.xlsx")).lines, std::vector<std::string>{"2027-03-16"});
  ExpectCells(rows, folder.File("cells.xlsx"));
}

TEST(WorkbookTest, OdsRepeatsExpandedAndTextAsShown) {
  const std::string number = "<table:table-cell office:value-type=\"float\" office:value=";
  const CellsRow rows[] = {
      {"stored numbers, shown texts, dates and booleans",
       OdsParts({{"T", "<table:table-row>" + number +
                           "\"44.700000000000003\"><text:p>44.70</text:p></table:table-cell>"
                           "<table:table-cell office:value-type=\"date\" "
                           "office:date-value=\"2024-01-02\"><text:p>02/01/24</text:p>"
                           "</table:table-cell><table:table-cell office:value-type=\"boolean\" "
                           "office:boolean-value=\"true\"><text:p>TRUE</text:p>"
                           "</table:table-cell></table:table-row>"}}),
       {"44.7\t02/01/24\tTRUE"}},
      {"paragraphs, spaces and notes",
       OdsParts({{"T",
                  "<table:table-row><table:table-cell><office:annotation><text:p>note"
                  "</text:p></office:annotation><text:p>N<text:s text:c=\"2\"/>30E</text:p>"
                  "<text:p>b</text:p></table:table-cell></table:table-row>"}}),
       {"N  30E b"}},
      {"repeated cells and rows; trailing empty ones cost nothing",
       OdsParts({{"T", "<table:table-row table:number-rows-repeated=\"2\">" + number +
                           "\"5\" table:number-columns-repeated=\"2\"/><table:table-cell "
                           "table:number-columns-repeated=\"2\"/><table:covered-table-cell/>" +
                           number +
                           "\"6\"/><table:table-cell "
                           "table:number-columns-repeated=\"16000\"/></table:table-row>"
                           "<table:table-row table:number-rows-repeated=\"3\"><table:table-cell/>"
                           "</table:table-row><table:table-row>" +
                           number +
                           "\"7\"/>"
                           "</table:table-row><table:table-row "
                           "table:number-rows-repeated=\"1048000\"><table:table-cell "
                           "table:number-columns-repeated=\"1024\"/></table:table-row>"}}),
       {"5\t5\t\t\t\t6", "5\t5\t\t\t\t6", "", "", "", "7"}},
  };
  const testing::ScratchFolder folder;
  ExpectCells(rows, folder.File("cells.ods"));
}

TEST(WorkbookTest, SheetsChosenByNameOrPosition) {
  const std::vector<std::pair<std::string, std::string>> xlsxSheets = {
      {"Bedding", "<row><c><v>1</v></c></row>"},
      {"3", "<row><c><v>2</v></c></row>"},
      {"Faults", "<row><c><v>3</v></c></row>"}};
  const auto table = [](const char* value) {
    return std::string("<table:table-row><table:table-cell><text:p>") + value +
           "</text:p></table:table-cell></table:table-row>";
  };
  testing::ScratchFolder folder;
  const std::string xlsx = folder.File("book.xlsx");
  const std::string ods = folder.File("book.ods");
  ASSERT_TRUE(testing::WriteZip(xlsx, XlsxParts(xlsxSheets)));
  ASSERT_TRUE(testing::WriteZip(
      ods, OdsParts({{"Bedding", table("1")}, {"3", table("2")}, {"Faults", table("3")}})));
  for (const std::string& path : {xlsx, ods}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ListWorkbookSheets(path).names, (std::vector<std::string>{"Bedding", "3", "Faults"}));
    EXPECT_EQ(ReadSheet(path).lines, std::vector<std::string>{"1"});
    EXPECT_EQ(ReadSheet(path, "Faults").lines, std::vector<std::string>{"3"});
    EXPECT_EQ(ReadSheet(path, "2").lines, std::vector<std::string>{"2"});
    // A sheet named as a number is chosen by its name first.
    EXPECT_EQ(ReadSheet(path, "3").lines, std::vector<std::string>{"2"});
    EXPECT_EQ(ReadSheet(path, "4").error, "it has no sheet 4 (it has 3 sheets)");
    EXPECT_EQ(ReadSheet(path, "Dykes").error,
              "it has no sheet \"Dykes\" (its sheets: \"Bedding\", \"3\", \"Faults\")");
  }
}

struct HostileRow {
  const char* name;
  std::string file;
  std::string message;  // the start of the source's problem
};

TEST(WorkbookTest, HostileWorkbooksAreRefusedWithAMessage) {
  testing::ScratchFolder folder;
  const std::string zeros(std::size_t{96} << 20, '0');
  const std::string emptyRows =
      "<row r=\"1\"><c><v>1</v></c></row><row r=\"99999999\"><c><v>2</v></c></row>";
  const std::string hugeRepeat =
      "<table:table-row table:number-rows-repeated=\"1000000000\"><table:table-cell>"
      "<text:p>x</text:p></table:table-cell></table:table-row>";
  const std::string laughs =
      "<!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]><w>&b;</w>";
  Parts withoutRels = XlsxParts({{"S", ""}});
  withoutRels.erase(withoutRels.begin() + 2);
  Parts encryptedOds = OdsParts({{"T", ""}});
  encryptedOds.emplace_back("META-INF/manifest.xml", "<manifest:encryption-data/>");
  Parts laughsParts = XlsxParts({{"S", ""}}, "<si/>");
  laughsParts.back().second = laughs;
  Parts badString = XlsxParts({{"S", "<row><c t=\"s\"><v>7</v></c></row>"}}, "<si><t>a</t></si>");
  Parts damagedXml = XlsxParts({{"S", "<row><c><v>1</v></c></row><row><c>"}});
  damagedXml[0].second = "<worksheet><sheetData><row><c><v>1</v></c></row><row></c>";

  const struct {
    const char* name;
    Parts parts;
    const char* file;
    std::string message;
  } rows[] = {
      {"zip bomb", XlsxParts({{"S", zeros}}), "bomb.xlsx",
       "the part \"xl/worksheets/sheet1.xml\" would inflate to more than 1 GiB"},
      {"row far beyond a sheet", XlsxParts({{"S", emptyRows}}), "far.xlsx",
       "it declares a row beyond row 16777216"},
      {"absurd repeat", OdsParts({{"T", hugeRepeat}}), "repeat.ods",
       "it declares a row beyond row 16777216"},
      {"missing relationships", withoutRels, "rels.xlsx",
       "it has no part \"xl/_rels/workbook.xml.rels\""},
      {"encrypted .ods", encryptedOds, "secret.ods", "it is encrypted"},
      {"unknown shared string", badString, "strings.xlsx", "a cell refers to shared string 7"},
      {"damaged XML", damagedXml, "damaged.xlsx", "its XML is damaged (mismatched tag"},
      {"entity expansion", laughsParts, "laughs.xlsx", "it declares a document type"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.File(row.file);
    ASSERT_TRUE(testing::WriteZip(path, row.parts));
    // Rows before the problem are read; the rest is refused.
    EXPECT_EQ(ReadSheet(path).error.substr(0, row.message.size()), row.message);
  }
  // A workbook that fails before its first row cannot be used at all.
  const std::string bomb = folder.File("bomb.xlsx");
  const PreviewGrid grid = BuildPreview(OpenWorkbookLines(bomb, "").get(), ",", false);
  EXPECT_EQ(grid.problem, "\"" + bomb +
                              "\" cannot be read as a workbook: the part "
                              "\"xl/worksheets/sheet1.xml\" would inflate to more than 1 GiB or "
                              "more than 1000 times its packed size.");
  // Not a zip at all: told apart by name or by signature.
  const std::string compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 rest", 13);
  const HostileRow files[] = {
      {"text named as a workbook", "a\tb\n", "it is not a zip archive"},
      {"encrypted .xlsx", compound, "it is encrypted"},
      {"truncated zip", "PK\x03\x04 and nothing else", "it is no readable zip archive"},
  };
  for (const HostileRow& row : files) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.Write("file.xlsx", row.file);
    const PreviewGrid file = BuildPreview(OpenWorkbookLines(path, "").get(), ",", false);
    EXPECT_NE(file.problem.find(row.message), std::string::npos) << file.problem;
  }
  // Text, whatever its name, when it is not named as a workbook.
  EXPECT_EQ(OpenWorkbookLines(folder.Write("plain.txt", "PK\x03\x04"), ""), nullptr);
}

TEST(WorkbookTest, ResultFieldsAsNumberCells) {
  const struct {
    const char* field;
    char decimal;
    std::optional<std::string> format;
  } rows[] = {
      {"045.50", '.', "000.00"},   {"45.5", '.', "0.0"},       {"-12", '.', "0"},
      {"0.25", '.', "0.00"},       {"45,5", ',', "0.0"},       {"45,5", '.', std::nullopt},
      {"N30E", '.', std::nullopt}, {"1e5", '.', std::nullopt}, {"-", '.', std::nullopt},
      {".5", '.', std::nullopt},   {"5.", '.', std::nullopt},  {"", '.', std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(NumberFormatOfField(row.field, row.decimal), row.format) << row.field;
  }
}

TEST(WorkbookTest, NumberFormatsThatShowDates) {
  EXPECT_EQ(DateShownByFormat(14, ""), DateShown::kDate);
  EXPECT_EQ(DateShownByFormat(22, ""), DateShown::kDateTime);
  EXPECT_EQ(DateShownByFormat(20, ""), DateShown::kTime);
  EXPECT_EQ(DateShownByFormat(164, "yyyy-mm-dd hh:mm"), DateShown::kDateTime);
  EXPECT_EQ(DateShownByFormat(164, "[Red]0.0\\ \"days\""), DateShown::kNone);
  EXPECT_EQ(DateShownByFormat(0, "General"), DateShown::kNone);
}

}  // namespace
}  // namespace Lodema
