// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

extern const toolkit::Window kPointLoadWindow;
