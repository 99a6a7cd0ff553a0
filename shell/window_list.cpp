// SPDX-License-Identifier: MIT
#include "shell/window_list.h"

#include "beam_moment_load/moment_load_form.h"
#include "beam_point_load/point_load_form.h"
#include "beam_uniform_load/uniform_load_form.h"

namespace shell {

using beam::makeBeamForm;

namespace {

constexpr BeamWindowEntry kRows[] = {
    {"mnu1", point_load::kWindow, makeBeamForm<point_load::Form>},
    {"mnu2", uniform_load::kWindow, makeBeamForm<uniform_load::Form>},
    {"mnu3", moment_load::kWindow, makeBeamForm<moment_load::Form>},
};

} // namespace

constinit const std::span<const BeamWindowEntry> kBeamWindows = kRows;

} // namespace shell
