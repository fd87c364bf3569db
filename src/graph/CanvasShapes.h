#pragma once

#include "graph/CanvasOperation.h"
#include "graph/Twips.h"

#include <QLineF>
#include <QRectF>

#include <array>
#include <vector>

// The shapes a canvas operation is drawn as, in the units of one device: shared by the painter
// of every Qt device and by the SVG writer, so that all of them draw the same picture.

// The box with corners at the operation's two points, in either order, both edges included: it
// reaches a screen pixel beyond the right and bottom corner.
QRectF boxArea(const CanvasOperation& op, const DeviceUnits& units);

// A box's outline as four solid bands of the line width (top, bottom, left, right); wider
// outlines grow to the right and downwards.
std::array<QRectF, 4> outlineBands(const QRectF& box, int drawWidth, const DeviceUnits& units);

// Where a box's hatching shows: half a screen pixel inside the box, as the outline covers that
// much on every side and hides where renderers round the cut differently from its edge.
QRectF hatchArea(const QRectF& box, const DeviceUnits& units);

// Hatch lines across `area`, both in screen pixels, where Qt's pattern brushes put their
// pixels; the lines reach past the area, to be cut to it.
std::vector<QLineF> hatchLines(const QRectF& area, FillStyle style);
