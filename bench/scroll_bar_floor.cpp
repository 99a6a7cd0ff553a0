// SPDX-License-Identifier: MIT
// The floor the program's whole-process figures are set against: a bare Qt
// window with one scroll bar like the concentrated-load window's HScroll1
// (same place, size, range and Fusion style) and nothing that reacts to it.
// scripts/bench.sh and scripts/process-cpu.py measure it beside the program:
// its start, its memory and its CPU per arrow click on the bar.
#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>

namespace {

// Ends the program once the window has been painted for the first time, as
// the program does with the same switch (shell/main.cpp).
class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    // The concentrated-load window's size and its bar's place, in pixels
    // (its layout's twips at 15 twips a pixel).
    QWidget window;
    window.setWindowTitle(QStringLiteral("ScrollBarFloor"));
    window.resize(593, 513);
    QScrollBar bar(Qt::Horizontal, &window);
    bar.setGeometry(488, 64, 97, 25);
    bar.setRange(0, 20);
    bar.setSingleStep(1);
    bar.setPageStep(1);
    bar.setTracking(false);
    bar.setFocusPolicy(Qt::StrongFocus);

    ExitAfterFirstPaint exitAfterPaint;
    const char* exitSwitch = std::getenv("BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT");
    if (exitSwitch != nullptr && std::strcmp(exitSwitch, "1") == 0)
        window.installEventFilter(&exitAfterPaint);
    window.show();
    return QApplication::exec();
}
