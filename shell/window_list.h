// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <span>

namespace toolkit {
class Form;
class Program;
} // namespace toolkit

namespace beam {
class BeamForm;
struct BeamWindow;
} // namespace beam

namespace shell {

// One beam window: the main window's menu entry that opens it (its caption is
// the window's load case) and how to make the window.
struct BeamWindowEntry {
    const char* menu; // the entry's control name, mnu1
    const beam::BeamWindow& window;
    std::unique_ptr<beam::BeamForm> (*create)(toolkit::Program& program, toolkit::Form& mainWindow,
                                              const beam::BeamWindow& window);
};

// The beam windows, in the order of the main window's menu bar, where 結束
// follows them. A new beam window is its folder and one row here.
extern const std::span<const BeamWindowEntry> kBeamWindows;

} // namespace shell
