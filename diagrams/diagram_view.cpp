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
    const auto& curves = set_.input().curves;
    const std::array<Range, 4> ranges{set_.shear, set_.moment, set_.slope, set_.deflection};
    const auto sameRange = [](const Range& a, const Range& b) { return a.low == b.low && a.high == b.high; };
    const QRectF legend = layoutDiagrams(rect(), set_).legend;
    const auto shown = [&](const GroundCurve& curve) {
        for (std::size_t i = 0; i < curves.size(); ++i)
            if (diagrams[i] == curve.diagram && curves[i].colour == curve.colour)
                return true;
        return false;
    };
    // The ground stays while it lies where it did and every curve on it is
    // still shown: a curve that is now the latest lies under the latest's
    // wider line of the same colour.
    const bool kept = !ground_.isNull() && ground_.size() == size() * devicePixelRatioF() && legend == groundLegend_
                      && std::ranges::equal(ranges, groundRanges_, sameRange)
                      && std::ranges::all_of(groundCurves_, shown);
    if (!kept) {
        ground_ = QPixmap(size() * devicePixelRatioF());
        ground_.setDevicePixelRatio(devicePixelRatioF());
        groundCurves_.clear();
        groundRanges_ = ranges;
        groundLegend_ = legend;
        QPainter painter(&ground_);
        paintGround(painter, rect(), set_);
    }
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i + 1 < curves.size(); ++i) {
        const GroundCurve curve{diagrams[i], curves[i].colour};
        if (std::ranges::none_of(groundCurves_, [&](const GroundCurve& on) {
                return on.diagram == curve.diagram && on.colour == curve.colour;
            })) {
            missing.push_back(i);
            groundCurves_.push_back(curve);
        }
    }
    if (!missing.empty()) {
        QPainter painter(&ground_);
        paintEarlierCurves(painter, rect(), set_, missing);
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
