// SPDX-License-Identifier: MIT
#include "plot/StatisticsDrawing.h"

#include <cmath>

#include "orient/Primitives.h"
#include "plot/GreatCircle.h"
#include "plot/SmallCircle.h"
#include "plot/Symbols.h"

namespace Lodema::Plot {

namespace {

OrientGeometry::Line Downward(const DirectionCosines& v) {
  OrientGeometry::Line line = OrientGeometry::DirectionCosinesToLine(v);
  line.angle = std::abs(line.angle);
  return line;
}

}  // namespace

void DrawStatistics(DrawingSurface& surface, ProjectionType type, const AxisStatistics& s,
                    const StatisticsLayers& layers) {
  const Pen savedPen = surface.pen();
  const Fill savedFill = surface.fill();
  // Identical axes have no second or third eigenvector and no girdle: the
  // tensor leaves them to chance.
  const bool identical = s.shape == FabricShape::kIdentical;
  if (layers.girdle && !identical) {
    const OrientGeometry::Plane plane = OrientGeometry::NormalOf(Downward(s.girdlePole));
    surface.SetPen(Pen{kEigenColour, 2, LineStyle::kDash});
    DrawGreatCircle(surface, GreatCircleArc(type, plane.angle, plane.azimuth));
  }
  if (layers.eigenvectors) {
    surface.SetPen(Pen{kEigenColour, 1});
    for (int i = 0; i < (identical ? 1 : 3); ++i) {
      const PlotPoint at = ProjectUnitVector(type, s.eigenvectors[static_cast<std::size_t>(i)]);
      DrawScreenSymbols(surface, at, kEigenColour, kEigenvectorShapes[i], kStatisticsSymbolSize);
    }
  }
  if (layers.meanAndCone) {
    const OrientGeometry::Line mean = Downward(s.mean);
    if (std::isfinite(s.cone95) && s.cone95 > 0.0) {
      SmallCircleDraw(surface, type, mean.angle, mean.azimuth, s.cone95, Pen{kMeanColour, 2});
    }
    surface.SetPen(Pen{kMeanColour, 1});
    DrawScreenSymbols(surface, ProjectUnitVector(type, s.mean), kMeanColour, kMeanShape,
                      kStatisticsSymbolSize);
  }
  surface.SetPen(savedPen);
  surface.SetFill(savedFill);
}

}  // namespace Lodema::Plot
