// SPDX-License-Identifier: MIT
// The analysis of the retained Result items that the plot window's
// "Analysis" menu shows: density contours under the data ("Contour
// Result"), the mean with its 95% cone ("Mean and cone") and the
// eigenvectors with the best-fit great circle ("Eigenvectors and girdle")
// over it, and the text panel listing the statistics.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/Contours.h"
#include "plot/DensityGrid.h"
#include "plot/PlotStore.h"
#include "plot/PlotView.h"
#include "plot/ResultAxes.h"
#include "plot/Statistics.h"
#include "plot/StatisticsDrawing.h"
#include "plot/StatisticsText.h"

namespace Lodema::Plot {

// What the menu has switched on.
struct AnalysisChoice {
  std::optional<DensityMethod> contours;  // "Contour Result" with its method
  StatisticsLayers statistics;            // "Mean and cone", "Eigenvectors and girdle"
};

// Everything computed for one redraw.
struct PlotAnalysis {
  AnalysisChoice choice;
  ResultAxes items;
  std::optional<AxisStatistics> statistics;  // none without usable items
  DensityGrid density;                       // empty unless contours are chosen
  std::vector<double> levels;
  std::vector<ContourLine> contours;
};

// Computes what `choice` asks for from the store's retained Result items,
// under the view's projection. The statistics are always computed (the
// text panel lists them whatever is drawn).
PlotAnalysis AnalysePlot(const PlotStore& store, ProjectionType projection,
                         const AnalysisChoice& choice);

// RedrawPlot with the analysis: contours between the frame and the data,
// the chosen statistics on top.
void RedrawPlotWithAnalysis(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                            const PlotAnalysis& analysis);

// The legend of what the analysis draws, from `top` down: the contour
// levels, then a row per statistic drawn (mean and cone, each eigenvector,
// the great circle). Texts are kept within maxWidth of `left` (<= 0: no
// bound). Returns the height used (0 when nothing is drawn).
double DrawAnalysisLegend(DrawingSurface& surface, double left, double top, double textHeight,
                          const PlotAnalysis& analysis, double maxWidth = 0.0);

// The rows DrawAnalysisLegend takes (0 when it draws nothing).
int AnalysisLegendRows(const PlotAnalysis& analysis);

// The text panel: the statistics in the output conventions, then the
// contour method and levels when contours are drawn. Lines end in "\n".
std::string AnalysisText(const PlotAnalysis& analysis, const OutputNotation& notation);

}  // namespace Lodema::Plot
