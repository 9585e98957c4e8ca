// SPDX-License-Identifier: MIT
// Rotations of lines: a line re-expressed in the frame of an axis (the
// drill-core frame), rotation about an axis line, rotation about the
// horizontal east-west axis, and unfolding about a fold axis until the
// bedding is horizontal. Radians throughout; lines are (plunge, trend) and
// planes (dip, dip direction) as in orient/Records.h.
#pragma once

#include "orient/Records.h"

namespace OrientGeometry {

// Angle below which a plunge counts as horizontal, or a plunge or axis as
// vertical, in LineInAxisFrame and RotateLine.
inline constexpr double kAxisFrameTolerance = 1e-5;

// The line (plunge, trend) in the frame of the axis (axisPlunge, axisTrend).
// The frame uses |axisPlunge|: frame down is the axis, frame north lies at
// right angles to it in its vertical plane on the upper side (straight up for
// a horizontal axis), frame east is horizontal toward axisTrend + pi/2.
// Result plunge: pi/2 minus the line's angle to the axis, in [-pi/2, pi/2],
// negative when the line points against the axis (polarity is kept).
// Result trend: the angle around the axis from frame north toward frame east
// (clockwise looking down the axis) plus axisTrend, in [0, two pi].
// Plunges within 1e-5 of 0 or pi/2 are set to exactly that. A vertical axis
// leaves the line unchanged. Frame numbers taken with the axis trend + pi
// come back to the geographic line.
Line LineInAxisFrame(double plunge, double trend, double axisPlunge, double axisTrend);

// Rotates the line by `angle` about the axis line: a positive angle turns it
// clockwise looking down the axis (for a vertical axis: the trend increases).
// Uses |axisPlunge|; an axis within 1e-5 of vertical is treated as vertical.
// The result keeps the line's polarity except where it comes out within 1e-5
// of horizontal.
Line RotateLine(double plunge, double trend, double angle, double axisPlunge, double axisTrend);

// Unfolds a line about a fold axis until the bedding is horizontal. The fold
// axis is first tilted to the horizontal along its trend (|axisPlunge|, so an
// axis given with negative plunge is the same axis), then the bed is turned
// until its pole is vertical: pointing down for a bed of positive dip,
// pointing up for a negative (overturned) dip. The fold axis is not tilted
// back. Bedding dip 0 returns the line unchanged.
Line UnfoldAboutAxis(double plunge, double trend, double beddingDip, double beddingDipDirection,
                     double axisPlunge, double axisTrend);

}  // namespace OrientGeometry
