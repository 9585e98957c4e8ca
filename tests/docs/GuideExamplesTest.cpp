// SPDX-License-Identifier: MIT
// Every worked example of the user guide is run through lodema-batch and must
// give the texts the page shows, so the guide cannot drift from the program.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/docs/GuideMarkup.h"

namespace {

namespace fs = std::filesystem;
using Lodema::guide::Attributes;
using Lodema::guide::ReadFile;
using Lodema::guide::Split;

const fs::path kGuide = LODEMA_GUIDE_DIR;

std::vector<fs::path> GuidePages() {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator(kGuide)) {
    if (entry.path().extension() == ".html") pages.push_back(entry.path());
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

struct Example {
  std::string name;  // page and position, for the test's name
  std::string page;
  Attributes data;
};

void PrintTo(const Example& example, std::ostream* os) { *os << example.name; }

std::vector<Example> ExamplesOfClass(const std::string& tag, const std::string& cls) {
  std::vector<Example> out;
  for (const fs::path& page : GuidePages()) {
    int n = 0;
    for (Attributes& data : Lodema::guide::TagsWithClass(ReadFile(page), tag, cls)) {
      std::string name = page.stem().string() + "_" + std::to_string(++n);
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      out.push_back({name, page.filename().string(), std::move(data)});
    }
  }
  return out;
}

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs lodema-batch in a scratch folder with the C locale, input from text
// and other files (a survey, say) named beside it.
ToolRun RunTool(const std::vector<std::string>& args, const std::string& input,
                const std::vector<std::pair<std::string, std::string>>& files = {}) {
  static int counter = 0;
  const fs::path folder =
      fs::temp_directory_path() /
      ("lodema-guide-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
  fs::create_directories(folder);
  std::ofstream(folder / "in.txt", std::ios::binary) << input;
  for (const auto& [name, bytes] : files) std::ofstream(folder / name, std::ios::binary) << bytes;
  std::string command = "cd '" + folder.string() + "' && LC_ALL=C '" LODEMA_BATCH_TOOL "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " --in in.txt --out out.txt --decimal-char . 2> err.txt";
  const int raw = std::system(command.c_str());
  ToolRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(folder / "out.txt"),
              ReadFile(folder / "err.txt")};
  fs::remove_all(folder);
  return run;
}

// "k=v;k=v" of the examples' data- attributes.
std::vector<std::pair<std::string, std::string>> Pairs(const std::string& text) {
  std::vector<std::pair<std::string, std::string>> out;
  if (text.empty()) return out;
  for (const std::string& item : Split(text, ';')) {
    const size_t eq = item.find('=');
    out.emplace_back(item.substr(0, eq), eq == std::string::npos ? "" : item.substr(eq + 1));
  }
  return out;
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? separator : "") + parts[i];
  return out;
}

// ---- single-row examples: <table class="example" data-calc data-boxes ...> ----

class GuideExampleTest : public ::testing::TestWithParam<Example> {};

TEST_P(GuideExampleTest, EngineGivesTheTextsThePageShows) {
  const Attributes& data = GetParam().data;
  ASSERT_TRUE(data.count("data-calc") && data.count("data-boxes") && data.count("data-captions") &&
              data.count("data-results"))
      << GetParam().page << ": an example table lacks its data- attributes";

  // Each box's value goes into its own column, in slot order.
  std::vector<std::string> columns(11, "0");
  std::vector<std::string> values;
  for (const auto& [slot, value] : Pairs(data.at("data-boxes"))) {
    const int box = std::stoi(slot);
    ASSERT_TRUE(box >= 0 && box <= 10) << "box " << slot;
    values.push_back(value);
    columns[box] = std::to_string(values.size());
  }
  std::vector<std::string> args = {"--calc", data.at("data-calc"), "--captions", "--map",
                                   Join(columns, ",")};
  for (const auto& [key, value] :
       Pairs(data.count("data-settings") ? data.at("data-settings") : "")) {
    args.insert(args.end(), {"--set", key + "=" + value});
  }
  if (data.count("data-flags")) {
    for (const std::string& flag : Split(data.at("data-flags"), ' ')) {
      if (!flag.empty()) args.push_back(flag);
    }
  }

  const ToolRun run = RunTool(args, Join(values, "\t") + "\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string expected = Join(Split(data.at("data-captions"), '|'), "\t") + "\r\n" +
                               Join(Split(data.at("data-results"), '|'), "\t") + "\r\n";
  EXPECT_EQ(run.out, expected) << GetParam().page << ", calculation " << data.at("data-calc");
  EXPECT_EQ(run.err, "") << "the row was not accepted as data";
}

INSTANTIATE_TEST_SUITE_P(Guide, GuideExampleTest,
                         ::testing::ValuesIn(ExamplesOfClass("table", "example")),
                         [](const auto& testInfo) { return testInfo.param.name; });

// ---- whole-file runs: <div class="batch-example" data-args data-input ...> ----

class GuideBatchExampleTest : public ::testing::TestWithParam<Example> {};

TEST_P(GuideBatchExampleTest, ToolWritesTheFileAndSummaryThePageShows) {
  const Attributes& data = GetParam().data;
  std::vector<std::string> args;
  for (const std::string& arg : Split(data.at("data-args"), ' ')) {
    if (!arg.empty()) args.push_back(arg);
  }
  std::vector<std::pair<std::string, std::string>> files;
  if (data.count("data-survey")) files.emplace_back("survey.txt", data.at("data-survey"));
  if (data.count("data-collars")) files.emplace_back("collars.txt", data.at("data-collars"));
  const ToolRun run = RunTool(args, data.at("data-input"), files);
  std::string out = run.out;  // the page shows the CR LF line ends as plain line ends
  for (size_t at = out.find("\r\n"); at != std::string::npos; at = out.find("\r\n", at)) {
    out.erase(at, 1);
  }
  EXPECT_EQ(std::to_string(run.status), data.at("data-status"));
  EXPECT_EQ(out, data.at("data-output"));
  EXPECT_EQ(run.err, data.at("data-summary"));
}

INSTANTIATE_TEST_SUITE_P(Guide, GuideBatchExampleTest,
                         ::testing::ValuesIn(ExamplesOfClass("div", "batch-example")),
                         [](const auto& testInfo) { return testInfo.param.name; });

// ---- the guide as a whole ----

TEST(GuideTest, EveryCalculationHasAWorkedExampleAndAnAnchor) {
  std::set<int> withExample;
  for (const Example& example : ExamplesOfClass("table", "example")) {
    withExample.insert(std::stoi(example.data.at("data-calc")));
  }
  std::string allPages;
  for (const fs::path& page : GuidePages()) allPages += ReadFile(page);
  for (int calc = 0; calc <= 41; ++calc) {
    EXPECT_TRUE(withExample.count(calc)) << "calculation " << calc << " has no worked example";
    EXPECT_NE(allPages.find("id=\"calc-" + std::to_string(calc) + "\""), std::string::npos)
        << "calculation " << calc << " has no anchor for context help";
  }
}

TEST(GuideTest, LocalLinksAndPicturesExist) {
  for (const fs::path& page : GuidePages()) {
    const std::string html = ReadFile(page);
    for (const std::string& target : Lodema::guide::LinkTargets(html)) {
      if (target.find("://") != std::string::npos) continue;
      const std::string file = target.substr(0, target.find('#'));
      const std::string anchor =
          target.find('#') == std::string::npos ? "" : target.substr(target.find('#') + 1);
      const fs::path linked = file.empty() ? page : kGuide / file;
      ASSERT_TRUE(fs::exists(linked)) << page.filename() << " links to missing " << target;
      if (!anchor.empty()) {
        EXPECT_NE(ReadFile(linked).find("id=\"" + anchor + "\""), std::string::npos)
            << page.filename() << " links to missing anchor " << target;
      }
    }
  }
}

TEST(GuideMarkupTest, AttributesDecodeEntitiesAndKeepLineBreaks) {
  const auto tags = Lodema::guide::TagsWithClass(
      "<p>x</p><table class=\"example\" data-a=\"dir&#x27;n|a&amp;b\" data-b=\"1\n2\t3\">"
      "<table class=\"other\" data-a=\"no\">",
      "table", "example");
  ASSERT_EQ(tags.size(), 1u);
  EXPECT_EQ(tags[0].at("data-a"), "dir'n|a&b");
  EXPECT_EQ(tags[0].at("data-b"), "1\n2\t3");
}

}  // namespace
