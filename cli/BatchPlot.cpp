// SPDX-License-Identifier: MIT
#include "cli/BatchPlot.h"

#include <ostream>
#include <streambuf>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/OutputTargets.h"
#include "plot/Contours.h"

namespace Lodema {

namespace {

// Sets retained without places worked out ahead are drawn this many at a
// time: the projections of one set after another then overlap rather than
// each waiting on its sine and cosine between two rows' calculations.
constexpr int kSetsDrawnTogether = 256;

// The SVG page: the plot (-1100..1100) and a legend column to its right.
constexpr double kLegendColumn = 700.0;
constexpr double kTextHeight = 70.0;
constexpr Plot::SvgPage kPage{-1100.0, -1100.0, 2200.0 + kLegendColumn, 2200.0, 800.0};

// Hands everything written to an output sink (a file that replaces its
// target only when finished, or a temporary file) as it comes: the SVG
// surface writes in large blocks already.
class SinkBuffer : public std::streambuf {
 public:
  explicit SinkBuffer(std::unique_ptr<OutputSink> sink) : sink_(std::move(sink)) {}
  ~SinkBuffer() override {
    // Not finished: the file named keeps what it held.
    if (sink_) sink_->Abandon();
  }
  bool Finish() { return std::exchange(sink_, nullptr)->Finish() && !failed_; }

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    const auto size = static_cast<std::size_t>(count);
    failed_ = failed_ || sink_->Write(std::string_view(bytes, size)) != size;
    return failed_ ? 0 : count;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }

 private:
  std::unique_ptr<OutputSink> sink_;
  bool failed_ = false;
};

}  // namespace

// The document so far: the base (frame), then every retained set in order,
// as a redraw after the run writes them. In a file beside the plot file that
// takes its place at the end (as the results file is written), or in an
// anonymous temporary file copied to it at the end.
class BatchPlot::DrawnSets {
 public:
  // Null when the file beside the plot file cannot be made.
  // Only a file is drawn into as the sets come: a pipe or a terminal gets
  // the plot only once the run has succeeded.
  static std::unique_ptr<DrawnSets> IntoFile(const std::string& path, const Plot::PlotView& view,
                                             OutputFiles& files) {
    if (ResolveOutputTarget(path).kind != OutputTargetKind::kFile) return nullptr;
    std::unique_ptr<OutputSink> sink = files.Open(path, false);
    if (!sink) return nullptr;
    return std::unique_ptr<DrawnSets>(new DrawnSets(path, nullptr, std::move(sink), view));
  }
  // Null without a temporary file.
  static std::unique_ptr<DrawnSets> IntoTemporaryFile(const Plot::PlotView& view) {
    std::FILE* file = std::tmpfile();
    if (file == nullptr) return nullptr;
    return std::unique_ptr<DrawnSets>(
        new DrawnSets({}, file, std::make_unique<StreamSink>(file, false), view));
  }
  DrawnSets(const DrawnSets&) = delete;
  DrawnSets& operator=(const DrawnSets&) = delete;

  Plot::SvgSurface& surface() { return surface_; }
  // The plot file written straight, or empty.
  const std::string& path() const { return path_; }
  int count = 0;        // sets taken, drawn or not yet
  int drawnCount = 0;   // the first of them drawn
  int typeChanges = 0;  // the store's TypeChanges when they were drawn

  // Closes the document beside the plot file and puts it in the plot
  // file's place; false on a write error.
  bool Close() {
    surface_.Finish();
    stream_.flush();
    return static_cast<bool>(stream_) && buffer_->Finish();
  }
  // Closes the document and copies the temporary file to out; false on a
  // read or write error.
  bool CopyTo(std::ostream& out) {
    surface_.Finish();
    stream_.flush();
    std::FILE* file = file_.get();
    if (!stream_ || std::fflush(file) != 0 || std::ferror(file) != 0) return false;
    std::rewind(file);
    std::vector<char> block(1 << 16);
    for (;;) {
      const std::size_t n = std::fread(block.data(), 1, block.size(), file);
      if (n == 0) break;
      out.write(block.data(), static_cast<std::streamsize>(n));
    }
    return std::ferror(file) == 0;
  }

 private:
  DrawnSets(std::string path, std::FILE* file, std::unique_ptr<OutputSink> sink,
            const Plot::PlotView& view)
      : path_(std::move(path)),
        file_(file, &std::fclose),
        buffer_(std::make_unique<SinkBuffer>(std::move(sink))),
        stream_(buffer_.get()),
        surface_(stream_, kPage) {
    // As WriteSvg draws without contours.
    Plot::DrawPlotBase(surface_, view,
                       [](Plot::DrawingSurface& under) { Plot::DrawContours(under, {}, 0); });
  }

  std::string path_;
  // Closed last: the surface still writes its end when it goes.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
  std::unique_ptr<SinkBuffer> buffer_;
  std::ostream stream_;
  Plot::SvgSurface surface_;
};

BatchPlot::BatchPlot(const Plot::PlotView& view) : view_(view) {
  for (int kind = 0; kind < Plot::kKindCount; ++kind) {
    if (view_.shown[kind]) shownKindList_[shownKindCount_++] = kind;
  }
}

BatchPlot::~BatchPlot() = default;

Plot::StoreChange BatchPlot::Store(const CalculationRecord& record) {
  // The rows of kinds not shown are empty (window C stays when window A's
  // cones turn about it). Only the rows shown are copied: the others stay
  // empty from row to row, all but window C, which is emptied when it was
  // kept for the cones of an earlier row.
  for (int i = 0; i < shownKindCount_; ++i) {
    const int kind = shownKindList_[i];
    shownKinds_.cells[kind] = record.cells[kind];
  }
  if (!view_.shown[Plot::kWindowC]) {
    const int typeA = static_cast<int>(record.cells[Plot::kWindowA][0]);
    const bool coneAboutC = view_.shown[Plot::kWindowA] &&
                            (typeA == Plot::kTypeReferenceAlpha || typeA == Plot::kTypeBetaAlpha);
    if (coneAboutC) {
      shownKinds_.cells[Plot::kWindowC] = record.cells[Plot::kWindowC];
      windowCKept_ = true;
    } else if (windowCKept_) {
      shownKinds_.cells[Plot::kWindowC] = {};
      windowCKept_ = false;
    }
  }
  return store_.AddNewDataPoint(shownKinds_, *this);
}

void BatchPlot::AddNewDataPoint(const CalculationRecord& record) {
  if (Store(record) == Plot::StoreChange::kChanged) placesPrepared_ = false;
}

bool BatchPlot::PreparesDataPoints() const {
  return drawWhileRetaining_ && contourItems_ == nullptr;
}

void BatchPlot::PrepareDataPoint(const CalculationRecord& record, PreparedPoints& prepared) const {
  for (int i = 0; i < shownKindCount_; ++i) {
    const int kind = shownKindList_[i];
    const auto& cells = record.cells[kind];
    // Only exact type codes: anything else is worked out when drawn.
    constexpr double kLine = static_cast<int>(Plot::kTypeLine);
    constexpr double kPlane = static_cast<int>(Plot::kTypePlane);
    const int type = cells[0] == kLine    ? Plot::kTypeLine
                     : cells[0] == kPlane ? Plot::kTypePlane
                                          : Plot::kTypeNothing;
    if (type == Plot::kTypeNothing) continue;
    // As the store keeps them: floats.
    const Plot::SymbolPlace place = Plot::SymbolPlaceOf(view_, type, static_cast<float>(cells[1]),
                                                        static_cast<float>(cells[2]));
    if (place.where == Plot::SymbolPlace::kWorkedOutWhenDrawn) continue;
    prepared.place[kind] =
        place.where == Plot::SymbolPlace::kAt ? PreparedPoints::kAt : PreparedPoints::kNowhere;
    prepared.type[kind] = type;
    prepared.x[kind] = place.at.x;
    prepared.y[kind] = place.at.y;
  }
}

void BatchPlot::AddPreparedDataPoint(const CalculationRecord& record,
                                     const PreparedPoints& prepared) {
  if (Store(record) != Plot::StoreChange::kChanged) return;
  // Only the kinds shown are prepared (and drawn); the others' places stay
  // worked out when drawn.
  for (int i = 0; i < shownKindCount_; ++i) {
    const int kind = shownKindList_[i];
    Plot::SymbolPlace& place = currentPlaces_[kind];
    switch (prepared.place[kind]) {
      case PreparedPoints::kNotPrepared:
        place = {};
        break;
      case PreparedPoints::kNowhere:
        place = {Plot::SymbolPlace::kNowhere, {}};
        break;
      case PreparedPoints::kAt:
        place = {Plot::SymbolPlace::kAt, {prepared.x[kind], prepared.y[kind]}};
        break;
    }
    currentPlaceTypes_[kind] = prepared.type[kind];
  }
  placesPrepared_ = true;
}

void BatchPlot::PressRetain() {
  if (store_.RetainCurrentData() == Plot::StoreChange::kChanged && drawWhileRetaining_) {
    DrawRetainedSet();
  }
}

void BatchPlot::DrawRetainedSet() {
  // Contours lie under the data and need all of it; a store that changed
  // otherwise than by one more set since the last one was drawn cannot be
  // drawn set by set. Either way, everything is drawn after the run.
  const int expected = drawn_ ? drawn_->count + 1 : 1;
  if (contourItems_ != nullptr || store_.RetainedCount() != expected ||
      (drawn_ && drawn_->typeChanges != store_.TypeChanges())) {
    drawn_.reset();
    drawWhileRetaining_ = false;
    return;
  }
  if (!drawn_) {
    if (!file_.empty() && file_ != "-") drawn_ = DrawnSets::IntoFile(file_, view_, *files_);
    if (!drawn_) drawn_ = DrawnSets::IntoTemporaryFile(view_);
    if (!drawn_) {
      drawWhileRetaining_ = false;
      return;
    }
    drawn_->typeChanges = store_.TypeChanges();
  }
  // A place prepared for another type than the store holds (data kept
  // under earlier types) is worked out afresh.
  bool placed = false;
  if (placesPrepared_) {
    for (int i = 0; i < shownKindCount_; ++i) {
      const int kind = shownKindList_[i];
      if (currentPlaceTypes_[kind] != store_.TypeCode(kind)) currentPlaces_[kind] = {};
      placed = placed || currentPlaces_[kind].where != Plot::SymbolPlace::kWorkedOutWhenDrawn;
    }
  }
  if (placed) {
    DrawTakenSets(*drawn_);  // the sets before this one
    Plot::DrawNewestSet(drawn_->surface(), store_, view_, currentPlaces_);
    drawn_->drawnCount = ++drawn_->count;
  } else if (++drawn_->count - drawn_->drawnCount >= kSetsDrawnTogether) {
    DrawTakenSets(*drawn_);
  }
}

void BatchPlot::DrawTakenSets(DrawnSets& drawn) const {
  if (drawn.drawnCount == drawn.count) return;
  Plot::DrawRetainedSets(drawn.surface(), store_, view_, drawn.drawnCount + 1, drawn.count);
  drawn.drawnCount = drawn.count;
}

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

void BatchPlot::DrawAfterData(Plot::SvgSurface& surface, const Plot::DensityGrid& density,
                              const std::vector<double>& levels) const {
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

bool BatchPlot::WriteSvg(const std::string& path) {
  // The sets drawn as they came make the document only if they are all the
  // store holds and no current set is drawn before them.
  std::unique_ptr<DrawnSets> drawn = std::move(drawn_);
  if (drawn && (drawn->count != store_.RetainedCount() || store_.NewDataPending() ||
                contourItems_ != nullptr || (!drawn->path().empty() && drawn->path() != path))) {
    drawn.reset();  // closed before the file is written afresh
  }
  if (drawn) {
    DrawTakenSets(*drawn);
    DrawAfterData(drawn->surface(), {}, {});
    if (!drawn->path().empty()) return drawn->Close();
  }

  std::unique_ptr<OutputSink> sink = files_->Open(path, false);
  if (!sink) return false;
  SinkBuffer target(std::move(sink));
  std::ostream file(&target);
  if (drawn) {
    if (!drawn->CopyTo(file)) return false;
  } else {
    Plot::SvgSurface surface(file, kPage);
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
    DrawAfterData(surface, density, levels);
  }
  file.flush();
  return static_cast<bool>(file) && target.Finish();
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
