// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/output_source.h"

#include <vector>

class QPainter;
class QWidget;

namespace toolkit {
class ClientArea;
} // namespace toolkit

namespace beam {

class CurveList;
struct BeamWindow;

// Every beam window plots a curve as one dot per sample, this many pixels across.
inline constexpr int kCurveDotWidth = 2;

// What a beam window's output needs of it: the loaded window's client area,
// its description and the curves on it, and the controls with the labels
// that name them, which the figure alone leaves out.
struct BeamView {
    const toolkit::ClientArea& clientArea;
    const BeamWindow& window;
    const CurveList& curves;
    std::vector<const QWidget*> controls = {};
};

// Draws a loaded beam window's client area onto any painter, as the window
// shows it: background, figures, labels, legend, the curves of its list of
// curves, and its controls. The controls are part of the picture as they are
// of the window: the text boxes and the scroll bar show the load the curves
// belong to, and a picture at the screen's ratio equals what the user sees.
// Coordinates are the client area's pixels, the layout's twips through the
// toolkit's one conversion; the caller scales to its device. The window, its
// curves and its legend stay as they are.
void drawWindow(QPainter& painter, const BeamView& view, CurveStroke stroke);

// The same without the controls and their labels, on white: the drawing, its
// curves and the legend, for a page to hand out.
void drawFigure(QPainter& painter, const BeamView& view, CurveStroke stroke);

// A beam window's output: that picture, titled with its load case and headed
// with its numbers, the figure alone, and the table of its curves.
OutputSource beamOutput(const BeamView& view);

} // namespace beam
