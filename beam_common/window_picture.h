// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

class QPainter;
class QRectF;

namespace beam {

class BeamForm;

// How a picture of a window draws its curves: dot by dot as the window plots
// them, so that a picture at the screen's pixel ratio equals the screen pixel
// for pixel, or one line per curve, which stays sharp at any size.
enum class CurveStroke { Dots, Lines };

// Draws a loaded beam window's client area onto any painter, as the window
// shows it: background, figures, labels, legend, the curves of its list of
// curves, and its controls. The controls are part of the picture as they are
// of the window: the text boxes and the scroll bar show the load the curves
// belong to, and a picture at the screen's ratio equals what the user sees.
// Coordinates are the client area's pixels, the layout's twips through the
// toolkit's one conversion; the caller scales to its device. The window, its
// curves and its legend stay as they are.
void drawWindow(QPainter& painter, const BeamForm& form, CurveStroke stroke);

// The client area as an image at twice its size, or at the screen's pixel
// ratio where that is larger.
QImage windowImage(const BeamForm& form);

// The client area as an SVG document at its size: the curves as one path each,
// the texts as text.
QByteArray windowSvg(const BeamForm& form);

// One printed page within `page` (device coordinates): a title line with the
// window's load case and today's date, and under it the client area, as large
// as the rest of the page allows with its proportions kept.
void paintPage(QPainter& painter, const QRectF& page, const BeamForm& form);

} // namespace beam
