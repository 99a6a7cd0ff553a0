// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"

// Form4's controls, and the window they make with the moment-load case.
extern const toolkit::Window kMomentLoadLayout;
extern const beam::BeamWindow kMomentLoadWindow;
