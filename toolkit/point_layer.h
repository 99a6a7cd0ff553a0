// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/palette.h"

#include <QImage>

namespace toolkit {

// The plotted points of one window: a transparent image the size of the client
// area, kept apart from any widget so that it can be drawn into and read back
// without a display. It only grows, so points survive a window made smaller
// and then larger again.
class PointLayer {
public:
    // Grows the image to hold logicalSize at the given device pixel ratio,
    // keeping every point already drawn.
    void reserve(QSize logicalSize, qreal devicePixelRatio);

    // Draws a round dot penWidth pixels across centred on (x, y) twips, clipped
    // to `clip` (logical pixels). Returns the logical rectangle it touched, empty
    // when the dot lies wholly outside or is the last dot drawn again, which
    // changes no pixel.
    QRect plot(float x, float y, int penWidth, Bgr colour, const QRect& clip);

    void clear();

    const QImage& image() const { return image_; }

private:
    // The last dot drawn in device pixels: its box, the part of it drawn and
    // its colour.
    struct Dot {
        QRect box;
        QRect visible;
        QRgb pixel = 0;
        friend bool operator==(const Dot&, const Dot&) = default;
    };

    QImage image_;
    Dot last_;
};

} // namespace toolkit
