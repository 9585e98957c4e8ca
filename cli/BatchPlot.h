// SPDX-License-Identifier: MIT
// The stereonet of lodema-batch --plot: stands in for the plot window during
// the run (shown, fed by every calculation, "Retain" pressed after each
// written row) and writes the retained rows as an SVG image afterwards.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "batch/OutputFile.h"
#include "batch/Platform.h"
#include "calc/Platform.h"
#include "cli/Options.h"
#include "plot/DensityGrid.h"
#include "plot/PlotDrawing.h"
#include "plot/PlotStore.h"
#include "plot/PlotView.h"
#include "plot/ResultAxes.h"
#include "plot/SvgSurface.h"

namespace Lodema {

// Only the kinds shown are kept, so a long run stores what is drawn and no
// more. Types never change within one calculation's run; should they, the
// new data is kept under the first types (Ignore), and counted.
class BatchPlot : public PlotSink, public RetainButton, private Plot::MismatchQuestion {
 public:
  explicit BatchPlot(const Plot::PlotView& view);
  ~BatchPlot() override;
  BatchPlot(const BatchPlot&) = delete;
  BatchPlot& operator=(const BatchPlot&) = delete;

  // Draws the sets as they are retained (a few hundred at a time unless
  // their symbols were placed ahead), so that writing the plot after the
  // run costs little (with several jobs the run's writer thread draws while
  // the workers calculate); the file is the same. It is drawn into a file
  // beside `path` (the file WriteSvg gets) that takes its place at the end,
  // so that the file named keeps what it held until the run has succeeded;
  // with an empty path, "-", or a path that is no file (a pipe, a
  // terminal), into an anonymous temporary file copied there at the end.
  // With contours (which lie under the data), or without either file,
  // everything is drawn after the run.
  void DrawWhileRetaining(const std::string& path) {
    drawWhileRetaining_ = true;
    file_ = path;
  }
  // The files the plot is written through (the tool's, where "-" is
  // standard output); the plain file system by default. Must outlive the
  // plot's writing.
  void SetOutputFiles(OutputFiles* files) { files_ = files; }

  bool IsShowing() const override { return true; }
  void AddNewDataPoint(const CalculationRecord& record) override;
  // While drawing as sets are retained, the places of the records' symbols
  // (projecting them is much of the drawing) may be worked out apart: by
  // the workers of a run shared out to many of them.
  bool PreparesDataPoints() const override;
  void PrepareDataPoint(const CalculationRecord& record, PreparedPoints& prepared) const override;
  void AddPreparedDataPoint(const CalculationRecord& record,
                            const PreparedPoints& prepared) override;
  void PressRetain() override;

  // Drops a current set that was never retained (a row that was not written).
  void FinishRun();
  // Contours the density of items under the data, with their legend below
  // the kinds'; items must outlive the writing.
  void SetContours(Plot::DensityMethod method, const Plot::ResultAxes* items);
  // Writes the plot with its legend; false when the file cannot be written.
  bool WriteSvg(const std::string& path);

  int MismatchesIgnored() const { return mismatches_; }

 private:
  class DrawnSets;

  Plot::MismatchAnswer Ask(const std::string& text) override;
  // The document after the data: the legends, the count, the closing tag.
  void DrawAfterData(Plot::SvgSurface& surface, const Plot::DensityGrid& density,
                     const std::vector<double>& levels) const;
  // Makes the record the store's current set (kinds not shown emptied).
  Plot::StoreChange Store(const CalculationRecord& record);
  void DrawRetainedSet();
  // Draws the sets taken but not yet drawn.
  void DrawTakenSets(DrawnSets& drawn) const;

  Plot::PlotView view_;
  std::array<int, Plot::kKindCount> shownKindList_{};  // the kinds shown, in order
  int shownKindCount_ = 0;
  Plot::PlotStore store_;
  // The latest record with the kinds not shown emptied; reused from row to
  // row rather than built afresh.
  Plot::PlotRecord shownKinds_;
  bool windowCKept_ = false;  // window C, not shown, holds the cones' axis
  // Where the current set's symbols go, as prepared, and the types they
  // were prepared for.
  std::array<Plot::SymbolPlace, Plot::kKindCount> currentPlaces_{};
  std::array<int, Plot::kKindCount> currentPlaceTypes_{};
  bool placesPrepared_ = false;  // the current set came with places
  bool drawWhileRetaining_ = false;
  std::string file_;
  OutputFiles plainFiles_;
  OutputFiles* files_ = &plainFiles_;
  std::unique_ptr<DrawnSets> drawn_;  // the sets drawn so far, while drawing as they come
  Plot::DensityMethod contourMethod_ = Plot::DensityMethod::kExponentialKamb;
  const Plot::ResultAxes* contourItems_ = nullptr;
  int mismatches_ = 0;
};

// The drawing options of --plot-type, --planes-as, --axes and --plot-show,
// on a white page as the plot's image export has.
Plot::PlotView PlotViewOf(const CliOptions& options);

// After the run: drops an unwritten row's set, writes the SVG and reports a
// file that cannot be written (false) or data kept under earlier types on
// errors.
bool WriteBatchPlot(BatchPlot& plot, const std::string& path, std::FILE* errors);

}  // namespace Lodema
