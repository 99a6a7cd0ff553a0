// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"
#include "toolkit/layout.h"

namespace point_load {

// Form2's controls, and the window they make with the concentrated-load case.
extern const toolkit::Window kLayout;
extern const beam::BeamWindow kWindow;

} // namespace point_load
