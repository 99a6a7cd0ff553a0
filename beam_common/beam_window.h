// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/curve.h"
#include "physics/beam.h"
#include "toolkit/layout.h"

#include <optional>
#include <span>

namespace beam {

// Where a window shows its beam, in client-area twips: the one mapping from the
// beam's numbers to the window, which the plot, the read-out and the load
// symbol all use. Each window's folder defines its own beside its load case.
struct WindowMapping {
    // Where the window plots the deflection at x (downward positive), or
    // nothing when single precision cannot hold the point.
    std::optional<PlotPoint> (*plot)(double x, double deflection);
    // The x along the beam under a client-area X: the inverse of the plot's X.
    double (*alongBeam)(double twips);
    // The load symbol's Left for a load value, where the symbol follows it.
    float (*symbolLeft)(int loadValue) = nullptr;
};

// The deflection curve of `beam`, sampled as every window samples it and
// plotted by a window's mapping; empty when the mapping cannot plot a sample.
Curve sampleCurve(const physics::LoadCase& beam, const WindowMapping& mapping);

// A control as a screen reader names it: by the label the window shows as its
// heading or caption, and the label of its unit after it, where there is one.
struct ControlCaption {
    const char* control;
    const char* label;
    int labelIndex = toolkit::kNoIndex;
    const char* unit = nullptr;
};

// What makes one beam window: its layout, its load case and how it shows it.
// Each window's folder defines one beside its layout table.
struct BeamWindow {
    const toolkit::Window& layout;
    const char* loadCase; // the load case's name, as the menu entry and the plot button read
    physics::LoadCase (*beamUnder)(double load); // the window's beam under a load value (a position or a size)
    WindowMapping mapping;
    const char* loadValueName; // what the load value is, as the legend's heading says
    const char* legendLineWord; // what one legend line is: a column (欄) or a row (列)
    std::span<const int> changeColours; // QBColor of changes 1, 2, ...; the last serves every later one
    std::span<const char* const> legendLines; // the legend's control arrays, line 1 first
    int plotColour; // QBColor of the plot button's curve
    bool keepsDeflectionTable = false;
    const char* magnitude = nullptr; // the load's magnitude, shown in Text2
    std::span<const ControlCaption> captions; // of the scroll bar and the text boxes

    // The length of the beam, in its own unit.
    double span() const { return physics::span(beamUnder(0)); }
    // The window's deflection curve for one load value. It is pure: the same
    // load gives the same samples, so a window keeps only the load of each
    // curve it has drawn and computes the samples again when needed.
    Curve curve(double load) const { return sampleCurve(beamUnder(load), mapping); }
};

} // namespace beam
