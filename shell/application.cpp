// SPDX-License-Identifier: MIT
#include "shell/application.h"

#include <QIcon>

namespace shell {

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

Application::Application(int& argc, char** argv)
    : toolkit::Application(argc, argv)
{
    toolkit::installQtTranslations(QString::fromLatin1(kQtTranslations));
    setWindowIcon(programIcon());
}

} // namespace shell
