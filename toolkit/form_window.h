// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QMainWindow>

namespace toolkit {

class ClientArea;
class ControlSet;

// The top-level widget of a loaded window: title, optional menu bar of plain
// entries, and the client area below it. It exists only while its window is
// loaded.
class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FormWindow(const Window& layout);

    ClientArea& clientArea() const { return *client_; }
    // Builds the controls of the layout table, frames first, and sets the tab
    // order.
    ControlSet buildControls();
    // Sizes the client area and, for manual placement, puts its top-left
    // corner where the layout says.
    void place();

Q_SIGNALS:
    // The user clicked the window's close button.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const Window& layout_;
    ClientArea* client_;
};

} // namespace toolkit
