// SPDX-License-Identifier: MIT
// lodema-batch over workbooks: each run gives the same bytes as the run over
// the same rows saved as TAB-delimited text, and .xlsx results hold numbers
// as number cells.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <string>
#include <vector>

#include "batch/Workbook.h"
#include "batch/WorkbookArchive.h"
#include "tests/batch/WorkbookFixtures.h"
#include "tests/cli/ToolInFolder.h"

namespace {

using Lodema::testing::OdsParts;

// The rows of a sheet made here, and the same as TAB-delimited text:
// numbers, a decimal comma and a quadrant bearing typed as text, a
// formula's cached value, a note, an empty row, trailing empty cells.
const char* const kText =
    "dip\tdirection\tnote\r\n30\t90\r\n45,5\tS20W\r\n60\t300\tlimb\r\n* field 2\r\n\r\n"
    "12.25\t45\r\n";

void WriteXlsx(const std::string& path) {
  lxw_workbook* book = workbook_new(path.c_str());
  workbook_add_worksheet(book, "Notes");
  lxw_worksheet* s = workbook_add_worksheet(book, "Bedding");
  worksheet_write_string(s, 0, 0, "dip", nullptr);
  worksheet_write_string(s, 0, 1, "direction", nullptr);
  worksheet_write_string(s, 0, 2, "note", nullptr);
  worksheet_write_number(s, 1, 0, 30, nullptr);
  worksheet_write_number(s, 1, 1, 90, nullptr);
  worksheet_write_string(s, 2, 0, "45,5", nullptr);
  worksheet_write_string(s, 2, 1, "S20W", nullptr);
  worksheet_write_formula_num(s, 3, 0, "=A2*2", nullptr, 60);
  worksheet_write_number(s, 3, 1, 300, nullptr);
  worksheet_write_string(s, 3, 2, "limb", nullptr);
  worksheet_write_string(s, 4, 0, "* field 2", nullptr);
  worksheet_write_blank(s, 4, 3, workbook_add_format(book));  // styled but empty
  worksheet_write_number(s, 6, 0, 12.25, nullptr);
  worksheet_write_number(s, 6, 1, 45, nullptr);
  workbook_close(book);
}

// The same rows as .ods cells, then a repeat of a million empty rows.
std::string OdsRows() {
  std::string rows;
  for (const char* line : {"dip\tdirection\tnote", "30\t90", "45,5\tS20W", "60\t300\tlimb",
                           "* field 2", "", "12.25\t45"}) {
    rows += "<table:table-row>";
    std::string text = line;
    for (std::size_t start = 0; !text.empty();) {
      const std::size_t tab = text.find('\t', start);
      const std::string cell = text.substr(start, tab - start);
      const bool number =
          !cell.empty() && cell.find_first_not_of("0123456789.") == std::string::npos;
      rows += number ? "<table:table-cell office:value-type=\"float\" office:value=\"" + cell +
                           "\"><text:p>" + cell + "</text:p></table:table-cell>"
                     : "<table:table-cell><text:p>" + cell + "</text:p></table:table-cell>";
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    rows += "</table:table-row>";
  }
  return rows +
         "<table:table-row table:number-rows-repeated=\"1048570\"><table:table-cell/>"
         "</table:table-row>";
}

class WorkbookEndToEndTest : public Lodema::testing::ToolInFolderTest {
 protected:
  std::string RunToText(std::vector<std::string> args, const std::string& out, int& status) {
    args.insert(args.end(), {"--out", out});
    status = RunTool(args, "2> stderr.txt");
    return Read(out);
  }
  // Runs textArgs, then args with each of the books' inputs added: the same
  // output, status and messages. The text run's output.
  std::string ExpectBooksGiveTheText(const std::vector<std::string>& textArgs,
                                     const std::vector<std::string>& args,
                                     const std::vector<std::vector<std::string>>& books) {
    int textStatus = 0;
    const std::string text = RunToText(textArgs, "text.out", textStatus);
    const std::string textErrors = Read("stderr.txt");
    for (const std::vector<std::string>& book : books) {
      SCOPED_TRACE(book[1]);
      std::vector<std::string> bookArgs = args;
      bookArgs.insert(bookArgs.end(), book.begin(), book.end());
      int status = 0;
      EXPECT_EQ(RunToText(bookArgs, "book.out", status), text);
      EXPECT_EQ(status, textStatus);
      EXPECT_EQ(Read("stderr.txt"), textErrors);
    }
    return text;
  }
};

TEST_F(WorkbookEndToEndTest, WorkbooksMadeHereGiveTheBytesOfTheirText) {
  Write("rows.txt", kText);
  WriteXlsx(folder_.File("rows.xlsx"));
  ASSERT_TRUE(Lodema::testing::WriteZip(folder_.File("rows.ods"),
                                        OdsParts({{"Notes", ""}, {"Bedding", OdsRows()}})));
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {"--calc", "15", "--headings", "--captions", "--retain-input", "--keep-nondata",
            "--input-headers"},
           {"--calc", "15", "--set", "PlaneConvOut=3", "--set", "QuadrantOut=1", "--jobs", "2",
            "--retain-input", "--results-first"}}) {
    SCOPED_TRACE(args.back());
    std::vector<std::string> textArgs = args;
    textArgs.insert(textArgs.end(), {"--in", "rows.txt"});
    EXPECT_FALSE(ExpectBooksGiveTheText(textArgs, args,
                                        {{"--in", "rows.xlsx", "--sheet", "Bedding"},
                                         {"--in", "rows.ods", "--sheet", "2"}})
                     .empty());
  }
}

// A sheet saved by a spreadsheet program (LibreOffice Calc, as .xlsx and
// .ods: a heading row, numbers, a formula's cached value, a note, a
// direction typed as text "045") and the same sheet exported by it as
// TAB-delimited text, its sheet named or taken as the first; the cells' own
// readings and the choice among sheets are the workbook tests'.
TEST_F(WorkbookEndToEndTest, WorkbooksGiveTheBytesOfTheirTextExport) {
  for (const char* name :
       {"spreadsheet-export.xlsx", "spreadsheet-export.ods", "spreadsheet-export.txt"}) {
    Write(name, Lodema::testing::ScratchFolder::Read(std::string(LODEMA_GOLDEN_DIR) + "/" + name));
  }
  // The export writes the note's empty cells as tabs, the books hold none.
  std::string exported = Read("spreadsheet-export.txt");
  for (std::size_t at; (at = exported.find("\t\n")) != std::string::npos;) exported.erase(at, 1);
  Write("spreadsheet-export.txt", exported);
  const std::vector<std::vector<std::string>> cases = {
      {"--calc", "0", "--headings", "--captions", "--retain-input"},
      {"--calc", "15", "--headings", "--captions", "--retain-input", "--keep-nondata",
       "--input-headers"},
      {"--calc", "15", "--set", "PlaneConvOut=3", "--set", "QuadrantOut=1", "--jobs", "2",
       "--retain-input", "--results-first"},
      {"--calc", "15", "--map", "2,1,0,0,0,0,0,0,0,0,0", "--delimiter", ";"},
  };
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(args.back());
    std::vector<std::string> textArgs = args;
    textArgs.insert(textArgs.end(), {"--in", "spreadsheet-export.txt"});
    // The text export keeps TAB whatever the run's delimiter says.
    if (textArgs[textArgs.size() - 3] == ";") textArgs[textArgs.size() - 3] = "tab";
    const std::string text =
        ExpectBooksGiveTheText(textArgs, args,
                               {{"--in", "spreadsheet-export.xlsx", "--sheet", "Limbs"},
                                {"--in", "spreadsheet-export.ods"}});
    EXPECT_FALSE(text.empty());
    if (args[1] == "0") {
      // The heading line is read, not copied; the formula's cached value is 120.
      EXPECT_EQ(text,
                "\t\t\t\tResult:plunge\tResult:trend\r\n30\t90\t60\t270\t0\t180\r\n"
                "44.7\t120\t20.25\t300\t0.00\t210\r\n75\t045\t10\t180\t7\t133\r\n");
    }
  }
}

TEST_F(WorkbookEndToEndTest, ResultsWrittenAsAWorkbook) {
  Write("rows.txt", "30\t90\r\n45.5\tN20W\r\nnote\r\n");
  int status = 0;
  const std::vector<std::string> args = {"--calc",         "15",         "--set",
                                         "PlaneConvOut=3", "--captions", "--retain-input",
                                         "--keep-nondata", "--in",       "rows.txt"};
  const std::string text = RunToText(args, "results.txt", status);
  // One worker or two (whose shares of the lines are gathered first).
  for (const char* jobs : {"1", "2"}) {
    SCOPED_TRACE(jobs);
    std::vector<std::string> jobArgs = args;
    jobArgs.insert(jobArgs.end(), {"--jobs", jobs});
    RunToText(jobArgs, "results.xlsx", status);
    EXPECT_EQ(status, 0);
    // The same fields, cell by cell (empty trailing ones are no cells);
    // numbers are read back as the shortest text of their value.
    std::unique_ptr<Lodema::LineReader> reader =
        Lodema::OpenWorkbookLines(folder_.File("results.xlsx"), "");
    ASSERT_NE(reader, nullptr);
    std::string lines;
    for (std::string line; reader->ReadLine(line);) lines += line + "\r\n";
    EXPECT_EQ(lines,
              "\t\tResult:strike\tResult:dip\tResult:sense\r\n30\t90\t360\t30\tE\r\n"
              "45.5\tN20W\r\nnote\r\n");
  }
  EXPECT_EQ(text.substr(0, 50), "\t\tResult:strike\tResult:dip\tResult:sense\r\n30\t90\t360");
  std::string problem;
  std::string sheet;
  auto archive = Lodema::WorkbookArchive::Open(folder_.File("results.xlsx"), problem);
  ASSERT_NE(archive, nullptr);
  ASSERT_TRUE(archive->ReadPart("xl/worksheets/sheet1.xml", 1 << 20, sheet, problem));
  EXPECT_NE(sheet.find("<c r=\"B2\" s=\"1\"><v>90</v></c>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("<is><t>N20W</t></is>"), std::string::npos) << sheet;

  // A workbook is never appended to; the previous one stays as it was.
  const std::string before = Read("results.xlsx");
  std::vector<std::string> append = args;
  append.push_back("--append");
  RunToText(append, "results.xlsx", status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(Read("stderr.txt"),
            "Results cannot be added to a workbook (.xlsx): choose \"Replace data\" or a text "
            "output file.\n");
  EXPECT_EQ(Read("results.xlsx"), before);
}

}  // namespace
