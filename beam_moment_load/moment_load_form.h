// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/change_count.h"
#include "toolkit/deflection_table.h"
#include "toolkit/form.h"
#include "toolkit/legend_grid.h"

#include <cstdint>

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace toolkit {
class ControlSet;
class PictureBox;
} // namespace toolkit

struct MomentLoadControls {
    explicit MomentLoadControls(const toolkit::ControlSet& controls);

    QLineEdit& Text1; // moment position
    QLineEdit& Text2; // moment magnitude
    QScrollBar& HScroll1;
    toolkit::PictureBox& OLE1; // the moment symbol
    QPushButton& Command1; // plot
    QPushButton& Command2; // leave
    QPushButton& Command3; // clear
    toolkit::LegendGrid legend; // rows Label5 to Label11 in frame1
};

// Form4: a simply supported beam of span 7 under a concentrated bending
// moment that the user moves along it.
class MomentLoadForm : public toolkit::FormWith<MomentLoadControls> {
    Q_OBJECT
public:
    MomentLoadForm(toolkit::Program& program, toolkit::Form& mainWindow);

    const toolkit::ChangeCount& changeCount() const { return ChangeCount; }
    const toolkit::DeflectionTable& deflectionTable() const { return DeflectionTable; }

    // Handlers, public so that tests can run them as the event loop would.
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void HScroll1_Change();

private:
    void connectEvents(MomentLoadControls& controls) override;
    std::int16_t showPosition();

    toolkit::Form& Form1;
    // Window state: outlives the widgets, so a reload keeps it.
    toolkit::ChangeCount ChangeCount;
    toolkit::DeflectionTable DeflectionTable;
};
