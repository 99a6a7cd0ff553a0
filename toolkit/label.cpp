// SPDX-License-Identifier: MIT
#include "toolkit/label.h"

#include "toolkit/standard_look.h"
#include "toolkit/units.h"

#include <QPainter>

namespace toolkit {

Label::Label(const Control& row, QWidget* parent)
    : QLabel(parent)
    , bordered_(row.borderStyle == BorderStyle::Single)
    , autoSize_(row.autoSize)
    , left_(float(row.left))
    , top_(float(row.top))
{
    setFont(fontFor(row.font));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colourOr(row.backColor, standardFace()));
    // Only the enabled look takes ForeColor; a disabled label keeps the
    // style's greyed text and its box.
    const QColor text = colourOr(row.foreColor, standardText());
    colours.setColor(QPalette::Active, QPalette::WindowText, text);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, text);
    setPalette(colours);

    if (bordered_)
        setContentsMargins(1, 1, 1, 1);
    const Qt::Alignment horizontal = row.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
    setWordWrap(!autoSize_);
    setText(QString::fromUtf8(row.caption));
    setGeometry(twipsToRect(row.left, row.top, row.width, row.height));
    place();
}

void Label::setCaption(const QString& caption)
{
    // Legend cells are often written with what they show already (a clear
    // empties every cell, the last line takes its number again at every
    // change past the table); only a new text is laid out again.
    if (caption == text())
        return;
    setText(caption);
    place();
}

void Label::setBackColor(Bgr colour)
{
    if (palette().color(QPalette::Window) == toQColor(colour))
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(colour));
    setPalette(colours);
}

void Label::setLeftTwips(float left)
{
    left_ = left;
    place();
}

float Label::widthTwips() const
{
    return float(pixelsToTwips(width()));
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (bordered_) {
        // A single black line inside the box, whatever the text colour.
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Label::place()
{
    if (autoSize_)
        resize(sizeHint());
    move(twipsToPixels(left_), twipsToPixels(top_));
}

} // namespace toolkit
