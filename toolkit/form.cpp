// SPDX-License-Identifier: MIT
#include "toolkit/form.h"

#include "toolkit/client_area.h"
#include "toolkit/control_set.h"
#include "toolkit/form_window.h"
#include "toolkit/units.h"

#include <QTimer>

namespace toolkit {

Form::Form(Program& program, const Window& layout)
    : program_(program)
    , layout_(layout)
{
    QObject::connect(&program_, &Program::ending, this, &Form::discard);
}

Form::~Form()
{
    delete window_;
}

void Form::Show()
{
    if (program_.hasEnded())
        return;
    if (window_ == nullptr) {
        window_ = new FormWindow(layout_);
        bind(window_->buildControls());
        connect(window_, &FormWindow::closeRequested, this, &Form::Unload);
        program_.windowLoaded();
        Form_Load();
        window_->place();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Form::Unload()
{
    if (window_ == nullptr)
        return;
    discard();
    program_.windowUnloaded();
}

void Form::discard()
{
    if (window_ == nullptr)
        return;
    release();
    // No handler of this window runs once it is unloaded: not a timer tick, not
    // an event still queued for one of its controls.
    window_->disconnect(this);
    for (QObject* control : window_->findChildren<QObject*>())
        control->disconnect(this);
    for (QTimer* timer : window_->findChildren<QTimer*>())
        timer->stop();
    // Deleted later: the handler that unloads its own window is still running.
    window_->hide();
    window_->deleteLater();
    window_ = nullptr;
}

float Form::ScaleWidth() const
{
    return float(pixelsToTwips(window_->clientArea().width()));
}

DrawingSurface& Form::surface() const
{
    return window_->clientArea().surface();
}

} // namespace toolkit
