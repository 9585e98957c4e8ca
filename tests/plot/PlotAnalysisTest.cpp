// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "orient/Primitives.h"
#include "plot/PlotAnalysis.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;
using testing::Op;

class IgnoreQuestion : public MismatchQuestion {
 public:
  MismatchAnswer Ask(const std::string&) override { return MismatchAnswer::kIgnore; }
};

// Retained planes dipping about 30 towards 120 (poles about 60/300), and a
// steep plane left as the current set.
PlotStore PlanesStore() {
  PlotStore store;
  IgnoreQuestion ignore;
  for (int i = 0; i < 40; ++i) {
    PlotRecord record;
    record.cells[kResult] = {
        kTypePlane, DegreesToRadians(25 + i % 10), DegreesToRadians(115 + (i * 3) % 10), 0, 0, 0};
    store.AddNewDataPoint(record, ignore);
    store.RetainCurrentData();
  }
  PlotRecord current;
  current.cells[kResult] = {kTypePlane, DegreesToRadians(80), DegreesToRadians(10), 0, 0, 0};
  store.AddNewDataPoint(current, ignore);
  return store;
}

TEST(PlotAnalysis, UsesTheRetainedResultItemsOnly) {
  const PlotAnalysis analysis =
      AnalysePlot(PlanesStore(), ProjectionType::kEqualArea, {DensityMethod::kKamb, {}});
  EXPECT_EQ(analysis.items.kind, AxisKind::kPoles);
  ASSERT_TRUE(analysis.statistics);
  EXPECT_EQ(analysis.statistics->count, 40);
  EXPECT_EQ(analysis.density.count, 40);
  EXPECT_FALSE(analysis.contours.empty());
  const std::string text = AnalysisText(analysis, {});
  EXPECT_EQ(text.rfind("40 poles to planes\n", 0), 0u) << text;
  EXPECT_NE(text.find("\nContours: Kamb, levels 4\xcf\x83, 8\xcf\x83, 12\xcf\x83, 16\xcf\x83\n"),
            std::string::npos)
      << text;

  const PlotAnalysis none = AnalysePlot(PlotStore{}, ProjectionType::kEqualArea,
                                        {DensityMethod::kExponentialKamb, {true, true, true}});
  EXPECT_FALSE(none.statistics);
  EXPECT_TRUE(none.contours.empty());
  EXPECT_EQ(AnalysisText(none, {}), "No planes or lines to describe\n");
}

TEST(PlotAnalysis, ContoursGoUnderTheDataAndStatisticsOverIt) {
  const PlotStore store = PlanesStore();
  PlotView view;
  view.planesAsGreatCircles = false;  // poles: filled squares (boxes)
  const PlotAnalysis analysis =
      AnalysePlot(store, view.projection, {DensityMethod::kExponentialKamb, {true, true, true}});
  testing::RecordingSurface surface;
  RedrawPlotWithAnalysis(surface, store, view, analysis);
  const auto& drawn = surface.drawn;
  const auto firstOf = [&](auto match) {
    return std::find_if(drawn.begin(), drawn.end(), match) - drawn.begin();
  };
  const auto lastOf = [&](auto match) {
    return drawn.rend() - std::find_if(drawn.rbegin(), drawn.rend(), match) - 1;
  };
  const auto isStatistic = [](const testing::Drawn& d) {
    return d.pen.colour == kMeanColour || d.pen.colour == kEigenColour;
  };
  const auto isContour = [&](const testing::Drawn& d) {
    return d.op == Op::kClosedPath && !isStatistic(d);
  };
  const auto isDatum = [&](const testing::Drawn& d) { return d.op == Op::kBox && !isStatistic(d); };
  ASSERT_LT(firstOf(isContour), static_cast<long>(drawn.size()));
  EXPECT_LT(lastOf(isContour), firstOf(isDatum));
  EXPECT_LT(lastOf(isDatum), firstOf(isStatistic));
  EXPECT_EQ(drawn.front().op, Op::kClear);
}

TEST(PlotAnalysis, LegendListsWhatIsDrawn) {
  const PlotStore store = PlanesStore();
  struct Row {
    const char* name;
    AnalysisChoice choice;
    std::vector<std::string> texts;
  };
  const Row rows[] = {
      {"nothing chosen", {}, {}},
      {"contours", {DensityMethod::kOnePercentArea, {}}, {"1% area count", "20\xc3\x97 uniform"}},
      {"everything",
       {DensityMethod::kKamb, {true, true, true}},
       {"Kamb", "4\xcf\x83", "Mean, 95% cone", "Eigenvector 1", "Eigenvector 2", "Eigenvector 3",
        "Best-fit great circle"}},
  };
  for (const Row& row : rows) {
    testing::RecordingSurface surface;
    const double height = DrawAnalysisLegend(
        surface, 0, 1000, 50, AnalysePlot(store, ProjectionType::kEqualArea, row.choice));
    std::vector<std::string> texts;
    for (const auto& d : surface.Of(Op::kText)) texts.push_back(d.text);
    for (const std::string& text : row.texts) {
      EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end())
          << row.name << ": " << text;
    }
    EXPECT_EQ(texts.empty(), row.texts.empty()) << row.name;
    EXPECT_EQ(height > 0, !row.texts.empty()) << row.name;
    EXPECT_EQ(AnalysisLegendRows(AnalysePlot(store, ProjectionType::kEqualArea, row.choice)) * 80,
              static_cast<int>(std::lround(height)))
        << row.name;
  }
}

// Every text of the legend ends within the width it is given: long ones are
// set smaller, short ones keep their height.
TEST(PlotAnalysis, LegendTextsStayWithinTheirWidth) {
  const PlotStore store = PlanesStore();
  const PlotAnalysis analysis = AnalysePlot(store, ProjectionType::kEqualArea,
                                            {DensityMethod::kExponentialKamb, {true, true, true}});
  constexpr double kLeft = 100.0;
  constexpr double kWidth = 600.0;
  testing::RecordingSurface surface;
  DrawAnalysisLegend(surface, kLeft, 1000, 70, analysis, kWidth);
  bool someSmaller = false;
  bool someWhole = false;
  for (const auto& d : surface.Of(Op::kText)) {
    SCOPED_TRACE(d.text);
    EXPECT_LE(d.points[0].x + EstimatedTextWidth(d.text, d.radius), kLeft + kWidth + 1e-9);
    someSmaller |= d.radius < 70.0;
    someWhole |= d.radius == 70.0;
  }
  EXPECT_TRUE(someSmaller);  // "Exponential Kamb", "Best-fit great circle"
  EXPECT_TRUE(someWhole);
}

}  // namespace
}  // namespace Lodema::Plot
