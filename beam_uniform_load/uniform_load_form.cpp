// SPDX-License-Identifier: MIT
#include "uniform_load_form.h"

#include "uniform_load_layout.h"

#include "control_set.h"

#include <QPushButton>

using namespace toolkit;

UniformLoadControls::UniformLoadControls(const ControlSet& controls)
    : Command2(controls.get<QPushButton>("Command2"))
{
}

UniformLoadForm::UniformLoadForm(Program& program, Form& mainWindow)
    : FormWith(program, kUniformLoadWindow)
    , Form1(mainWindow)
{
}

void UniformLoadForm::connectEvents(UniformLoadControls& c)
{
    connect(&c.Command2, &QPushButton::clicked, this, &UniformLoadForm::Command2_Click);
}

// Leave: the main window comes back in front; this window stays open behind
// it with everything on it.
void UniformLoadForm::Command2_Click()
{
    Form1.Show();
}
