// SPDX-License-Identifier: MIT
// The stereonet window's controls: the net with its legend and count label,
// the tool bars (retention; plot type, axis style, planes as, show) and the
// menus, which mirror the tool bar's choices.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/HelpAccess.h"
#include "app/Named.h"
#include "app/PlotTypeQuestion.h"
#include "app/StereoLegendView.h"
#include "app/StereoPlotArea.h"
#include "app/StereoPlotDock.h"
#include "app/StereoPlotWindow.h"

namespace Plot = Lodema::Plot;

namespace {

constexpr std::array<const char*, 5> kKindCaptions = {"Result", "Window A", "Window B", "Window C",
                                                      "Window D"};

QComboBox* Choice(const QString& name, const QString& caption,
                  std::initializer_list<const char*> items) {
  auto* box = Named(new QComboBox, name);
  box->setToolTip(caption);
  box->setAccessibleName(caption);
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (const char* item : items) box->addItem(QString::fromLatin1(item));
  return box;
}

}  // namespace

void StereoPlotWindow::BuildWidgets() {
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(2);

  questionBar_ = new PlotTypeQuestionBar;
  connect(questionBar_, &PlotTypeQuestionBar::answered, this,
          &StereoPlotWindow::AnswerTypeQuestion);
  column->addWidget(questionBar_);

  plotArea_ = new StereoPlotArea(*this, store_, view_);
  countLabel_ = Named(new QLabel(QStringLiteral("0 Pts"), plotArea_), QStringLiteral("lblNumBox"));
  countLabel_->setStyleSheet(QStringLiteral("QLabel { background: transparent; color: black; }"));
  legend_ = new StereoLegendView(*this, store_, view_, plotArea_);
  legend_->hide();
  plotArea_->SetOverlays(countLabel_, legend_);

  // The statistics of the analysis, selectable and copyable as text, under
  // the net; the user can move the divide.
  analysisPanel_ = Named(new QPlainTextEdit, QStringLiteral("txtAnalysis"));
  analysisPanel_->setReadOnly(true);
  analysisPanel_->setLineWrapMode(QPlainTextEdit::NoWrap);
  analysisPanel_->setMinimumHeight(60);
  analysisPanel_->setVisible(false);

  auto* plotAndStatistics = Named(new QSplitter(Qt::Vertical), QStringLiteral("plotAndStatistics"));
  plotAndStatistics->addWidget(plotArea_);
  plotAndStatistics->addWidget(analysisPanel_);
  plotAndStatistics->setStretchFactor(0, 3);
  plotAndStatistics->setStretchFactor(1, 1);
  plotAndStatistics->setChildrenCollapsible(false);
  column->addWidget(plotAndStatistics, 1);
  setCentralWidget(central);

  readout_ = Named(new QLabel, QStringLiteral("statBarPanel1"));
  statusBar()->setObjectName(QStringLiteral("statBar"));
  statusBar()->addWidget(readout_, 1);
}

void StereoPlotWindow::BuildToolBars() {
  QToolBar* retention = addToolBar(QStringLiteral("Retain"));
  retention->setObjectName(QStringLiteral("panToolbar"));
  retention->setMovable(false);
  const std::array<std::pair<const char*, void (StereoPlotWindow::*)()>, 3> retainCommands = {{
      {"Retain", &StereoPlotWindow::RetainCurrentData},
      {"Clear last", &StereoPlotWindow::ClearLastData},
      {"Clear all", &StereoPlotWindow::ClearAllData},
  }};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(retainCommands[i].first));
    button->setObjectName(QStringLiteral("cmdSSRetain%1").arg(i));
    connect(button, &QPushButton::clicked, this, retainCommands[i].second);
    retention->addWidget(button);
    retentionButtons_[i] = button;
  }
  addToolBarBreak();

  // The options in one compact row; the Options menu holds the same.
  QToolBar* options = addToolBar(QStringLiteral("Stereo Options"));
  options->setObjectName(QStringLiteral("fraOptions2"));
  options->setMovable(false);
  plotTypeChoice_ = Choice(QStringLiteral("optStereoType"), QStringLiteral("Plot type"),
                           {"Equal area", "Equal angle"});
  connect(plotTypeChoice_, &QComboBox::activated, this,
          [this](int index) { SetPlotType(Plot::ProjectionFromCode(index + 1)); });
  axesStyleChoice_ = Choice(QStringLiteral("optStereoStyle"), QStringLiteral("Axis style"),
                            {"Simple ticks", "Quadrant ticks", "Quadrant axes", "Polar axes"});
  connect(axesStyleChoice_, &QComboBox::activated, this,
          [this](int index) { SetPlotAxesStyle(Plot::AxesStyleFromCode(index)); });
  planeChoice_ = Choice(QStringLiteral("optSymbolType"), QStringLiteral("Planes as:"),
                        {"Great Circles", "Poles"});
  connect(planeChoice_, &QComboBox::activated, this, [this](int index) { SetPlaneSymbol(index); });
  options->addWidget(plotTypeChoice_);
  options->addWidget(axesStyleChoice_);
  options->addWidget(planeChoice_);

  auto* showButton = Named(new QToolButton, QStringLiteral("fraOptions0"));
  showButton->setText(QStringLiteral("Show:"));
  showButton->setToolTip(QStringLiteral("The kinds of data drawn"));
  showButton->setPopupMode(QToolButton::InstantPopup);
  auto* showMenu = new QMenu(showButton);
  for (int k = 0; k < Plot::kKindCount; ++k) {
    QAction* choice = showMenu->addAction(QString::fromLatin1(kKindCaptions[k]));
    choice->setObjectName(QStringLiteral("chkUseWindow%1").arg(k));
    choice->setCheckable(true);
    connect(choice, &QAction::triggered, this,
            [this, k](bool shown) { OnShowKindChosen(k, shown); });
    showKindChoices_[k] = choice;
  }
  showButton->setMenu(showMenu);
  options->addWidget(showButton);
}

void StereoPlotWindow::BuildMenus() {
  optionsMenu_ = menuBar()->addMenu(QStringLiteral("&Options"));
  optionsMenu_->setObjectName(QStringLiteral("mnuOptions"));
  // An item of the Options menu; the checkable ones are the view's choices.
  const auto add = [this](const char* caption, const QString& name, bool checkable,
                          const auto& handler) {
    QAction* action = Named(optionsMenu_->addAction(QString::fromLatin1(caption)), name);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  auto separator = [this](int n) {
    optionsMenu_->addSeparator()->setObjectName(QStringLiteral("mnuOptionsBar%1").arg(n));
  };
  editItems_[1] = add("Cop&y result for Polarim", QStringLiteral("mnuEditSelection1"), false,
                      &StereoPlotWindow::CopyResultForPolarim);
  editItems_[2] = add("Copy plot &image to clipboard", QStringLiteral("mnuEditSelection2"), false,
                      &StereoPlotWindow::CopyPlotImage);
  editItems_[3] = add("Change &Symbol...", QStringLiteral("mnuEditSelection3"), false,
                      &StereoPlotWindow::ChangeSymbols);
  add("Save plot &as...", QStringLiteral("mnuSaveAs"), false, &StereoPlotWindow::SavePlotAsDialog);
  add("Plot &title...", QStringLiteral("mnuPlotTitle"), false, &StereoPlotWindow::AskPlotTitle);
  separator(1);

  const std::array<const char*, 5> showCaptions = {
      "Show &Result", "Show Window &A", "Show Window &B", "Show Window &C", "Show Window &D"};
  for (int k = 0; k < Plot::kKindCount; ++k) {
    showItems_[k] = add(showCaptions[k], QStringLiteral("mnuShowOptions%1").arg(k), true,
                        [this, k](bool shown) { OnShowKindChosen(k, shown); });
  }
  showNumberItem_ = add("Hide &number of Results data", QStringLiteral("mnuShowNumber"), false,
                        &StereoPlotWindow::OnShowNumberClicked);
  separator(2);

  const std::array<const char*, 2> typeCaptions = {"Equa&l area  projection",
                                                   "Eq&ual angle projection"};
  for (int i = 1; i <= 2; ++i) {
    plotTypeItems_[i] = add(typeCaptions[i - 1], QStringLiteral("mnuPlotType%1").arg(i), true,
                            [this, i] { SetPlotType(Plot::ProjectionFromCode(i)); });
  }
  separator(3);
  const std::array<const char*, 2> planeCaptions = {"&Great Circles", "&Point symbols"};
  for (int i = 0; i < 2; ++i) {
    planeItems_[i] = add(planeCaptions[i], QStringLiteral("mnuPlotSymbols%1").arg(i), true,
                         [this, i] { SetPlaneSymbol(i); });
  }
  separator(4);
  const std::array<const char*, 4> axesCaptions = {"Simple &tick stereo axes",
                                                   "&Quadrant tick stereo axes",
                                                   "Quadrant stereo a&xes", "P&olar stereo axes"};
  for (int i = 0; i < 4; ++i) {
    axesItems_[i] = add(axesCaptions[i], QStringLiteral("mnuShowStereoAxes%1").arg(i), true,
                        [this, i] { SetPlotAxesStyle(Plot::AxesStyleFromCode(i)); });
  }
  separator(5);
  add("Print...", QStringLiteral("mnuFilePrint0"), false, &StereoPlotWindow::PrintPlot);
  add("Printer Setup...", QStringLiteral("mnuFilePrint1"), false, &StereoPlotWindow::PrinterSetup);
  separator(6);
  closeItem_ = add("Clos&e", QStringLiteral("mnuFileClose"), false, [this] { dock_->close(); });

  BuildAnalysisMenu();

  QMenu* helps = Named(menuBar()->addMenu(QStringLiteral("&Help")), QStringLiteral("mnuHelps"));
  const std::array<const char*, 2> helpCaptions = {"Lodema Help &Contents...",
                                                   "&How to use Help..."};
  for (int i = 0; i < 2; ++i) {
    QAction* item = Named(helps->addAction(QString::fromLatin1(helpCaptions[i])),
                          QStringLiteral("mnuHelpPolarim%1").arg(i));
    connect(item, &QAction::triggered, this, [this, i] {
      if (help_ != nullptr) help_->ShowPlotHelp(i);
    });
  }
  aboutItem_ =
      Named(helps->addAction(QStringLiteral("&About Lodema...")), QStringLiteral("mnuHelpAbout"));
  connect(aboutItem_, &QAction::triggered, this, &StereoPlotWindow::ShowAbout);
}

void StereoPlotWindow::BuildAnalysisMenu() {
  QMenu* analysis =
      Named(menuBar()->addMenu(QStringLiteral("&Analysis")), QStringLiteral("mnuAnalysis"));
  const std::array<const char*, 3> captions = {"Contour Result", "Mean and cone",
                                               "Eigenvectors and girdle"};
  for (int i = 0; i < 3; ++i) {
    QAction* item = analysis->addAction(QString::fromLatin1(captions[i]));
    item->setObjectName(QStringLiteral("mnuAnalysis%1").arg(i));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, &StereoPlotWindow::OnAnalysisItemChanged);
    analysisItems_[i] = item;
  }
  QMenu* methods = analysis->addMenu(QStringLiteral("Contour &method"));
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
    contourMethodItems_[i] = item;
  }
  analysis->addSeparator();
  copyAnalysisItem_ = analysis->addAction(QStringLiteral("&Copy statistics"));
  copyAnalysisItem_->setObjectName(QStringLiteral("mnuAnalysisCopy"));
  connect(copyAnalysisItem_, &QAction::triggered, this, &StereoPlotWindow::CopyAnalysisText);
}

void StereoPlotWindow::SyncOptionControls() {
  if (plotTypeChoice_ == nullptr || plotTypeItems_[1] == nullptr) return;
  const int type = static_cast<int>(view_.projection);
  for (int i = 1; i <= 2; ++i) plotTypeItems_[i]->setChecked(i == type);
  const int style = static_cast<int>(view_.axes);
  for (int i = 0; i < 4; ++i) axesItems_[i]->setChecked(i == style);
  const int plane = PlaneSymbol();
  for (int i = 0; i < 2; ++i) planeItems_[i]->setChecked(i == plane);
  {
    const QSignalBlocker blockType(plotTypeChoice_);
    const QSignalBlocker blockStyle(axesStyleChoice_);
    const QSignalBlocker blockPlane(planeChoice_);
    plotTypeChoice_->setCurrentIndex(type - 1);
    axesStyleChoice_->setCurrentIndex(style);
    planeChoice_->setCurrentIndex(plane);
  }
  // A window the calculation does not use can be neither shown nor chosen.
  for (int k = 0; k < Plot::kKindCount; ++k) {
    for (QAction* item : {showItems_[k], showKindChoices_[k]}) {
      item->setEnabled(kindUsed_[k]);
      item->setChecked(kindWanted_[k] && kindUsed_[k]);
    }
  }
}
