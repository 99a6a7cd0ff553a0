// SPDX-License-Identifier: MIT
#include "point_load_form.h"

#include "point_load_layout.h"

#include "control_set.h"

#include <QPushButton>

using namespace toolkit;

PointLoadControls::PointLoadControls(const ControlSet& controls)
    : Command2(controls.get<QPushButton>("Command2"))
{
}

PointLoadForm::PointLoadForm(Program& program, Form& mainWindow)
    : FormWith(program, kPointLoadWindow)
    , Form1(mainWindow)
{
}

void PointLoadForm::connectEvents(PointLoadControls& c)
{
    connect(&c.Command2, &QPushButton::clicked, this, &PointLoadForm::Command2_Click);
}

// Leave: the main window comes back in front; this window stays open behind
// it with everything on it.
void PointLoadForm::Command2_Click()
{
    Form1.Show();
}
