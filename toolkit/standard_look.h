// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QColor>
#include <QFont>

class QPushButton;

// What a layout row gets where it leaves a colour or the font unset.
namespace toolkit {

// Maps the two faces of the layout tables onto installed fonts of the same
// styles and makes the program's look independent of the desktop's theme:
// Qt's Fusion style, with text boxes in a sunken three-dimensional border.
void installStandardLook();

// A graphical button: its face is filled flat with `face` rather than shaded.
void setFlatFace(QPushButton& button, const QColor& face);

QColor standardFace(); // backgrounds of windows, labels, frames and buttons
QColor standardText(); // text, and the outlines of lines and shapes
QColor colourOr(const std::optional<Bgr>& colour, const QColor& standard);

// The font of a row, or the window's default font where the row sets none.
QFont fontFor(const std::optional<Font>& font);

} // namespace toolkit
