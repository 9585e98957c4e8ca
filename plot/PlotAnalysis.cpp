// SPDX-License-Identifier: MIT
#include "plot/PlotAnalysis.h"

#include <algorithm>

#include "plot/PlotDrawing.h"
#include "plot/Symbols.h"

namespace Lodema::Plot {

PlotAnalysis AnalysePlot(const PlotStore& store, ProjectionType projection,
                         const AnalysisChoice& choice) {
  PlotAnalysis analysis;
  analysis.choice = choice;
  analysis.items = RetainedResultAxes(store);
  analysis.statistics = AxisStatisticsOf(analysis.items.axes);
  if (choice.contours) {
    analysis.density = ComputeDensity(analysis.items.axes, *choice.contours, projection);
    analysis.levels = ContourLevels(analysis.density);
    analysis.contours = TraceContours(analysis.density, analysis.levels);
  }
  return analysis;
}

void RedrawPlotWithAnalysis(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                            const PlotAnalysis& analysis) {
  RedrawPlot(surface, store, view, [&analysis](DrawingSurface& under) {
    DrawContours(under, analysis.contours, static_cast<int>(analysis.levels.size()));
  });
  if (analysis.statistics) {
    DrawStatistics(surface, view.projection, *analysis.statistics, analysis.choice.statistics);
  }
}

int AnalysisLegendRows(const PlotAnalysis& analysis) {
  int rows = 0;
  if (analysis.choice.contours && !analysis.density.values.empty()) {
    rows += 1 + std::max(1, static_cast<int>(analysis.levels.size()));
  }
  if (!analysis.statistics) return rows;
  const StatisticsLayers& layers = analysis.choice.statistics;
  return rows + (layers.meanAndCone ? 1 : 0) + (layers.eigenvectors ? 3 : 0) +
         (layers.girdle ? 1 : 0);
}

double DrawAnalysisLegend(DrawingSurface& surface, double left, double top, double textHeight,
                          const PlotAnalysis& analysis, double maxWidth) {
  const double rowStep = 1.6 * textHeight;
  double y = top;
  if (analysis.choice.contours && !analysis.density.values.empty()) {
    DrawContourLegend(surface, left, y, textHeight, analysis.density, analysis.levels, maxWidth);
    y -= rowStep * (1.0 + static_cast<double>(std::max<std::size_t>(analysis.levels.size(), 1)));
  }
  if (!analysis.statistics) return top - y;
  const Pen savedPen = surface.pen();
  const double sampleX = left + 1.5 * textHeight;
  const double textX = left + 3.6 * textHeight;
  const auto label = [&](const char* text) {
    surface.SetPen(Pen{});
    const double room = maxWidth > 0.0 ? maxWidth - (textX - left) : 0.0;
    surface.Text({textX, y}, text, FittedTextHeight(surface, text, textHeight, room),
                 TextAnchor::kLeft);
    y -= rowStep;
  };
  const StatisticsLayers& layers = analysis.choice.statistics;
  if (layers.meanAndCone) {
    DrawScreenSymbols(surface, {sampleX, y}, kMeanColour, kMeanShape, kStatisticsSymbolSize);
    label("Mean, 95% cone");
  }
  if (layers.eigenvectors) {
    const char* const names[3] = {"Eigenvector 1", "Eigenvector 2", "Eigenvector 3"};
    for (int i = 0; i < 3; ++i) {
      surface.SetPen(Pen{kEigenColour, 1});
      DrawScreenSymbols(surface, {sampleX, y}, kEigenColour, kEigenvectorShapes[i],
                        kStatisticsSymbolSize);
      label(names[i]);
    }
  }
  if (layers.girdle) {
    surface.SetPen(Pen{kEigenColour, 2, LineStyle::kDash});
    surface.Line({left, y}, {left + 3.0 * textHeight, y});
    label("Best-fit great circle");
  }
  surface.SetPen(savedPen);
  return top - y;
}

std::string AnalysisText(const PlotAnalysis& analysis, const OutputNotation& notation) {
  std::string text = StatisticsTextOf(analysis.items, notation);
  if (analysis.choice.contours && !analysis.density.values.empty()) {
    text += "Contours: " + DensityMethodTitle(analysis.density.method);
    if (analysis.levels.empty()) {
      text += ", no level reached\n";
    } else {
      for (std::size_t i = 0; i < analysis.levels.size(); ++i) {
        text += (i == 0 ? ", levels " : ", ") +
                DensityLevelLabel(analysis.density.method, analysis.levels[i]);
      }
      text += "\n";
    }
  }
  return text;
}

}  // namespace Lodema::Plot
