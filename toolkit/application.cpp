// SPDX-License-Identifier: MIT
#include "application.h"

#include "standard_look.h"

#include <QMessageBox>

#include <exception>

namespace toolkit {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setQuitOnLastWindowClosed(false); // Program decides when it ends
    connect(&program_, &Program::ended, this, [] { QCoreApplication::exit(0); });
    installStandardLook();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        endWithError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        endWithError(QStringLiteral("未知的錯誤"));
    }
    return true;
}

void Application::endWithError(const QString& what)
{
    QMessageBox::critical(nullptr, QStringLiteral("執行錯誤"), QStringLiteral("程式發生錯誤，必須結束：\n%1").arg(what));
    program_.End();
}

} // namespace toolkit
