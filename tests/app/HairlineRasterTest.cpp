// SPDX-License-Identifier: MIT
// Lines and boxes written straight into an image: the pixels each covers,
// clipped to the image whatever the coordinates.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>
#include <vector>

#include "app/HairlineRaster.h"

namespace {

constexpr QRgb kInk = 0xFF102030;
constexpr QRgb kPaper = 0xFFFFFFFF;

int InkedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == kInk ? 1 : 0;
  }
  return count;
}

TEST(HairlineRaster, LinesCoverTheirPixelsAndAreClippedToTheImage) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    QPointF from;
    QPointF to;
    int inked;
    std::vector<QPoint> on;  // pixels that must be inked
  };
  const std::vector<Row> rows = {
      {"horizontal", {1.5, 2.5}, {8.5, 2.5}, 8, {{1, 2}, {8, 2}}},
      {"vertical, drawn upward", {3.2, 9.9}, {3.2, 0.1}, 10, {{3, 0}, {3, 9}}},
      {"diagonal corner to corner", {0, 0}, {9.99, 9.99}, 10, {{0, 0}, {5, 5}, {9, 9}}},
      {"from far outside across the image", {-1e6, 5.5}, {1e6, 5.5}, 10, {{0, 5}, {9, 5}}},
      {"wholly outside", {-5, -5}, {-1, 20}, 0, {}},
      {"along the edge beyond the image", {0, 10.5}, {9, 10.5}, 0, {}},
      {"a single pixel", {4.4, 4.6}, {4.4, 4.6}, 1, {{4, 4}}},
      {"not a number", {nan, 1}, {5, 5}, 0, {}},
      {"beyond any plot", {-1e300, 1}, {1e300, 1}, 0, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(kPaper);
    ASSERT_TRUE(HairlineRaster::Suits(image));
    HairlineRaster raster(image);
    raster.Line(row.from, row.to, kInk);
    EXPECT_EQ(InkedPixels(image), row.inked);
    for (const QPoint& p : row.on) EXPECT_EQ(image.pixel(p), kInk) << p.x() << "," << p.y();
  }
}

TEST(HairlineRaster, BoxesFillThePixelsWhoseCentresTheyHoldAndOnlySuitableImagesAreUsed) {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(kPaper);
  HairlineRaster raster(image);
  raster.FillBox({2.0, 3.0}, {5.0, 1.0}, kInk);  // columns 2-4, rows 1-2
  EXPECT_EQ(InkedPixels(image), 6);
  EXPECT_EQ(image.pixel(2, 1), kInk);
  EXPECT_EQ(image.pixel(4, 2), kInk);
  raster.FillBox({8.0, 8.0}, {30.0, 30.0}, kInk);  // clipped: columns and rows 8-9
  EXPECT_EQ(InkedPixels(image), 10);

  EXPECT_FALSE(HairlineRaster::Suits(QImage()));
  EXPECT_FALSE(HairlineRaster::Suits(QImage(4, 4, QImage::Format_Grayscale8)));
}

}  // namespace
