// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

class QPushButton;

namespace toolkit {
class ControlSet;
} // namespace toolkit

struct MomentLoadControls {
    explicit MomentLoadControls(const toolkit::ControlSet& controls);

    QPushButton& Command2; // leave
};

// Form4: a simply supported beam of span 7 under a concentrated bending
// moment that the user moves along it.
class MomentLoadForm : public toolkit::FormWith<MomentLoadControls> {
    Q_OBJECT
public:
    MomentLoadForm(toolkit::Program& program, toolkit::Form& mainWindow);

    // Handlers, public so that tests can run them as the event loop would.
    void Command2_Click();

private:
    void connectEvents(MomentLoadControls& controls) override;

    toolkit::Form& Form1;
};
