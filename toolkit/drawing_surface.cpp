// SPDX-License-Identifier: MIT
#include "toolkit/drawing_surface.h"

#include <QPaintEvent>
#include <QPainter>

namespace toolkit {

DrawingSurface::DrawingSurface(QWidget* clientArea)
    : QWidget(clientArea)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(clientArea->rect());
    layer_.reserve(size(), devicePixelRatioF());
}

void DrawingSurface::setDrawWidth(int pixels)
{
    drawWidth_ = std::max(1, pixels);
}

void DrawingSurface::PSet(float x, float y, Bgr colour)
{
    const QRect touched = layer_.plot(x, y, drawWidth_, colour, rect());
    if (touched.isEmpty())
        return;
    // Ask for the dots since the last paint as one growing rectangle: Qt
    // merges every separate rectangle into its pending region, which grows
    // dearer with each one a curve of 2000 dots adds, while a rectangle that
    // contains the pending one simply replaces it. Neighbouring samples often
    // land on the same pixels; the rectangle asked for already covers them.
    const QRect grown = unpainted_ | touched;
    if (grown == unpainted_)
        return;
    unpainted_ = grown;
    update(unpainted_);
}

void DrawingSurface::Cls()
{
    layer_.clear();
    update();
}

void DrawingSurface::setCoveringWidgets(std::vector<QPointer<QWidget>> widgets)
{
    covering_ = std::move(widgets);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    unpainted_ = QRect();
    QRegion visible = event->region();
    for (const QPointer<QWidget>& widget : covering_) {
        if (widget && widget->isVisible())
            visible -= widget->geometry();
    }
    QPainter painter(this);
    const qreal ratio = layer_.image().devicePixelRatio();
    for (const QRect& dirty : visible)
        painter.drawImage(dirty, layer_.image(),
                          QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
}

void DrawingSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layer_.reserve(size(), devicePixelRatioF());
}

void plotCurve(DrawingSurface& surface, std::span<const PlotPoint> curve, Bgr colour)
{
    for (const PlotPoint& point : curve) {
        surface.setDrawWidth(2);
        surface.PSet(point.x, point.y, colour);
    }
}

} // namespace toolkit
