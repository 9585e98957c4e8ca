// SPDX-License-Identifier: MIT
#include "app/QtPlotSurface.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using Lodema::Plot::PlotPoint;

namespace {

Qt::PenStyle PenStyleOf(Lodema::Plot::LineStyle style) {
  switch (style) {
    case Lodema::Plot::LineStyle::kDash:
      return Qt::DashLine;
    case Lodema::Plot::LineStyle::kDot:
      return Qt::DotLine;
    case Lodema::Plot::LineStyle::kDashDot:
      return Qt::DashDotLine;
    case Lodema::Plot::LineStyle::kSolid:
      break;
  }
  return Qt::SolidLine;
}

QRgb RgbOf(Lodema::Plot::Rgb colour) { return qRgb(colour.red, colour.green, colour.blue); }

QPolygonF PolygonOf(const QtPlotSurface& surface, const std::vector<PlotPoint>& points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PlotPoint& p : points) polygon.append(surface.ToPainter(p));
  return polygon;
}

// Curves come from the plot with points a few pixels apart at most; their
// number sets the painter's cost, while a chord of this many painter units
// strays from a great circle by a hundredth of a pixel.
constexpr double kCurvePointSpacing = 4.0;

// The curve without the points closer than kCurvePointSpacing to the last
// one kept (the end point always stays).
QPolygonF ThinnedPolygonOf(const QtPlotSurface& surface, const std::vector<PlotPoint>& points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  constexpr double kSpacingSquared = kCurvePointSpacing * kCurvePointSpacing;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const QPointF p = surface.ToPainter(points[i]);
    if (!polygon.isEmpty() && i + 1 < points.size()) {
      const QPointF step = p - polygon.back();
      if (QPointF::dotProduct(step, step) < kSpacingSquared) continue;
    }
    polygon.append(p);
  }
  return polygon;
}

}  // namespace

QtPlotSurface::QtPlotSurface(QPainter& painter, const QRectF& area, const PlotSpace& space,
                             double penScale)
    : painter_(painter), area_(area), space_(space), penScale_(penScale) {
  scale_ = space_.width > 0.0 ? area_.width() / space_.width : 1.0;
  if (painter.device() != nullptr) devicePixelRatio_ = painter.device()->devicePixelRatioF();
}

void QtPlotSurface::SetHairlines(bool hairlines) {
  hairlines_ = hairlines;
  painterStateKnown_ = false;
  raster_.reset();
  if (!hairlines) return;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  QPaintDevice* device = painter_.device();
  if (device != nullptr && device->devType() == QInternal::Image &&
      painter_.transform().isIdentity() && !painter_.hasClipping()) {
    auto* image = static_cast<QImage*>(device);
    if (HairlineRaster::Suits(*image)) raster_.emplace(*image);
  }
}

HairlineRaster* QtPlotSurface::RasterForPen() {
  if (!raster_) return nullptr;
  const Lodema::Plot::Pen& pen = this->pen();
  if (pen.style != Lodema::Plot::LineStyle::kSolid || pen.mode != Lodema::Plot::PenMode::kCopy) {
    return nullptr;
  }
  return &*raster_;
}

bool DrawAsHairlines(const Lodema::Plot::PlotStore& store) {
  return store.RetainedCount() > kHairlineSetCount;
}

QPointF QtPlotSurface::ToPainter(PlotPoint p) const {
  return {area_.left() + (p.x - space_.left) * scale_, area_.top() + (space_.top - p.y) * scale_};
}

void QtPlotSurface::UsePen(bool filled) {
  const Lodema::Plot::Pen& pen = this->pen();
  const Lodema::Plot::Fill& fill = this->fill();
  if (painterStateKnown_ && !appliedInk_ && pen == appliedPen_ && filled == appliedFilled_ &&
      (!filled || fill == appliedFill_)) {
    return;
  }
  QPen qpen(ToQColor(pen.colour), std::max(1, pen.width) * penScale_, PenStyleOf(pen.style),
            Qt::RoundCap, Qt::RoundJoin);
  // A line one device pixel wide is drawn as such (the painter's hairline,
  // several times faster than a stroked outline of the same width).
  if (hairlines_ || qpen.widthF() * devicePixelRatio_ <= 1.0) {
    qpen.setCosmetic(true);
    qpen.setWidthF(0.0);
  }
  painter_.setPen(qpen);
  painter_.setBrush(filled && fill.solid ? QBrush(ToQColor(fill.colour)) : Qt::NoBrush);
  // Inverting pens exist only where pixels can be combined.
  const bool raster =
      painter_.paintEngine() != nullptr && painter_.paintEngine()->type() == QPaintEngine::Raster;
  painter_.setCompositionMode(pen.mode == Lodema::Plot::PenMode::kInvert && raster
                                  ? QPainter::RasterOp_NotDestination
                                  : QPainter::CompositionMode_SourceOver);
  appliedPen_ = pen;
  appliedFill_ = fill;
  appliedFilled_ = filled;
  appliedInk_ = false;
  painterStateKnown_ = true;
}

void QtPlotSurface::UseInk() {
  const Lodema::Plot::Pen& pen = this->pen();
  if (painterStateKnown_ && appliedInk_ && pen.colour == appliedPen_.colour) return;
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQColor(pen.colour));
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  appliedPen_ = pen;
  appliedInk_ = true;
  painterStateKnown_ = true;
}

void QtPlotSurface::Clear(Lodema::Plot::Rgb background) {
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(area_, ToQColor(background));
  painter_.restore();
}

void QtPlotSurface::Dot(PlotPoint at) {
  UseInk();
  const double side = std::max(1.0, penScale_);
  const QPointF p = ToPainter(at);
  painter_.drawRect(QRectF(p.x() - side / 2, p.y() - side / 2, side, side));
}

void QtPlotSurface::Line(PlotPoint from, PlotPoint to) {
  if (HairlineRaster* raster = RasterForPen()) {
    raster->Line(ToPixel(from), ToPixel(to), RgbOf(pen().colour));
    return;
  }
  UsePen(false);
  painter_.drawLine(ToPainter(from), ToPainter(to));
}

void QtPlotSurface::Polyline(const std::vector<PlotPoint>& points) {
  if (points.size() < 2) return;
  if (HairlineRaster* raster = RasterForPen()) {
    const QRgb colour = RgbOf(pen().colour);
    QPointF previous = ToPixel(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
      const QPointF next = ToPixel(points[i]);
      // Points a pixel apart or less add nothing but cost.
      if (i + 1 < points.size() && std::abs(next.x() - previous.x()) < 1.0 &&
          std::abs(next.y() - previous.y()) < 1.0) {
        continue;
      }
      raster->Line(previous, next, colour);
      previous = next;
    }
    return;
  }
  UsePen(false);
  painter_.drawPolyline(ThinnedPolygonOf(*this, points));
}

void QtPlotSurface::Box(PlotPoint corner, PlotPoint opposite) {
  if (HairlineRaster* raster = RasterForPen()) {
    const QPointF a = ToPixel(corner);
    const QPointF b = ToPixel(opposite);
    if (fill().solid) raster->FillBox(a, b, RgbOf(fill().colour));
    const std::array<QPointF, 4> corners = {a, QPointF(b.x(), a.y()), b, QPointF(a.x(), b.y())};
    for (int i = 0; i < 4; ++i) raster->Line(corners[i], corners[(i + 1) % 4], RgbOf(pen().colour));
    return;
  }
  UsePen(true);
  painter_.drawRect(QRectF(ToPainter(corner), ToPainter(opposite)).normalized());
}

void QtPlotSurface::Circle(PlotPoint centre, double radius) {
  UsePen(true);
  const double r = Length(radius);
  painter_.drawEllipse(ToPainter(centre), r, r);
}

void QtPlotSurface::Arc(PlotPoint centre, double radius, double startAngle, double endAngle) {
  constexpr double kDegrees = 180.0 / std::numbers::pi;
  double span = (endAngle - startAngle) * kDegrees;
  while (span <= 0.0) span += 360.0;
  while (span > 360.0) span -= 360.0;
  if (HairlineRaster* raster = RasterForPen()) {
    // Chords that stray from the arc by at most a third of a pixel.
    const double pixels = Length(radius) * devicePixelRatio_;
    const double step = std::min(0.2, std::sqrt(8.0 * 0.33 / std::max(pixels, 1.0)));
    const double turn = span / kDegrees;
    const int count = std::max(1, static_cast<int>(std::ceil(turn / step)));
    const QRgb colour = RgbOf(pen().colour);
    const auto at = [&](int i) {
      const double a = startAngle + turn * i / count;
      return ToPixel({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    };
    QPointF previous = at(0);
    for (int i = 1; i <= count; ++i) {
      const QPointF next = at(i);
      raster->Line(previous, next, colour);
      previous = next;
    }
    return;
  }
  UsePen(false);
  const double r = Length(radius);
  const QPointF c = ToPainter(centre);
  // The painter's angles run counter-clockwise on screen, as the plot's do.
  QPainterPath path;
  const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
  path.arcMoveTo(box, startAngle * kDegrees);
  path.arcTo(box, startAngle * kDegrees, span);
  painter_.drawPath(path);
}

void QtPlotSurface::ClosedPath(const std::vector<PlotPoint>& points) {
  if (points.empty()) return;
  UsePen(true);
  painter_.drawPolygon(PolygonOf(*this, points));
}

double QtPlotSurface::ChordTolerance() const {
  const double pixelsPerUnit = scale_ * devicePixelRatio_;
  return pixelsPerUnit > 0.0 ? 0.25 / pixelsPerUnit : 0.0;
}

double QtPlotSurface::TextWidth(const std::string& text, double height) const {
  QFont font = painter_.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(Length(height)))));
  const QFontMetricsF metrics(font, painter_.device());
  const QString qtext = QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.size()));
  return scale_ > 0.0 ? metrics.horizontalAdvance(qtext) / scale_ : 0.0;
}

void QtPlotSurface::Text(PlotPoint at, const std::string& text, double height,
                         Lodema::Plot::TextAnchor anchor) {
  QFont font = painter_.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(Length(height)))));
  painter_.setFont(font);
  painter_.setPen(ToQColor(pen().colour));
  painter_.setBrush(Qt::NoBrush);
  painterStateKnown_ = false;
  const QString qtext = QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.size()));
  const QFontMetricsF metrics(font, painter_.device());
  const QPointF p = ToPainter(at);
  const double width = metrics.horizontalAdvance(qtext);
  const double x = anchor == Lodema::Plot::TextAnchor::kCentre ? p.x() - width / 2 : p.x();
  const double baseline = p.y() + (metrics.ascent() - metrics.descent()) / 2;
  painter_.drawText(QPointF(x, baseline), qtext);
}
