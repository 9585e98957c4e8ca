// The stereonet of lodema-batch --plot: stands in for the plot window during
// the run (shown, fed by every calculation, "Retain" pressed after each
// written row) and writes the retained rows as an SVG image afterwards.
#pragma once

#include <array>
#include <cstdio>
#include <string>

#include "batch/Platform.h"
#include "calc/Platform.h"
#include "cli/Options.h"
#include "plot/DensityGrid.h"
#include "plot/PlotStore.h"
#include "plot/PlotView.h"
#include "plot/ResultAxes.h"

namespace Lodema {

// Only the kinds shown are kept, so a long run stores what is drawn and no
// more. Types never change within one calculation's run; should they, the
// new data is kept under the first types (Ignore), and counted.
class BatchPlot : public PlotSink, public RetainButton, private Plot::MismatchQuestion {
 public:
  explicit BatchPlot(const Plot::PlotView& view);

  bool IsShowing() const override { return true; }
  void AddNewDataPoint(const CalculationRecord& record) override;
  void PressRetain() override;

  // Drops a current set that was never retained (a row that was not written).
  void FinishRun();
  // Contours the density of items under the data, with their legend below
  // the kinds'; items must outlive the writing.
  void SetContours(Plot::DensityMethod method, const Plot::ResultAxes* items);
  // Writes the plot with its legend; false when the file cannot be written.
  bool WriteSvg(const std::string& path) const;

  const Plot::PlotStore& store() const { return store_; }
  int MismatchesIgnored() const { return mismatches_; }

 private:
  Plot::MismatchAnswer Ask(const std::string& text) override;

  Plot::PlotView view_;
  Plot::PlotStore store_;
  Plot::DensityMethod contourMethod_ = Plot::DensityMethod::kExponentialKamb;
  const Plot::ResultAxes* contourItems_ = nullptr;
  int mismatches_ = 0;
};

// The plot's record of one calculation, with the rows of kinds not shown
// emptied (window C stays when window A's cones turn about it).
Plot::PlotRecord PlotRecordOf(const CalculationRecord& record,
                              const std::array<bool, Plot::kKindCount>& shown);

// The drawing options of --plot-type, --planes-as, --axes and --plot-show,
// on a white page as the plot's image export has.
Plot::PlotView PlotViewOf(const CliOptions& options);

// After the run: drops an unwritten row's set, writes the SVG and reports a
// file that cannot be written (false) or data kept under earlier types on
// errors.
bool WriteBatchPlot(BatchPlot& plot, const std::string& path, std::FILE* errors);

}  // namespace Lodema
