// SPDX-License-Identifier: MIT
#include "app/SymbolDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <functional>

#include "app/Named.h"
#include "app/QtPlotSurface.h"

namespace Plot = Lodema::Plot;

namespace symbols {

// A small square box: a palette colour, a shape, a kind's preview or the
// text "null"; clicks and double-clicks go to callbacks.
class SymbolBox : public QWidget {
 public:
  explicit SymbolBox(double range, int side) : range_(range) {
    setFixedSize(side, side);
    setCursor(Qt::PointingHandCursor);
  }
  void SetFill(Plot::Rgb colour) {
    background_ = colour;
    update();
  }
  void SetSymbol(const Plot::SymbolStyle& style, Plot::Rgb colour) {
    symbol_ = style;
    symbolColour_ = colour;
    hasSymbol_ = true;
    update();
  }
  void SetText(const QString& text) { text_ = text; }
  void SetSelected(bool selected) {
    selected_ = selected;
    update();
  }
  bool Selected() const { return selected_; }
  std::function<void()> clicked;
  std::function<void()> doubleClicked;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), ToQColor(background_));
    if (hasSymbol_) {
      QtPlotSurface surface(painter, QRectF(rect()),
                            PlotSpace{-range_, range_, 2 * range_, 2 * range_});
      Plot::DrawScreenSymbols(surface, {0.0, 0.0}, symbolColour_, symbol_.shape, symbol_.size);
    }
    if (!text_.isEmpty()) {
      painter.setPen(Qt::black);
      painter.drawText(rect(), Qt::AlignCenter, text_);
    }
    // The selection frame.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(selected_ ? QColor(0, 0, 200) : QColor(96, 96, 96), selected_ ? 3 : 1));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && clicked) clicked();
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && doubleClicked) doubleClicked();
  }

 private:
  double range_;
  Plot::Rgb background_ = Plot::kWhite;
  Plot::SymbolStyle symbol_;
  Plot::Rgb symbolColour_ = Plot::kBlack;
  bool hasSymbol_ = false;
  bool selected_ = false;
  QString text_;
};

}  // namespace symbols

using symbols::SymbolBox;

namespace {

// Shapes in the catalogue are drawn in black at size 5 in a box of -50..50.
constexpr int kCatalogueColour = 5;
constexpr int kCatalogueSize = 5;
constexpr double kCatalogueRange = 50.0;
constexpr double kPreviewRange = 80.0;

}  // namespace

SymbolDialog::SymbolDialog(const Plot::Palette& palette, QWidget* parent)
    : QDialog(parent), palette_(palette) {
  setObjectName(QStringLiteral("frmSymbolSelect"));
  setWindowTitle(QStringLiteral("Select Symbol"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  auto* previews = new QGroupBox(QStringLiteral("Symbols"));
  auto* previewGrid = new QGridLayout(previews);
  const std::array<const char*, 5> names = {"Result", "Window A", "Window B", "Window C",
                                            "Window D"};
  for (int k = 0; k < Plot::kKindCount; ++k) {
    auto* box = Named(new SymbolBox(kPreviewRange, 56), QStringLiteral("picSymbolArray%1").arg(k));
    box->SetFill(Plot::kLightGrey);
    box->clicked = [this, k] { SelectKind(k); };
    auto* caption = new QLabel(QString::fromLatin1(names[k]));
    caption->setObjectName(QStringLiteral("lblSymbols%1").arg(k));
    caption->setAlignment(Qt::AlignCenter);
    previewGrid->addWidget(box, 0, k, Qt::AlignCenter);
    previewGrid->addWidget(caption, 1, k);
    previewBoxes_[k] = box;
  }
  layout->addWidget(previews);

  auto* colours = new QGroupBox(QStringLiteral("Colour"));
  auto* colourGrid = new QGridLayout(colours);
  colourGrid->setSpacing(3);
  for (int i = 0; i < Plot::kPaletteSize; ++i) {
    auto* box = Named(new SymbolBox(kCatalogueRange, 26), QStringLiteral("picColour%1").arg(i));
    box->clicked = [this, i] { Choose(&Plot::SymbolStyle::colourIndex, i, false); };
    box->doubleClicked = [this, i] { Choose(&Plot::SymbolStyle::colourIndex, i, true); };
    colourGrid->addWidget(box, i / 13, i % 13);
    colourBoxes_[i] = box;
  }
  layout->addWidget(colours);

  auto* shapes = new QGroupBox(QStringLiteral("Shape"));
  auto* shapeGrid = new QGridLayout(shapes);
  shapeGrid->setSpacing(3);
  for (int j = 0; j <= Plot::kLastChoosableShape; ++j) {
    auto* box = new SymbolBox(kCatalogueRange, 34);
    box->setObjectName(QStringLiteral("picSymbolTypes%1").arg(j));
    box->SetFill(Plot::kWhite);
    if (j == 0) {
      box->SetText(QStringLiteral("null"));
    } else {
      box->SetSymbol(Plot::SymbolStyle{kCatalogueColour, j, kCatalogueSize},
                     Plot::PaletteColour(palette_, kCatalogueColour));
    }
    box->clicked = [this, j] { Choose(&Plot::SymbolStyle::shape, j, false); };
    box->doubleClicked = [this, j] { Choose(&Plot::SymbolStyle::shape, j, true); };
    shapeGrid->addWidget(box, j / 9, j % 9);
    shapeBoxes_[j] = box;
  }
  layout->addWidget(shapes);

  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(new QLabel(QStringLiteral("Size")));
  sldSymbSize_ = Named(new QSlider(Qt::Horizontal), QStringLiteral("sldSymbSize"));
  sldSymbSize_->setRange(1, kLargestSize);
  sldSymbSize_->setPageStep(1);
  sldSymbSize_->setTickPosition(QSlider::TicksBelow);
  sldSymbSize_->setToolTip(QStringLiteral("Set size of symbol"));
  connect(sldSymbSize_, &QSlider::valueChanged, this,
          [this](int size) { Choose(&Plot::SymbolStyle::size, size, false); });
  sizeRow->addWidget(sldSymbSize_, 1);
  layout->addLayout(sizeRow);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  ok_ = Named(new QPushButton(QStringLiteral("OK")), QStringLiteral("cmdOk1"));
  ok_->setDefault(true);
  cancel_ = Named(new QPushButton(QStringLiteral("Cancel")), QStringLiteral("cmdOk0"));
  connect(ok_, &QPushButton::clicked, this, [this] { Finish(false); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Finish(true); });
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  SetPalette(palette);
}

SymbolDialog::~SymbolDialog() = default;

QWidget* SymbolDialog::ColourBox(int i) const { return colourBoxes_[i]; }
QWidget* SymbolDialog::ShapeBox(int j) const { return shapeBoxes_[j]; }
QWidget* SymbolDialog::PreviewBox(int k) const { return previewBoxes_[k]; }

void SymbolDialog::SetPalette(const Plot::Palette& palette) {
  palette_ = palette;
  for (int i = 0; i < Plot::kPaletteSize; ++i) colourBoxes_[i]->SetFill(palette_[i]);
}

void SymbolDialog::SetSymbols(const KindSymbols& symbols) {
  symbols_ = symbols;
  cancelForm_ = false;
  for (int k = 0; k < Plot::kKindCount; ++k) {
    previewBoxes_[k]->SetSymbol(symbols_[k],
                                Plot::PaletteColour(palette_, symbols_[k].colourIndex));
  }
  SelectKind(0);
}

void SymbolDialog::SelectKind(int kind) {
  selected_ = kind;
  {
    const QSignalBlocker blocker(sldSymbSize_);
    sldSymbSize_->setValue(symbols_[kind].size);
  }
  for (int k = 0; k < Plot::kKindCount; ++k) previewBoxes_[k]->SetSelected(k == kind);
}

void SymbolDialog::Choose(int Plot::SymbolStyle::*part, int value, bool thenOk) {
  Plot::SymbolStyle& style = symbols_[selected_];
  style.*part = value;
  previewBoxes_[selected_]->SetSymbol(style, Plot::PaletteColour(palette_, style.colourIndex));
  if (thenOk) Finish(false);
}

void SymbolDialog::Finish(bool cancelled) {
  cancelForm_ = cancelled;
  QDialog::done(cancelled ? QDialog::Rejected : QDialog::Accepted);
}
