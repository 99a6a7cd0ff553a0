// SPDX-License-Identifier: MIT
#include "toolkit/program.h"

#include "toolkit/form.h"

#include <QTimer>

namespace toolkit {

void Program::End()
{
    if (ended_)
        return;
    ended_ = true;
    for (Form* form : forms_)
        form->discard();
    loaded_ = 0;
    Q_EMIT ended();
}

void Program::windowUnloaded()
{
    --loaded_;
    // Checked once the running handler has ended: a menu entry unloads the
    // main window before it shows the next one.
    if (loaded_ == 0) {
        QTimer::singleShot(0, this, [this] {
            if (loaded_ == 0)
                End();
        });
    }
}

} // namespace toolkit
