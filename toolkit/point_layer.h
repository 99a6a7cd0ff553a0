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
    // when the dot lies wholly outside.
    QRect plot(float x, float y, int penWidth, Bgr colour, const QRect& clip);

    void clear();

    const QImage& image() const { return image_; }

private:
    QImage image_;
};

} // namespace toolkit
