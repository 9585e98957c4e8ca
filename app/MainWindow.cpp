// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "LodemaVersion.h"
#include "app/CalculationPages.h"
#include "app/ConventionsPage.h"
#include "app/EntryPanel.h"
#include "app/FilePage.h"
#include "app/HelpAccess.h"
#include "app/HelpFiles.h"
#include "app/Mirror.h"
#include "app/NomenclatureDialog.h"
#include "app/Notices.h"
#include "app/QtPlatform.h"
#include "app/QtSettingsStore.h"
#include "app/ResultPanel.h"
#include "app/RunInputGuard.h"
#include "app/SettingsRepair.h"
#include "app/StereoPlotWindow.h"
#include "app/ThemeColours.h"
#include "app/WindowGeometry.h"
#include "batch/FilePage.h"
#include "batch/LineReader.h"
#include "calc/Catalogue.h"
#include "calc/Settings.h"
#include "calc/SettingsIO.h"

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

// The first local file a drag carries, or an empty text.
QString DraggedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QFileInfo info(url.toLocalFile());
    if (info.isFile()) return info.absoluteFilePath();
  }
  return {};
}

// A page in a frameless scroll area: on a small screen (1024 x 640) the
// window still fits, and a page taller or wider than its room scrolls
// rather than being cut off or pushing the window off the screen.
QScrollArea* Scrolled(QWidget* page) {
  auto* area = new QScrollArea;
  area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(page);
  return area;
}

// The entry and result windows beside the pages: as wide as they need (the
// calculation decides which windows show), scrolled up and down when the
// screen is too low for them.
class SideScrollArea : public QScrollArea {
 public:
  SideScrollArea() {
    setObjectName(QStringLiteral("sidePanelScroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  QSize minimumSizeHint() const override { return Widen(QScrollArea::minimumSizeHint()); }
  QSize sizeHint() const override { return Widen(QScrollArea::sizeHint()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Other windows shown: the width needed may have changed.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
  }

 private:
  QSize Widen(QSize hint) const {
    if (widget() != nullptr) {
      hint.setWidth(widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() +
                    2 * frameWidth());
    }
    return hint;
  }
};

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
  if (services.store != nullptr) {
    store_ = services.store;
  } else {
    ownStore_ = std::make_unique<QtSettingsStore>();
    store_ = ownStore_.get();
  }
  if (services.messages != nullptr) {
    messages_ = services.messages;
  } else {
    ownMessages_ = std::make_unique<QtMessageBoxes>(this);
    messages_ = ownMessages_.get();
  }
  Lodema::FileDialogs* dialogs = services.dialogs;
  if (dialogs == nullptr) {
    ownDialogs_ = std::make_unique<QtFileDialogs>(this);
    dialogs = ownDialogs_.get();
  }
  Lodema::Clipboard* clipboard = services.clipboard;
  if (clipboard == nullptr) {
    ownClipboard_ = std::make_unique<QtClipboard>();
    clipboard = ownClipboard_.get();
  }
  Lodema::Beeper* beeper = services.beeper;
  if (beeper == nullptr) {
    ownBeeper_ = std::make_unique<QtBeeper>();
    beeper = ownBeeper_.get();
  }
  model_.SetBeeper(beeper);
  help_ = std::make_unique<HelpAccess>(
      services.helpPlaces != nullptr ? *services.helpPlaces : help::DefaultHelpPlaces(), *messages_,
      services.helpOpener, this);

  windowMessages_ = std::make_unique<CurrentWindowMessages>(*this, *messages_);
  stereoPlot_ = new StereoPlotWindow(
      model_.settings(), [this] { return model_.BatchRunning(); }, help_.get(), this);
  connect(stereoPlot_, &StereoPlotWindow::closedByUser, this, &MainWindow::OnStereoPlotClosed);
  model_.SetPlotSink(stereoPlot_);
  Lodema::BatchPlatform platform;
  platform.retain = stereoPlot_;
  platform.messages = windowMessages_.get();
  platform.dialogs = dialogs;
  platform.clipboard = clipboard;
  filePageModel_ = std::make_unique<Lodema::FilePageModel>(model_, platform);
  filePageModel_->SetSettingsStore(store_);
  filePageModel_->SetProgressHandler([this](std::int64_t count) { OnBatchProgress(count); });

  BuildWidgets();
  recentFiles_.Load(*store_);
  BuildMenus();
  RestoreWindowGeometry();
  setAcceptDrops(true);
  observerId_ = model_.AddObserver([this](Lodema::ModelEvent) {
    // A batch run repaints on its own schedule (OnBatchProgress).
    if (model_.BatchRunning()) return;
    if (!model_.Initialising()) FollowEntryLayout();
    RefreshAll();
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

  tabPage_ = new QTabWidget;
  tabPage_->setObjectName(QStringLiteral("tabLodem"));
  tabPage_->addTab(Scrolled(calculationPages_->GeometricalPage()), QStringLiteral("Geometrical"));
  tabPage_->addTab(Scrolled(calculationPages_->CorePage()), QStringLiteral("Drill core"));
  QScrollArea* conventionsArea = Scrolled(conventionsPage_->Page());
  tabPage_->addTab(conventionsArea, QStringLiteral("Conventions"));
  conventionsPage_->FollowWidthOf(conventionsArea->viewport());
  QScrollArea* filesArea = Scrolled(filePage_->Page());
  tabPage_->addTab(filesArea, QStringLiteral("File processing"));
  filePage_->FollowWidthOf(filesArea->viewport());
  connect(tabPage_, &QTabWidget::currentChanged, this, [this](int page) {
    if (page != model_.Controls().tabPage) model_.SetTabPage(page);
  });

  // The entry and result windows stand beside the pages, so that every
  // page works with them in view.
  auto* side = new QWidget;
  side->setObjectName(QStringLiteral("sidePanel"));
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
  splitter->addWidget(tabPage_);
  splitter->addWidget(sideArea);
  // Room to spare goes to the pages; the windows keep the width they need.
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setChildrenCollapsible(false);
  setCentralWidget(splitter);

  connect(conventionsPage_, &ConventionsPage::commandClicked, this, &MainWindow::OnCommand);
  connect(conventionsPage_, &ConventionsPage::setDecimalClicked, this,
          &MainWindow::OnSetDecimalClicked);
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

  QSize size(1280, 800);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableSize());
  }
  resize(size);
}

void MainWindow::BuildMenus() {
  QMenu* files = menuBar()->addMenu(QStringLiteral("&File"));
  files->setObjectName(QStringLiteral("mnuFiles"));
  mnuRecentFiles_ = files->addMenu(QStringLiteral("&Recent files"));
  mnuRecentFiles_->setObjectName(QStringLiteral("mnuRecentFiles"));
  RebuildRecentFilesMenu();
  files->addSeparator();
  mnuExit_ = files->addAction(QStringLiteral("&Exit"));
  mnuExit_->setObjectName(QStringLiteral("mnuFile3"));
  connect(mnuExit_, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  mnuPaste_ = edit->addAction(QStringLiteral("&Paste..."));
  mnuPaste_->setObjectName(QStringLiteral("mnuPaste"));
  connect(mnuPaste_, &QAction::triggered, this, &MainWindow::PasteData);

  mnuCalculations_ = menuBar()->addMenu(QStringLiteral("&Calculations"));
  mnuCalculations_->setObjectName(QStringLiteral("mnuCalculations"));
  mnuCalculations_->setToolTipsVisible(true);
  // The current calculation is the one ticked item (none for 37-41, which
  // have no item); each item shows the number of its calculation.
  auto* calculationGroup = new QActionGroup(this);
  calculationGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
    if (Lodema::IsMenuSeparator(item)) {
      mnuCalculation_[item] = mnuCalculations_->addSeparator();
      mnuCalculation_[item]->setObjectName(QStringLiteral("mnuCalculation%1").arg(item));
      continue;
    }
    const int n = Lodema::CalculationForMenuItem(item);
    QAction* action = mnuCalculations_->addAction(
        QStringLiteral("%1  %2").arg(n).arg(mirror::Q(Lodema::MenuItemCaption(item))));
    action->setObjectName(QStringLiteral("mnuCalculation%1").arg(item));
    action->setCheckable(true);
    action->setToolTip(CalculationTooltip(n));
    calculationGroup->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, item] { model_.SelectCalculationByMenuItem(item); });
    mnuCalculation_[item] = action;
  }
  MarkCurrentCalculation();

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelps"));
  const std::array<QString, 2> helpCaptions = {QStringLiteral("&Lodema help"),
                                               QStringLiteral("&Help on Help")};
  for (int item = 0; item < 2; ++item) {
    mnuHelp_[item] = help->addAction(helpCaptions[item]);
    mnuHelp_[item]->setObjectName(QStringLiteral("mnuHelp%1").arg(item));
    connect(mnuHelp_[item], &QAction::triggered, this, [this, item] { help_->ShowMainHelp(item); });
  }
  // F1: the guide at the page of the calculation or page in view.
  auto* contextHelp = new QShortcut(QKeySequence::HelpContents, this);
  connect(contextHelp, &QShortcut::activated, this,
          [this] { help_->ShowContextHelp(tabPage_->currentIndex(), model_.Calculation()); });
}

void MainWindow::FormInitialisation() {
  Lodema::Settings& s = model_.settings();
  model_.SetLocaleUsesComma(QLocale().decimalPoint() == QStringLiteral(","));
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
  shownEntryBoxes_ = Lodema::EntryLayoutOf(model_.Controls()).boxVisible;
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
    if (!stereoPlotPlaced_) PlaceStereoPlot();
    stereoPlot_->show();
    model_.UpdatePlotWindow();
  } else {
    stereoPlot_->hide();
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

void MainWindow::OnStereoPlotClosed() {
  // The window has handed its choices back to the settings.
  conventionsPage_->ShowStereo()->setChecked(false);
}

namespace {

// Twips per inch: the settings keep the plot window's place in twips.
constexpr double kTwipsPerInch = 1440.0;

}  // namespace

void MainWindow::PlaceStereoPlot() {
  stereoPlotPlaced_ = true;
  const Lodema::WindowRect& rect = model_.settings().PlotWindowRect;
  const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
  const auto pixels = [dpi](int twips) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
  };
  QPoint place(pixels(rect.Left), pixels(rect.Top));
  QSize size(pixels(rect.Width), pixels(rect.Height));
  size = size.expandedTo(stereoPlot_->minimumSizeHint());
  // Beside the main window, and on a screen, whatever the settings say.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    size = size.boundedTo(available.size());
    place.setX(std::clamp(place.x(), available.left(), available.right() - size.width() + 1));
    place.setY(std::clamp(place.y(), available.top(), available.bottom() - size.height() + 1));
  }
  stereoPlot_->resize(size);
  stereoPlot_->move(place);
}

void MainWindow::RememberStereoPlotPlace() {
  const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
  const auto twips = [dpi](int pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
  };
  Lodema::WindowRect& rect = model_.settings().PlotWindowRect;
  rect.Left = twips(stereoPlot_->x());
  rect.Top = twips(stereoPlot_->y());
  rect.Width = twips(stereoPlot_->width());
  rect.Height = twips(stereoPlot_->height());
}

void MainWindow::FollowEntryLayout() {
  const Lodema::EntryLayout layout = Lodema::EntryLayoutOf(model_.Controls());
  if (layout.boxVisible == shownEntryBoxes_) return;
  shownEntryBoxes_ = layout.boxVisible;
  filePageModel_->RefreshColumnPreview();
}

void MainWindow::StartUpDecimalCharacter() {
  Lodema::Settings& s = model_.settings();
  conventionsPage_->SetSetDecimal(s.NonLocaleDecimal ? ConventionsPage::SetDecimalState::kSet
                                                     : ConventionsPage::SetDecimalState::kGrey);
  if (!s.NonLocaleDecimal || s.DontAskAboutSetting) return;
  const Lodema::MessageAnswer answer = messages_->ShowMessage(
      notices::DecimalWarningText(model_.LocaleUsesComma()), notices::kDecimalWarningTitle,
      Lodema::MessageButtons::kYesNo, Lodema::MessageIcon::kExclamation);
  if (answer == Lodema::MessageAnswer::kNo) s.DontAskAboutSetting = true;
}

void MainWindow::MarkCurrentCalculation() {
  const int current = model_.Calculation();
  for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
    QAction* action = mnuCalculation_[item];
    if (action == nullptr || !action->isCheckable()) continue;
    const bool ticked = Lodema::CalculationForMenuItem(item) == current;
    if (action->isChecked() != ticked) action->setChecked(ticked);
  }
}

void MainWindow::RefreshAll() {
  MarkCurrentCalculation();
  calculationPages_->Refresh();
  entryPanel_->Refresh();
  resultPanel_->Refresh();
  conventionsPage_->Refresh();
  filePage_->Refresh();
  const int page = model_.Controls().tabPage;
  if (tabPage_->currentIndex() != page) {
    const QSignalBlocker blocker(tabPage_);
    tabPage_->setCurrentIndex(page);
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
    // The plot window's place is kept only from a normal window.
    if (stereoPlot_->isVisible() && !stereoPlot_->isMinimized() && !stereoPlot_->isMaximized()) {
      RememberStereoPlotPlace();
      context.writePlotWindowRect = true;
    }
  }
  Lodema::SaveSettings(s, *store_, group, context);
  if (auto* qtStore = dynamic_cast<QtSettingsStore*>(store_)) qtStore->Sync();
}

void MainWindow::OnCommand(int index) {
  switch (index) {
    case 2:  // "Save as default": the file output choices
      Save(Lodema::kSaveFileOutput);
      Save(Lodema::kSaveFileOutput);
      break;
    case 3:  // "Save settings"
      Save(Lodema::kSaveConventions);
      Save(Lodema::kSaveProgramState);
      break;
    case 4:  // "Defaults": the page only; the store keeps the saved conventions
      ResetConventions();
      SaveDecimalChoice();
      break;
    case 5:  // "Nomenclature..."
      ShowNomenclature();
      return;
    default:
      break;
  }
  RefreshAll();
}

void MainWindow::ShowNomenclature() {
  if (nomenclature_ == nullptr) {
    nomenclature_ = new NomenclatureDialog(this);
    connect(nomenclature_, &NomenclatureDialog::storeRequested, this, [this] {
      nomenclature_->StoreTo(model_.settings());
      Save(Lodema::kSaveConventions);
    });
    connect(nomenclature_, &QDialog::finished, this, &MainWindow::OnNomenclatureClosed);
  }
  nomenclature_->LoadFrom(model_.settings());
  // Modal, but not a nested event loop: the window goes on when it closes.
  nomenclature_->open();
}

void MainWindow::OnNomenclatureClosed() {
  // Whatever button closed it: the captions take the words, the entry
  // windows their labels, and the calculation runs again.
  model_.SetCaptionPrefs();
  model_.SetUpCalculationWindows(model_.Calculation());
  model_.RevalidateEntries();
  if (model_.AllEntriesValid()) model_.Calculate();
  RefreshAll();
}

void MainWindow::ResetConventions() {
  const Lodema::MainWindowControls& c = model_.Controls();
  if (!c.inputPlaneNotationOptions[1].checked) model_.SetInputPlaneNotation(1);
  if (!c.inputLineOrderOptions[0].checked) model_.SetInputLineOrder(0);
  if (!c.inputDirectionNotationOptions[0].checked) model_.SetInputDirectionNotation(0);
  if (!c.outputSameAsInputBox.checked) model_.SetOutputSameAsInput(true);
  if (!c.outputPlaneNotationOptions[1].checked) model_.SetOutputPlaneNotation(1);
  if (!c.outputLineOrderOptions[0].checked) model_.SetOutputLineOrder(0);
  if (!c.outputDirectionNotationOptions[0].checked) model_.SetOutputDirectionNotation(0);
  if (!c.polaritySignBox.checked) model_.SetPolaritySignShown(true);
  model_.settings().CoreUpTrend = false;
  if (!c.deltaReferenceOptions[0].checked) model_.SetDeltaReference(0);
  if (!c.ellipseMarkOptions[0].checked) model_.SetEllipseMark(0);
  if (!c.betaRangeOptions[0].checked) model_.SetBetaRange(0);
  if (!c.corePlungeSignOptions[0].checked) model_.SetCorePlungeSign(0);
  if (!c.orientationMarkOptions[1].checked) model_.SetOrientationMark(1);
  if (!c.coreInclinationOptions[0].checked) model_.SetCoreInclination(0);
  model_.settings().PlaneDelim = "/";
  model_.settings().LineDelim = "-";
  conventionsPage_->ShowSeparators();
}

void MainWindow::OnSetDecimalClicked() {
  // Clearing "Set as default" stores the system's character as the default,
  // rather than keeping a choice the user has just declined to keep.
  SaveDecimalChoice();
}

void MainWindow::SaveDecimalChoice() {
  Lodema::Settings& s = model_.settings();
  const bool chosen = s.NonLocaleDecimal;
  if (conventionsPage_->SetDecimal() != ConventionsPage::SetDecimalState::kSet) {
    s.NonLocaleDecimal = false;
  }
  Save(Lodema::kSaveDecimalChoice);
  s.NonLocaleDecimal = chosen;
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
  Lodema::Settings& s = model_.settings();
  if (stereoPlot_->isVisible()) {
    s.gPlotType = static_cast<int>(stereoPlot_->PlotType());
    s.gPlaneSymbols = stereoPlot_->PlaneSymbol();
    s.gPlotAxesStyle = static_cast<int>(stereoPlot_->PlotAxesStyle());
  }
  s.gStereoShowing = stereoPlot_->isVisible();
  Save(Lodema::kSaveProgramState);
  // Hidden, not closed: it was showing at this close.
  stereoPlot_->hide();
  event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // A right click anywhere on the window that nothing else claims offers
  // the Calculations menu.
  mnuCalculations_->popup(event->globalPos());
  event->accept();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
    activatedOnce_ = true;
    model_.SetInitialising(false);
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

// ---- Files from outside: command line, drops, recent files ------------------

bool MainWindow::OpenDataFile(const QString& path) {
  if (model_.BatchRunning()) return false;
  const QFileInfo info(path);
  const QString absolute = QDir::toNativeSeparators(info.absoluteFilePath());
  if (!info.isFile() || !info.isReadable()) {
    messages_->ShowMessage("The data file\n" + mirror::S(absolute) + "\ncannot be opened.",
                           Lodema::kMessageTitle, Lodema::MessageButtons::kOk,
                           Lodema::MessageIcon::kExclamation);
    return false;
  }
  filePageModel_->SetInputFileText(0, mirror::S(absolute));
  model_.SetTabPage(Lodema::kFilePage);
  RefreshAll();
  return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!model_.BatchRunning() && !DraggedFile(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  }
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (!model_.BatchRunning() && !DraggedFile(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString file = DraggedFile(event->mimeData());
  if (file.isEmpty() || model_.BatchRunning()) return;
  event->acceptProposedAction();
  OpenDataFile(file);
}

void MainWindow::NoteInputSource(const QString& source) {
  // Pasted data and names that are no file (yet) are not worth recalling.
  const QFileInfo info(source);
  if (source.isEmpty() || Lodema::IsPasteSourceName(mirror::S(source)) || !info.isFile()) return;
  const std::string absolute = mirror::S(QDir::toNativeSeparators(info.absoluteFilePath()));
  if (!recentFiles_.Files().empty() && recentFiles_.Files().front() == absolute) return;
  recentFiles_.Add(absolute);
  SaveRecentFiles();
}

void MainWindow::OpenRecentFile(const std::string& path) {
  if (model_.BatchRunning()) return;
  if (!QFileInfo(mirror::Q(path)).isFile()) {
    recentFiles_.Remove(path);
    SaveRecentFiles();
    messages_->ShowMessage(
        "The file\n" + path + "\nno longer exists. It has been removed from the recent files.",
        Lodema::kMessageTitle, Lodema::MessageButtons::kOk, Lodema::MessageIcon::kExclamation);
    return;
  }
  OpenDataFile(mirror::Q(path));
}

void MainWindow::SaveRecentFiles() {
  recentFiles_.Save(*store_);
  if (auto* qtStore = dynamic_cast<QtSettingsStore*>(store_)) qtStore->Sync();
  RebuildRecentFilesMenu();
}

void MainWindow::RebuildRecentFilesMenu() {
  mnuRecentFiles_->clear();
  const std::vector<std::string>& files = recentFiles_.Files();
  if (files.empty()) {
    mnuRecentFiles_->addAction(QStringLiteral("(none)"))->setEnabled(false);
    return;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string path = files[i];
    // "&1 name" gives each entry its digit as a keyboard shortcut; an "&"
    // in the path itself is doubled so that it shows.
    QString caption = mirror::Q(path);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* action = mnuRecentFiles_->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(caption));
    action->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i + 1));
    action->setData(mirror::Q(path));
    connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
  }
}

// ---- Window geometry -----------------------------------------------------------

void MainWindow::RestoreWindowGeometry() {
  const std::string stored =
      store_->Read(Lodema::kApplicationName, kGeometrySection, kGeometryKey, "");
  if (stored.empty()) return;
  // A damaged or foreign value leaves the default size; a value that fits
  // no screen is brought onto one, title bar within reach.
  window_geometry::RestoreOnScreen(*this,
                                   QByteArray::fromBase64(QByteArray::fromStdString(stored)));
}

void MainWindow::SaveWindowGeometry() {
  store_->Write(Lodema::kApplicationName, kGeometrySection, kGeometryKey,
                saveGeometry().toBase64().toStdString());
}
