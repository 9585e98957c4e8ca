#include "plot/PlotAnalysis.h"

#include "plot/PlotDrawing.h"

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

void DrawAnalysisLegend(DrawingSurface& surface, double left, double top, double textHeight,
                        const PlotAnalysis& analysis) {
  if (!analysis.choice.contours || analysis.density.values.empty()) return;
  DrawContourLegend(surface, left, top, textHeight, analysis.density, analysis.levels);
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
