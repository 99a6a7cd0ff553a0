// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"

// Form2's controls, and the window they make with the concentrated-load case.
extern const toolkit::Window kPointLoadLayout;
extern const beam::BeamWindow kPointLoadWindow;
