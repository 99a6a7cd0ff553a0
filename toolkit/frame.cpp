// SPDX-License-Identifier: MIT
#include "toolkit/frame.h"

#include "toolkit/standard_look.h"
#include "toolkit/units.h"

#include <QPainter>

namespace toolkit {

namespace {

// Where the caption starts, from the frame's left edge.
constexpr int kCaptionIndent = 8;

} // namespace

Frame::Frame(const Control& row, QWidget* parent)
    : QWidget(parent)
    , caption_(QString::fromUtf8(row.caption))
    , backColor_(colourOr(row.backColor, standardFace()))
    , foreColor_(colourOr(row.foreColor, standardText()))
{
    setFont(fontFor(row.font));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(twipsToRect(row.left, row.top, row.width, row.height));
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);

    // The etched line: a shadow line with a light line just inside and below it.
    const int top = fontMetrics().height() / 2;
    const QRect border = rect().adjusted(0, top, -2, -2);
    painter.setPen(QPen(palette().color(QPalette::Dark), 0));
    painter.drawRect(border);
    painter.setPen(QPen(palette().color(QPalette::Light), 0));
    painter.drawRect(border.translated(1, 1));

    if (caption_.isEmpty())
        return;
    const QRect text(kCaptionIndent, 0, fontMetrics().horizontalAdvance(caption_) + 2, fontMetrics().height());
    painter.fillRect(text, backColor_);
    painter.setPen(foreColor_);
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

} // namespace toolkit
