// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/program.h"

#include <QApplication>

class QTranslator;

namespace toolkit {

// Installs one of Qt's own translations, such as "qtbase_zh_TW", so that Qt's
// strings (standard context menus, dialog buttons, file dialogs, command-line
// help) speak the program's language whatever the system's locale. Read from
// Qt's translations folder, or from `folder` where one is given. Returns the
// installed translator, which the application owns; without the translation
// file nothing is installed, nothing is said, and Qt speaks English.
QTranslator* installQtTranslations(const QString& name, const QString& folder = {});

// The Qt application with the toolkit's standard look and one Program. An
// error that escapes a handler is caught here or in the Form that runs the
// handler, named in a message box, and ends the program.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    Program& program() { return program_; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Program program_;
};

} // namespace toolkit
