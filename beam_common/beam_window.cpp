// SPDX-License-Identifier: MIT
#include "beam_common/beam_window.h"

#include <variant>

namespace beam {

Curve sampleCurve(const physics::LoadCase& beam, const WindowMapping& mapping)
{
    // The load case is chosen, and its coefficients worked out, once per
    // curve, not once per sample.
    return std::visit([&mapping](const auto& load) { return sampleAlong(load.span, load.elastic(), mapping.plot); },
                      beam);
}

} // namespace beam
