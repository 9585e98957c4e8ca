// SPDX-License-Identifier: MIT
// What leaves the stereonet window: the copies for Polarim and as a
// picture, printed pages and saved PNG, SVG and PDF files (the page title,
// the plot and its legend), with the symbol dialog and the about box.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "LodemaVersion.h"
#include "app/Named.h"
#include "app/QtPlotSurface.h"
#include "app/StereoPlotArea.h"
#include "app/StereoPlotWindow.h"
#include "app/SymbolDialog.h"
#include "plot/SvgSurface.h"

namespace Plot = Lodema::Plot;

namespace {

// The clipboard's picture is at least this many pixels square.
constexpr int kClipboardImageSide = 1200;
// On screen a pen of width 1 is one pixel wide on a plot of about this many
// pixels; larger pictures widen their pens in proportion.
constexpr double kScreenPlotSide = 600.0;

// Saved and printed pages: the title across the top, the plot below it
// with its legend to the right.
constexpr PlotSpace kPageSpace{-1100.0, 1350.0, 3100.0, 2450.0};
constexpr double kTitleCentreY = 1230.0;
constexpr double kTitleHeight = 90.0;
constexpr Plot::LegendArea kPageLegend{1550.0, 1000.0, 800.0, true};
// The analysis's legend starts below the five rows the kinds may take.
constexpr double kAnalysisLegendTop = 640.0;
constexpr double kLegendText = 70.0;

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

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

// A page: the plot on white, the title and the legends.
void DrawPage(Plot::DrawingSurface& surface, const std::string& title, const Plot::PlotStore& store,
              Plot::PlotView view, const Plot::PlotAnalysis& analysis) {
  view.background = Plot::kWhite;
  Plot::RedrawPlotWithAnalysis(surface, store, view, analysis);
  const double pageCentre = kPageSpace.left + kPageSpace.width / 2;
  const double titleRoom = kPageSpace.width - 200.0;
  surface.SetPen(Plot::Pen{});
  surface.Text({pageCentre, kTitleCentreY}, title,
               Plot::FittedTextHeight(surface, title, kTitleHeight, titleRoom),
               Plot::TextAnchor::kCentre);
  Plot::DrawLegend(surface, kPageLegend, store, view);
  const double left = kPageLegend.centreX - 0.4 * kPageLegend.width;
  const double pageRight = kPageSpace.left + kPageSpace.width;
  Plot::DrawAnalysisLegend(surface, left, kPageLegend.top - kAnalysisLegendTop, kLegendText,
                           analysis, pageRight - left - 40.0);
}

}  // namespace

// ---- Copies ----

void StereoPlotWindow::CopyResultForPolarim() {
  const std::string text = Plot::PolarimText(store_, view_.projection);
  if (text.empty()) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
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

// ---- Symbols, title, about ----

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

void StereoPlotWindow::AskPlotTitle() {
  bool ok = false;
  const QString title = QInputDialog::getText(
      this, QStringLiteral("Plot title"),
      QStringLiteral("Title of printed and saved plots (empty: the calculation's):"),
      QLineEdit::Normal, userTitle_, &ok);
  if (ok) userTitle_ = title.trimmed();
}

void StereoPlotWindow::ShowAbout() {
  if (about_ == nullptr) {
    about_ = Named(new QMessageBox(this), QStringLiteral("aboutBox"));
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
  DrawPage(surface, Utf8(PageTitle()), store_, view_, CurrentAnalysis());
}

bool StereoPlotWindow::RenderOnPage(QPagedPaintDevice& device, int resolution) const {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRect page = device.pageLayout().paintRectPixels(resolution);
  RenderPage(painter, QRectF(0, 0, page.width(), page.height()), resolution / 100.0);
  return true;
}

void StereoPlotWindow::PrintTo(QPrinter& printer) { RenderOnPage(printer, printer.resolution()); }

void StereoPlotWindow::PrintPlot() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setDocName(PageTitle());
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
  const QString cannotOpen = QStringLiteral("%1 could not be opened for writing.").arg(path);
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
    if (!out) return fail(cannotOpen);
    {
      Plot::SvgSurface surface(
          out, Plot::SvgPage{kPageSpace.left, kPageSpace.top - kPageSpace.height, kPageSpace.width,
                             kPageSpace.height, 930.0});
      DrawPage(surface, Utf8(PageTitle()), store_, view_, CurrentAnalysis());
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
    writer.setTitle(PageTitle());
    writer.setCreator(QStringLiteral("Lodema"));
    return RenderOnPage(writer, writer.resolution()) || fail(cannotOpen);
  }
  return fail(QStringLiteral("Plots are saved as .png, .svg or .pdf files; \"%1\" is none of "
                             "these.")
                  .arg(QFileInfo(path).fileName()));
}
