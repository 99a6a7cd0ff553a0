// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/program.h"

#include <QApplication>

#include <exception>

class QTranslator;

namespace toolkit {

// Qt's own strings in Traditional Chinese, whatever the system's locale:
// standard context menus, dialog buttons, file dialogs, command-line help.
// Read from Qt's translations folder, or from `folder` where one is given.
// Returns the installed translator, which the application owns; without the
// translation files nothing is installed, nothing is said, and Qt speaks
// English.
QTranslator* installQtTranslations(const QString& folder = {});

// The Qt application with the program's standard look, Qt's translations and
// the program's icon on every window. An error that escapes a handler is
// caught here, named in a message box, and ends the program.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    Program& program() { return program_; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    friend void handleUnexpectedError(const std::exception_ptr& error);
    void endWithError(const QString& what);

    Program program_;
};

} // namespace toolkit
