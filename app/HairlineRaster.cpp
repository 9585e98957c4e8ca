// SPDX-License-Identifier: MIT
#include "app/HairlineRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

HairlineRaster::HairlineRaster(QImage& image)
    : bits_(image.bits()),
      stride_(image.bytesPerLine()),
      width_(image.width()),
      height_(image.height()) {}

bool HairlineRaster::Suits(const QImage& image) {
  return !image.isNull() && (image.format() == QImage::Format_RGB32 ||
                             image.format() == QImage::Format_ARGB32_Premultiplied);
}

void HairlineRaster::Line(QPointF from, QPointF to, QRgb colour) {
  // Liang-Barsky clipping to the image, then Bresenham over whole pixels.
  const double maxX = width_ - 1e-6;
  const double maxY = height_ - 1e-6;
  double x0 = from.x(), y0 = from.y(), x1 = to.x(), y1 = to.y();
  // Far beyond any plot (or not a number): nothing rather than overflow.
  constexpr double kFar = 1e8;
  if (!(std::abs(x0) < kFar && std::abs(y0) < kFar && std::abs(x1) < kFar && std::abs(y1) < kFar)) {
    return;
  }
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  double enter = 0.0;
  double leave = 1.0;
  const auto clip = [&](double p, double q) {
    if (p == 0.0) return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
      if (t > leave) return false;
      enter = std::max(enter, t);
    } else {
      if (t < enter) return false;
      leave = std::min(leave, t);
    }
    return true;
  };
  if (!clip(-dx, x0) || !clip(dx, maxX - x0) || !clip(-dy, y0) || !clip(dy, maxY - y0)) return;
  x1 = std::clamp(x0 + leave * dx, 0.0, maxX);
  y1 = std::clamp(y0 + leave * dy, 0.0, maxY);
  x0 = std::clamp(x0 + enter * dx, 0.0, maxX);
  y0 = std::clamp(y0 + enter * dy, 0.0, maxY);
  int x = static_cast<int>(x0);
  int y = static_cast<int>(y0);
  const int xEnd = static_cast<int>(x1);
  const int yEnd = static_cast<int>(y1);
  const int stepX = x < xEnd ? 1 : -1;
  const int stepY = y < yEnd ? 1 : -1;
  const int spanX = std::abs(xEnd - x);
  const int spanY = -std::abs(yEnd - y);
  int error = spanX + spanY;
  while (true) {
    Plot(x, y, colour);
    if (x == xEnd && y == yEnd) break;
    const int twice = 2 * error;
    if (twice >= spanY) {
      error += spanY;
      x += stepX;
    }
    if (twice <= spanX) {
      error += spanX;
      y += stepY;
    }
  }
}

void HairlineRaster::FillBox(QPointF corner, QPointF opposite, QRgb colour) {
  const auto first = [](double a, double b) {
    return static_cast<int>(std::ceil(std::min(a, b) - 0.5));
  };
  const auto last = [](double a, double b) {
    return static_cast<int>(std::floor(std::max(a, b) - 0.5));
  };
  const int left = std::max(0, first(corner.x(), opposite.x()));
  const int right = std::min(width_ - 1, last(corner.x(), opposite.x()));
  const int top = std::max(0, first(corner.y(), opposite.y()));
  const int bottom = std::min(height_ - 1, last(corner.y(), opposite.y()));
  for (int y = top; y <= bottom; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_);
    std::fill(row + left, row + right + 1, colour);
  }
}
