// SPDX-License-Identifier: MIT
#include "toolkit/client_area.h"

#include "toolkit/drawing_surface.h"
#include "toolkit/standard_look.h"
#include "toolkit/units.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace toolkit {

ClientArea::ClientArea(const Window& window, QWidget* parent)
    : QWidget(parent)
    , backColor_(colourOr(window.backColor, standardFace()))
    , surface_(new DrawingSurface(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (window.picture != nullptr)
        picture_.load(QString::fromUtf8(window.picture));
}

void ClientArea::addFigure(const Control& row)
{
    // Rows listed first lie on top, so the supports stand over the beam: keep
    // the figures in painting order, the last row first.
    const QRect bounds = row.kind == Kind::Line
                             ? QRect(twipsToPoint(row.x1, row.y1), twipsToPoint(row.x2, row.y2)).normalized()
                             : twipsToRect(row.left, row.top, row.width, row.height);
    const int margin = row.borderWidth + 1;
    figures_.insert(figures_.begin(), {&row, bounds.adjusted(-margin, -margin, margin, margin)});
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    paintBackdrop(painter, event->region());
}

void ClientArea::paintBackdrop(QPainter& painter, const QRegion& region, const QColor& background) const
{
    painter.fillRect(rect(), background.isValid() ? background : backColor_);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
    // A change repaints a few small parts of the window; most figures lie
    // outside them.
    for (const Figure& figure : figures_) {
        if (region.intersects(figure.bounds))
            paintFigure(painter, *figure.row);
    }
}

void ClientArea::paintWith(QPainter& painter, const PointPainter& paintPoints, const QColor& background,
                           std::span<const QWidget* const> leftOut) const
{
    painter.save();
    paintBackdrop(painter, rect(), background);
    painter.restore();
    // Children are kept in stacking order, the lowest first: the drawing
    // surface lies over the free-standing labels and under the rest.
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || !widget->isVisible() || std::ranges::find(leftOut, widget) != leftOut.end())
            continue;
        painter.save();
        if (widget == surface_) {
            const QRegion shown = surface_->shownRegion();
            painter.setClipRegion(shown);
            paintPoints(painter, shown);
        } else {
            widget->render(&painter, widget->pos(), QRegion(), QWidget::DrawChildren);
        }
        painter.restore();
    }
}

void ClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    surface_->setGeometry(rect());
}

void paintFigure(QPainter& painter, const Control& row)
{
    const QColor border = colourOr(row.borderColor, standardText());
    if (row.kind == Kind::Line) {
        painter.setPen(QPen(border, row.borderWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(twipsToPoint(row.x1, row.y1), twipsToPoint(row.x2, row.y2));
        return;
    }

    QRect box = twipsToRect(row.left, row.top, row.width, row.height);
    if (row.shape == ShapeKind::Circle) {
        // A circle takes the shorter side of its box and is centred in it.
        const int diameter = std::min(box.width(), box.height());
        box = QRect(box.x() + (box.width() - diameter) / 2, box.y() + (box.height() - diameter) / 2, diameter,
                    diameter);
    }
    painter.setPen(QPen(border, 0));
    painter.setBrush(row.fillStyle == FillStyle::Solid ? QBrush(colourOr(row.fillColor, standardText()))
                                                       : QBrush(Qt::NoBrush));
    const QRect outline = box.adjusted(0, 0, -1, -1);
    if (row.shape == ShapeKind::Circle)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
}

} // namespace toolkit
