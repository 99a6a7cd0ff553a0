// SPDX-License-Identifier: MIT
#include "toolkit/drawing_surface.h"

#include <QPaintEvent>
#include <QPainter>

namespace toolkit {

namespace {

// A run of dots grows while it stays this thin one way or the other, so that
// it covers little more than its dots whichever way a curve runs.
constexpr int kRunThickness = 6;
// Past this many runs, neighbouring runs are merged: a region of many small
// rectangles costs more to paint and to send than the few pixels it saves.
constexpr std::size_t kMostRuns = 64;

} // namespace

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
    addUnrequested(touched);
    if (batches_ == 0)
        requestRepaint();
}

void DrawingSurface::addUnrequested(const QRect& touched)
{
    if (!unrequested_.empty()) {
        QRect& run = unrequested_.back();
        const QRect grown = run.united(touched);
        if (run.adjusted(-1, -1, 1, 1).intersects(touched)
            && (grown.height() <= kRunThickness || grown.width() <= kRunThickness)) {
            run = grown;
            return;
        }
    }
    if (unrequested_.size() == kMostRuns) {
        for (std::size_t i = 0; i < kMostRuns / 2; ++i)
            unrequested_[i] = unrequested_[2 * i].united(unrequested_[2 * i + 1]);
        unrequested_.resize(kMostRuns / 2);
    }
    unrequested_.push_back(touched);
}

void DrawingSurface::requestRepaint()
{
    QRegion region;
    for (const QRect& run : unrequested_)
        region += run;
    update(region);
    unrequested_.clear();
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
    if (--surface_.batches_ == 0 && !surface_.unrequested_.empty())
        surface_.requestRepaint();
}

} // namespace toolkit
