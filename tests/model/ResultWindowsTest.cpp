// SPDX-License-Identifier: MIT
// Result windows: number formatting, and labelling and writing in the output
// conventions.
#include <limits>
#include <string>

#include "ModelTestSupport.h"
#include "orient/Primitives.h"

namespace Lodema {
namespace {

using OrientGeometry::DegreesToRadians;

struct FixedRow {
  const char* name;
  const char* value;
  int decimals;
  char decimalChar;
  bool pad;
  const char* shown;
};
class AngleFixed : public ::testing::TestWithParam<FixedRow> {};

TEST_P(AngleFixed, CutsToTheDecimalsWithTheOutputCharacter) {
  const FixedRow& row = GetParam();
  EXPECT_EQ(FormatAngleFixed(row.value, row.decimals, row.decimalChar, row.pad), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AngleFixed,
    ::testing::Values(FixedRow{"TruncatedNotRounded", "35.678", 1, '.', false, "35.6"},
                      FixedRow{"PaddedAzimuth", "5", 0, '.', true, "005"},
                      FixedRow{"PaddedWithDecimals", "45.678", 2, '.', true, "045.67"},
                      FixedRow{"CommaOutput", "12.5", 1, ',', false, "12,5"},
                      FixedRow{"CommaInput", "12,5", 2, '.', false, "12.5"},
                      FixedRow{"NoDigitsKept", "12.5", 0, '.', false, "12"},
                      FixedRow{"NegativeZero", "-0.04", 1, '.', false, "0.0"},
                      FixedRow{"Negative", "-12.345", 2, '.', false, "-12.34"},
                      FixedRow{"TinyExponent", "1E-25", 2, '.', false, "0"},
                      FixedRow{"NotANumber", "-999x", 2, '.', true, "-999x"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(AngleGeneral, RoundsHalvesToEvenOnlyWithoutDecimals) {
  EXPECT_EQ(FormatAngleGeneral(DegreesToRadians(35.678), 0), "36");
  EXPECT_EQ(FormatAngleGeneral(DegreesToRadians(44.5), 0), "44");
  EXPECT_EQ(FormatAngleGeneral(DegreesToRadians(35.678), 1), "35.678");
  EXPECT_EQ(FormatAngleGeneral(std::numeric_limits<double>::quiet_NaN(), 2), "0");
}

struct OutputRow {
  const char* name;
  int planeConvOut;
  int lineConvOut;
  int quadrantOut;
  int calculation;  // 15 reformats a plane, 16 a line
  const char* first;
  const char* second;
  const char* captions;
  const char* results;
};
class OutputConventions : public ModelTest, public ::testing::WithParamInterface<OutputRow> {};

TEST_P(OutputConventions, LabelsAndWritesTheResult) {
  const OutputRow& row = GetParam();
  model.settings().PlaneConvOut = row.planeConvOut;
  model.settings().LineConvOut = row.lineConvOut;
  model.settings().QuadrantOut = row.quadrantOut;
  Enter(row.calculation, {{0, row.first}, {1, row.second}});
  EXPECT_EQ(ResultCaptions(4), row.captions);
  EXPECT_EQ(Results(4), row.results);
  // Chosen while the result is shown, the notations relabel and rewrite it.
  CalculatorModel changed;
  changed.SelectCalculation(row.calculation);
  changed.SetEntryText(0, row.first);
  changed.SetEntryText(1, row.second);
  changed.SetOutputPlaneNotation(row.planeConvOut);
  changed.SetOutputLineOrder(row.lineConvOut);
  changed.SetOutputDirectionNotation(row.quadrantOut);
  const auto& values = changed.Controls().resultValues;
  EXPECT_EQ(values[0].caption + "|" + values[1].caption + "|" + values[2].caption, row.results);
  EXPECT_EQ(changed.Controls().resultCaptions[0].caption, C().resultCaptions[0].caption);
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, OutputConventions,
    ::testing::Values(
        OutputRow{"DipDirection", 1, 0, 0, 15, "30", "45", "dip,dir'n,-", "30|045|"},
        OutputRow{"DirectionFirst", 2, 0, 0, 15, "30", "45", "dir'n,dip,-", "045|30|"},
        OutputRow{"StrikeDipSense", 3, 0, 0, 15, "30", "135", "strike,dip,sense", "045|30|S"},
        OutputRow{"DipSenseStrike", 4, 0, 0, 15, "30", "135", "dip,sense,strike", "30|S|045"},
        OutputRow{"RightHandRule", 5, 0, 0, 15, "30", "90", "dip,strike,-", "30|360|"},
        OutputRow{"StrikeQuadrant", 6, 0, 1, 15, "30", "45", "strike,dip,-", "N45W|30|"},
        OutputRow{"LineAzimuth", 1, 0, 0, 16, "20", "5", "plunge,trend,-", "20|005|"},
        OutputRow{"LineTrendFirst", 1, 1, 0, 16, "20", "5", "trend,plunge,-", "005|20|"},
        OutputRow{"LineQuadrant", 1, 0, 1, 16, "20.5", "225.25", "plunge,trend,-",
                  "20.5|S45.25W|"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(ModelTest, ChoosingTheOtherDecimalCharacterRewritesShownResults) {
  Enter(16, {{0, "12.5"}, {1, "100"}});
  model.SetDecimalChar(1);
  EXPECT_EQ(Result(0), "12,5");
  EXPECT_TRUE(C().localeWarning.visible);
  model.SetDecimalChar(0);
  EXPECT_EQ(Result(0), "12.5");
  EXPECT_FALSE(model.settings().NonLocaleDecimal);
}

TEST_F(ModelTest, AngleResultsUseTheMeasuredAngleCaption) {
  model.SelectCalculation(10);
  EXPECT_EQ(ResultCaptions(4), "-,pitch,sense");
  model.SelectCalculation(11);
  EXPECT_EQ(ResultCaptions(4), "-,hade,-");
  model.SelectCalculation(2);
  EXPECT_EQ(ResultCaptions(4), "-,angle,-");
}

}  // namespace
}  // namespace Lodema
