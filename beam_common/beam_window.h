// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/curve.h"
#include "toolkit/layout.h"

#include <optional>
#include <span>

namespace beam {

// Where a window's load symbol stands for the load value n, in twips:
// Left = left + twipsPerUnit · n.
struct SymbolPlacement {
    double left;
    double twipsPerUnit;
};

// What makes one beam window: its layout and its load case. Each window's
// folder defines one beside its layout table.
struct BeamWindow {
    const toolkit::Window& layout;
    const char* loadCase; // the load case's name, as the menu entry and the plot button read
    CurveFunction curve;
    DeflectionFunction deflection; // the same beam's deflection at any x
    double span; // length of the beam, in its own unit
    double beamLeft; // X of x = 0 in the window, twips
    double twipsPerUnit; // along the beam
    const char* loadValueName; // what the load value is, as the legend's heading says
    std::span<const int> changeColours; // QBColor of changes 1, 2, ...; the last serves every later one
    std::span<const char* const> legendLines; // the legend's control arrays, line 1 first
    int plotColour; // QBColor of the plot button's curve
    bool keepsDeflectionTable = false;
    std::optional<SymbolPlacement> symbol = {}; // OLE1 follows the load value
    const char* magnitude = nullptr; // the load's magnitude, shown in Text2
};

} // namespace beam
