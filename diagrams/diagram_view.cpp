// SPDX-License-Identifier: MIT
#include "diagrams/diagram_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace diagrams {

DiagramView::DiagramView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("載重、剪力、彎矩、斜率與撓度圖"));
    for (Panel panel : kPanels) {
        auto* child = new QWidget(this);
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
        child->setAccessibleName(panelName(panel));
        panels_[int(panel)] = child;
    }
}

void DiagramView::setInput(DiagramInput input)
{
    set_.update(std::move(input));
    for (Panel panel : kPanels)
        panels_[int(panel)]->setAccessibleDescription(panelDescription(set_, panel));
    placePanels();
    diagramsPicture_ = QPixmap();
    update();
}

QString DiagramView::cursorText() const
{
    return cursor_ ? cursorReadout(set_, *cursor_) : QString();
}

QSize DiagramView::sizeHint() const
{
    return {720, 820};
}

QSize DiagramView::minimumSizeHint() const
{
    return {int(kMinimumWidth), int(kMinimumHeight)};
}

void DiagramView::paintEvent(QPaintEvent*)
{
    if (set_.input().curves.empty())
        return;
    if (diagramsPicture_.isNull() || diagramsPicture_.size() != size() * devicePixelRatioF()) {
        diagramsPicture_ = QPixmap(size() * devicePixelRatioF());
        diagramsPicture_.setDevicePixelRatio(devicePixelRatioF());
        QPainter picture(&diagramsPicture_);
        paintDiagrams(picture, rect(), set_, std::nullopt);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, diagramsPicture_);
    if (cursor_)
        paintCursor(painter, rect(), set_, *cursor_);
}

void DiagramView::mouseMoveEvent(QMouseEvent* event)
{
    if (set_.input().curves.empty())
        return;
    const std::optional<double> x = xAtPosition(layoutDiagrams(rect(), set_), set_.span(), event->position().x());
    if (x != cursor_) {
        cursor_ = x;
        update();
    }
}

void DiagramView::leaveEvent(QEvent*)
{
    if (cursor_) {
        cursor_.reset();
        update();
    }
}

void DiagramView::resizeEvent(QResizeEvent*)
{
    placePanels();
}

void DiagramView::placePanels()
{
    if (set_.input().curves.empty())
        return;
    const DiagramLayout layout = layoutDiagrams(rect(), set_);
    for (Panel panel : kPanels)
        panels_[int(panel)]->setGeometry(layout.panels[int(panel)].toAlignedRect());
}

} // namespace diagrams
