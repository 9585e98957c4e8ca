// SPDX-License-Identifier: MIT
// One-pixel lines and filled boxes written straight into a 32-bit image:
// the picture of a plot of very many curves, which the painter would draw
// several times slower through its general stroker.
#pragma once

#include <QImage>
#include <QPointF>

class HairlineRaster {
 public:
  // image must stay alive and unchanged in size while the raster is used.
  explicit HairlineRaster(QImage& image);

  // The image is one this raster can write (32 bits per pixel, opaque).
  static bool Suits(const QImage& image);

  // The pixels of the segment between two points in pixel coordinates
  // (pixel (i, j) covers [i, i+1) x [j, j+1)), clipped to the image.
  void Line(QPointF from, QPointF to, QRgb colour);
  // Every pixel whose centre lies in the box between two corners, clipped.
  void FillBox(QPointF corner, QPointF opposite, QRgb colour);

 private:
  void Plot(int x, int y, QRgb colour) {
    reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_)[x] = colour;
  }

  uchar* bits_ = nullptr;
  qsizetype stride_ = 0;
  int width_ = 0;
  int height_ = 0;
};
