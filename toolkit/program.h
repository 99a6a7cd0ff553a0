// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <exception>

namespace toolkit {

// The running program: it ends on End, or by itself once no window is loaded
// and no handler is running.
class Program : public QObject {
    Q_OBJECT
public:
    // Ends the program at once: every window closes without further handlers,
    // and the application's event loop is told to stop.
    void End();
    bool hasEnded() const { return ended_; }
    int loadedWindows() const { return loaded_; }

    // The one way up for an error that escaped a handler: it is named to
    // whoever listens to failing (the application, in a message box), and the
    // program ends. With no one listening it is thrown on, so that it is not
    // lost.
    void endWithError(const std::exception_ptr& error);

    // Told by every window as it loads and unloads.
    void windowLoaded() { ++loaded_; }
    void windowUnloaded();

Q_SIGNALS:
    // Every window closes on it, in the order the windows were made.
    void ending();
    void ended();
    void failing(const QString& what);

private:
    int loaded_ = 0;
    bool ended_ = false;
};

} // namespace toolkit
