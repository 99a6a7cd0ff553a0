// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/change_count.h"
#include "toolkit/deflection_table.h"
#include "toolkit/form.h"
#include "toolkit/legend_grid.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace toolkit {
class ControlSet;
class PictureBox;
} // namespace toolkit

struct PointLoadControls {
    explicit PointLoadControls(const toolkit::ControlSet& controls);

    QLineEdit& Text1; // current position
    QLineEdit& Text2; // force magnitude
    QScrollBar& HScroll1; // position of the force, 0 to 20
    QPushButton& Command1; // plot
    QPushButton& Command2; // leave
    QPushButton& Command3; // clear
    toolkit::PictureBox& OLE1; // load symbol
    toolkit::LegendGrid legend; // columns Label5 to Label25 in frame1
};

// Form2: a simply supported beam of span 20 under a concentrated force
// that the user moves along it.
class PointLoadForm : public toolkit::FormWith<PointLoadControls> {
    Q_OBJECT
public:
    PointLoadForm(toolkit::Program& program, toolkit::Form& mainWindow);

    const toolkit::ChangeCount& changeCount() const { return ChangeCount; }
    const toolkit::DeflectionTable& deflectionTable() const { return DeflectionTable; }

    // Handlers, public so that tests can run them as the event loop would.
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void HScroll1_Change();

private:
    void connectEvents(PointLoadControls& controls) override;

    toolkit::Form& Form1;
    // Window state: kept while the window is closed and loaded again.
    toolkit::ChangeCount ChangeCount;
    toolkit::DeflectionTable DeflectionTable;
};
