// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

class QPushButton;

namespace toolkit {
class ControlSet;
} // namespace toolkit

struct UniformLoadControls {
    explicit UniformLoadControls(const toolkit::ControlSet& controls);

    QPushButton& Command2; // leave
};

// Form3: a simply supported beam of span 10 under a uniformly distributed
// load whose size the user sets.
class UniformLoadForm : public toolkit::FormWith<UniformLoadControls> {
    Q_OBJECT
public:
    UniformLoadForm(toolkit::Program& program, toolkit::Form& mainWindow);

    // Handlers, public so that tests can run them as the event loop would.
    void Command2_Click();

private:
    void connectEvents(UniformLoadControls& controls) override;

    toolkit::Form& Form1;
};
