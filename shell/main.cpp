// SPDX-License-Identifier: MIT
#include "application.h"
#include "main_form.h"
#include "windows.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

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

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("beam-deflection: no display found; run it on a desktop, or under a virtual one: xvfb-run -a ./build/shell/beam-deflection\n", stderr);
        return 1;
    }
    toolkit::Application app(argc, argv);
    shell::Windows windows(app.program());
    windows.Form1().Show();
    return app.exec();
}
