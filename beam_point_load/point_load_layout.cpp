// SPDX-License-Identifier: MIT
#include "point_load_layout.h"

using namespace toolkit;

namespace {

constexpr Control kControls[] = {
    {.kind = Kind::CommandButton, .name = "Command2", .left = 7680, .top = 6960, .width = 1335, .height = 495,
     .caption = "離 開 ", .font = Font{kMing, 12}, .tabIndex = 1},
};

} // namespace

const Window kPointLoadWindow{
    .name = "Form2",
    .caption = "Form2",
    .clientWidth = 8115,
    .clientHeight = 6270,
    .backColor = 0x00C0FFC0,
    .controls = kControls,
};
