// SPDX-License-Identifier: MIT
#include "moment_load_form.h"

#include "moment_load_layout.h"

#include "control_set.h"

#include <QPushButton>

using namespace toolkit;

MomentLoadControls::MomentLoadControls(const ControlSet& controls)
    : Command2(controls.get<QPushButton>("Command2"))
{
}

MomentLoadForm::MomentLoadForm(Program& program, Form& mainWindow)
    : FormWith(program, kMomentLoadWindow)
    , Form1(mainWindow)
{
}

void MomentLoadForm::connectEvents(MomentLoadControls& c)
{
    connect(&c.Command2, &QPushButton::clicked, this, &MomentLoadForm::Command2_Click);
}

// Leave: the main window comes back in front; this window stays open behind
// it with everything on it.
void MomentLoadForm::Command2_Click()
{
    Form1.Show();
}
