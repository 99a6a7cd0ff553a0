// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace toolkit {
class Form;
class Program;
} // namespace toolkit

namespace beam {
class BeamForm;
struct BeamWindow;
} // namespace beam

namespace shell {

class MainForm;

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
