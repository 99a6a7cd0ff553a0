// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QString>

#include <optional>
#include <span>

class QAction;
class QPrinter;
class QWidget;

namespace beam {

class BeamForm;

// What a beam window gives out: print, print preview, save picture, copy
// picture and export data. Each is an entry of the client area's context menu,
// some also a standard shortcut; nothing changes on the window until one is
// chosen, and none of them touches the window's curves or legend. A cancelled
// dialog does nothing; a file that cannot be written is named in a message
// with the reason, and nothing of it is left behind.
struct OutputAction {
    const char* caption;
    QKeySequence::StandardKey shortcut; // QKeySequence::UnknownKey: none
    void (*run)(const BeamForm& form);
};

// In the order of the context menu.
extern const std::span<const OutputAction> kOutputActions;

// Adds the action to the client area's context menu. Its shortcut works
// anywhere in the window, except where a text box takes the same keys (Ctrl+C
// copies the text box's text).
QAction& addOutputAction(QWidget& clientArea, const OutputAction& output);

// The files behind the actions, written whole or not at all: each returns
// what went wrong, or nothing.
// A PNG image, or an SVG document where the name ends in .svg.
std::optional<QString> writePicture(const BeamForm& form, const QString& path);
// The curves as a CSV table (see curveTable).
std::optional<QString> writeData(const BeamForm& form, const QString& path);
// One page on the printer, or in its PDF file where it prints to one.
std::optional<QString> printWindow(QPrinter& printer, const BeamForm& form);

} // namespace beam
