// SPDX-License-Identifier: MIT
#include "toolkit/application.h"

#include "toolkit/form.h"
#include "toolkit/standard_look.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

namespace toolkit {

namespace {

// Drawn at each size of the desktop's icon theme from one SVG drawing; see
// scripts/make-icons.sh.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/beam-deflection-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QTranslator* installQtTranslations(const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(QStringLiteral("qtbase_zh_TW"), from)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setQuitOnLastWindowClosed(false); // Program decides when it ends
    connect(&program_, &Program::ended, this, [] { QCoreApplication::exit(0); });
    installStandardLook();
    installQtTranslations();
    setWindowIcon(programIcon());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // Handlers connected through Form catch their own errors; this is for an
    // error thrown by an event handler of a widget.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleUnexpectedError(std::current_exception());
    }
    return true;
}

void handleUnexpectedError(const std::exception_ptr& error)
{
    auto* application = qobject_cast<Application*>(QCoreApplication::instance());
    if (application == nullptr)
        std::rethrow_exception(error); // no program to end: nothing can name it
    QString what = QStringLiteral("未知的錯誤");
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        what = QString::fromLocal8Bit(known.what());
    } catch (...) {
    }
    application->endWithError(what);
}

void Application::endWithError(const QString& what)
{
    QMessageBox::critical(nullptr, QStringLiteral("執行錯誤"),
                          QStringLiteral("程式發生錯誤，必須結束：\n%1").arg(what));
    program_.End();
}

} // namespace toolkit
