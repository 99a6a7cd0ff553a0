// SPDX-License-Identifier: MIT
#include "toolkit/units.h"

#include <cmath>

namespace toolkit {

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double pixelsToTwips(int pixels)
{
    return double(pixels) * kTwipsPerPixel;
}

QPoint twipsToPoint(double x, double y)
{
    return {twipsToPixels(x), twipsToPixels(y)};
}

QPointF twipsToPointF(double x, double y)
{
    return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}

QRect twipsToRect(double left, double top, double width, double height)
{
    const QPoint topLeft = twipsToPoint(left, top);
    const QPoint bottomRight = twipsToPoint(left + width, top + height);
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

int pointsToPixelSize(double points)
{
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    return static_cast<int>(std::lround(points * kPixelsPerPoint));
}

} // namespace toolkit
