// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <span>
#include <vector>

namespace toolkit {

class DrawingSurface;

// The client area of a window. It paints, bottom to top, the window's
// BackColor, its background picture at natural size from the top-left corner,
// and the figures (lines and shapes) of its layout table. Free-standing labels
// and the drawing surface lie over it as child widgets.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(const Window& window, QWidget* parent);

    void addFigure(const Control& row);
    DrawingSurface& surface() const { return *surface_; }

    // Paints BackColor (or `background`, where given), the background picture
    // and the figures that meet `region`, in client-area pixels: what
    // paintEvent shows under the child widgets.
    void paintBackdrop(QPainter& painter, const QRegion& region, const QColor& background = {}) const;

    // Draws the points in place of the drawing surface's layer: `shown` is
    // where the surface shows them, the rest lies under separate widgets. The
    // painter is clipped to it too, for devices that clip.
    using PointPainter = std::function<void(QPainter& painter, const QRegion& shown)>;
    // Paints the whole client area onto `painter`, in client-area pixels, as
    // the screen shows it, bottom to top: the backdrop, the free-standing
    // labels, the points that `paintPoints` draws, then the separate widgets.
    // Nothing on the window changes. A picture of part of the window gives
    // its own background and leaves out the child widgets in `leftOut`.
    void paintWith(QPainter& painter, const PointPainter& paintPoints, const QColor& background = {},
                   std::span<const QWidget* const> leftOut = {}) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor backColor_;
    QPixmap picture_;
    struct Figure {
        const Control* row;
        QRect bounds; // the pixels it may touch
    };
    std::vector<Figure> figures_; // in painting order
    DrawingSurface* surface_;
};

// Paints one Line or Shape row in client-area pixels.
void paintFigure(QPainter& painter, const Control& row);

} // namespace toolkit
