// SPDX-License-Identifier: MIT
// Speed of the stereonet window: a full redraw of 10,000 retained sets into
// an 800 x 800 picture through the QPainter surface (poles, great circles),
// the window redrawing 100,000 retained sets after a change of projection or
// of planes as poles or great circles (until the new picture is complete,
// with the longest time between two events: how long input waits),
// a 100,000-row batch run from the file page with the plot hidden and shown,
// and a cold start of a program like lodema to a shown main window with the
// plot shown. Runs on the offscreen platform; reports, never fails on speed.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include "app/FilePage.h"
#include "app/MainWindow.h"
#include "app/QtPlotSurface.h"
#include "app/QtSettingsStore.h"
#include "app/StereoPlotWindow.h"
#include "model/FilePage.h"
#include "batch/Platform.h"
#include "plot/PlotDrawing.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class IgnoreQuestion : public Lodema::Plot::MismatchQuestion {
 public:
  Lodema::Plot::MismatchAnswer Ask(const std::string&) override {
    return Lodema::Plot::MismatchAnswer::kIgnore;
  }
};

class QuietMessages : public Lodema::MessageBoxes {
 public:
  Lodema::MessageAnswer ShowMessage(const std::string&, const std::string&,
                                    Lodema::MessageButtons buttons, Lodema::MessageIcon) override {
    return buttons == Lodema::MessageButtons::kOk ? Lodema::MessageAnswer::kOk
                                                  : Lodema::MessageAnswer::kYes;
  }
};

class OneFileDialog : public Lodema::FileDialogs {
 public:
  std::optional<std::string> AskInputFileName() override { return input; }
  std::optional<std::string> AskOutputFileName() override { return std::nullopt; }
  std::string input;
};

void RedrawBench() {
  using namespace Lodema::Plot;
  PlotStore store;
  IgnoreQuestion ignore;
  std::mt19937 random(20240601u);
  std::uniform_real_distribution<double> angle(0.0, 1.5707963267949);
  std::uniform_real_distribution<double> azimuth(0.0, 6.28318530717958);
  for (int i = 0; i < 10000; ++i) {
    PlotRecord record;
    record.cells[kResult] = {double(kTypePlane), angle(random), azimuth(random), 0, 0, 0};
    store.AddNewDataPoint(record, ignore);
    store.RetainCurrentData();
  }
  QImage image(800, 800, QImage::Format_RGB32);
  for (const bool circles : {false, true}) {
    for (const ProjectionType type : {ProjectionType::kEqualArea, ProjectionType::kEqualAngle}) {
      PlotView view;
      view.projection = type;
      view.planesAsGreatCircles = circles;
      double best = 1e300;
      for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QtPlotSurface surface(painter, QRectF(0, 0, 800, 800));
        surface.SetHairlines(DrawAsHairlines(store));  // as the window draws it
        RedrawPlot(surface, store, view);
        painter.end();
        best = std::min(best, MillisecondsSince(start));
      }
      std::printf("window redraw, 10,000 sets into 800x800, %-14s %-11s %8.1f ms\n",
                  circles ? "great circles," : "poles,",
                  type == ProjectionType::kEqualArea ? "equal area:" : "equal angle:", best);
    }
  }
}

// The window holding `sets` retained planes; each change of the view
// redraws them in slices behind the last picture. Prints the time until the
// new picture is complete and the longest wait of the event loop.
void WindowSwitchBench(int sets) {
  Lodema::Settings settings;
  StereoPlotWindow plot(
      settings, [] { return false; }, nullptr);
  plot.resize(800, 900);
  plot.show();
  std::mt19937 random(20240601u);
  std::uniform_real_distribution<double> angle(0.0, 1.5707963267949);
  std::uniform_real_distribution<double> azimuth(0.0, 6.28318530717958);
  Lodema::CalculationRecord record;
  for (int i = 0; i < sets; ++i) {
    record.cells[0] = {double(Lodema::Plot::kTypePlane), angle(random), azimuth(random), 0, 0, 0};
    plot.AddNewDataPoint(record);
    plot.RetainCurrentData();
  }
  const auto settle = [&plot]() {
    double longest = 0.0;
    const auto start = Clock::now();
    do {
      const auto before = Clock::now();
      QApplication::processEvents();
      longest = std::max(longest, MillisecondsSince(before));
    } while (!plot.PictureComplete());
    return std::pair<double, double>{MillisecondsSince(start), longest};
  };
  settle();
  // The targets: the time a change may take at most on a desktop machine.
  struct Step {
    const char* name;
    std::function<void()> change;
    double targetMs;
  };
  const std::vector<Step> steps = {
      {"poles, equal area",
       [&] {
         plot.SetPlaneSymbol(1);
         plot.SetPlotType(Lodema::Plot::ProjectionType::kEqualArea);
       },
       300.0},
      {"poles, equal angle", [&] { plot.SetPlotType(Lodema::Plot::ProjectionType::kEqualAngle); },
       300.0},
      {"great circles, equal angle", [&] { plot.SetPlaneSymbol(0); }, 3000.0},
      {"great circles, equal area",
       [&] { plot.SetPlotType(Lodema::Plot::ProjectionType::kEqualArea); }, 3000.0},
  };
  for (const Step& step : steps) {
    step.change();
    const auto [total, longest] = settle();
    std::printf(
        "window switch, %d sets, to %-27s %6.0f ms (target %4.0f), longest wait for input "
        "%3.0f ms (target 100)\n",
        sets, step.name, total, step.targetMs, longest);
  }
}

// One batch run of `rows` rows of calculation 15 from the file page; the
// seconds it took.
double BatchRun(bool plotShown, int rows, const QTemporaryDir& dir) {
  const QString input = dir.filePath(QStringLiteral("rows.txt"));
  {
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly)) return -1.0;
    std::mt19937 random(7u);
    std::uniform_int_distribution<int> dip(1, 89);
    std::uniform_int_distribution<int> direction(0, 359);
    QByteArray text;
    for (int i = 0; i < rows; ++i) {
      text +=
          QByteArray::number(dip(random)) + '\t' + QByteArray::number(direction(random)) + "\r\n";
    }
    file.write(text);
  }
  QtSettingsStore store(
      dir.filePath(plotShown ? QStringLiteral("shown") : QStringLiteral("hidden")));
  QuietMessages messages;
  OneFileDialog dialogs;
  dialogs.input = input.toStdString();
  LodemaServices services;
  services.store = &store;
  services.messages = &messages;
  services.dialogs = &dialogs;
  MainWindow window(services);
  window.show();
  window.Model().SelectCalculation(15);
  if (plotShown) window.ShowStereoPlot(true);
  QApplication::processEvents();
  window.Files()->Browse(0)->click();
  window.FilePageModel().SetOutputFileText(dir.filePath(QStringLiteral("out.txt")).toStdString());
  // The run ends when StartInput returns; the plot's picture then catches
  // up between events.
  const auto start = Clock::now();
  window.StartInput(0);
  const double seconds = MillisecondsSince(start) / 1000.0;
  QApplication::processEvents();
  if (plotShown) {
    std::printf("  (plot holds %d retained sets)\n", window.StereoPlot()->Store().RetainedCount());
  }
  window.ShowStereoPlot(false);
  return seconds;
}

void BatchBench() {
  QTemporaryDir dir;
  constexpr int kRows = 100000;
  const double hidden = BatchRun(false, kRows, dir);
  const double shown = BatchRun(true, kRows, dir);
  std::printf("window batch run, 100,000 rows: plot hidden %.2f s, plot shown %.2f s (x%.2f)\n",
              hidden, shown, hidden > 0 ? shown / hidden : 0.0);
}

// The child of the cold start: a program like lodema that shows its main
// window (with the plot shown at start-up, from its settings) and quits.
int ColdStartChild(int argc, char** argv, const char* settingsFolder) {
  QApplication app(argc, argv);
  QtSettingsStore store(QString::fromLocal8Bit(settingsFolder));
  MainWindow window(LodemaServices{&store});
  window.show();
  QTimer::singleShot(0, &app, [&] {
    if (!window.StereoPlot()->isVisible()) std::fprintf(stderr, "the plot is not shown\n");
    // Not quit(): that closes the windows, and the closing saves settings.
    QCoreApplication::exit(window.StereoPlot()->isVisible() ? 0 : 1);
  });
  return QApplication::exec();
}

void ColdStartBench(const char* self) {
  QTemporaryDir dir;
  {
    // Settings of an earlier run that closed with the plot showing.
    QFile ini(QDir(dir.path()).filePath(QStringLiteral("Lodema 4.ini")));
    if (!ini.open(QIODevice::WriteOnly)) return;
    ini.write("[StartUp]\nInitialised=True\ngStereoShowing=True\n");
  }
  const std::string folder = dir.path().toStdString();
  double best = 1e300;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
      execl(self, self, "--cold-start-child", folder.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::printf("cold start: the child failed\n");
      return;
    }
    best = std::min(best, MillisecondsSince(start));
  }
  std::printf("cold start to a shown main window with the plot shown: %.0f ms\n", best);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 3 && std::strcmp(argv[1], "--cold-start-child") == 0) {
    return ColdStartChild(argc, argv, argv[2]);
  }
  const bool batchOnly = argc == 2 && std::strcmp(argv[1], "--batch-only") == 0;
  const bool redrawOnly = argc == 2 && std::strcmp(argv[1], "--redraw-only") == 0;
  if (!batchOnly && !redrawOnly) ColdStartBench(argv[0]);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lodema bench"));
  if (!batchOnly) {
    RedrawBench();
    WindowSwitchBench(100000);
  }
  if (!redrawOnly) BatchBench();
  return 0;
}
