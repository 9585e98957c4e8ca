// SPDX-License-Identifier: MIT
#include "app/StereoPlotWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "LodemaVersion.h"
#include "app/HelpAccess.h"
#include "app/QtPlotSurface.h"
#include "app/SymbolDialog.h"
#include "orient/NumberText.h"
#include "plot/Readout.h"
#include "plot/SvgSurface.h"

namespace Plot = Lodema::Plot;

namespace {

// A batch run repaints the plot at most this often, and each paint draws
// for at most kBatchSliceMs; otherwise the picture is drawn in slices of
// kSliceMs between events.
constexpr qint64 kBatchPaintIntervalMs = 100;
constexpr qint64 kBatchSliceMs = 15;
constexpr qint64 kSliceMs = 60;
constexpr int kChangesPerClockReading = 32;
// The clipboard's picture is at least this many pixels square.
constexpr int kClipboardImageSide = 1200;
// On screen a pen of width 1 is one pixel wide on a plot of about this many
// pixels; larger pictures widen their pens in proportion.
constexpr double kScreenPlotSide = 600.0;

// Saved and printed pages: the plot with its legend to the right.
constexpr PlotSpace kPageSpace{-1100.0, 1100.0, 3100.0, 2200.0};
constexpr Plot::LegendArea kPageLegend{1550.0, 1000.0, 800.0, true};

// The analysis's legend starts below the five rows the kinds may take.
constexpr double kAnalysisLegendTop = 640.0;
constexpr double kLegendText = 70.0;
constexpr double kLegendRow = 1.6 * kLegendText;

constexpr const char* kShowNumberCaption = "Show &number of data label";
constexpr const char* kHideNumberCaption = "Hide &number of data label";

QString Q(const std::string& text) {
  return QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.size()));
}

// The largest rectangle of the page space's proportions centred in area.
QRectF FitPage(const QRectF& area) {
  const double aspect = kPageSpace.width / kPageSpace.height;
  double width = area.width();
  double height = width / aspect;
  if (height > area.height()) {
    height = area.height();
    width = height * aspect;
  }
  return {area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2,
          width, height};
}

class MessageBoxQuestion : public Plot::MismatchQuestion {
 public:
  explicit MessageBoxQuestion(QWidget* parent) : parent_(parent) {}
  Plot::MismatchAnswer Ask(const std::string& text) override {
    QString shown = Q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const auto answer = QMessageBox::warning(
        parent_, QStringLiteral("Lodema"), shown,
        QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Retry);
    if (answer == QMessageBox::Retry) return Plot::MismatchAnswer::kRetry;
    if (answer == QMessageBox::Ignore) return Plot::MismatchAnswer::kIgnore;
    return Plot::MismatchAnswer::kAbort;
  }

 private:
  QWidget* parent_;
};

}  // namespace

namespace stereo {

// The projection, kept square in the middle of the widget. It keeps the
// frame and the retained sets as a picture, so that sets added to the end
// are drawn on their own rather than with all the others again.
class PlotArea : public QWidget {
 public:
  PlotArea(StereoPlotWindow& window, const Plot::PlotStore& store, const Plot::PlotView& view,
           std::function<bool()> batchRunning)
      : window_(window), store_(store), view_(view), batchRunning_(std::move(batchRunning)) {
    setObjectName(QStringLiteral("picStereoArea"));
    setMouseTracking(true);
    setMinimumSize(240, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  // Everything must be drawn afresh (view, removed sets, a new current set).
  void Invalidate() { layerValid_ = false; }

  QRectF Square() const {
    const double side = std::min(width(), height());
    return {(width() - side) / 2.0, (height() - side) / 2.0, side, side};
  }

  long long SetsPainted() const { return setsPainted_; }

  void SetCountLabel(QLabel* label) { countLabel_ = label; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF square = Square();
    const bool batch = batchRunning_ && batchRunning_();
    // While a batch run feeds the plot the current set is drawn over the
    // picture rather than into it (the run retains it in a moment).
    const bool currentInLayer = !batch && store_.NewDataPending();
    // The picture is drawn in slices between events, so that a plot of very
    // many sets never holds the window up; a batch run leaves most of the
    // time to its rows.
    const qint64 budget = batch ? kBatchSliceMs : kSliceMs;
    const bool complete = UpdateLayer(square, currentInLayer, budget);
    painter.drawImage(square, layer_);
    if (batch && store_.NewDataPending()) {
      painter.setRenderHint(QPainter::Antialiasing);
      QtPlotSurface surface(painter, square);
      surface.SetHairlines(layerHairlines_);
      Plot::DrawCurrentSet(surface, store_, view_);
    }
    if (window_.AnalysisShown()) {
      const Plot::PlotAnalysis& analysis = window_.CurrentAnalysis();
      if (analysis.statistics) {
        painter.setRenderHint(QPainter::Antialiasing);
        QtPlotSurface surface(painter, square);
        Plot::DrawStatistics(surface, view_.projection, *analysis.statistics,
                             analysis.choice.statistics);
      }
    }
    if (!complete && !batch) QTimer::singleShot(0, this, [this] { update(); });
  }

 public:
  // The picture holds every retained set.
  bool Complete() const { return layerValid_ && layerSets_ == store_.RetainedCount(); }

 protected:
  void resizeEvent(QResizeEvent*) override {
    layerValid_ = false;
    if (countLabel_ != nullptr) {
      const QRectF square = Square();
      countLabel_->adjustSize();
      countLabel_->move(static_cast<int>(square.left()) + 4,
                        static_cast<int>(square.bottom()) - countLabel_->height() - 4);
    }
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    const QRectF square = Square();
    if (square.width() <= 0) return;
    const double scale = 2200.0 / square.width();
    const QPointF p = event->position();
    window_.ShowReadoutAt((p.x() - square.left()) * scale - 1100.0,
                          1100.0 - (p.y() - square.top()) * scale);
  }

  void leaveEvent(QEvent*) override { window_.ShowReadoutAt(2000.0, 2000.0); }

 private:
  // Brings the picture up to date, drawing for at most about budgetMs (-1:
  // no limit) after the frame. True when it holds every retained set.
  bool UpdateLayer(const QRectF& square, bool withCurrent, qint64 budgetMs) {
    const qreal ratio = devicePixelRatioF();
    const int side = std::max(1, static_cast<int>(std::lround(square.width() * ratio)));
    const int retained = store_.RetainedCount();
    // Contours count every retained set: a new set redraws the whole picture.
    const bool contours = window_.Analysis().contours.has_value();
    const bool rebuild = contours != layerContours_ ||
                         (contours && retained != layerContourSets_) || !layerValid_ ||
                         layer_.width() != side || layer_.devicePixelRatio() != ratio ||
                         retained < layerSets_ || withCurrent != layerHasCurrent_ ||
                         store_.IsEmpty() || DrawAsHairlines(store_) != layerHairlines_;
    if (rebuild) {
      if (layer_.width() != side) layer_ = QImage(side, side, QImage::Format_RGB32);
      layer_.setDevicePixelRatio(ratio);
      layerSets_ = 0;
    }
    if (!rebuild && retained == layerSets_) return true;
    QElapsedTimer clock;
    clock.start();
    QPainter painter(&layer_);
    painter.setRenderHint(QPainter::Antialiasing);
    QtPlotSurface surface(painter, QRectF(0, 0, side / ratio, side / ratio));
    layerHairlines_ = DrawAsHairlines(store_);
    surface.SetHairlines(layerHairlines_);
    if (rebuild) {
      surface.Clear(view_.background);
      Plot::DrawStereoFrame(surface, view_.projection, view_.axes);
      if (contours) {
        const Plot::PlotAnalysis& analysis = window_.CurrentAnalysis();
        Plot::DrawContours(surface, analysis.contours, static_cast<int>(analysis.levels.size()));
      }
      layerContours_ = contours;
      layerContourSets_ = retained;
      if (withCurrent) Plot::DrawCurrentSet(surface, store_, view_);
      layerHasCurrent_ = withCurrent;
      layerValid_ = true;
    }
    constexpr int kSetsPerChunk = 64;
    while (layerSets_ < retained) {
      const int last = budgetMs < 0 ? retained : std::min(retained, layerSets_ + kSetsPerChunk);
      Plot::DrawRetainedSets(surface, store_, view_, layerSets_ + 1, last);
      setsPainted_ += last - layerSets_;
      layerSets_ = last;
      if (budgetMs >= 0 && clock.elapsed() >= budgetMs) break;
    }
    return layerSets_ == retained;
  }

  StereoPlotWindow& window_;
  const Plot::PlotStore& store_;
  const Plot::PlotView& view_;
  std::function<bool()> batchRunning_;
  QLabel* countLabel_ = nullptr;
  QImage layer_;
  bool layerValid_ = false;
  bool layerHasCurrent_ = false;
  bool layerHairlines_ = false;
  bool layerContours_ = false;
  int layerContourSets_ = -1;
  int layerSets_ = 0;
  long long setsPainted_ = 0;
};

// The legend: one row per kind shown and present, with its name.
class LegendView : public QWidget {
 public:
  LegendView(const StereoPlotWindow& window, const Plot::PlotStore& store,
             const Plot::PlotView& view)
      : window_(window), store_(store), view_(view) {
    setObjectName(QStringLiteral("picLegend"));
    setMinimumSize(150, 110);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unitsPerPixel = 1000.0 / std::max(1, width());
    const PlotSpace space{-500.0, 1000.0, 1000.0, height() * unitsPerPixel};
    QtPlotSurface surface(painter, QRectF(rect()), space);
    surface.Clear(view_.background);
    Plot::DrawLegend(surface, Plot::LegendArea{0.0, space.top + 200.0, 1000.0, true}, store_,
                     view_);
    if (window_.AnalysisShown()) {
      Plot::DrawAnalysisLegend(surface, -450.0, space.top - kAnalysisLegendTop, kLegendText,
                               window_.CurrentAnalysis());
    }
  }

 private:
  const StereoPlotWindow& window_;
  const Plot::PlotStore& store_;
  const Plot::PlotView& view_;
};

}  // namespace stereo

StereoPlotWindow::StereoPlotWindow(Lodema::Settings& settings, std::function<bool()> batchRunning,
                                   HelpAccess* help, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      settings_(settings),
      batchRunning_(std::move(batchRunning)),
      help_(help) {
  setObjectName(QStringLiteral("frmStereoPlot"));
  setWindowTitle(QStringLiteral("untitled"));
  // A new window: equal angle, simple ticks, great circles, until the main
  // window hands it the saved choices.
  view_.projection = Plot::ProjectionType::kEqualAngle;
  view_.axes = Plot::AxesStyle::kSimpleTicks;
  view_.planesAsGreatCircles = true;
  ownQuestion_ = std::make_unique<MessageBoxQuestion>(this);
  question_ = ownQuestion_.get();
  ReadSymbolsFromSettings();
  BuildWidgets();
  BuildMenus();
  SyncOptionControls();
  UpdateButtons();
  UpdateCountLabel();
}

StereoPlotWindow::~StereoPlotWindow() = default;

QWidget* StereoPlotWindow::PlotWidget() const { return plotArea_; }

long long StereoPlotWindow::SetsPainted() const { return plotArea_->SetsPainted(); }

bool StereoPlotWindow::PictureComplete() const { return plotArea_->Complete(); }

void StereoPlotWindow::BuildWidgets() {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(4, 4, 4, 4);

  auto* toolbar = new QWidget;
  toolbar->setObjectName(QStringLiteral("panToolbar"));
  auto* tools = new QHBoxLayout(toolbar);
  tools->setContentsMargins(0, 0, 0, 0);
  const std::array<const char*, 3> retainCaptions = {"Retain", "Clear last", "Clear all"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(retainCaptions[i]));
    button->setObjectName(QStringLiteral("cmdSSRetain%1").arg(i));
    connect(button, &QPushButton::clicked, this, [this, i] {
      if (i == 0) RetainCurrentData();
      if (i == 1) ClearLastData();
      if (i == 2) ClearAllData();
    });
    tools->addWidget(button);
    cmdSSRetain_[i] = button;
  }
  tools->addStretch(1);
  outer->addWidget(toolbar);

  auto* body = new QHBoxLayout;
  auto* side = new QVBoxLayout;
  auto* options = new QGroupBox(QStringLiteral("Stereo Options"));
  options->setObjectName(QStringLiteral("fraOptions2"));
  auto* optionColumn = new QVBoxLayout(options);

  auto* typeBox = new QGroupBox(QStringLiteral("Plot type"));
  typeBox->setObjectName(QStringLiteral("fraOptions3"));
  auto* typeLayout = new QVBoxLayout(typeBox);
  auto* typeGroup = new QButtonGroup(this);
  const std::array<const char*, 2> typeCaptions = {"Equal area", "Equal angle"};
  for (int i = 1; i <= 2; ++i) {
    optStereoType_[i] = new QRadioButton(QString::fromLatin1(typeCaptions[i - 1]));
    optStereoType_[i]->setObjectName(QStringLiteral("optStereoType%1").arg(i));
    typeGroup->addButton(optStereoType_[i]);
    typeLayout->addWidget(optStereoType_[i]);
    connect(optStereoType_[i], &QRadioButton::clicked, this, [this, i] { OnPlotTypeClicked(i); });
  }
  optionColumn->addWidget(typeBox);

  auto* styleBox = new QGroupBox(QStringLiteral("Axis style"));
  styleBox->setObjectName(QStringLiteral("fraOptions1"));
  auto* styleLayout = new QVBoxLayout(styleBox);
  auto* styleGroup = new QButtonGroup(this);
  const std::array<const char*, 4> styleCaptions = {"Simple ticks", "Quadrant ticks",
                                                    "Quadrant axes", "Polar axes"};
  for (int i = 0; i < 4; ++i) {
    optStereoStyle_[i] = new QRadioButton(QString::fromLatin1(styleCaptions[i]));
    optStereoStyle_[i]->setObjectName(QStringLiteral("optStereoStyle%1").arg(i));
    styleGroup->addButton(optStereoStyle_[i]);
    styleLayout->addWidget(optStereoStyle_[i]);
    connect(optStereoStyle_[i], &QRadioButton::clicked, this, [this, i] { OnAxesStyleClicked(i); });
  }
  optionColumn->addWidget(styleBox);

  auto* planeBox = new QGroupBox(QStringLiteral("Planes as:"));
  planeBox->setObjectName(QStringLiteral("fraPlaneSymbol"));
  auto* planeLayout = new QVBoxLayout(planeBox);
  auto* planeGroup = new QButtonGroup(this);
  const std::array<const char*, 2> planeCaptions = {"Great Circles", "Poles"};
  for (int i = 0; i < 2; ++i) {
    optSymbolType_[i] = new QRadioButton(QString::fromLatin1(planeCaptions[i]));
    optSymbolType_[i]->setObjectName(QStringLiteral("optSymbolType%1").arg(i));
    planeGroup->addButton(optSymbolType_[i]);
    planeLayout->addWidget(optSymbolType_[i]);
    connect(optSymbolType_[i], &QRadioButton::clicked, this,
            [this, i] { OnPlaneSymbolClicked(i); });
  }
  optionColumn->addWidget(planeBox);

  auto* showBox = new QGroupBox(QStringLiteral("Show:"));
  showBox->setObjectName(QStringLiteral("fraOptions0"));
  auto* showLayout = new QVBoxLayout(showBox);
  const std::array<const char*, 5> showCaptions = {"Result", "Window A", "Window B", "Window C",
                                                   "Window D"};
  for (int k = 0; k < Plot::kKindCount; ++k) {
    chkUseWindow_[k] = new QCheckBox(QString::fromLatin1(showCaptions[k]));
    chkUseWindow_[k]->setObjectName(QStringLiteral("chkUseWindow%1").arg(k));
    chkUseWindow_[k]->setChecked(true);
    showLayout->addWidget(chkUseWindow_[k]);
    connect(chkUseWindow_[k], &QCheckBox::clicked, this, [this, k] { OnShowBoxClicked(k); });
  }
  optionColumn->addWidget(showBox);
  side->addWidget(options);

  auto* legendCaption = new QLabel(QStringLiteral("Legend"));
  legendCaption->setObjectName(QStringLiteral("lblLegend"));
  side->addWidget(legendCaption);
  legend_ = new stereo::LegendView(*this, store_, view_);
  side->addWidget(legend_);
  // The statistics of the analysis, selectable and copyable as text.
  txtAnalysis_ = new QPlainTextEdit;
  txtAnalysis_->setObjectName(QStringLiteral("txtAnalysis"));
  txtAnalysis_->setReadOnly(true);
  txtAnalysis_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtAnalysis_->setMinimumSize(260, 150);
  txtAnalysis_->setVisible(false);
  side->addWidget(txtAnalysis_, 1);
  side->addStretch(1);
  body->addLayout(side);

  plotArea_ = new stereo::PlotArea(*this, store_, view_, batchRunning_);
  lblNumBox_ = new QLabel(QStringLiteral("0 Pts"), plotArea_);
  lblNumBox_->setObjectName(QStringLiteral("lblNumBox"));
  lblNumBox_->setStyleSheet(QStringLiteral("QLabel { background: transparent; color: black; }"));
  plotArea_->SetCountLabel(lblNumBox_);
  body->addWidget(plotArea_, 1);
  outer->addLayout(body, 1);
  setCentralWidget(central);

  readout_ = new QLabel;
  readout_->setObjectName(QStringLiteral("statBarPanel1"));
  statusBar()->setObjectName(QStringLiteral("statBar"));
  statusBar()->addWidget(readout_, 1);
}

void StereoPlotWindow::BuildMenus() {
  mnuOptions_ = menuBar()->addMenu(QStringLiteral("&Options"));
  mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
  auto add = [this](const QString& caption, const QString& name, bool checkable) {
    QAction* action = mnuOptions_->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
  };
  auto separator = [this](int n) {
    mnuOptions_->addSeparator()->setObjectName(QStringLiteral("mnuOptionsBar%1").arg(n));
  };
  mnuEditSelection_[1] =
      add(QStringLiteral("Cop&y result for Polarim"), QStringLiteral("mnuEditSelection1"), false);
  mnuEditSelection_[2] = add(QStringLiteral("Copy plot &image to clipboard"),
                             QStringLiteral("mnuEditSelection2"), false);
  mnuEditSelection_[3] =
      add(QStringLiteral("Change &Symbol..."), QStringLiteral("mnuEditSelection3"), false);
  connect(mnuEditSelection_[1], &QAction::triggered, this, &StereoPlotWindow::CopyResultForPolarim);
  connect(mnuEditSelection_[2], &QAction::triggered, this, &StereoPlotWindow::CopyPlotImage);
  connect(mnuEditSelection_[3], &QAction::triggered, this, &StereoPlotWindow::ChangeSymbols);
  mnuSaveAs_ = add(QStringLiteral("Save plot &as..."), QStringLiteral("mnuSaveAs"), false);
  connect(mnuSaveAs_, &QAction::triggered, this, &StereoPlotWindow::SavePlotAsDialog);
  separator(1);

  const std::array<const char*, 5> showCaptions = {
      "Show &Result", "Show Window &A", "Show Window &B", "Show Window &C", "Show Window &D"};
  for (int k = 0; k < Plot::kKindCount; ++k) {
    mnuShowOptions_[k] =
        add(QString::fromLatin1(showCaptions[k]), QStringLiteral("mnuShowOptions%1").arg(k), true);
    mnuShowOptions_[k]->setChecked(true);
    connect(mnuShowOptions_[k], &QAction::triggered, this, [this, k] {
      // The box follows the item, and its click does the rest.
      chkUseWindow_[k]->setChecked(!chkUseWindow_[k]->isChecked());
      OnShowBoxClicked(k);
    });
  }
  mnuShowNumber_ =
      add(QStringLiteral("Hide &number of Results data"), QStringLiteral("mnuShowNumber"), false);
  connect(mnuShowNumber_, &QAction::triggered, this, &StereoPlotWindow::OnShowNumberClicked);
  separator(2);

  const std::array<const char*, 2> typeCaptions = {"Equa&l area  projection",
                                                   "Eq&ual angle projection"};
  for (int i = 1; i <= 2; ++i) {
    mnuPlotType_[i] =
        add(QString::fromLatin1(typeCaptions[i - 1]), QStringLiteral("mnuPlotType%1").arg(i), true);
    connect(mnuPlotType_[i], &QAction::triggered, this, [this, i] {
      optStereoType_[i]->setChecked(true);
      OnPlotTypeClicked(i);
    });
  }
  separator(3);
  const std::array<const char*, 2> planeCaptions = {"&Great Circles", "&Point symbols"};
  for (int i = 0; i < 2; ++i) {
    mnuPlotSymbols_[i] =
        add(QString::fromLatin1(planeCaptions[i]), QStringLiteral("mnuPlotSymbols%1").arg(i), true);
    connect(mnuPlotSymbols_[i], &QAction::triggered, this, [this, i] {
      optSymbolType_[i]->setChecked(true);
      OnPlaneSymbolClicked(i);
    });
  }
  separator(4);
  const std::array<const char*, 4> axesCaptions = {"Simple &tick stereo axes",
                                                   "&Quadrant tick stereo axes",
                                                   "Quadrant stereo a&xes", "P&olar stereo axes"};
  for (int i = 0; i < 4; ++i) {
    mnuShowStereoAxes_[i] = add(QString::fromLatin1(axesCaptions[i]),
                                QStringLiteral("mnuShowStereoAxes%1").arg(i), true);
    connect(mnuShowStereoAxes_[i], &QAction::triggered, this, [this, i] {
      optStereoStyle_[i]->setChecked(true);
      OnAxesStyleClicked(i);
    });
  }
  separator(5);
  mnuFilePrint_[0] = add(QStringLiteral("Print..."), QStringLiteral("mnuFilePrint0"), false);
  mnuFilePrint_[1] =
      add(QStringLiteral("Printer Setup..."), QStringLiteral("mnuFilePrint1"), false);
  connect(mnuFilePrint_[0], &QAction::triggered, this, &StereoPlotWindow::PrintPlot);
  connect(mnuFilePrint_[1], &QAction::triggered, this, &StereoPlotWindow::PrinterSetup);
  separator(6);
  mnuFileClose_ = add(QStringLiteral("Clos&e"), QStringLiteral("mnuFileClose"), false);
  connect(mnuFileClose_, &QAction::triggered, this, &QWidget::close);

  BuildAnalysisMenu();

  QMenu* helps = menuBar()->addMenu(QStringLiteral("&Help"));
  helps->setObjectName(QStringLiteral("mnuHelps"));
  const std::array<const char*, 2> helpCaptions = {"Lodema Help &Contents...",
                                                   "&How to use Help..."};
  for (int i = 0; i < 2; ++i) {
    mnuHelpPolarim_[i] = helps->addAction(QString::fromLatin1(helpCaptions[i]));
    mnuHelpPolarim_[i]->setObjectName(QStringLiteral("mnuHelpPolarim%1").arg(i));
    connect(mnuHelpPolarim_[i], &QAction::triggered, this, [this, i] {
      if (help_ != nullptr) help_->ShowPlotHelp(i);
    });
  }
  mnuHelpAbout_ = helps->addAction(QStringLiteral("&About Lodema..."));
  mnuHelpAbout_->setObjectName(QStringLiteral("mnuHelpAbout"));
  connect(mnuHelpAbout_, &QAction::triggered, this, &StereoPlotWindow::ShowAbout);
}

// ---- Properties ----

void StereoPlotWindow::SetPlotType(Plot::ProjectionType type) {
  view_.projection = type;
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::SetPlotAxesStyle(Plot::AxesStyle style) {
  view_.axes = style;
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::SetPlaneSymbol(int symbol) {
  view_.planesAsGreatCircles = symbol != 1;
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::SetDelimiters(const std::string& plane, const std::string& line) {
  planeDelimiter_ = plane;
  lineDelimiter_ = line;
}

void StereoPlotWindow::ReadSymbolsFromSettings() {
  view_.palette = Plot::PaletteFromStored(settings_.gColourArray);
  view_.symbols = Plot::SymbolsFromStored(settings_.gSymbolArray);
}

void StereoPlotWindow::SetMismatchQuestion(Plot::MismatchQuestion* question) {
  question_ = question != nullptr ? question : ownQuestion_.get();
}

void StereoPlotWindow::SyncOptionControls() {
  if (optStereoType_[1] == nullptr || mnuPlotType_[1] == nullptr) return;
  const int type = static_cast<int>(view_.projection);
  for (int i = 1; i <= 2; ++i) {
    optStereoType_[i]->setChecked(i == type);
    mnuPlotType_[i]->setChecked(i == type);
  }
  const int style = static_cast<int>(view_.axes);
  for (int i = 0; i < 4; ++i) {
    optStereoStyle_[i]->setChecked(i == style);
    mnuShowStereoAxes_[i]->setChecked(i == style);
  }
  const int plane = PlaneSymbol();
  for (int i = 0; i < 2; ++i) {
    optSymbolType_[i]->setChecked(i == plane);
    mnuPlotSymbols_[i]->setChecked(i == plane);
  }
  for (int k = 0; k < Plot::kKindCount; ++k) {
    mnuShowOptions_[k]->setChecked(chkUseWindow_[k]->isChecked());
  }
}

// ---- Option handlers ----

void StereoPlotWindow::OnPlotTypeClicked(int i) {
  view_.projection = Plot::ProjectionFromCode(i);
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::OnAxesStyleClicked(int i) {
  view_.axes = Plot::AxesStyleFromCode(i);
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::OnPlaneSymbolClicked(int i) {
  view_.planesAsGreatCircles = i == 0;
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::OnShowBoxClicked(int kind) {
  mnuShowOptions_[kind]->setChecked(chkUseWindow_[kind]->isChecked());
  UpdateShownKinds();
  PlotChanged(true);
}

void StereoPlotWindow::OnShowNumberClicked() {
  numberShown_ = mnuShowNumber_->text() == QString::fromLatin1(kShowNumberCaption);
  mnuShowNumber_->setText(
      QString::fromLatin1(numberShown_ ? kHideNumberCaption : kShowNumberCaption));
  lblNumBox_->setVisible(numberShown_);
  PlotChanged(false);
}

void StereoPlotWindow::UpdateShownKinds() {
  for (int k = 0; k < Plot::kKindCount; ++k) {
    view_.shown[k] = chkUseWindow_[k]->isChecked() && kindVisible_[k];
  }
}

// ---- Main window hooks ----

void StereoPlotWindow::AddNewDataPoint(const Lodema::CalculationRecord& record) {
  Plot::PlotRecord block;
  for (int kind = 0; kind < Plot::kKindCount; ++kind) {
    for (int column = 0; column <= Plot::kFieldCount; ++column) {
      block.cells[kind][column] = record.cells[kind][column];
    }
  }
  const int retainedBefore = store_.RetainedCount();
  if (store_.AddNewDataPoint(block, *question_) == Plot::StoreChange::kNone) return;
  // A new current set lies under the retained ones; "Retry" may also have
  // emptied the store.
  const bool batch = batchRunning_ && batchRunning_();
  if (!batch || store_.RetainedCount() < retainedBefore) plotArea_->Invalidate();
  UpdateButtons();
  PlotChanged(false);
}

void StereoPlotWindow::SetStereoOptions(const std::array<bool, 4>& windowsUsed,
                                        const std::string& caption) {
  for (int k = 1; k < Plot::kKindCount; ++k) {
    kindVisible_[k] = windowsUsed[k - 1];
    chkUseWindow_[k]->setVisible(kindVisible_[k]);
  }
  UpdateShownKinds();
  setWindowTitle(Q(caption));
  PlotChanged(true);
}

// ---- Retention ----

void StereoPlotWindow::RetainCurrentData() {
  if (store_.RetainCurrentData() == Plot::StoreChange::kNone) return;
  PlotChanged(false);
}

void StereoPlotWindow::ClearLastData() {
  if (store_.ClearLastData() == Plot::StoreChange::kNone) return;
  plotArea_->Invalidate();
  UpdateButtons();
  PlotChanged(false);
}

void StereoPlotWindow::ClearAllData() {
  store_.ClearAllData();
  plotArea_->Invalidate();
  UpdateButtons();
  PlotChanged(false);
}

void StereoPlotWindow::UpdateButtons() {
  const bool enabled = store_.ButtonsEnabled();
  if (cmdSSRetain_[0]->isEnabled() == enabled) return;  // a batch run asks every row
  for (QPushButton* button : cmdSSRetain_) button->setEnabled(enabled);
}

void StereoPlotWindow::UpdateCountLabel() {
  countLabel_ = Plot::CountLabelFor(store_, numberShown_, countLabel_);
  lblNumBox_->setText(Q(countLabel_.caption));
  lblNumBox_->adjustSize();
  lblNumBox_->setVisible(countLabel_.visible);
}

void StereoPlotWindow::PlotChanged(bool viewChanged) {
  if (plotArea_ == nullptr) return;
  analysisStale_ = true;
  if (viewChanged) plotArea_->Invalidate();
  if (!(batchRunning_ && batchRunning_())) {
    UpdateCountLabel();
    UpdateAnalysisPanel();
    plotArea_->update();
    legend_->update();
    return;
  }
  // A batch run changes the store with every row: paint (and count) now and
  // then, and once more after the last change. The clock is read every few
  // changes only.
  if (sincePaint_.isValid() && ++changesSinceClock_ < kChangesPerClockReading) return;
  changesSinceClock_ = 0;
  if (!sincePaint_.isValid() || sincePaint_.elapsed() >= kBatchPaintIntervalMs) {
    sincePaint_.start();
    UpdateCountLabel();
    UpdateAnalysisPanel();
    plotArea_->repaint();
    legend_->repaint();
  } else if (!repaintScheduled_) {
    repaintScheduled_ = true;
    QTimer::singleShot(kBatchPaintIntervalMs, this, [this] { FlushRepaint(); });
  }
}

void StereoPlotWindow::FlushRepaint() {
  repaintScheduled_ = false;
  sincePaint_.invalidate();
  UpdateCountLabel();
  UpdateAnalysisPanel();
  plotArea_->update();
  legend_->update();
}

// ---- Read-out ----

void StereoPlotWindow::ShowReadoutAt(double x, double y) {
  readout_->setText(
      Q(CursorReadout(view_.projection, x, y, orientConvention_, planeDelimiter_, lineDelimiter_)));
}

// ---- Copies, symbols, about ----

void StereoPlotWindow::CopyResultForPolarim() {
  const std::string text = Plot::PolarimText(store_, view_.projection);
  if (text.empty()) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(Q(text));
}

QImage StereoPlotWindow::PlotImage(int side, Plot::Rgb background) const {
  QImage image(side, side, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QtPlotSurface surface(painter, QRectF(0, 0, side, side), PlotSpace{},
                        std::max(1.0, side / kScreenPlotSide));
  Plot::PlotView view = view_;
  view.background = background;
  Plot::RedrawPlotWithAnalysis(surface, store_, view, CurrentAnalysis());
  return image;
}

void StereoPlotWindow::CopyPlotImage() {
  const int onScreen =
      static_cast<int>(plotArea_->Square().width() * plotArea_->devicePixelRatioF());
  const QImage image = PlotImage(std::max(kClipboardImageSide, onScreen), Plot::kWhite);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(image);
}

void StereoPlotWindow::ChangeSymbols() {
  if (symbolDialog_ == nullptr) {
    symbolDialog_ = new SymbolDialog(view_.palette, this);
    connect(symbolDialog_, &QDialog::finished, this, [this] {
      if (symbolDialog_->CancelForm()) return;
      const SymbolDialog::KindSymbols chosen = symbolDialog_->Symbols();
      for (int k = 0; k < Plot::kKindCount; ++k) {
        settings_.gSymbolArray[k] = {chosen[k].colourIndex, chosen[k].shape, chosen[k].size};
      }
      ReadSymbolsFromSettings();
      PlotChanged(true);
    });
  }
  SymbolDialog::KindSymbols current;
  for (int k = 0; k < Plot::kKindCount; ++k) current[k] = view_.symbols[k];
  symbolDialog_->SetPalette(view_.palette);
  symbolDialog_->SetSymbols(current);
  // Modal, but not a nested event loop: the window goes on when it closes.
  symbolDialog_->open();
}

void StereoPlotWindow::ShowAbout() {
  if (about_ == nullptr) {
    about_ = new QMessageBox(this);
    about_->setObjectName(QStringLiteral("aboutBox"));
    about_->setWindowTitle(QStringLiteral("About Lodema"));
    about_->setIconPixmap(windowIcon().pixmap(64, 64));
    about_->setText(
        QStringLiteral("<b>Lodema %1</b>").arg(QString::fromLatin1(Lodema::kLodemaVersion)));
    about_->setInformativeText(
        QStringLiteral("A calculator for structural geology: orientations of planes and lines, "
                       "drill-core angles, batch runs over data files and a stereonet.\n\n"
                       "Built with Qt %1.\n"
                       "Released under the MIT License.")
            .arg(QString::fromLatin1(qVersion())));
    about_->setStandardButtons(QMessageBox::Ok);
  }
  about_->open();
}

// ---- Printing and saving ----

void StereoPlotWindow::RenderPage(QPainter& painter, const QRectF& area, double penScale) const {
  painter.setRenderHint(QPainter::Antialiasing);
  QtPlotSurface surface(painter, FitPage(area), kPageSpace, penScale);
  Plot::PlotView view = view_;
  view.background = Plot::kWhite;
  Plot::RedrawPlotWithAnalysis(surface, store_, view, CurrentAnalysis());
  Plot::DrawLegend(surface, kPageLegend, store_, view);
  Plot::DrawAnalysisLegend(surface, kPageLegend.centreX - 0.4 * kPageLegend.width,
                           kPageLegend.top - kAnalysisLegendTop, kLegendText, CurrentAnalysis());
}

void StereoPlotWindow::PrintTo(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  RenderPage(painter, QRectF(0, 0, page.width(), page.height()), printer.resolution() / 100.0);
  painter.end();
}

void StereoPlotWindow::PrintPlot() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() == QDialog::Accepted) PrintTo(*printer_);
}

void StereoPlotWindow::PrinterSetup() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog dialog(printer_.get(), this);
  dialog.exec();
}

void StereoPlotWindow::SavePlotAsDialog() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save plot as"), QStringLiteral("Lodema plot.png"),
      QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
  if (path.isEmpty()) return;
  int width = 1550;
  if (QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
    bool ok = false;
    width = QInputDialog::getInt(this, QStringLiteral("Save plot as"),
                                 QStringLiteral("Width of the picture in pixels:"), width, 200,
                                 10000, 50, &ok);
    if (!ok) return;
  }
  QString error;
  if (!SavePlotAs(path, width, &error)) {
    QMessageBox::warning(this, QStringLiteral("Lodema"), error);
  }
}

bool StereoPlotWindow::SavePlotAs(const QString& path, int pngWidth, QString* error) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  auto fail = [&](const QString& why) {
    if (error != nullptr) *error = why;
    return false;
  };
  if (suffix == QStringLiteral("png")) {
    const int width = std::clamp(pngWidth, 100, 20000);
    const int height = static_cast<int>(std::lround(width * kPageSpace.height / kPageSpace.width));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      RenderPage(painter, QRectF(0, 0, width, height), std::max(1.0, height / kScreenPlotSide));
    }
    if (!image.save(path, "PNG"))
      return fail(QStringLiteral("The picture could not be written to %1.").arg(path));
    return true;
  }
  if (suffix == QStringLiteral("svg")) {
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary | std::ios::trunc);
    if (!out) return fail(QStringLiteral("%1 could not be opened for writing.").arg(path));
    {
      Plot::SvgSurface surface(out, Plot::SvgPage{kPageSpace.left, -kPageSpace.top,
                                                  kPageSpace.width, kPageSpace.height, 930.0});
      Plot::PlotView view = view_;
      view.background = Plot::kWhite;
      Plot::RedrawPlotWithAnalysis(surface, store_, view, CurrentAnalysis());
      Plot::DrawLegend(surface, kPageLegend, store_, view);
      Plot::DrawAnalysisLegend(surface, kPageLegend.centreX - 0.4 * kPageLegend.width,
                               kPageLegend.top - kAnalysisLegendTop, kLegendText,
                               CurrentAnalysis());
      surface.Finish();
    }
    out.close();
    if (!out) return fail(QStringLiteral("The drawing could not be written to %1.").arg(path));
    return true;
  }
  if (suffix == QStringLiteral("pdf")) {
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setTitle(windowTitle());
    writer.setCreator(QStringLiteral("Lodema"));
    QPainter painter;
    if (!painter.begin(&writer)) {
      return fail(QStringLiteral("%1 could not be opened for writing.").arg(path));
    }
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    RenderPage(painter, QRectF(0, 0, page.width(), page.height()), writer.resolution() / 100.0);
    painter.end();
    return true;
  }
  return fail(QStringLiteral("Plots are saved as .png, .svg or .pdf files; \"%1\" is none of "
                             "these.")
                  .arg(QFileInfo(path).fileName()));
}

// ---- Window events ----

void StereoPlotWindow::closeEvent(QCloseEvent* event) {
  // Closing unloads the window: its choices go back to the settings and
  // its data is lost.
  settings_.gStereoShowing = false;
  settings_.gPlotType = static_cast<int>(view_.projection);
  settings_.gPlaneSymbols = PlaneSymbol();
  settings_.gPlotAxesStyle = static_cast<int>(view_.axes);
  store_.ClearAllData();
  plotArea_->Invalidate();
  UpdateButtons();
  UpdateCountLabel();
  event->accept();
  emit closedByUser();
}

void StereoPlotWindow::contextMenuEvent(QContextMenuEvent* event) {
  mnuOptions_->popup(event->globalPos());
  event->accept();
}

// ---- Analysis ----

void StereoPlotWindow::BuildAnalysisMenu() {
  mnuAnalysis_ = menuBar()->addMenu(QStringLiteral("&Analysis"));
  mnuAnalysis_->setObjectName(QStringLiteral("mnuAnalysis"));
  const std::array<const char*, 3> captions = {"Contour Result", "Mean and cone",
                                               "Eigenvectors and girdle"};
  for (int i = 0; i < 3; ++i) {
    QAction* item = mnuAnalysis_->addAction(QString::fromLatin1(captions[i]));
    item->setObjectName(QStringLiteral("mnuAnalysis%1").arg(i));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, &StereoPlotWindow::OnAnalysisItemChanged);
    mnuAnalysisItems_[i] = item;
  }
  QMenu* methods = mnuAnalysis_->addMenu(QStringLiteral("Contour &method"));
  methods->setObjectName(QStringLiteral("mnuContourMethod"));
  auto* group = new QActionGroup(this);
  const std::array<const char*, 3> methodCaptions = {"&Exponential Kamb (standard deviations)",
                                                     "&Kamb (standard deviations)",
                                                     "&1% area count (multiples of uniform)"};
  for (int i = 0; i < 3; ++i) {
    QAction* item = methods->addAction(QString::fromLatin1(methodCaptions[i]));
    item->setObjectName(QStringLiteral("mnuContourMethod%1").arg(i));
    item->setCheckable(true);
    item->setChecked(i == 0);
    group->addAction(item);
    connect(item, &QAction::triggered, this, &StereoPlotWindow::OnAnalysisItemChanged);
    mnuContourMethods_[i] = item;
  }
  mnuAnalysis_->addSeparator();
  mnuAnalysisCopy_ = mnuAnalysis_->addAction(QStringLiteral("&Copy statistics"));
  mnuAnalysisCopy_->setObjectName(QStringLiteral("mnuAnalysisCopy"));
  connect(mnuAnalysisCopy_, &QAction::triggered, this, &StereoPlotWindow::CopyAnalysisText);
}

void StereoPlotWindow::OnAnalysisItemChanged() {
  constexpr std::array<Plot::DensityMethod, 3> kMethods = {Plot::DensityMethod::kExponentialKamb,
                                                           Plot::DensityMethod::kKamb,
                                                           Plot::DensityMethod::kOnePercentArea};
  Plot::AnalysisChoice choice;
  if (mnuAnalysisItems_[0]->isChecked()) {
    choice.contours = kMethods[0];
    for (int i = 0; i < 3; ++i) {
      if (mnuContourMethods_[i]->isChecked()) choice.contours = kMethods[i];
    }
  }
  choice.statistics.meanAndCone = mnuAnalysisItems_[1]->isChecked();
  choice.statistics.eigenvectors = choice.statistics.girdle = mnuAnalysisItems_[2]->isChecked();
  SetAnalysis(choice);
}

void StereoPlotWindow::SetAnalysis(const Plot::AnalysisChoice& choice) {
  analysisChoice_ = choice;
  // Kept in the settings as it changes, so the next start (or the window
  // shown again) offers the same analysis.
  settings_.gPlotContours = choice.contours ? static_cast<int>(*choice.contours) : -1;
  settings_.gPlotMeanCone = choice.statistics.meanAndCone;
  settings_.gPlotEigenvectors = choice.statistics.eigenvectors || choice.statistics.girdle;
  mnuAnalysisItems_[0]->setChecked(choice.contours.has_value());
  if (choice.contours) {
    mnuContourMethods_[static_cast<int>(*choice.contours)]->setChecked(true);
  }
  mnuAnalysisItems_[1]->setChecked(choice.statistics.meanAndCone);
  mnuAnalysisItems_[2]->setChecked(choice.statistics.eigenvectors || choice.statistics.girdle);
  PlotChanged(true);
}

bool StereoPlotWindow::AnalysisShown() const {
  const Plot::StatisticsLayers& layers = analysisChoice_.statistics;
  return analysisChoice_.contours || layers.meanAndCone || layers.eigenvectors || layers.girdle;
}

const Plot::PlotAnalysis& StereoPlotWindow::CurrentAnalysis() const {
  if (analysisStale_) {
    analysis_ = Plot::AnalysePlot(store_, view_.projection, analysisChoice_);
    analysisStale_ = false;
  }
  return analysis_;
}

QString StereoPlotWindow::AnalysisText() const {
  // The output conventions the main window handed over, with the decimal
  // character of the results.
  Plot::OutputNotation notation;
  const int code = std::abs(orientConvention_);
  notation.planeConvention = code % 10;
  notation.lineConvention = code / 10;
  notation.quadrant = orientConvention_ < 0;
  const bool comma = NumberText::LocaleUsesCommaDecimal() != settings_.NonLocaleDecimal;
  notation.decimalChar = comma ? ',' : '.';
  return Q(Plot::AnalysisText(CurrentAnalysis(), notation));
}

void StereoPlotWindow::CopyAnalysisText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(AnalysisText());
}

void StereoPlotWindow::UpdateAnalysisPanel() {
  const bool shown = AnalysisShown();
  txtAnalysis_->setVisible(shown);
  int rows = 0;
  if (shown) {
    const QString text = AnalysisText();
    if (txtAnalysis_->toPlainText() != text) txtAnalysis_->setPlainText(text);
    const Plot::PlotAnalysis& analysis = CurrentAnalysis();
    if (analysis.choice.contours) {
      rows += 1 + std::max(1, static_cast<int>(analysis.levels.size()));
    }
    const Plot::StatisticsLayers& layers = analysis.choice.statistics;
    rows += (layers.meanAndCone ? 1 : 0) + (layers.eigenvectors ? 3 : 0) + (layers.girdle ? 1 : 0);
  }
  // The legend grows to show the analysis's rows (its units: 1000 across).
  const double units = rows > 0 ? kAnalysisLegendTop + kLegendRow * (rows + 0.5) : 0.0;
  legend_->setMinimumHeight(
      std::max(110, static_cast<int>(std::ceil(units * std::max(150, legend_->width()) / 1000.0))));
}
