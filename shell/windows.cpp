// SPDX-License-Identifier: MIT
#include "shell/windows.h"

#include "beam_common/beam_form.h"
#include "shell/main_form.h"

namespace shell {

Windows::Windows(toolkit::Program& program)
    : program_(program)
    , beamWindows_(kBeamWindows.size())
{
}

Windows::~Windows() = default;

MainForm& Windows::Form1()
{
    if (!form1_)
        form1_ = std::make_unique<MainForm>(program_, [this](std::size_t index) { beamWindow(index).Show(); });
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
