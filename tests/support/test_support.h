// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/form.h"
#include "toolkit/palette.h"

#include <QImage>
#include <QPoint>
#include <QStyle>

class QScrollBar;

namespace toolkit {
class ControlSet;
} // namespace toolkit

// Helpers shared by the GUI tests: driving controls as a user would and
// reading back what the user would see.
namespace test_support {

// The standard look (fonts, style, palette) that the program installs at
// start-up. Call once from initTestCase().
void installLook();

// Runs queued work: deferred deletes, the program's end check, repaints.
void settle();

// Where a part of a scroll bar (arrow, track, thumb) lies in the bar.
QRect scrollBarPart(QScrollBar& bar, QStyle::SubControl part);

// A click on a horizontal scroll bar's right or left arrow button.
void clickRightArrow(QScrollBar& bar);
void clickLeftArrow(QScrollBar& bar);
// Drags the thumb to the position of `value` and releases it there.
void dragThumbTo(QScrollBar& bar, int value);

// A window with nothing in it, standing in for the main window that a beam
// window's leave button shows.
class BlankForm : public toolkit::Form {
public:
    explicit BlankForm(toolkit::Program& program);

private:
    void bind(const toolkit::ControlSet&) override {}
    void release() override {}
};

// What the user sees of a loaded window's client area.
QImage grabClient(const toolkit::Form& form);

// The pixel of a client-area image at a point given in twips.
QRgb pixelAtTwips(const QImage& client, double x, double y);
// The colour as a pixel value, for comparing with image pixels.
QRgb rgb(toolkit::Bgr colour);

} // namespace test_support
