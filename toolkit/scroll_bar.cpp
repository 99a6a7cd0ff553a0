// SPDX-License-Identifier: MIT
#include "toolkit/scroll_bar.h"

#include "toolkit/units.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace toolkit {

ScrollBar::ScrollBar(const Control& row, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(0, row.max);
    setSingleStep(1);
    setPageStep(1);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    // No context menu, neither the bar's own nor its window's: a right click
    // does nothing.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setGeometry(twipsToRect(row.left, row.top, row.width, row.height));
}

bool ScrollBar::event(QEvent* event)
{
    const bool handled = QScrollBar::event(event);
    // The style lights up the part under the pointer; the bar has no such
    // look, and every move over it would paint the bar again.
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_Hover, false);
    return handled;
}

void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    // Left and up step down, right and down step up, whatever the style's
    // idea of inverted controls.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ScrollBar::mousePressEvent(QMouseEvent* event)
{
    // The style lets the middle button put the thumb where it is pressed.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QScrollBar::mousePressEvent(event);
}

} // namespace toolkit
