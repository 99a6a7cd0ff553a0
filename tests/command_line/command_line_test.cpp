// SPDX-License-Identifier: MIT
// The program's command line, run as a user runs it: --help and --version
// answer with no display at all, a wrong command line is an error that opens
// no window, and the check for a display applies only where Qt would need one.
#include "beam_common/beam_window.h"
#include "shell/window_list.h"
#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program without a display or a platform set, in an English locale,
// with `environment` ("NAME=value") added. A program that starts quits once
// its main window is painted.
Run run(const QStringList& arguments, const QStringList& environment)
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        variables.remove(QString::fromLatin1(name));
    variables.insert("LANG", "en_US.UTF-8");
    variables.insert("BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT", "1");
    for (const QString& variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));

    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(QStringLiteral(PROGRAM), arguments);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionIsTheProjectVersion_data();
    void versionIsTheProjectVersion();
    void helpIsTraditionalChinese_data();
    void helpIsTraditionalChinese();
    void wrongCommandLineIsAnErrorAndOpensNoWindow_data();
    void wrongCommandLineIsAnErrorAndOpensNoWindow();
    void displayIsNeededOnlyForX11AndWayland_data();
    void displayIsNeededOnlyForX11AndWayland();
};

void CommandLineTest::versionIsTheProjectVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("--version") << "--version";
    QTest::newRow("-v") << "-v";
}

void CommandLineTest::versionIsTheProjectVersion()
{
    QFETCH(QString, option);
    const Run result = run({option}, {});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringLiteral("beam-deflection " PROJECT_VERSION "\n"));
    QCOMPARE(result.err, QString());
}

void CommandLineTest::helpIsTraditionalChinese_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("--help") << "--help";
    QTest::newRow("-h") << "-h";
}

// What the program is and its options, in Traditional Chinese down to Qt's own
// headings, and none of Qt's options, which are Qt's to document.
void CommandLineTest::helpIsTraditionalChinese()
{
    QFETCH(QString, option);
    const Run result = run({option}, {});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    for (const char* expected : {"用法：", "[選項]", "簡支梁撓度曲線的教學程式", "選項：", "-h, --help",
                                 "顯示這份說明後結束。", "-v, --version", "顯示版本後結束。"})
        QVERIFY2(result.out.contains(QString::fromUtf8(expected)), expected);
    // The beam windows, from the program's list of them.
    for (const shell::BeamWindowEntry& entry : shell::kBeamWindows)
        QVERIFY2(result.out.contains(QString::fromUtf8(entry.window.loadCase)), entry.window.loadCase);
    QVERIFY(!result.out.contains(QStringLiteral("Usage")));
    QVERIFY(!result.out.contains(QStringLiteral("--platform")));
}

void CommandLineTest::wrongCommandLineIsAnErrorAndOpensNoWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    // Unknown options are named as typed, with their dashes.
    QTest::newRow("unknown option") << QStringList{"--bogus"} << "未知選項「--bogus」。";
    QTest::newRow("unknown single-dash option") << QStringList{"-x"} << "未知選項「-x」。";
    QTest::newRow("unknown single-dash word") << QStringList{"-bogus"} << "未知選項「-bogus」。";
    QTest::newRow("unknown option with a value") << QStringList{"--bogus=5"} << "未知選項「--bogus」。";
    QTest::newRow("unknown option beside a good one") << QStringList{"--version", "--bogus"} << "未知選項「--bogus」。";
    QTest::newRow("two unknown options") << QStringList{"-x", "--bogus"} << "未知選項「-x」、「--bogus」。";
    QTest::newRow("unknown option after a Qt option's value")
        << QStringList{"-platform", "offscreen", "-x"} << "未知選項「-x」。";
    QTest::newRow("option after -- is an argument") << QStringList{"--", "--bogus"} << "不接受引數「--bogus」";
    QTest::newRow("argument") << QStringList{"load.txt"} << "不接受引數「load.txt」";
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << "缺少「-platform」後的值";
}

// Even where a window could open (offscreen), it does not: the program
// answers on standard error with exit status 2 and no output.
void CommandLineTest::wrongCommandLineIsAnErrorAndOpensNoWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    for (const QString& platform : {QString(), QStringLiteral("QT_QPA_PLATFORM=offscreen")}) {
        const Run result = run(arguments, platform.isEmpty() ? QStringList() : QStringList{platform});
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.startsWith(QString::fromUtf8("beam-deflection：") + message), qPrintable(result.err));
        QVERIFY(result.err.contains(QStringLiteral("--help")));
    }
}

void CommandLineTest::displayIsNeededOnlyForX11AndWayland_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("starts");
    QTest::newRow("Qt's default platform") << QStringList{} << QStringList{} << false;
    QTest::newRow("X11 set in the environment") << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb"} << false;
    QTest::newRow("Wayland set in the environment") << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland"} << false;
    QTest::newRow("X11 on the command line") << QStringList{"-platform", "xcb"} << QStringList{} << false;
    QTest::newRow("X11 with a Wayland display only")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-0"} << false;
    QTest::newRow("offscreen in the environment") << QStringList{} << QStringList{"QT_QPA_PLATFORM=offscreen"} << true;
    QTest::newRow("offscreen on the command line") << QStringList{"-platform", "offscreen"} << QStringList{} << true;
    QTest::newRow("offscreen with two dashes") << QStringList{"--platform", "offscreen"} << QStringList{} << true;
    QTest::newRow("command line over the environment")
        << QStringList{"-platform", "offscreen"} << QStringList{"QT_QPA_PLATFORM=xcb"} << true;
    QTest::newRow("offscreen after X11 in a list")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb;offscreen"} << true;
    QTest::newRow("another Qt option let through")
        << QStringList{"-platform", "offscreen", "-widgetcount"} << QStringList{} << true;
}

// Without a display where Qt would need one, one line says what to do and the
// exit status is 1; elsewhere the program starts (and here quits once its main
// window is painted).
void CommandLineTest::displayIsNeededOnlyForX11AndWayland()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(bool, starts);
    const Run result = run(arguments, environment);
    if (starts) {
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(!result.err.contains(QString::fromUtf8("找不到顯示器")), qPrintable(result.err));
    } else {
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err.count(u'\n'), 1);
        QVERIFY2(result.err.contains(QStringLiteral("xvfb-run -a beam-deflection")), qPrintable(result.err));
    }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
