// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/change_count.h"
#include "toolkit/form.h"
#include "toolkit/legend_grid.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace toolkit {
class ControlSet;
} // namespace toolkit

struct UniformLoadControls {
    explicit UniformLoadControls(const toolkit::ControlSet& controls);

    QLineEdit& Text1; // load size, read at every plot
    QScrollBar& HScroll1; // load size, 0 to 10
    QPushButton& Command1; // plot
    QPushButton& Command2; // leave
    QPushButton& Command3; // clear
    toolkit::LegendGrid legend; // rows Label6 to Label15 in frame1
};

// Form3: a simply supported beam of span 10 under a uniformly distributed
// load whose size the user sets.
class UniformLoadForm : public toolkit::FormWith<UniformLoadControls> {
    Q_OBJECT
public:
    UniformLoadForm(toolkit::Program& program, toolkit::Form& mainWindow);

    // While loaded, tests reach the controls as the handlers do.
    using FormWith::controls;

    const toolkit::ChangeCount& changeCount() const { return ChangeCount; }

    // Handlers, public so that tests can run them as the event loop would.
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void HScroll1_Change();

private:
    void connectEvents(UniformLoadControls& controls) override;
    void draw();
    void plotLoad(int colour);

    toolkit::Form& Form1;
    // Window state: kept while the window is closed and loaded again.
    toolkit::ChangeCount ChangeCount;
};
