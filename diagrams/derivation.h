// SPDX-License-Identifier: MIT
#pragma once

#include "physics/beam.h"

#include <QString>

// The derivation of a beam's deflection, from the reactions to the greatest
// deflection, with the numbers of its load filled in. No widgets.
namespace diagrams {

struct DiagramInput;

// The numbers the derivation finds, each from the formula it writes out.
struct Derivation {
    physics::Reactions reactions;
    double c1; // EI·θ(0), from y(L) = 0
    double c2; // EI·y(0), from y(0) = 0
    physics::Extremes greatest; // as the read-outs give them
};

Derivation derivationOf(const physics::LoadCase& beam);

// The derivation for the input's latest curve, as rich text in Traditional
// Chinese.
QString derivationHtml(const DiagramInput& input);

} // namespace diagrams
