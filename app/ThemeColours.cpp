// SPDX-License-Identifier: MIT
#include "app/ThemeColours.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace theme {

namespace {

constexpr double kKeptRatio = 3.0;
constexpr double kReadableRatio = 4.5;

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
  const QColor a = from.toRgb();
  const QColor b = to.toRgb();
  auto channel = [share](int x, int y) {
    return static_cast<int>(std::lround(x + (y - x) * share));
  };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()));
}

constexpr const char* kWantedProperty = "lodemaCaptionColour";
constexpr const char* kExtraProperty = "lodemaCaptionStyle";

void ApplyCaptionColour(QWidget* label) {
  const QColor wanted = label->property(kWantedProperty).value<QColor>();
  const QString extra = label->property(kExtraProperty).toString();
  const QColor shown = ReadableOn(wanted, QGuiApplication::palette().color(QPalette::Window));
  QString rule = QStringLiteral("color: %1;").arg(shown.name());
  if (!extra.isEmpty()) rule += QLatin1Char(' ') + extra;
  label->setStyleSheet(
      QStringLiteral("%1 { %2 }").arg(QString::fromLatin1(label->metaObject()->className()), rule));
}

}  // namespace

void SetCaptionColour(QWidget* label, const QColor& wanted, const QString& extra) {
  label->setProperty(kWantedProperty, wanted);
  label->setProperty(kExtraProperty, extra);
  ApplyCaptionColour(label);
}

void FollowPalette(QWidget* root) {
  for (QWidget* widget : root->findChildren<QWidget*>()) {
    if (widget->property(kWantedProperty).isValid()) ApplyCaptionColour(widget);
  }
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextOn(const QColor& background) {
  const QColor black(Qt::black);
  const QColor white(Qt::white);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
  if (ContrastRatio(wanted, background) >= kKeptRatio) return wanted;
  const QColor target = TextOn(background);
  // Twenty steps are fine enough to stop near the least change.
  for (int step = 1; step <= 20; ++step) {
    const QColor mixed = Mix(wanted, target, step / 20.0);
    if (ContrastRatio(mixed, background) >= kReadableRatio) return mixed;
  }
  return target;
}

}  // namespace theme
