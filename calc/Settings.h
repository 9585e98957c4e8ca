// SPDX-License-Identifier: MIT
// Lodema's in-memory preferences. One Settings value lives for the whole
// process (the main window model owns it); the batch run, the plot window and
// the dialogs read and change it. Most members are named like their keys in
// the settings store (calc/SettingsIO.cpp maps every key), and the member
// initialisers are the values a first start with an empty store produces.
#pragma once

#include <array>
#include <string>

#include "orient/Records.h"

namespace Lodema {

// Settings store addressing. Every write goes to kApplicationName; the first
// run of this version reads kLegacyApplicationName instead (see LoadSettings).
inline constexpr const char* kApplicationName = "Lodema 4";
inline constexpr const char* kLegacyApplicationName = "Lodema";
inline constexpr const char* kSectionStartUp = "StartUp";
inline constexpr const char* kSectionConventions = "Conventions";
inline constexpr const char* kSectionFiles = "Files";

// Plot symbol table: rows are kinds (0 Result, 1-4 windows A-D, 5-7 kept in
// the store but unused); columns are colour index (0-24), shape, size.
inline constexpr int kSymbolRows = 8;
inline constexpr int kSymbolColumns = 3;
inline constexpr int kSymbolColourColumn = 0;
inline constexpr int kSymbolShapeColumn = 1;
inline constexpr int kSymbolSizeColumn = 2;
inline constexpr int kColourCount = 25;

using SymbolTable = std::array<std::array<int, kSymbolColumns>, kSymbolRows>;
using ColourTable = std::array<int, kColourCount>;

// A symbol or colour slot left as built in: the stereonet draws its own
// symbol or colour there (plot/Symbols.h holds them). The store has always
// written -1 for it, and a missing key reads as -1.
inline constexpr int kBuiltInStyle = -1;
inline constexpr SymbolTable kBuiltInSymbolTable = [] {
  SymbolTable table{};
  for (auto& row : table) row = {kBuiltInStyle, kBuiltInStyle, kBuiltInStyle};
  return table;
}();
inline constexpr ColourTable kBuiltInColourTable = [] {
  ColourTable table{};
  for (int& colour : table) colour = kBuiltInStyle;
  return table;
}();

// Plot window position and size in twips (1/1440 inch).
struct WindowRect {
  int Top = 6048;
  int Left = 8040;
  int Width = 5172;
  int Height = 5292;

  bool operator==(const WindowRect&) const = default;
};

struct Settings {
  // ---- Section "Conventions" (save group 0 unless noted) ----
  // Plane notation 1-6: 1 dip/dip direction, 2 dip direction/dip,
  // 3 strike/dip/sense, 4 dip/sense/strike, 5 dip/strike (RH rule),
  // 6 strike/dip (RH rule). There is no 0.
  int PlaneConvIn = 1;
  int PlaneConvOut = 1;
  // Direction notation: 0 azimuth, 1 quadrant.
  int QuadrantIn = 0;
  int QuadrantOut = 0;
  // Line order: 0 plunge/trend, 1 trend/plunge.
  int LineConvIn = 0;
  int LineConvOut = 0;
  // Upward line plunges are shown with a minus sign.
  bool ShowPolaritySign = true;
  // Drill-core conventions.
  bool BottomMark = true;    // orientation mark at the bottom (false: top) of the core
  bool deltaNormal = false;  // delta measured from the ellipse normal (false: long axis)
  bool EllipseBase = false;  // alpha/beta measured at the ellipse bottom (false: top)
  bool BetaConv = true;      // beta 0 to 360 clockwise (false: +180 to -180)
  bool CoreConv = true;      // downward core plunge is positive (false: negative)
  bool CoreUpTrend = false;  // upward cores are named by their up-plunge trend
  bool ZenithConv = false;   // core inclination given as zenith angle (false: plunge)
  // The user's words for the drill-core angles: alpha between core axis and
  // plane, beta around the core ellipse, gamma of a line within the plane.
  // The store keeps them under the historical keys "DeltaName", "AlphaName"
  // and "BetaName" (calc/SettingsIO.cpp).
  std::string alphaWord = "alpha";
  std::string betaWord = "beta";
  std::string gammaWord = "gamma";
  std::string PlungeName = "plunge";  // "zenith" while ZenithConv is set
  std::string gPitchName = "pitch";   // "pitch" or "rake"
  std::string gHadeName = "hade";
  // Separators between the numbers of a plane / line in the plot's text display.
  std::string PlaneDelim = "/";
  std::string LineDelim = "-";
  // Results use the decimal character chosen by the user rather than the
  // system's (save group 4).
  bool NonLocaleDecimal = false;
  // The start-up decimal-character warning is suppressed (save group 3).
  bool DontAskAboutSetting = false;

  // ---- Section "StartUp" (save group 3) ----
  int Calculation = 0;  // selected calculation, 0-41
  // Approximate dip of the reference plane: 0 below 30 degrees, 1 from 30 to
  // 60, 2 above 60. Kept as stored even when outside 0-2 (then no choice).
  int SteepDip = 2;
  // Known reference direction: 0 dip direction, 1 strike, 2 fold axis,
  // 3 approximate orientation of the plane. Kept as stored, like SteepDip.
  int referenceDirection = 0;
  bool gStereoShowing = false;  // the plot window was showing at the last close
  int gPlotAxesStyle = 0;
  int gPlaneSymbols = 0;  // planes drawn as poles or great circles
  int gPlotType = 1;      // projection type
  // The plot window's "Analysis" menu: density contours (-1 none, else the
  // method: 0 exponential Kamb, 1 Kamb, 2 1% area count), the mean with its
  // cone, the eigenvectors with the girdle.
  int gPlotContours = -1;
  bool gPlotMeanCone = false;
  bool gPlotEigenvectors = false;
  SymbolTable gSymbolArray = kBuiltInSymbolTable;
  ColourTable gColourArray = kBuiltInColourTable;
  // Stored as "WinTop", "Winleft", "WinWidth", "WinHeight".
  WindowRect PlotWindowRect;

  // ---- Section "Files" ----
  std::string FileIn;  // batch input file path (group 3)
  // Input delimiter characters: TAB, " ", ",", ";", ",; \t" (any), or any
  // text typed by the user (group 3).
  std::string gFileInDelimiter = "\t";
  std::string FileOut = "Lodema Output1.txt";  // group 3
  // Output delimiter: either the character(s) themselves or the text of the
  // output delimiter list ("tab", "space"); OutputDelimiterFromListText
  // (calc/SettingsIO.h) gives the characters to write (group 2).
  std::string gFileOutDelimiter = "\t";
  bool gRetainInputData = false;         // copy input columns to the output (group 2)
  bool gInputAppended = false;           // result columns precede the input ones (group 2)
  bool gKeepFileNonData = false;         // copy non-data rows to the output (group 2)
  bool gIncludeResultsCaptions = false;  // header row of result labels (group 3)
  // The drill-hole survey that gives core calculations their axis, the
  // holes' collars, and the input columns (1-based, 0 none) of each row's
  // hole and depth (group 3).
  std::string SurveyFile;
  std::string CollarFile;
  int SurveyHoleColumn = 0;
  int SurveyDepthColumn = 0;

  bool operator==(const Settings&) const = default;
};

// How the user types planes, lines and directions, and how results are
// written: the stored codes as notations.
inline OrientGeometry::Notation NotationIn(const Settings& s) {
  return {OrientGeometry::PlaneNotationFromCode(s.PlaneConvIn),
          OrientGeometry::LineNotationFromCode(s.LineConvIn),
          OrientGeometry::AzimuthStyleFromCode(s.QuadrantIn)};
}
inline OrientGeometry::Notation NotationOut(const Settings& s) {
  return {OrientGeometry::PlaneNotationFromCode(s.PlaneConvOut),
          OrientGeometry::LineNotationFromCode(s.LineConvOut),
          OrientGeometry::AzimuthStyleFromCode(s.QuadrantOut)};
}

// The mark results are written with: the system's (localeMark), or the other
// one when the user chose it (NonLocaleDecimal).
inline OrientGeometry::DecimalMark ResultDecimalMark(const Settings& s,
                                                     OrientGeometry::DecimalMark localeMark) {
  using OrientGeometry::DecimalMark;
  if (!s.NonLocaleDecimal) return localeMark;
  return localeMark == DecimalMark::kComma ? DecimalMark::kPoint : DecimalMark::kComma;
}

}  // namespace Lodema
