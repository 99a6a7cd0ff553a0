// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_form.h"

#include "toolkit/number_text.h"

#include <QLineEdit>
#include <QScrollBar>

namespace point_load {

// Plot: the curve for the current position in light cyan. The symbol, the
// legend and ChangeCount stay as they are.
void Form::Command1_Click()
{
    beam::BeamControls& c = controls();
    c.Text1.setText(toolkit::wholeNumberText(c.HScroll1.value()));
    plot(c.HScroll1.value());
}

} // namespace point_load
