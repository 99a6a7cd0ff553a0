// SPDX-License-Identifier: MIT
#include "toolkit/point_layer.h"

#include "toolkit/units.h"

#include <QPainter>

#include <cmath>

namespace toolkit {

void PointLayer::reserve(QSize logicalSize, qreal devicePixelRatio)
{
    const QSize needed = (QSizeF(logicalSize) * devicePixelRatio).toSize().expandedTo(image_.size());
    if (needed == image_.size() && image_.devicePixelRatio() == devicePixelRatio)
        return;
    QImage grown(needed, QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(devicePixelRatio);
    grown.fill(Qt::transparent);
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(grown);
    last_ = {};
}

QRect PointLayer::plot(float x, float y, int penWidth, Bgr colour, const QRect& clip)
{
    if (image_.isNull() || !std::isfinite(x) || !std::isfinite(y))
        return {};
    const qreal ratio = image_.devicePixelRatio();
    // Far-off points would overflow the pixel arithmetic; they draw nothing.
    constexpr float kFar = 1e7F;
    if (std::fabs(x) > kFar || std::fabs(y) > kFar)
        return {};

    // The dot's box in device pixels: `diameter` pixels with the point's own
    // pixel at its centre (one pixel left and above of centre for even sizes).
    const int diameter = std::max(1, int(std::lround(penWidth * ratio)));
    const QPoint centre = twipsToPoint(x * ratio, y * ratio);
    const QRect box(centre - QPoint(diameter / 2, diameter / 2), QSize(diameter, diameter));
    const QRect deviceClip = QRect(clip.topLeft() * ratio, clip.size() * ratio).intersected(image_.rect());
    const QRect visible = box.intersected(deviceClip);
    if (visible.isEmpty())
        return {};

    const QRgb pixel = toRgb(colour);
    // A curve sampled finer than the pixels lands several dots on one spot in
    // a row; drawing them again would change nothing.
    const Dot dot{box, visible, pixel};
    if (dot == last_)
        return {};
    last_ = dot;
    const double radius = diameter / 2.0;
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int row = visible.top(); row <= visible.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
        const double dy = row - box.top() + 0.5 - radius;
        for (int column = visible.left(); column <= visible.right(); ++column) {
            const double dx = column - box.left() + 0.5 - radius;
            // Round for larger pens; sizes 1 and 2 are full squares.
            if (diameter <= 2 || dx * dx + dy * dy <= radius * radius)
                line[column] = pixel;
        }
    }
    const QRect logical =
        ratio == 1 ? visible
                   : QRectF(QPointF(visible.topLeft()) / ratio, QSizeF(visible.size()) / ratio).toAlignedRect();
    return logical.adjusted(-1, -1, 1, 1).intersected(clip);
}

void PointLayer::clear()
{
    image_.fill(Qt::transparent);
    last_ = {};
}

} // namespace toolkit
