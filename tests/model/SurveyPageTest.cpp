// SPDX-License-Identifier: MIT
// The file page's drill-hole survey: a log of holes and depths run with the
// core axis from the survey and the positions from the collars.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "PageRig.h"

namespace Lodema {
namespace {

using testing::PageRig;

class SurveyPageTest : public ::testing::Test, public PageRig {};

TEST_F(SurveyPageTest, LogRunWithSurveyAndCollars) {
  SelectCalculation(0);
  EXPECT_FALSE(page->Controls().survey.visible);
  SelectCalculation(17);
  EXPECT_TRUE(page->Controls().survey.visible);
  // hole, depth, beta, alpha; the stations out of order.
  UseInput("DH1\t0\t120\t40\r\nDH1\t40\t120\t40\r\nDH9\t5\t120\t40\r\n");
  page->SetSurveyFileText(folder.Write("survey.txt",
                                       "hole\tdepth\taz\tdip\r\nDH1\t80\t90\t50\r\n"
                                       "DH1\t0\t90\t60\r\nDH2\t0\t0\t90\r\n"));
  EXPECT_EQ(page->Controls().survey.status,
            "Choose the columns of the hole and of the depth for the survey.");
  page->SetSurveyHoleColumn(1);
  page->SetSurveyDepthColumn(2);
  page->SetCollarFileText(folder.Write("collars.txt", "DH1\t100\t200\t50\r\n"));
  EXPECT_EQ(page->Controls().survey.status, "2 holes and 3 stations read");
  page->SetColumnListIndex(0, 3);
  page->SetColumnListIndex(1, 4);

  const BatchOutcome outcome = StartBatch();
  EXPECT_EQ(outcome.counts.dataRows, 2);
  EXPECT_EQ(outcome.counts.uncomputedReason, "hole DH9 is not in the survey");
  // At the collar the first station's axis (the plane beta 120, alpha 40
  // on an axis 60/090 is 69/225); halfway along the arc the point lies 40 m
  // along an arc of radius 40/(5 deg) bending up in the vertical plane.
  const std::string out = Output();
  const std::size_t second = out.find("\r\n") + 2;
  EXPECT_EQ(out.substr(0, second), "69\t225\t100\t200\t50\r\n");
  constexpr double kDeg = 3.14159265358979 / 180;
  const double r = 40.0 / (5 * kDeg);
  const double east = r * (std::sin(60 * kDeg) - std::sin(55 * kDeg));
  const double down = r * (std::cos(55 * kDeg) - std::cos(60 * kDeg));
  char line[64];
  std::snprintf(line, sizeof line, "\t%.2f\t200\t%.2f\r\n", 100 + east, 50 - down);
  EXPECT_NE(out.find(line, second), std::string::npos) << out << line;
  // Remembered with the other file choices.
  EXPECT_EQ(model.settings().SurveyFile, folder.File("survey.txt"));
  EXPECT_EQ(model.settings().SurveyHoleColumn, 1);
  EXPECT_EQ(model.settings().SurveyDepthColumn, 2);
}

TEST_F(SurveyPageTest, BadSurveyStopsTheRun) {
  SelectCalculation(17);
  UseInput("DH1\t0\t120\t40\r\n");
  page->SetSurveyHoleColumn(1);
  page->SetSurveyDepthColumn(2);
  page->SetSurveyFileText(folder.Write("survey.txt", "DH1\t0\t90\t60\r\nDH1\t0\t80\t60\r\n"));
  const std::string problem =
      "The survey file cannot be used: hole DH1 has two stations at depth 0 with different "
      "directions.";
  EXPECT_EQ(page->Controls().survey.status, problem);
  StartBatch();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, problem);
  EXPECT_EQ(Output(), "");
}

}  // namespace
}  // namespace Lodema
