// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

// The five diagrams stacked on one x axis, painted onto any painter at any
// size: the screen, a printer, a picture.
namespace diagrams {

class DiagramSet;

enum class Panel { Load, Shear, Moment, Slope, Deflection };
inline constexpr int kPanelCount = 5;
inline constexpr std::array<Panel, kPanelCount> kPanels = {Panel::Load, Panel::Shear, Panel::Moment, Panel::Slope,
                                                           Panel::Deflection};

// Where each part lies in the area the diagrams are painted into.
struct DiagramLayout {
    QRectF convention; // the sign convention, above the diagrams
    std::array<QRectF, kPanelCount> panels; // each diagram with its name
    QRectF xAxis; // the x axis's numbers, under the diagrams
    QRectF legend; // who drew each curve, in its colour
    double left; // x = 0
    double right; // x = span
};

DiagramLayout layoutDiagrams(const QRectF& area, const DiagramSet& set);

// The x along the beam at a horizontal position of the layout, or nothing
// outside the span.
std::optional<double> xAtPosition(const DiagramLayout& layout, double span, double position);

// Paints the diagrams of every curve into `area`, the latest emphasised and
// marked, and the cursor at `cursor` along the beam.
void paintDiagrams(QPainter& painter, const QRectF& area, const DiagramSet& set, std::optional<double> cursor);

// The same diagrams in layers, painted one over the other: the ground
// (frames, names, axes and grid), the curves before the latest, then the
// latest curve with its load and its markers, and the legend. The view keeps
// the ground with the earlier curves on it while the layout and the ranges
// stay, and adds to it each curve that stops being the latest.
void paintGround(QPainter& painter, const QRectF& area, const DiagramSet& set);
// The earlier curves of those indices.
void paintEarlierCurves(QPainter& painter, const QRectF& area, const DiagramSet& set,
                        const std::vector<std::size_t>& which);
void paintLatest(QPainter& painter, const QRectF& area, const DiagramSet& set);

// Paints only the cursor at x along the beam, with the latest curve's values
// there, over diagrams painted into the same area.
void paintCursor(QPainter& painter, const QRectF& area, const DiagramSet& set, double x);

// A diagram's name, and a description of the latest curve on it for a
// screen reader: its extreme values and where they lie.
QString panelName(Panel panel);
QString panelDescription(const DiagramSet& set, Panel panel);

// The smallest area in which the diagrams stay legible.
inline constexpr double kMinimumWidth = 440;
inline constexpr double kMinimumHeight = 560;

} // namespace diagrams
