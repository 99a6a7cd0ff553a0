// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

extern const toolkit::Window kPointLoadWindow;
