// SPDX-License-Identifier: MIT
#include "moment_load_layout.h"

using namespace toolkit;

namespace {

constexpr Control kControls[] = {
    {.kind = Kind::CommandButton, .name = "Command2", .left = 6120, .top = 7080, .width = 2055, .height = 375,
     .caption = "離        開", .font = Font{kMing, 15.75, 700}, .tabIndex = 26},
};

} // namespace

const Window kMomentLoadWindow{
    .name = "Form4",
    .caption = "Form4",
    .clientWidth = 11520,
    .clientHeight = 7470,
    .backColor = 0x00FFFFC0,
    .foreColor = 0x00FFFFC0,
    .placement = ManualPlacement{60, 345},
    .controls = kControls,
};
