// SPDX-License-Identifier: MIT
#include "diagrams/diagram_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

void DiagramView::updateGround()
{
    const auto& diagrams = set_.diagrams();
    const std::size_t earlier = diagrams.size() - 1;
    const std::array<Range, 4> ranges{set_.shear, set_.moment, set_.slope, set_.deflection};
    const auto sameRange = [](const Range& a, const Range& b) { return a.low == b.low && a.high == b.high; };
    const QRectF legend = layoutDiagrams(rect(), set_).legend;
    // What the ground holds must still be where it was, in the same colours.
    bool kept = !ground_.isNull() && ground_.size() == size() * devicePixelRatioF() && legend == groundLegend_
                && std::ranges::equal(ranges, groundRanges_, sameRange) && groundCurves_.size() <= earlier;
    for (std::size_t i = 0; kept && i < groundCurves_.size(); ++i) {
        const DiagramCurve& curve = set_.input().curves[i];
        kept = diagrams[i] == groundCurves_[i].diagram && curve.colour == groundCurves_[i].colour
               && curve.title == groundCurves_[i].title;
    }
    if (!kept) {
        ground_ = QPixmap(size() * devicePixelRatioF());
        ground_.setDevicePixelRatio(devicePixelRatioF());
        groundCurves_.clear();
        groundRanges_ = ranges;
        groundLegend_ = legend;
        QPainter painter(&ground_);
        paintGround(painter, rect(), set_);
    }
    if (groundCurves_.size() < earlier) {
        QPainter painter(&ground_);
        paintEarlierCurves(painter, rect(), set_, groundCurves_.size());
        for (std::size_t i = groundCurves_.size(); i < earlier; ++i)
            groundCurves_.push_back({diagrams[i], set_.input().curves[i].colour, set_.input().curves[i].title});
    }
}

void DiagramView::paintEvent(QPaintEvent*)
{
    if (set_.input().curves.empty())
        return;
    updateGround();
    QPainter painter(this);
    painter.drawPixmap(0, 0, ground_);
    paintLatest(painter, rect(), set_);
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
