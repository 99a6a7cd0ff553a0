// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

class QPushButton;

namespace toolkit {
class ControlSet;
} // namespace toolkit

struct PointLoadControls {
    explicit PointLoadControls(const toolkit::ControlSet& controls);

    QPushButton& Command2; // leave
};

// Form2: a simply supported beam of span 20 under a concentrated force
// that the user moves along it.
class PointLoadForm : public toolkit::FormWith<PointLoadControls> {
    Q_OBJECT
public:
    PointLoadForm(toolkit::Program& program, toolkit::Form& mainWindow);

    // Handlers, public so that tests can run them as the event loop would.
    void Command2_Click();

private:
    void connectEvents(PointLoadControls& controls) override;

    toolkit::Form& Form1;
};
