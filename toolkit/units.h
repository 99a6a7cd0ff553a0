// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

// Every position in the layout tables is in twips (1/1440 inch). The program
// works at 96 dpi: 15 twips per device-independent pixel. This is the one place
// that converts between the two.
namespace toolkit {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel, halves away from zero.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

QPoint twipsToPoint(double x, double y);
// Not rounded, for drawing that is not bound to whole pixels (vector output).
QPointF twipsToPointF(double x, double y);
// Each edge is rounded on its own, so boxes that share an edge in twips share
// it in pixels too.
QRect twipsToRect(double left, double top, double width, double height);

// Font sizes are points at 96 dpi, so the layout does not depend on the
// display's resolution.
int pointsToPixelSize(double points);

} // namespace toolkit
