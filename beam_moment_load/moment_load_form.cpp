// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_form.h"

#include <QScrollBar>

namespace moment_load {

// Plot: the symbol moves to the current position, whose curve is drawn in
// light green; the legend and ChangeCount stay as they are.
void Form::Command1_Click()
{
    showLoadValue();
    plot(controls().HScroll1.value());
}

} // namespace moment_load
