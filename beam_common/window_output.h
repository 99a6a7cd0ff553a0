// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/output_pictures.h"

#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>
#include <span>

class QAction;
class QPrinter;
class QWidget;

namespace beam {

struct OutputSource;

// What a window gives out: print, print preview, save picture, copy picture
// and export data. Each is an entry of the client area's context menu, some
// also a standard shortcut; nothing changes on the window until one is chosen,
// and none of them touches what the window shows. A cancelled dialog does
// nothing; a file that cannot be written is named in a message with the
// reason, and nothing of it is left behind.
struct OutputAction {
    const char* caption;
    QKeySequence::StandardKey shortcut; // QKeySequence::UnknownKey: none
    void (*run)(const OutputSource& source);
};

// In the order of the context menu.
extern const std::span<const OutputAction> kOutputActions;

// Adds an entry to the client area's context menu; the window connects it.
// Its shortcuts work anywhere in the window, except where a text box takes
// the same keys (Ctrl+C copies the text box's text).
QAction& addContextAction(QWidget& clientArea, const QString& caption, const QList<QKeySequence>& shortcuts = {});
QAction& addContextAction(QWidget& clientArea, const OutputAction& output);

// The files behind the actions, written whole or not at all: each returns
// what went wrong, or nothing.
// A PNG image, or an SVG document where the name ends in .svg.
std::optional<QString> writePicture(const OutputSource& source, const QString& path);
// The source's table.
std::optional<QString> writeData(const OutputSource& source, const QString& path);
// One page on the printer, or in its PDF file where it prints to one.
std::optional<QString> printWindow(QPrinter& printer, const OutputSource& source,
                                   PageContent content = PageContent::Window);

// Where the print preview opens on a screen's available area: three quarters
// of it each way, centred, so that a whole page and the toolbar show.
QRect previewGeometry(const QRect& screen);

} // namespace beam
