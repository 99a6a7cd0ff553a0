// SPDX-License-Identifier: MIT
#include "toolkit/picture_box.h"

#include "toolkit/units.h"

#include <QPainter>

namespace toolkit {

PictureBox::PictureBox(const Control& row, QWidget* parent)
    : QWidget(parent)
    , drawing_(QString::fromUtf8(row.picture))
    , left_(float(row.left))
    , top_(row.top)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(twipsToRect(row.left, row.top, row.width, row.height));
}

void PictureBox::setLeftTwips(float left)
{
    left_ = left;
    move(twipsToPixels(left_), twipsToPixels(top_));
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (recorded_.isNull()) {
        QPainter recorder(&recorded_);
        recorder.setRenderHint(QPainter::Antialiasing);
        drawing_.render(&recorder, QRectF(twipsToRect(0, 0, kPlaneWidthTwips, kPlaneHeightTwips)));
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPicture(0, 0, recorded_);
}

} // namespace toolkit
