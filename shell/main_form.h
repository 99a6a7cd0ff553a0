// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/form.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QTimer;

namespace toolkit {
class ControlSet;
class Label;
} // namespace toolkit

namespace shell {

// Form1's layout: its own controls, then a menu entry for each beam window of
// the window list, then 結束.
extern const toolkit::Window kMainWindow;

struct MainFormControls {
    explicit MainFormControls(const toolkit::ControlSet& controls);

    QTimer& Timer1;
    toolkit::Label& Label1; // the welcome banner
    toolkit::Label& Label2; // the blinking instruction
    std::vector<QAction*> beamEntries; // one per beam window of the list, mnu1 on
    QAction& mnu4; // 結束: ends the program
};

// Form1: the start-up window with the background picture, the welcome banner
// and the menu that opens the beam windows.
class MainForm : public toolkit::FormWith<MainFormControls> {
    Q_OBJECT
public:
    // `openBeamWindow(index)` shows the window of kBeamWindows[index].
    MainForm(toolkit::Program& program, std::function<void(std::size_t index)> openBeamWindow);

    std::uint64_t tickCount() const { return tickCount_; }

    // Handlers, public so that tests can run them as the event loop would.
    void Timer1_Timer();
    // The menu entry of kBeamWindows[index].
    void mnuBeamWindow_Click(std::size_t index);
    void mnu4_Click();

private:
    void connectEvents(MainFormControls& controls) override;

    toolkit::Program& program_;
    std::function<void(std::size_t index)> openBeamWindow_;
    // Ticks handled since the program started. Kept exact: it keeps counting,
    // and the instruction keeps blinking, however long the program runs.
    std::uint64_t tickCount_ = 0;
};

} // namespace shell
