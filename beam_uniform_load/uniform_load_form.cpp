// SPDX-License-Identifier: MIT
#include "beam_uniform_load/uniform_load_form.h"

#include "toolkit/number_reader.h"

#include <QLineEdit>

namespace uniform_load {

// Plot: the curve for the load in Text1, read as leniently as the user may
// type it, in light green. The legend, ChangeCount and the scroll bar stay as
// they are.
void Form::Command1_Click()
{
    plot(toolkit::readLeadingNumber(controls().Text1.text()));
}

} // namespace uniform_load
