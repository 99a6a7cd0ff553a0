// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/form.h"

#include <cstdint>

class QAction;
class QTimer;

namespace toolkit {
class ControlSet;
class Label;
} // namespace toolkit

namespace shell {

class Windows;

extern const toolkit::Window kMainWindow;

struct MainFormControls {
    explicit MainFormControls(const toolkit::ControlSet& controls);

    QTimer& Timer1;
    toolkit::Label& Label1; // the welcome banner
    toolkit::Label& Label2; // the blinking instruction
    QAction& mnu1;
    QAction& mnu2;
    QAction& mnu3;
    QAction& mnu4;
};

// Form1: the start-up window with the background picture, the welcome banner
// and the menu that opens the beam windows.
class MainForm : public toolkit::FormWith<MainFormControls> {
    Q_OBJECT
public:
    MainForm(toolkit::Program& program, Windows& windows);

    std::uint64_t tickCount() const { return tickCount_; }

    // Handlers, public so that tests can run them as the event loop would.
    void Timer1_Timer();
    void mnu1_Click();
    void mnu2_Click();
    void mnu3_Click();
    void mnu4_Click();

private:
    void connectEvents(MainFormControls& controls) override;

    toolkit::Program& program_;
    Windows& windows_;
    // Ticks handled since the program started. Kept exact: it keeps counting,
    // and the instruction keeps blinking, however long the program runs.
    std::uint64_t tickCount_ = 0;
};

} // namespace shell
