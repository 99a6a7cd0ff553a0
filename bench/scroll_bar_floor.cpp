// SPDX-License-Identifier: MIT
// The floor the program's whole-process figures are set against: a bare Qt
// window with one scroll bar like the concentrated-load window's HScroll1
// (same place, size, range and Fusion style) and nothing that reacts to it.
// scripts/bench.sh and scripts/process-cpu.py measure it beside the program:
// its start, its memory and its CPU per arrow click on the bar.
#include "shell/exit_after_first_paint.h"

#include <QApplication>
#include <QScrollBar>
#include <QWidget>

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

    shell::exitAfterFirstPaintOf(window);
    window.show();
    return QApplication::exec();
}
