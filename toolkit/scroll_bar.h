// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QScrollBar>

namespace toolkit {

// A horizontal scroll bar holding a whole number from 0 to Max. Arrow buttons,
// arrow keys and clicks in the track move it by 1; dragging the thumb changes
// the value once, where the thumb is released. Nothing else moves it: the
// middle button and a context menu, which would jump the value, are off.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ScrollBar(const Control& row, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace toolkit
