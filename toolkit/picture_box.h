// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QPicture>
#include <QSvgRenderer>
#include <QWidget>

namespace toolkit {

// A box showing a fixed vector drawing (a load symbol) at its natural size
// from the box's top-left corner, cut off by the box. The box is transparent
// around the drawing and takes no part in interaction. Like a label, its Left
// is kept in twips as a float.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const Control& row, QWidget* parent);

    float leftTwips() const { return left_; }
    void setLeftTwips(float left);

    // Size of the drawing's whole logical plane, 3 × 2 inches.
    static constexpr double kPlaneWidthTwips = 3 * 1440;
    static constexpr double kPlaneHeightTwips = 2 * 1440;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer drawing_;
    // The drawing's painting commands, recorded once: rendering the drawing
    // again at every move would lay out its text again each time.
    QPicture recorded_;
    float left_;
    int top_;
};

} // namespace toolkit
