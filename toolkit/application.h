// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/program.h"

#include <QApplication>

#include <exception>

namespace toolkit {

// The Qt application with the program's standard look. An error that escapes
// a handler is caught here, named in a message box, and ends the program.
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
