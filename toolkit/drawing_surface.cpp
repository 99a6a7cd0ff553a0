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
    unrequested_ |= touched;
    if (batches_ == 0)
        requestRepaint();
}

void DrawingSurface::requestRepaint()
{
    update(unrequested_);
    unrequested_ = QRect();
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

QRegion DrawingSurface::shownRegion() const
{
    QRegion shown(rect());
    for (const QPointer<QWidget>& widget : covering_) {
        if (widget && widget->isVisible())
            shown -= widget->geometry();
    }
    return shown;
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    const QRegion visible = event->region() & shownRegion();
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

DrawingSurface::RepaintBatch::RepaintBatch(DrawingSurface& surface)
    : surface_(surface)
{
    ++surface_.batches_;
}

DrawingSurface::RepaintBatch::~RepaintBatch()
{
    if (--surface_.batches_ == 0 && !surface_.unrequested_.isEmpty())
        surface_.requestRepaint();
}

} // namespace toolkit
