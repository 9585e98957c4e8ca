// SPDX-License-Identifier: MIT
// The stereonet's drawing surface on a QPainter: the window's plot, the
// legend, an image, a printer page or a PDF file all draw through it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <optional>

#include "app/HairlineRaster.h"
#include "plot/PlotStore.h"
#include "plot/Surface.h"

// Beyond this many retained sets the window draws every line as a plain
// hairline: among thousands of curves neither the Result's double width nor
// smoothed edges can be told apart, and a stroked, smoothed outline costs
// several times as much.
inline constexpr int kHairlineSetCount = 2000;
bool DrawAsHairlines(const Lodema::Plot::PlotStore& store);

// The part of plot space a surface shows, in plot units (y up).
struct PlotSpace {
  double left = -1100.0;
  double top = 1100.0;
  double width = 2200.0;
  double height = 2200.0;
};

class QtPlotSurface : public Lodema::Plot::DrawingSurface {
 public:
  // Maps `space` onto `area` (painter coordinates). A pen of width 1 is
  // penScale painter units wide: 1 on screen, more on a printer page or a
  // large image so that lines keep their weight.
  QtPlotSurface(QPainter& painter, const QRectF& area, const PlotSpace& space = {},
                double penScale = 1.0);

  void Clear(Lodema::Plot::Rgb background) override;
  void Dot(Lodema::Plot::PlotPoint at) override;
  void Line(Lodema::Plot::PlotPoint from, Lodema::Plot::PlotPoint to) override;
  void Polyline(const std::vector<Lodema::Plot::PlotPoint>& points) override;
  void Box(Lodema::Plot::PlotPoint corner, Lodema::Plot::PlotPoint opposite) override;
  void Circle(Lodema::Plot::PlotPoint centre, double radius) override;
  void Arc(Lodema::Plot::PlotPoint centre, double radius, double startAngle,
           double endAngle) override;
  void ClosedPath(const std::vector<Lodema::Plot::PlotPoint>& points) override;
  void Text(Lodema::Plot::PlotPoint at, const std::string& text, double height,
            Lodema::Plot::TextAnchor anchor) override;
  // Measured with the font Text uses.
  double TextWidth(const std::string& text, double height) const override;
  // A quarter of a device pixel.
  double ChordTolerance() const override;

  // Every line one device pixel wide whatever the pen's width, and not
  // antialiased: the picture of a plot of very many curves (see
  // DrawAsHairlines), which draws about twice as fast so; on a 32-bit
  // image, solid lines and boxes are then written straight into its pixels.
  void SetHairlines(bool hairlines);

  // Painter position of a plot point.
  QPointF ToPainter(Lodema::Plot::PlotPoint p) const;

 private:
  // Brings the painter's pen and brush in line with the surface's (only
  // when they changed: a plot of many symbols sets them rarely).
  void UsePen(bool filled);
  void UseInk();  // pen colour as a brush, no outline (dots, text)
  double Length(double plotUnits) const { return plotUnits * scale_; }
  // The raster for the current pen, when lines go straight into the image.
  HairlineRaster* RasterForPen();
  QPointF ToPixel(Lodema::Plot::PlotPoint p) const { return ToPainter(p) * devicePixelRatio_; }

  QPainter& painter_;
  QRectF area_;
  PlotSpace space_;
  double scale_ = 1.0;  // painter units per plot unit
  double penScale_ = 1.0;
  double devicePixelRatio_ = 1.0;
  bool hairlines_ = false;
  std::optional<HairlineRaster> raster_;
  bool painterStateKnown_ = false;
  Lodema::Plot::Pen appliedPen_;
  Lodema::Plot::Fill appliedFill_;
  bool appliedFilled_ = false;
  bool appliedInk_ = false;
};

inline QColor ToQColor(Lodema::Plot::Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}
