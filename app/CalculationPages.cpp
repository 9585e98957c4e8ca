// SPDX-License-Identifier: MIT
#include "app/CalculationPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ClickableLabel.h"
#include "app/Mirror.h"
#include "app/Named.h"
#include "app/ThemeColours.h"
#include "model/CalculatorModel.h"

namespace {

// The button's colour comes from the settings, not from the desktop's
// palette: its caption takes black or white against that colour.
QString ButtonStyle(const Lodema::Colour& colour) {
  const QColor text = theme::TextOn(QColor(colour.red, colour.green, colour.blue));
  return QStringLiteral(
             "QPushButton { background-color: rgb(%1, %2, %3); color: %4;"
             " border: 1px solid #6a6a6a; border-radius: 3px; font-size: 8pt; }"
             "QPushButton:checked { border: 2px inset #303030; }")
      .arg(colour.red)
      .arg(colour.green)
      .arg(colour.blue)
      .arg(text.name());
}

// Frame 0 lists its calculations in the order of the Calculations menu,
// which groups them by the kind of construction.
std::vector<int> FrameCalculationsInMenuOrder(int frame) {
  std::vector<int> numbers;
  for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
    const int n = Lodema::CalculationForMenuItem(item);
    const Lodema::CalculationInfo* info = Lodema::FindCalculation(n);
    if (info != nullptr && info->frame == frame) numbers.push_back(n);
  }
  for (const Lodema::CalculationInfo& info : Lodema::CalculationCatalogue()) {
    if (info.frame == frame && info.menuItem == 0) numbers.push_back(info.number);
  }
  return numbers;
}

}  // namespace

QString CalculationTooltip(int n) {
  const Lodema::CalculationInfo* info = Lodema::FindCalculation(n);
  if (info == nullptr) return {};
  return QStringLiteral("%1  %2").arg(n).arg(QString::fromUtf8(info->description));
}

CalculationPages::CalculationPages(Lodema::CalculatorModel& model, QObject* parent)
    : QObject(parent), model_(model) {
  for (int n = 0; n < Lodema::kCalculationButtonCount; ++n) rows_[n] = MakeRow(n);
  for (int f = 0; f < Lodema::kCalculationFrameCount; ++f) {
    calculationFrames_[f] = Named(new QGroupBox, QStringLiteral("fraCalculations%1").arg(f));
  }

  // Geometrical page: frame 0 in two columns.
  geometricalPage_ = Named(new QWidget, QStringLiteral("tabGeometrical"));
  {
    auto* grid = new QGridLayout(calculationFrames_[0]);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(3);
    const std::vector<int>& numbers = buttonGroups_.emplace_back(FrameCalculationsInMenuOrder(0));
    const int perColumn = static_cast<int>((numbers.size() + 1) / 2);
    for (int i = 0; i < static_cast<int>(numbers.size()); ++i) {
      grid->addWidget(rows_[numbers[i]], i % perColumn, i / perColumn);
    }
    grid->setRowStretch(perColumn, 1);
    auto* layout = new QVBoxLayout(geometricalPage_);
    layout->addWidget(calculationFrames_[0]);
    layout->addStretch(1);
  }

  // Drill-core page: frames 1-4.
  corePage_ = Named(new QWidget, QStringLiteral("tabCore"));
  {
    auto* layout = new QVBoxLayout(corePage_);
    std::vector<int>& core = buttonGroups_.emplace_back();
    for (int f = 1; f < Lodema::kCalculationFrameCount; ++f) {
      auto* box = new QVBoxLayout(calculationFrames_[f]);
      box->setSpacing(3);
      for (int n : FrameCalculationsInMenuOrder(f)) {
        box->addWidget(rows_[n]);
        core.push_back(n);
        if (Lodema::CalculationAt(n).captionHasSecondLine) {
          // This caption runs on in a second line.
          captionSecondLine_ = Named(new QLabel, QStringLiteral("label2"));
          captionSecondLine_->setContentsMargins(32, 0, 0, 0);
          box->addWidget(captionSecondLine_);
        }
      }
      layout->addWidget(calculationFrames_[f]);
    }
    layout->addStretch(1);
  }

  buttonGroups_.push_back({15, 16});  // the reformat rows of the conventions page
  for (std::size_t g = 0; g < buttonGroups_.size(); ++g) MoveTabStop(g, buttonGroups_[g].front());
  Refresh();
}

std::pair<int, std::size_t> CalculationPages::PlaceOf(int n) const {
  for (std::size_t g = 0; g < buttonGroups_.size(); ++g) {
    const std::vector<int>& group = buttonGroups_[g];
    const auto at = std::find(group.begin(), group.end(), n);
    if (at != group.end()) {
      return {static_cast<int>(g), static_cast<std::size_t>(at - group.begin())};
    }
  }
  return {-1, 0};
}

void CalculationPages::MoveTabStop(std::size_t group, int n) {
  for (int m : buttonGroups_[group]) {
    calculationButtons_[m]->setFocusPolicy(m == n ? Qt::TabFocus : Qt::NoFocus);
  }
}

bool CalculationPages::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  int step = 0;
  if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) step = -1;
  if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right) step = 1;
  if (step == 0 || key->modifiers() != Qt::NoModifier) return false;
  const auto* button = qobject_cast<QPushButton*>(watched);
  const auto found = std::find(calculationButtons_.begin(), calculationButtons_.end(), button);
  if (found == calculationButtons_.end()) return false;
  const auto [group, place] = PlaceOf(static_cast<int>(found - calculationButtons_.begin()));
  if (group < 0) return false;
  // The next button the calculation shows, not past either end.
  const std::vector<int>& numbers = buttonGroups_[static_cast<std::size_t>(group)];
  for (auto i = static_cast<std::ptrdiff_t>(place) + step;
       i >= 0 && i < static_cast<std::ptrdiff_t>(numbers.size()); i += step) {
    QPushButton* next = calculationButtons_[numbers[static_cast<std::size_t>(i)]];
    if (!next->isVisibleTo(next->window())) continue;
    MoveTabStop(static_cast<std::size_t>(group), numbers[static_cast<std::size_t>(i)]);
    next->setFocus(Qt::TabFocusReason);
    break;
  }
  return true;
}

QWidget* CalculationPages::MakeRow(int n) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);

  auto* button = Named(new QPushButton(QString::number(n)), QStringLiteral("grpCommands%1").arg(n));
  button->setCheckable(true);
  button->setFixedSize(28, 22);
  button->setFocusPolicy(Qt::NoFocus);  // the group's Tab stop takes it
  button->installEventFilter(this);
  connect(button, &QPushButton::clicked, this, [this, n](bool checked) {
    if (checked) {
      model_.SelectCalculation(n);
    } else {
      model_.ReleaseCalculationButton(n);
    }
    // The model decides what stays pressed; put the button back if nothing
    // else refreshed it.
    Refresh();
  });

  auto* caption = Named(new ClickableLabel, QStringLiteral("lblCalc%1").arg(n));
  caption->setCursor(Qt::PointingHandCursor);
  caption->setTextFormat(Qt::PlainText);
  // A long caption takes a second line rather than being cut off when the
  // window is narrow.
  caption->setWordWrap(true);
  connect(caption, &ClickableLabel::clicked, this,
          [this, n] { model_.SelectCalculationByCaption(n); });

  // What the calculation gives, and from what; the entry boxes' own
  // tooltips give their ranges.
  const QString tip = CalculationTooltip(n);
  button->setToolTip(tip);
  caption->setToolTip(tip);

  layout->addWidget(button);
  layout->addWidget(caption, 1);
  calculationButtons_[n] = button;
  calculationCaptions_[n] = caption;
  shownColour_[n] = Lodema::Colour{-1, -1, -1};
  return row;
}

void CalculationPages::Refresh() {
  const Lodema::MainWindowControls& c = model_.Controls();
  for (int n = 0; n < Lodema::kCalculationButtonCount; ++n) {
    QPushButton* button = calculationButtons_[n];
    const Lodema::ToggleButton& state = c.calculationButtons[n];
    {
      const QSignalBlocker blocker(button);
      if (button->isChecked() != state.pressed) button->setChecked(state.pressed);
    }
    if (!(shownColour_[n] == state.colour)) {
      button->setStyleSheet(ButtonStyle(state.colour));
      shownColour_[n] = state.colour;
    }
    mirror::Visible(rows_[n], state.visible);
    const QString caption = mirror::Q(Lodema::DisplayCaption(c.calculationCaptions[n].caption));
    if (calculationCaptions_[n]->text() != caption) calculationCaptions_[n]->setText(caption);
  }
  for (int f = 0; f < Lodema::kCalculationFrameCount; ++f) {
    mirror::Frame(calculationFrames_[f], c.calculationFrames[f]);
  }
  // A newly pressed button becomes its page's Tab stop.
  int pressed = -1;
  for (int n = 0; n < Lodema::kCalculationButtonCount; ++n) {
    if (c.calculationButtons[n].pressed) pressed = n;
  }
  if (pressed != tabStopCalculation_) {
    tabStopCalculation_ = pressed;
    const int group = PlaceOf(pressed).first;
    if (group >= 0) MoveTabStop(static_cast<std::size_t>(group), pressed);
  }
  mirror::Caption(captionSecondLine_, c.captionSecondLine);
}
