// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"
#include "toolkit/layout.h"

namespace uniform_load {

// Form3's controls, and the window they make with the uniform-load case.
extern const toolkit::Window kLayout;
extern const beam::BeamWindow kWindow;

} // namespace uniform_load
