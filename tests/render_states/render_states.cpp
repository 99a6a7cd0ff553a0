// SPDX-License-Identifier: MIT
// Renders every window in many states into PNG files, so that a change meant
// to keep the pixels can be checked: render before and after, then compare the
// two folders (scripts/render-states.sh does both). Usage:
// render-states OUTPUT_FOLDER
#include "beam_common/beam_form.h"
#include "shell/application.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "toolkit/form_window.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>

namespace {

class Renderer {
public:
    explicit Renderer(const QDir& folder)
        : folder_(folder)
    {
    }

    // One picture of the whole window, named after the window and the step.
    void save(const toolkit::Form& form, const QString& state)
    {
        QCoreApplication::processEvents();
        const QString path = folder_.filePath(QStringLiteral("%1-%2.png").arg(form.window()->windowTitle(), state));
        if (!form.window()->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok_ = false;
        }
    }
    bool ok() const { return ok_; }

private:
    QDir folder_;
    bool ok_ = true;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    shell::Application app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: render-states OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    Renderer renderer(folder);
    // A message box (a typed load too large to plot) is answered at once.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    answer.start(20);

    shell::Windows windows(app.program());
    shell::MainForm& main = windows.Form1();
    main.Show();
    renderer.save(main, QStringLiteral("open"));

    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        main.mnuBeamWindow_Click(i);
        beam::BeamForm& form = windows.beamWindow(i);
        renderer.save(form, QStringLiteral("open"));
        QScrollBar& bar = form.controls().HScroll1;
        // Every value from the left end, one arrow step at a time, past the
        // legend's last line; then back down in page steps.
        int step = 0;
        for (int value = bar.minimum(); value < bar.maximum() && step < 30; ++value, ++step) {
            bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
            renderer.save(form, QStringLiteral("step%1").arg(step, 2, 10, QLatin1Char('0')));
        }
        bar.triggerAction(QAbstractSlider::SliderPageStepSub);
        renderer.save(form, QStringLiteral("page-back"));
        form.Command1_Click();
        renderer.save(form, QStringLiteral("plot"));
        form.Command3_Click();
        renderer.save(form, QStringLiteral("clear"));
        // Typed loads, where the plot button reads the text box.
        for (const char* typed : {"2.5", "-5", "abc", "1e30", "1e40", "7"}) {
            form.controls().Text1.setText(QString::fromLatin1(typed));
            form.Command1_Click();
        }
        renderer.save(form, QStringLiteral("typed"));
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
        bar.triggerAction(QAbstractSlider::SliderToMinimum);
        renderer.save(form, QStringLiteral("ends"));
        form.Command2_Click();
        renderer.save(main, QStringLiteral("back-%1").arg(i));
    }
    return renderer.ok() ? 0 : 1;
}
