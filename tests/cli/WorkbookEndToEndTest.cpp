// SPDX-License-Identifier: MIT
// lodema-batch over workbooks: each run gives the same bytes as the run over
// the same rows saved as TAB-delimited text, and .xlsx results hold numbers
// as number cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/Workbook.h"
#include "batch/WorkbookArchive.h"
#include "tests/cli/ToolInFolder.h"

namespace {

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
