// SPDX-License-Identifier: MIT
#include "shell/window_list.h"

#include "beam_moment_load/moment_load_form.h"
#include "beam_moment_load/moment_load_layout.h"
#include "beam_point_load/point_load_form.h"
#include "beam_point_load/point_load_layout.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "beam_uniform_load/uniform_load_layout.h"
#include "shell/main_form.h"

namespace shell {

using beam::makeBeamForm;

namespace {

constexpr BeamWindowEntry kRows[] = {
    {"mnu1", kPointLoadWindow, makeBeamForm<PointLoadForm>},
    {"mnu2", kUniformLoadWindow, makeBeamForm<UniformLoadForm>},
    {"mnu3", kMomentLoadWindow, makeBeamForm<MomentLoadForm>},
};

} // namespace

constinit const std::span<const BeamWindowEntry> kBeamWindows = kRows;

Windows::Windows(toolkit::Program& program)
    : program_(program)
    , beamWindows_(kBeamWindows.size())
{
}

Windows::~Windows() = default;

MainForm& Windows::Form1()
{
    if (!form1_)
        form1_ = std::make_unique<MainForm>(program_, *this);
    return *form1_;
}

beam::BeamForm& Windows::beamWindow(std::size_t index)
{
    std::unique_ptr<beam::BeamForm>& form = beamWindows_.at(index);
    if (!form) {
        const BeamWindowEntry& entry = kBeamWindows[index];
        form = entry.create(program_, Form1(), entry.window);
    }
    return *form;
}

} // namespace shell
