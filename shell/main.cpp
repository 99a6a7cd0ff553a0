// SPDX-License-Identifier: MIT
#include "beam_common/beam_window.h"
#include "shell/application.h"
#include "shell/exit_after_first_paint.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Exit statuses besides 0.
constexpr int kNoDisplay = 1;
constexpr int kCommandLineError = 2;

// Options that Qt reads from the command line itself, as QGuiApplication and
// QApplication document them, with whether each takes a value. The program
// lets them through to Qt.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},        {"qwindowtitle", true},  {"session", true},
    {"display", true},         {"geometry", true},           {"title", true},         {"icon", true},
    {"style", true},           {"stylesheet", true},         {"qmljsdebugger", true}, {"widgetcount", false},
    {"reverse", false},
};

// The load cases of the beam windows, as the help names them: 集中負荷、均佈負荷與彎矩負荷.
QString loadCases()
{
    QString names;
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        if (i > 0)
            names += i + 1 == shell::kBeamWindows.size() ? QString::fromUtf8("與") : QString::fromUtf8("、");
        names += QString::fromUtf8(shell::kBeamWindows[i].window.loadCase);
    }
    return names;
}

// The program's command line: --help, --version and Qt's own options, written
// with one dash or two, as Qt writes them.
class CommandLine {
public:
    explicit CommandLine(const QStringList& arguments)
        : arguments_(arguments)
    {
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser_.setApplicationDescription(
            QString::fromUtf8("簡支梁撓度曲線的教學程式。各視窗分別以%1\n"
                              "作用於簡支梁；每改變一次負荷，便逐點畫出新的撓度曲線，方便比較。\n"
                              "不帶選項時開啟主視窗。也接受 Qt 的標準選項，例如 -platform 與 -display。")
                .arg(loadCases()));
        parser_.addOption(help_);
        parser_.addOption(version_);
        for (const QtOption& qt : kQtOptions) {
            QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                                      qt.takesValue ? QStringLiteral("value") : QString());
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser_.addOption(option);
        }
        understood_ = parser_.parse(arguments);
    }

    // Whether the command line asks for an answer rather than the windows.
    bool answersOnly() const
    {
        return !understood_ || !parser_.positionalArguments().isEmpty() || parser_.isSet(help_)
               || parser_.isSet(version_);
    }

    // Prints the answer and returns the exit status.
    int answer() const
    {
        if (const QStringList unknown = parser_.unknownOptionNames(); !unknown.isEmpty())
            return fail(QString::fromUtf8("未知選項「%1」。").arg(asTyped(unknown).join(QString::fromUtf8("」、「"))));
        if (!understood_)
            return fail(parser_.errorText());
        if (const QStringList extra = parser_.positionalArguments(); !extra.isEmpty())
            return fail(QString::fromUtf8("不接受引數「%1」。").arg(extra.first()));
        const QString text = parser_.isSet(help_) ? parser_.helpText()
                                                  : QCoreApplication::applicationName() + u' '
                                                        + QCoreApplication::applicationVersion() + u'\n';
        std::fputs(text.toUtf8().constData(), stdout);
        return 0;
    }

    // Whether Qt would use an X11 or Wayland platform and find no display
    // for it: Qt would then stop with a long message of its own.
    bool displayMissing() const
    {
        QString platforms = parser_.value(QStringLiteral("platform"));
        if (platforms.isEmpty())
            platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
        if (platforms.isEmpty())
            platforms = QStringLiteral("xcb;wayland"); // Qt's choice on Linux is one of them
        const bool x11 = parser_.isSet(QStringLiteral("display")) || !qEnvironmentVariableIsEmpty("DISPLAY");
        const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
        // Qt tries the platforms in turn; a name may be followed by ":options".
        for (const QString& platform : platforms.split(u';', Qt::SkipEmptyParts)) {
            const QString name = platform.section(u':', 0, 0);
            const bool needsX11 = name == QLatin1String("xcb");
            const bool needsWayland = name.startsWith(QLatin1String("wayland"));
            if ((needsX11 && x11) || (needsWayland && wayland) || (!needsX11 && !needsWayland))
                return false;
        }
        return true;
    }

private:
    // The options as the user typed them ("--bogus", "-x"), where the parser
    // names them without their dashes: the arguments before "--" that spell
    // them, in order, each without its "=value".
    QStringList asTyped(const QStringList& names) const
    {
        QStringList typed;
        auto argument = arguments_.begin() + 1; // past the program's name
        for (const QString& name : names) {
            QString spelling = name;
            for (; argument != arguments_.end() && *argument != QLatin1String("--"); ++argument) {
                const QString option = argument->section(u'=', 0, 0);
                const qsizetype dashes = option.startsWith(QLatin1String("--")) ? 2 : option.startsWith(u'-') ? 1 : 0;
                if (dashes > 0 && option.sliced(dashes) == name) {
                    spelling = option;
                    ++argument;
                    break;
                }
            }
            typed << spelling;
        }
        return typed;
    }

    static int fail(const QString& what)
    {
        std::fputs(QString::fromUtf8("beam-deflection：%1\n請執行 beam-deflection --help 查看可用的選項。\n")
                       .arg(what)
                       .toUtf8()
                       .constData(),
                   stderr);
        return kCommandLineError;
    }

    QStringList arguments_;
    QCommandLineParser parser_;
    QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")}, QString::fromUtf8("顯示這份說明後結束。")};
    QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")},
                                QString::fromUtf8("顯示版本後結束。")};
    bool understood_ = false;
};

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("beam-deflection"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BEAM_DEFLECTION_VERSION));
    // The desktop entry the windows belong to, for the desktop's task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("beam-deflection"));

    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLine commandLine(arguments);
    if (commandLine.answersOnly()) {
        // An application object without windows, which needs no display, for
        // Qt's translations; read again, so that its messages are translated.
        QCoreApplication answering(argc, argv);
        toolkit::installQtTranslations(QString::fromLatin1(shell::kQtTranslations));
        return CommandLine(arguments).answer();
    }
    if (commandLine.displayMissing()) {
        std::fputs("beam-deflection：找不到顯示器。請在桌面上執行，或在虛擬顯示器上執行：xvfb-run -a beam-deflection\n",
                   stderr);
        return kNoDisplay;
    }

    shell::Application app(argc, argv);
    shell::Windows windows(app.program());
    windows.Form1().Show();
    shell::exitAfterFirstPaintOf(windows.Form1().window()->clientArea());
    return app.exec();
}
