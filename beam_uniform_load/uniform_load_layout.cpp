// SPDX-License-Identifier: MIT
#include "uniform_load_layout.h"

using namespace toolkit;

namespace {

constexpr Control kControls[] = {
    {.kind = Kind::CommandButton, .name = "Command2", .left = 5520, .top = 7560, .width = 1575, .height = 495,
     .caption = "離開", .backColor = 0x00FFFFFF, .font = Font{kKai, 15.75, 400, true}, .tabIndex = 2},
};

} // namespace

const Window kUniformLoadWindow{
    .name = "Form3",
    .caption = "Form3",
    .clientWidth = 7605,
    .clientHeight = 6795,
    .backColor = 0x00FFFFC0,
    .foreColor = 0x00C0C0FF,
    .controls = kControls,
};
