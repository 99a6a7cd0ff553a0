// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"
#include "toolkit/layout.h"

namespace moment_load {

// Form4's controls, and the window they make with the moment-load case.
extern const toolkit::Window kLayout;
extern const beam::BeamWindow kWindow;

} // namespace moment_load
