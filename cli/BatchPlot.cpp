#include "cli/BatchPlot.h"

#include <fstream>
#include <vector>

#include "plot/Contours.h"
#include "plot/PlotDrawing.h"
#include "plot/SvgSurface.h"

namespace Lodema {

namespace {

// The SVG page: the plot (-1100..1100) and a legend column to its right.
constexpr double kLegendColumn = 700.0;
constexpr double kTextHeight = 70.0;

}  // namespace

Plot::PlotRecord PlotRecordOf(const CalculationRecord& record,
                              const std::array<bool, Plot::kKindCount>& shown) {
  Plot::PlotRecord plot;
  const int typeA = static_cast<int>(record.cells[Plot::kWindowA][0]);
  const bool coneAboutC = shown[Plot::kWindowA] &&
                          (typeA == Plot::kTypeReferenceAlpha || typeA == Plot::kTypeBetaAlpha);
  for (int kind = 0; kind < Plot::kKindCount; ++kind) {
    if (shown[kind] || (kind == Plot::kWindowC && coneAboutC)) {
      plot.cells[kind] = record.cells[kind];
    }
  }
  return plot;
}

BatchPlot::BatchPlot(const Plot::PlotView& view) : view_(view) {}

void BatchPlot::AddNewDataPoint(const CalculationRecord& record) {
  store_.AddNewDataPoint(PlotRecordOf(record, view_.shown), *this);
}

void BatchPlot::PressRetain() { store_.RetainCurrentData(); }

void BatchPlot::FinishRun() {
  if (store_.NewDataPending()) store_.ClearLastData();
}

void BatchPlot::SetContours(Plot::DensityMethod method, const Plot::ResultAxes* items) {
  contourMethod_ = method;
  contourItems_ = items;
}

Plot::MismatchAnswer BatchPlot::Ask(const std::string&) {
  ++mismatches_;
  return Plot::MismatchAnswer::kIgnore;
}

bool BatchPlot::WriteSvg(const std::string& path) const {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  std::vector<char> buffer(1 << 16);
  file.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  {
    const Plot::SvgPage page{-1100.0, -1100.0, 2200.0 + kLegendColumn, 2200.0, 800.0};
    Plot::SvgSurface surface(file, page);
    Plot::DensityGrid density;
    std::vector<double> levels;
    std::vector<Plot::ContourLine> contours;
    if (contourItems_ != nullptr) {
      density = Plot::ComputeDensity(contourItems_->axes, contourMethod_, view_.projection);
      levels = Plot::ContourLevels(density);
      contours = Plot::TraceContours(density, levels);
    }
    Plot::RedrawPlot(surface, store_, view_, [&](Plot::DrawingSurface& under) {
      Plot::DrawContours(under, contours, static_cast<int>(levels.size()));
    });

    const double legendCentre = 1100.0 + kLegendColumn / 2.0;
    surface.SetPen(Plot::Pen{});
    surface.Text({legendCentre - 0.4 * kLegendColumn, 940.0}, "Legend", kTextHeight,
                 Plot::TextAnchor::kLeft);
    Plot::DrawLegend(surface, {legendCentre, 1000.0, kLegendColumn - 100.0, true}, store_, view_);
    if (contourItems_ != nullptr) {
      // Below the five rows the kinds may take.
      Plot::DrawContourLegend(surface, legendCentre - 0.4 * kLegendColumn, 160.0, kTextHeight,
                              density, levels);
    }
    const Plot::CountLabel count = Plot::CountLabelFor(store_, true, {});
    if (count.visible) {
      surface.SetPen(Plot::Pen{});
      surface.Text({-1080.0, -1050.0}, "n =" + count.caption, kTextHeight, Plot::TextAnchor::kLeft);
    }
    surface.Finish();
  }
  file.flush();
  return static_cast<bool>(file);
}

Plot::PlotView PlotViewOf(const CliOptions& options) {
  Plot::PlotView view;
  view.projection =
      options.plotEqualAngle ? Plot::ProjectionType::kEqualAngle : Plot::ProjectionType::kEqualArea;
  view.axes = Plot::AxesStyleFromCode(options.plotAxes);
  view.planesAsGreatCircles = !options.planesAsPoles;
  view.shown = options.plotShow;
  view.background = Plot::kWhite;
  return view;
}

bool WriteBatchPlot(BatchPlot& plot, const std::string& path, std::FILE* errors) {
  plot.FinishRun();
  if (plot.MismatchesIgnored() > 0) {
    std::fprintf(errors,
                 "lodema-batch: %d rows gave data of another type than the first; they are "
                 "drawn under the first row's types\n",
                 plot.MismatchesIgnored());
  }
  if (!plot.WriteSvg(path)) {
    std::fprintf(errors, "lodema-batch: cannot write the plot file '%s'\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace Lodema
