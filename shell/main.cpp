// SPDX-License-Identifier: MIT
#include "shell/main_form.h"
#include "shell/window_list.h"
#include "toolkit/application.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display the toolkit would abort with a long message; say what to do
// instead.
bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// With BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT=1 in the environment the program
// quits once Form1's client area has been painted for the first time, so that
// start-up can be timed from outside (scripts/bench.sh).
class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the paint in progress is finished and shown first.
            QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

bool exitAfterFirstPaint()
{
    const char* value = std::getenv("BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("beam-deflection: no display found; run it on a desktop, or under a virtual one: xvfb-run -a "
                   "./build/shell/beam-deflection\n",
                   stderr);
        return 1;
    }
    toolkit::Application app(argc, argv);
    shell::Windows windows(app.program());
    ExitAfterFirstPaint exitAfterPaint;
    windows.Form1().Show();
    if (exitAfterFirstPaint())
        windows.Form1().window()->clientArea().installEventFilter(&exitAfterPaint);
    return app.exec();
}
