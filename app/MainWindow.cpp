// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <exception>

#include "LodemaVersion.h"
#include "app/CalculationPages.h"
#include "app/EntryPanel.h"
#include "app/FilePage.h"
#include "app/HelpAccess.h"
#include "app/HelpFiles.h"
#include "app/Named.h"
#include "app/Notices.h"
#include "app/PageScrollAreas.h"
#include "app/QtPlatform.h"
#include "app/QtSettingsStore.h"
#include "app/ResultPanel.h"
#include "app/RunInputGuard.h"
#include "app/ScreenFit.h"
#include "app/SettingsRepair.h"
#include "app/StereoPlotDock.h"
#include "app/StereoPlotWindow.h"
#include "app/ThemeColours.h"
#include "calc/Settings.h"
#include "calc/SettingsIO.h"
#include "model/FilePage.h"

namespace {

// A running batch repaints the window at most this often.
constexpr qint64 kRepaintIntervalMs = 40;

// The plot window's analysis as the settings keep it; an unknown contour
// method means no contours.
Lodema::Plot::AnalysisChoice AnalysisFromSettings(const Lodema::Settings& s) {
  Lodema::Plot::AnalysisChoice choice;
  if (s.gPlotContours >= 0 && s.gPlotContours <= 2) {
    choice.contours = static_cast<Lodema::Plot::DensityMethod>(s.gPlotContours);
  }
  choice.statistics.meanAndCone = s.gPlotMeanCone;
  choice.statistics.eigenvectors = choice.statistics.girdle = s.gPlotEigenvectors;
  return choice;
}

// The main window's size, position and maximised state between runs, as
// the toolkit encodes them (Base64 text).
constexpr const char* kGeometrySection = "StartUp";
constexpr const char* kGeometryKey = "MainWindowGeometry";

// The service given, else one of the window's own, made from args.
template <typename Service, typename Own, typename... Args>
Service* OwnUnlessGiven(Service* given, std::unique_ptr<Own>& own, Args&&... args) {
  if (given != nullptr) return given;
  own = std::make_unique<Own>(std::forward<Args>(args)...);
  return own.get();
}

}  // namespace

class MainWindow::CurrentWindowMessages : public Lodema::MessageBoxes {
 public:
  CurrentWindowMessages(MainWindow& window, Lodema::MessageBoxes& boxes)
      : window_(window), boxes_(boxes) {}
  Lodema::MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    Lodema::MessageButtons buttons,
                                    Lodema::MessageIcon icon) override {
    // A run paints the window only now and then; what a message speaks of
    // (the lines processed, the row just read) must be in view behind it.
    if (window_.isVisible()) window_.RefreshAll();
    return boxes_.ShowMessage(text, title, buttons, icon);
  }

 private:
  MainWindow& window_;
  Lodema::MessageBoxes& boxes_;
};

MainWindow::MainWindow(const LodemaServices& services, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmLodem"));
  store_ = OwnUnlessGiven(services.store, ownStore_);
  messages_ = OwnUnlessGiven(services.messages, ownMessages_, this);
  Lodema::FileDialogs* dialogs = OwnUnlessGiven(services.dialogs, ownDialogs_, this);
  Lodema::Clipboard* clipboard = OwnUnlessGiven(services.clipboard, ownClipboard_);
  Lodema::Beeper* beeper = OwnUnlessGiven(services.beeper, ownBeeper_);
  model_.SetBeeper(beeper);
  help_ = std::make_unique<HelpAccess>(
      services.helpPlaces != nullptr ? *services.helpPlaces : help::DefaultHelpPlaces(), *messages_,
      services.helpOpener, this);

  windowMessages_ = std::make_unique<CurrentWindowMessages>(*this, *messages_);
  stereoPlot_ = new StereoPlotWindow(
      model_.settings(), [this] { return model_.BatchRunning(); }, help_.get(), this);
  // The window has handed its choices back to the settings.
  connect(stereoPlot_, &StereoPlotWindow::closedByUser, this,
          [this] { conventionsPage_->ShowStereo()->setChecked(false); });
  new StereoPlotDock(*stereoPlot_, *this, *store_);  // the plot beside the calculator
  model_.SetPlotSink(stereoPlot_);
  const Lodema::BatchPlatform platform{.messages = windowMessages_.get(),
                                       .dialogs = dialogs,
                                       .clipboard = clipboard,
                                       .retain = stereoPlot_};
  filePageModel_ = std::make_unique<Lodema::FilePageModel>(model_, platform);
  filePageModel_->SetSettingsStore(store_);
  filePageModel_->SetProgressHandler([this](std::int64_t count) { OnBatchProgress(count); });

  BuildWidgets();
  recentFiles_.Load(*store_);
  BuildMenus();
  RestoreWindowGeometry();
  FitOnScreen(*this, restoredGeometry_);
  setAcceptDrops(true);
  observerId_ = model_.AddObserver([this](Lodema::ModelEvent) {
    // A batch run repaints on its own schedule (OnBatchProgress).
    if (model_.BatchRunning()) return;
    if (!model_.Initialising()) FollowEntryLayout();
    RefreshAll();
    // Whichever way the calculation changed (button, caption, menu), typing
    // goes on in its first entry box.
    if (model_.Calculation() != focusedCalculation_ && !model_.Initialising()) {
      focusedCalculation_ = model_.Calculation();
      entryPanel_->FocusFirstEntry();
    }
  });
  FormInitialisation();
}

MainWindow::~MainWindow() {
  model_.RemoveObserver(observerId_);
  model_.SetPlotSink(nullptr);
}

void MainWindow::BuildWidgets() {
  calculationPages_ = new CalculationPages(model_, this);
  entryPanel_ = new EntryPanel(model_, this);
  resultPanel_ = new ResultPanel(model_, this);
  conventionsPage_ = new ConventionsPage(model_, calculationPages_->ReformatRow(15),
                                         calculationPages_->ReformatRow(16), this);
  filePage_ = new FilePage(model_, *filePageModel_, this);

  pageTabs_ = Named(new QTabWidget, QStringLiteral("tabLodem"));
  pageTabs_->addTab(Scrolled(calculationPages_->GeometricalPage()), QStringLiteral("Geometrical"));
  pageTabs_->addTab(Scrolled(calculationPages_->CorePage()), QStringLiteral("Drill core"));
  QScrollArea* conventionsArea = Scrolled(conventionsPage_->Page());
  pageTabs_->addTab(conventionsArea, QStringLiteral("Conventions"));
  conventionsPage_->FollowWidthOf(conventionsArea->viewport());
  QScrollArea* filesArea = Scrolled(filePage_->Page());
  pageTabs_->addTab(filesArea, QStringLiteral("File processing"));
  filePage_->FollowWidthOf(filesArea->viewport());
  connect(pageTabs_, &QTabWidget::currentChanged, this, [this](int page) {
    if (page != model_.Controls().tabPage) model_.SetTabPage(page);
  });

  // The entry and result windows stand beside the pages, so that every
  // page works with them in view.
  auto* side = Named(new QWidget, QStringLiteral("sidePanel"));
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(4, 0, 6, 4);
  column->addWidget(entryPanel_->Windows());
  column->addWidget(entryPanel_->ExtraData());
  column->addWidget(resultPanel_->Results());
  column->addWidget(resultPanel_->Messages());
  column->addStretch(1);
  column->addWidget(filePage_->InputStrip());

  auto* sideArea = new SideScrollArea;
  sideArea->setWidget(side);
  auto* splitter = new QSplitter;
  splitter->addWidget(pageTabs_);
  splitter->addWidget(sideArea);
  // Room to spare goes to the pages; the windows keep the width they need.
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setChildrenCollapsible(false);
  setCentralWidget(splitter);

  connect(conventionsPage_, &ConventionsPage::commandClicked, this, &MainWindow::OnCommand);
  // Clearing "Set as default" stores the system's character as the default,
  // rather than keeping a choice the user has just declined to keep.
  connect(conventionsPage_, &ConventionsPage::setDecimalClicked, this,
          &MainWindow::SaveDecimalChoice);
  connect(conventionsPage_, &ConventionsPage::showStereoClicked, this,
          &MainWindow::OnShowStereoClicked);
  connect(conventionsPage_, &ConventionsPage::separatorsChanged, this, [this] {
    if (stereoPlot_->IsShowing()) {
      stereoPlot_->SetDelimiters(model_.settings().PlaneDelim, model_.settings().LineDelim);
    }
  });
  connect(filePage_, &FilePage::startInputClicked, this, &MainWindow::StartInput);
  connect(filePage_, &FilePage::pasteRequested, this, &MainWindow::PasteData);
  connect(filePage_, &FilePage::inputSourceChanged, this, &MainWindow::NoteInputSource);
  connect(filePage_, &FilePage::sourceLeft, this, &MainWindow::RememberColumnChoiceOf);

  // Roomy where the screen has room; FitOnScreen keeps it on a small one.
  resize(1280, 800);
}

void MainWindow::FormInitialisation() {
  Lodema::Settings& s = model_.settings();
  model_.SetLocaleDecimalMark(QLocale().decimalPoint() == QStringLiteral(",")
                                  ? OrientGeometry::DecimalMark::kComma
                                  : OrientGeometry::DecimalMark::kPoint);
  filePageModel_->SetAppendData(false);
  const Lodema::SettingsLoadResult loaded = Lodema::LoadSettings(s, *store_);
  if (loaded.showWelcome) {
    messages_->ShowMessage(notices::WelcomeText(), notices::kWelcomeTitle,
                           Lodema::MessageButtons::kOk, Lodema::MessageIcon::kNone);
  }
  settings_repair::WatchSettings(this, loaded.resetKeys, *store_);
  if (auto* qtStore = dynamic_cast<QtSettingsStore*>(store_)) qtStore->Sync();

  model_.SetInitialising(true);
  model_.ApplySettingsToControls();
  setWindowTitle(QStringLiteral("Lodema ") + QString::fromUtf8(Lodema::kLodemaVersion));
  StartUpDecimalCharacter();
  // The stored calculation is laid out before the file panels take their
  // settings, so that the default columns of the preview follow the entry
  // boxes this calculation shows.
  model_.ShowStoredCalculation();
  filePageModel_->ApplySettingsToControls();
  // Without a stored source the column lists still follow the calculation.
  if (model_.settings().FileIn.empty()) filePageModel_->RefreshColumnPreview();
  conventionsPage_->ShowSeparators();
  filePageModel_->SetAppendData(false);
  shownEntryBoxes_ = Lodema::EntryLayoutOf(model_.Schema()).boxVisible;
  model_.SetInitialising(false);
  RefreshAll();
  if (s.gStereoShowing) {
    conventionsPage_->ShowStereo()->setChecked(true);
    OnShowStereoClicked(true);
  }
}

void MainWindow::ShowStereoPlot(bool show) {
  Lodema::Settings& s = model_.settings();
  if (show) {
    stereoPlot_->SetPlotType(Lodema::Plot::ProjectionFromCode(s.gPlotType));
    stereoPlot_->SetPlaneSymbol(s.gPlaneSymbols);
    stereoPlot_->SetPlotAxesStyle(Lodema::Plot::AxesStyleFromCode(s.gPlotAxesStyle));
    stereoPlot_->SetAnalysis(AnalysisFromSettings(s));
    stereoPlot_->ReadSymbolsFromSettings();
    stereoPlot_->Container()->Reveal();
    model_.UpdatePlotWindow();
  } else {
    stereoPlot_->Container()->hide();
  }
  s.gStereoShowing = show;
}

void MainWindow::OnShowStereoClicked(bool shown) {
  const Lodema::Settings& s = model_.settings();
  stereoPlot_->SetDelimiters(s.PlaneDelim, s.LineDelim);
  ShowStereoPlot(shown);
  model_.RevalidateEntries();
  if (model_.AllEntriesValid()) model_.Calculate();
  RefreshAll();
}

void MainWindow::FollowEntryLayout() {
  const Lodema::EntryLayout layout = Lodema::EntryLayoutOf(model_.Schema());
  if (layout.boxVisible == shownEntryBoxes_) return;
  shownEntryBoxes_ = layout.boxVisible;
  filePageModel_->RefreshColumnPreview();
}

void MainWindow::RefreshAll() {
  MarkCurrentCalculation();
  calculationPages_->Refresh();
  entryPanel_->Refresh();
  resultPanel_->Refresh();
  conventionsPage_->Refresh();
  filePage_->Refresh();
  const int page = model_.Controls().tabPage;
  if (pageTabs_->currentIndex() != page) {
    const QSignalBlocker blocker(pageTabs_);
    pageTabs_->setCurrentIndex(page);
  }
}

void MainWindow::Save(int group) {
  Lodema::Settings& s = model_.settings();
  const Lodema::FilePageControls& files = filePageModel_->Controls();
  if (group == Lodema::kSaveFileOutput) {
    s.gFileOutDelimiter = Lodema::OutputDelimiterFromListText(files.delimiterLists[1].text);
  }
  Lodema::SaveContext context;
  if (group == Lodema::kSaveProgramState) {
    s.FileOut = files.fileNameBoxes[2].text;
    context.writePlotWindowRect = stereoPlot_->Container()->Remember(s.PlotWindowRect);
  }
  Lodema::SaveSettings(s, *store_, group, context);
  if (auto* qtStore = dynamic_cast<QtSettingsStore*>(store_)) qtStore->Sync();
}

void MainWindow::PasteData() {
  if (model_.BatchRunning()) return;
  filePageModel_->PasteData();
  stereoPlot_->FlushRepaint();
  RefreshAll();
}

void MainWindow::StartInput(int button) {
  if (model_.BatchRunning()) {
    // "Wait.." pressed: the run ends after the row in hand.
    filePageModel_->RequestStop();
    return;
  }
  RememberColumnChoice();
  sinceRepaint_.invalidate();
  // The window stays responsive during the run, but only to the stop.
  const RunInputGuard guard(std::vector<QWidget*>{this, stereoPlot_}, filePage_->StartInput(button),
                            [this] { filePageModel_->RequestStop(); });
  try {
    filePageModel_->StartBatchInput(button);
  } catch (const std::exception& fault) {
    // The run reports its own problems; a fault must not close the window.
    model_.SetBatchRunning(false);
    ReportUnexpectedFault(this, fault.what());
  }
  stereoPlot_->FlushRepaint();
  RefreshAll();
}

void MainWindow::OnBatchProgress(std::int64_t count) {
  emit batchRowStarted(count);
  // Painting every row would cost more than the row itself: the window is
  // brought up to date, and the stop looked for, a few tens of times a
  // second. The run's input guard lets nothing else through.
  if (count > 1 && sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintIntervalMs) {
    return;
  }
  sinceRepaint_.start();
  RefreshAll();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (model_.BatchRunning()) {
    event->ignore();
    return;
  }
  if (conventionsPage_->SetDecimal() != ConventionsPage::SetDecimalState::kSet) {
    model_.settings().NonLocaleDecimal = false;
  }
  SaveWindowGeometry();
  RememberColumnChoice();
  Lodema::Settings& s = model_.settings();
  if (stereoPlot_->isVisible()) {
    s.gPlotType = static_cast<int>(stereoPlot_->PlotType());
    s.gPlaneSymbols = stereoPlot_->PlaneSymbol();
    s.gPlotAxesStyle = static_cast<int>(stereoPlot_->PlotAxesStyle());
  }
  s.gStereoShowing = stereoPlot_->isVisible();
  Save(Lodema::kSaveProgramState);
  // Hidden, not closed: it was showing at this close.
  stereoPlot_->Container()->hide();
  event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // A right click anywhere on the window that nothing else claims offers
  // the Calculations menu.
  calculationsMenu_->popup(event->globalPos());
  event->accept();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
    activatedOnce_ = true;
    model_.SetInitialising(false);
    // Now framed: the real title bar and borders must fit too.
    FitOnScreen(*this, true);
    // Ready to type, unless the focus was put somewhere already.
    focusedCalculation_ = model_.Calculation();
    if (focusWidget() == nullptr) entryPanel_->FocusFirstEntry();
  }
  return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
  // The desktop switched between a light and a dark theme: the coloured
  // captions are made readable on the new window colour.
  if (event->type() == QEvent::PaletteChange) {
    theme::FollowPalette(this);
    RefreshAll();
  }
  QMainWindow::changeEvent(event);
}

// ---- Window geometry -----------------------------------------------------------

void MainWindow::RestoreWindowGeometry() {
  const std::string stored =
      store_->Read(Lodema::kApplicationName, kGeometrySection, kGeometryKey, "");
  if (stored.empty()) return;
  // A damaged or foreign value leaves the default size; a value that fits
  // no screen is brought onto one, title bar within reach.
  restoredGeometry_ =
      RestoreOnScreen(*this, QByteArray::fromBase64(QByteArray::fromStdString(stored)));
}

void MainWindow::SaveWindowGeometry() {
  store_->Write(Lodema::kApplicationName, kGeometrySection, kGeometryKey,
                saveGeometry().toBase64().toStdString());
}
