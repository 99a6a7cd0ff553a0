// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;
class QWidget;

namespace beam {

// How a picture of a window draws its curves: dot by dot as the window plots
// them, so that a picture at the screen's pixel ratio equals the screen pixel
// for pixel, or one line per curve, which stays sharp at any size.
enum class CurveStroke { Dots, Lines };

// What a window gives its output, without the window itself: the client area
// its picture shows, a title, how to draw that picture and the table of its
// data. Any kind of window can print, save, copy and export through it.
struct OutputSource {
    // The picture's size and pixel ratio, and the window that the dialogs and
    // messages stand over.
    const QWidget& clientArea;
    // Names the printed page, the proposed file and the SVG document.
    QString title;
    // Draws the client area onto any painter, in its pixels: the caller
    // scales to its device. The window stays as it is.
    std::function<void(QPainter& painter, CurveStroke stroke)> draw;
    // The window's data as a CSV table.
    std::function<QByteArray()> table;
    // Lines under the printed page's title: the numbers the picture shows.
    QStringList heading = {};
    // Draws the figure alone, for a page to hand out: for a beam window the
    // drawing and its legend on white, without the controls. Where a source
    // has none, that page shows the whole picture.
    std::function<void(QPainter& painter, CurveStroke stroke)> drawFigure = {};
};

} // namespace beam
