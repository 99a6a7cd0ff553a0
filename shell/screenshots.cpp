// SPDX-License-Identifier: MIT
// Renders the program's windows into PNG files, on Qt's offscreen platform.
// Usage:
//   beam-deflection-screenshots OUTPUT_FOLDER
//     the README's pictures: the main window as it opens, each beam window
//     after up to ten changes of its scroll bar, and the first beam window's
//     diagram window, diagrams.png;
//   beam-deflection-screenshots --states OUTPUT_FOLDER
//     every window in many states, WINDOW-STATE.png, so that a change meant
//     to keep the pixels can be checked: render before and after, then compare
//     the two folders (scripts/render-states.sh does both).
#include "beam_common/beam_form.h"
#include "diagrams/diagram_window.h"
#include "shell/application.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "toolkit/form_window.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool save(QWidget& window, const QDir& folder, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The README's pictures are named after their windows: form1.png, form2.png, ...
bool saveReadmePictures(shell::Windows& windows, const QDir& folder)
{
    shell::MainForm& main = windows.Form1();
    main.Show();
    bool ok = save(*main.window(), folder, QStringLiteral("form1"));
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        main.mnuBeamWindow_Click(i);
        beam::BeamForm& form = windows.beamWindow(i);
        // Right-arrow steps, as many as the bar allows up to ten.
        QScrollBar& bar = form.controls().HScroll1;
        for (int step = std::min(10, bar.maximum()); step > 0; --step)
            bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        ok = save(*form.window(), folder, form.window()->windowTitle().toLower()) && ok;
        if (i == 0) {
            form.showDiagrams();
            ok = save(*form.diagramWindow(), folder, QStringLiteral("diagrams")) && ok;
        }
        form.Command2_Click();
    }
    return ok;
}

// Every beam window from its opening through every value of its bar, past
// its legend's last line, a page step back, the plot button, a clear, typed
// loads (one too large to plot), both ends, and the main window after each.
bool saveManyStates(shell::Windows& windows, const QDir& folder)
{
    bool ok = true;
    const auto state = [&](const toolkit::Form& form, const QString& name) {
        ok = save(*form.window(), folder, form.window()->windowTitle() + u'-' + name) && ok;
    };
    // The message box of a load too large to plot is answered at once.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    answer.start(20);

    shell::MainForm& main = windows.Form1();
    main.Show();
    state(main, QStringLiteral("open"));
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        main.mnuBeamWindow_Click(i);
        beam::BeamForm& form = windows.beamWindow(i);
        state(form, QStringLiteral("open"));
        QScrollBar& bar = form.controls().HScroll1;
        for (int step = 0; step < std::min(30, bar.maximum() - bar.minimum()); ++step) {
            bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
            state(form, QStringLiteral("step%1").arg(step, 2, 10, QLatin1Char('0')));
        }
        bar.triggerAction(QAbstractSlider::SliderPageStepSub);
        state(form, QStringLiteral("page-back"));
        form.Command1_Click();
        state(form, QStringLiteral("plot"));
        form.Command3_Click();
        state(form, QStringLiteral("clear"));
        for (const char* typed : {"2.5", "-5", "abc", "1e30", "1e40", "7"}) {
            form.controls().Text1.setText(QString::fromLatin1(typed));
            form.Command1_Click();
        }
        state(form, QStringLiteral("typed"));
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
        bar.triggerAction(QAbstractSlider::SliderToMinimum);
        state(form, QStringLiteral("ends"));
        form.Command2_Click();
        state(main, QStringLiteral("back-%1").arg(i));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    shell::Application app(argc, argv);
    const bool states = argc == 3 && std::strcmp(argv[1], "--states") == 0;
    if (argc != 2 && !states) {
        std::fputs("usage: beam-deflection-screenshots [--states] OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    shell::Windows windows(app.program());
    const bool ok = states ? saveManyStates(windows, folder) : saveReadmePictures(windows, folder);
    return ok ? 0 : 1;
}
