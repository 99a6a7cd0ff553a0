// SPDX-License-Identifier: MIT
#include "toolkit/application.h"

#include "toolkit/standard_look.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

namespace toolkit {

QTranslator* installQtTranslations(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(name, from)) {
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
    connect(&program_, &Program::failing, this, [](const QString& what) {
        QMessageBox::critical(nullptr, QStringLiteral("執行錯誤"),
                              QStringLiteral("程式發生錯誤，必須結束：\n%1").arg(what));
    });
    installStandardLook();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // Handlers connected through Form catch their own errors; this is for an
    // error thrown by an event handler of a widget.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        program_.endWithError(std::current_exception());
    }
    return true;
}

} // namespace toolkit
