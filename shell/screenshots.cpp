// SPDX-License-Identifier: MIT
// Renders the four windows as a user sees them, for the README: the main
// window as it opens and each beam window after a few changes of its scroll
// bar. Usage: beam-deflection-screenshots OUTPUT_FOLDER
#include "beam_moment_load/moment_load_form.h"
#include "beam_point_load/point_load_form.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "shell/main_form.h"
#include "shell/window_list.h"
#include "toolkit/application.h"
#include "toolkit/form_window.h"

#include <QDir>
#include <QScrollBar>

#include <cstdio>

namespace {

bool save(const toolkit::Form& form, const QDir& folder, const char* name)
{
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromUtf8(name));
    if (!form.window()->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

// Moves the window's scroll bar right `steps` times, as its right arrow does.
void scroll(toolkit::Form& form, int steps)
{
    auto* bar = form.window()->findChild<QScrollBar*>();
    for (int i = 0; i < steps; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::Application app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: beam-deflection-screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;

    shell::Windows windows(app.program());
    shell::MainForm& main = windows.Form1();
    main.Show();
    bool ok = save(main, folder, "main-window.png");

    main.mnu1_Click();
    scroll(windows.Form2(), 10);
    ok = save(windows.Form2(), folder, "point-load-window.png") && ok;
    windows.Form2().Command2_Click();

    main.mnu2_Click();
    scroll(windows.Form3(), 10);
    ok = save(windows.Form3(), folder, "uniform-load-window.png") && ok;
    windows.Form3().Command2_Click();

    main.mnu3_Click();
    scroll(windows.Form4(), 7);
    ok = save(windows.Form4(), folder, "moment-load-window.png") && ok;
    return ok ? 0 : 1;
}
