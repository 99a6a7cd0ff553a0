// SPDX-License-Identifier: MIT
#pragma once

#include "shell/window_list.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace toolkit {
class Program;
} // namespace toolkit

namespace beam {
class BeamForm;
} // namespace beam

namespace shell {

class MainForm;

// The program's windows. Each window object is created at its first use and
// lives until the program ends, so its state outlives its widgets.
class Windows {
public:
    explicit Windows(toolkit::Program& program);
    ~Windows();

    MainForm& Form1();
    // The window of kBeamWindows[index].
    beam::BeamForm& beamWindow(std::size_t index);

private:
    toolkit::Program& program_;
    std::unique_ptr<MainForm> form1_;
    // Declared after Form1: each beam window keeps a reference to it.
    std::vector<std::unique_ptr<beam::BeamForm>> beamWindows_;
};

} // namespace shell
