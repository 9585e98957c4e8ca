// SPDX-License-Identifier: MIT
// Command-line options of lodema-batch.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/ColumnMapping.h"
#include "batch/SurveyTable.h"
#include "plot/DensityGrid.h"

namespace Lodema {

// More workers than this gains nothing and only holds more blocks of rows.
inline constexpr int kMaxJobs = 256;

struct CliOptions {
  bool help = false;
  int calculation = -1;
  std::string input = "-";                                    // "-" for standard input
  std::string output = "-";                                   // "-" for standard output
  std::vector<std::pair<std::string, std::string>> settings;  // --set KEY=VALUE, in order
  std::string sheet;  // --sheet: a workbook's sheet, by name or position from 1
  std::string delimiter = "tab";
  std::string outputDelimiter = "tab";
  std::optional<ColumnMap> map;
  std::vector<std::pair<int, std::string>> fixes;  // --fix SLOT=TEXT, in order
  bool headings = false;
  bool captions = false;
  bool retainInput = false;
  bool resultsFirst = false;
  bool keepNonData = false;
  bool inputHeaders = false;
  bool apparentDipColumns = false;
  bool referencePlaneColumns = false;
  bool ambiguousColumns = false;
  bool secondResultColumns = false;
  bool append = false;
  bool quiet = false;  // no progress line
  std::optional<char> decimalChar;
  int jobs = 0;  // --jobs N; 0: one per processor core
  // --plot: an SVG stereonet of every written row.
  std::string plotFile;
  bool plotEqualAngle = false;                                     // --plot-type angle
  bool planesAsPoles = false;                                      // --planes-as poles
  int plotAxes = 0;                                                // --axes 0-3
  std::array<bool, 5> plotShow{true, false, false, false, false};  // --plot-show: Result, A-D
  std::optional<Plot::DensityMethod> contour;                      // --contour, with --plot
  // --stats: statistics of the written results on standard error.
  bool stats = false;
  // --survey: the core axis of each row from a drill-hole survey, found by
  // the row's hole and depth columns (1-based).
  std::string survey;
  int holeColumn = 0;
  int depthColumn = 0;
  SurveyColumns surveyColumns = kDefaultSurveyColumns;
  std::string collars;  // --collars: positions after the results
  CollarColumns collarColumns = kDefaultCollarColumns;
  bool axisColumns = false;  // the interpolated axis after the results
};

struct CliParse {
  std::optional<CliOptions> options;
  std::string error;  // names the offending option when options is empty
};

// Parses the arguments after the program name. --help anywhere wins.
CliParse ParseCliArguments(const std::vector<std::string>& arguments);

std::string UsageText();
std::string HelpText();

// True when the arguments ask for the version: --version comes before any
// --help or -h (whichever of the two comes first wins).
bool AsksForVersion(const std::vector<std::string>& arguments);

// "lodema-batch 4.9.7" and a line end, with the project's version.
std::string BatchVersionText();

}  // namespace Lodema
