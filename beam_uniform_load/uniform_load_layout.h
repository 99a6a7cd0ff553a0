// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"

// Form3's controls, and the window they make with the uniform-load case.
extern const toolkit::Window kUniformLoadLayout;
extern const beam::BeamWindow kUniformLoadWindow;
