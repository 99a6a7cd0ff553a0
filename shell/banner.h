// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The welcome banner of the main window: each tick moves the welcome line left
// by a twentieth of its width, brings it back at the right edge once it has
// left the client area, and blinks the instruction.
namespace shell {

// Label1.Left after one tick, in twips. Positions are single precision; each
// step is worked out in double precision and rounded back, as the label's
// property holds it.
float bannerLeftAfterTick(float left, float width, float scaleWidth);

// The instruction is normal at even tick counts and greyed at odd ones.
inline bool instructionEnabled(std::uint64_t tickCount)
{
    return tickCount % 2 == 0;
}

} // namespace shell
