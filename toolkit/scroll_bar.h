// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QScrollBar>

namespace toolkit {

// A horizontal scroll bar holding a whole number from 0 to Max. Arrow buttons,
// arrow keys and clicks in the track move it by 1; dragging the thumb changes
// the value once, where the thumb is released.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ScrollBar(const Control& row, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace toolkit
