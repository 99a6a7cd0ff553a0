// SPDX-License-Identifier: MIT
// Renders the four windows as a user sees them, for the README: the main
// window as it opens and each beam window after up to ten changes of its
// scroll bar; and the first beam window's diagram window, diagrams.png.
// Usage: beam-deflection-screenshots OUTPUT_FOLDER
#include "beam_common/beam_form.h"
#include "diagrams/diagram_window.h"
#include "shell/application.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "toolkit/form_window.h"

#include <QDir>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>

namespace {

// The picture of a window is named after it: form1.png, form2.png, ...
bool save(QWidget& window, const QDir& folder, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

bool save(const toolkit::Form& form, const QDir& folder)
{
    return save(*form.window(), folder, form.window()->windowTitle().toLower());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    shell::Application app(argc, argv);
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
    bool ok = save(main, folder);

    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        main.mnuBeamWindow_Click(i);
        beam::BeamForm& form = windows.beamWindow(i);
        // Right-arrow steps, as many as the bar allows up to ten.
        QScrollBar& bar = form.controls().HScroll1;
        for (int step = std::min(10, bar.maximum()); step > 0; --step)
            bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        ok = save(form, folder) && ok;
        if (i == 0) {
            form.showDiagrams();
            ok = save(*form.diagramWindow(), folder, QStringLiteral("diagrams")) && ok;
        }
        form.Command2_Click();
    }
    return ok ? 0 : 1;
}
