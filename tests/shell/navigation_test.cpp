// SPDX-License-Identifier: MIT
// The main window, its menu, the leave buttons and which windows are open
// after each step, driven through the real windows.
#include "beam_moment_load/moment_load_form.h"
#include "beam_moment_load/moment_load_layout.h"
#include "beam_point_load/point_load_form.h"
#include "beam_point_load/point_load_layout.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "beam_uniform_load/uniform_load_layout.h"
#include "shell/banner.h"
#include "shell/main_form.h"
#include "shell/window_list.h"
#include "tests/support/test_support.h"
#include "toolkit/client_area.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/layout.h"
#include "toolkit/program.h"
#include "toolkit/units.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace toolkit;
using shell::MainForm;
using shell::Windows;

namespace {

QAction& menuEntry(const MainForm& form, const char* caption)
{
    const QList<QAction*> entries = form.window()->menuBar()->actions();
    for (QAction* entry : entries) {
        if (entry->text() == QString::fromUtf8(caption))
            return *entry;
    }
    qFatal("no menu entry %s", caption);
}

// The leave button of a beam window: Command2, found as a user finds it.
void clickLeave(const Form& beamWindow)
{
    const QList<QPushButton*> buttons = beamWindow.window()->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->text().remove(QLatin1Char(' ')) == QStringLiteral("離開")) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    qFatal("no leave button");
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void startShowsOnlyTheMainWindow();
    void menuEntryUnloadsTheMainWindowFirst_data();
    void menuEntryUnloadsTheMainWindowFirst();
    void leaveKeepsTheBeamWindowOpenBehind();
    void leaveWhileTheMainWindowIsOpenDoesNotRestartIt();
    void choosingAnOpenBeamWindowBringsItBack();
    void allThreeBeamWindowsCanBeOpen();
    void closingTheMainWindowLeavesBeamWindowsRunning();
    void closingTheOnlyWindowEndsTheProgram();
    void endEndsWithBeamWindowsOpen();
    void bannerMovesAndInstructionBlinksOnTheTimer();
    void tickCounterKeepsItsParityAcrossAReturn();
    void beamWindowsOpenWithEveryControlInView_data();
    void beamWindowsOpenWithEveryControlInView();
    void momentWindowOpensAtItsManualPosition();

private:
    std::unique_ptr<Program> program_;
    std::unique_ptr<Windows> windows_;
};

void NavigationTest::init()
{
    program_ = std::make_unique<Program>();
    windows_ = std::make_unique<Windows>(*program_);
    windows_->Form1().Show();
    // The banner's own timer is tested on its own; elsewhere it would make the
    // banner's position depend on the machine's speed.
    windows_->Form1().controls().Timer1.stop();
    test_support::settle();
}

void NavigationTest::cleanup()
{
    windows_.reset();
    program_.reset();
    test_support::settle();
}

void NavigationTest::startShowsOnlyTheMainWindow()
{
    MainForm& form1 = windows_->Form1();
    QVERIFY(form1.isLoaded());
    QCOMPARE(program_->loadedWindows(), 1);
    QCOMPARE(form1.window()->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(form1.window()->clientArea().size(), QSize(500, 416));
    QCOMPARE(form1.window()->clientArea().y(), form1.window()->menuBar()->height());

    QStringList entries;
    const QList<QAction*> actions = form1.window()->menuBar()->actions();
    for (const QAction* action : actions)
        entries << action->text();
    QCOMPARE(entries, (QStringList{QStringLiteral("集中負荷"), QStringLiteral("均佈負荷"), QStringLiteral("彎矩負荷"),
                                   QStringLiteral("結束")}));

    const Label& banner = form1.controls().Label1;
    const Label& instruction = form1.controls().Label2;
    QCOMPARE(banner.caption(), QStringLiteral("歡迎參觀JX視窗輔助教學軟體"));
    // The banner starts at 600 twips and may have ticked on a slow machine.
    float left = 600;
    for (quint64 tick = 0; tick < form1.tickCount(); ++tick)
        left = shell::bannerLeftAfterTick(left, banner.widthTwips(), form1.ScaleWidth());
    QCOMPARE(banner.leftTwips(), left);
    QCOMPARE(banner.pos(), QPoint(twipsToPixels(left), 16));
    QCOMPARE(instruction.pos(), QPoint(104, 64));
    QCOMPARE(banner.palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0xFF));
    QCOMPARE(banner.palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0xFF));
    QCOMPARE(instruction.palette().color(QPalette::Active, QPalette::WindowText), QColor(0xFF, 0, 0));
    // Auto-size: one line of the caption in its font.
    QCOMPARE(banner.height(), banner.sizeHint().height());
    QVERIFY(banner.width() > 300);
}

void NavigationTest::menuEntryUnloadsTheMainWindowFirst_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<int>("window");
    QTest::newRow("concentrated load") << QByteArray("集中負荷") << 2;
    QTest::newRow("uniform load") << QByteArray("均佈負荷") << 3;
    QTest::newRow("moment load") << QByteArray("彎矩負荷") << 4;
}

void NavigationTest::menuEntryUnloadsTheMainWindowFirst()
{
    QFETCH(QByteArray, entry);
    QFETCH(int, window);
    menuEntry(windows_->Form1(), entry.constData()).trigger();
    test_support::settle();

    const Form& chosen = window == 2   ? static_cast<Form&>(windows_->Form2())
                         : window == 3 ? static_cast<Form&>(windows_->Form3())
                                       : static_cast<Form&>(windows_->Form4());
    QVERIFY(!windows_->Form1().isLoaded());
    QVERIFY(chosen.isLoaded());
    QVERIFY(chosen.window()->isVisible());
    QCOMPARE(chosen.window()->windowTitle(), QStringLiteral("Form%1").arg(window));
    QCOMPARE(program_->loadedWindows(), 1);
    QVERIFY(!program_->hasEnded());
}

void NavigationTest::leaveKeepsTheBeamWindowOpenBehind()
{
    windows_->Form1().mnu1_Click();
    test_support::settle();
    const FormWindow* beamWindow = windows_->Form2().window();

    clickLeave(windows_->Form2());
    QCOMPARE(windows_->Form1().controls().Label1.leftTwips(), 600.0F); // rebuilt
    test_support::settle();
    QVERIFY(windows_->Form1().isLoaded());
    QVERIFY(windows_->Form2().isLoaded());
    QCOMPARE(windows_->Form2().window(), beamWindow);
    QVERIFY(beamWindow->isVisible());
}

void NavigationTest::leaveWhileTheMainWindowIsOpenDoesNotRestartIt()
{
    windows_->Form1().mnu1_Click();
    clickLeave(windows_->Form2());
    MainForm& form1 = windows_->Form1();
    form1.controls().Timer1.stop();
    test_support::settle();
    form1.Timer1_Timer();
    const FormWindow* mainWindow = form1.window();
    const float moved = form1.controls().Label1.leftTwips();
    QVERIFY(moved < 600.0F);

    clickLeave(windows_->Form2());
    test_support::settle();
    QCOMPARE(form1.window(), mainWindow);
    QCOMPARE(form1.controls().Label1.leftTwips(), moved);
}

void NavigationTest::choosingAnOpenBeamWindowBringsItBack()
{
    windows_->Form1().mnu2_Click();
    const FormWindow* beamWindow = windows_->Form3().window();
    clickLeave(windows_->Form3());
    windows_->Form1().mnu2_Click();
    test_support::settle();
    QCOMPARE(windows_->Form3().window(), beamWindow); // not rebuilt
    QVERIFY(!windows_->Form1().isLoaded());
}

void NavigationTest::allThreeBeamWindowsCanBeOpen()
{
    windows_->Form1().mnu1_Click();
    clickLeave(windows_->Form2());
    windows_->Form1().mnu2_Click();
    clickLeave(windows_->Form3());
    windows_->Form1().mnu3_Click();
    test_support::settle();
    QVERIFY(windows_->Form2().isLoaded());
    QVERIFY(windows_->Form3().isLoaded());
    QVERIFY(windows_->Form4().isLoaded());
    QVERIFY(!windows_->Form1().isLoaded());
    clickLeave(windows_->Form4());
    QCOMPARE(program_->loadedWindows(), 4);
}

void NavigationTest::closingTheMainWindowLeavesBeamWindowsRunning()
{
    windows_->Form1().mnu1_Click();
    clickLeave(windows_->Form2());
    MainForm& form1 = windows_->Form1();
    form1.Timer1_Timer();
    QVERIFY(form1.window()->close());
    test_support::settle();
    QVERIFY(!form1.isLoaded());
    QVERIFY(windows_->Form2().isLoaded());
    QVERIFY(!program_->hasEnded());

    clickLeave(windows_->Form2());
    QVERIFY(form1.isLoaded());
    QCOMPARE(form1.controls().Label1.leftTwips(), 600.0F);
}

void NavigationTest::closingTheOnlyWindowEndsTheProgram()
{
    windows_->Form1().mnu1_Click();
    test_support::settle();
    QVERIFY(windows_->Form2().window()->close());
    test_support::settle();
    QVERIFY(program_->hasEnded());
}

void NavigationTest::endEndsWithBeamWindowsOpen()
{
    windows_->Form1().mnu1_Click();
    clickLeave(windows_->Form2());
    windows_->Form1().mnu3_Click();
    clickLeave(windows_->Form4());
    menuEntry(windows_->Form1(), "結束").trigger();
    QVERIFY(program_->hasEnded());
    QCOMPARE(program_->loadedWindows(), 0);
    QVERIFY(!windows_->Form2().isLoaded());
    QVERIFY(!windows_->Form4().isLoaded());
}

void NavigationTest::bannerMovesAndInstructionBlinksOnTheTimer()
{
    MainForm& form1 = windows_->Form1();
    const Label& banner = form1.controls().Label1;
    const Label& instruction = form1.controls().Label2;
    const float step = banner.widthTwips() / 20;
    QVERIFY(instruction.isEnabled());
    QCOMPARE(form1.tickCount(), quint64(0));

    form1.controls().Timer1.start();
    QTRY_VERIFY_WITH_TIMEOUT(form1.tickCount() >= 1, 2000);
    if (form1.tickCount() == 1) { // not yet merged with a later tick
        QCOMPARE(banner.leftTwips(), 600.0F - step);
        QVERIFY(!instruction.isEnabled());
    }
    QTRY_VERIFY_WITH_TIMEOUT(form1.tickCount() >= 2, 2000);
    QCOMPARE(instruction.isEnabled(), form1.tickCount() % 2 == 0);
    QVERIFY(banner.leftTwips() < 600.0F - step);
}

void NavigationTest::tickCounterKeepsItsParityAcrossAReturn()
{
    MainForm& form1 = windows_->Form1();
    for (int i = 0; i < 3; ++i)
        form1.Timer1_Timer();
    QVERIFY(!form1.controls().Label2.isEnabled());

    form1.mnu1_Click();
    clickLeave(windows_->Form2());
    QVERIFY(form1.controls().Label2.isEnabled()); // rebuilt enabled
    QCOMPARE(form1.tickCount(), quint64(3));
    form1.Timer1_Timer();
    QVERIFY(form1.controls().Label2.isEnabled()); // fourth tick: even
}

void NavigationTest::beamWindowsOpenWithEveryControlInView_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<const Window*>("layout");
    QTest::newRow("Form2") << 2 << &kPointLoadWindow;
    QTest::newRow("Form3") << 3 << &kUniformLoadWindow;
    QTest::newRow("Form4") << 4 << &kMomentLoadWindow;
}

void NavigationTest::beamWindowsOpenWithEveryControlInView()
{
    QFETCH(int, window);
    QFETCH(const Window*, layout);
    Form& form = window == 2   ? static_cast<Form&>(windows_->Form2())
                 : window == 3 ? static_cast<Form&>(windows_->Form3())
                               : static_cast<Form&>(windows_->Form4());
    form.Show();
    test_support::settle();
    const ClientArea& client = form.window()->clientArea();
    QVERIFY(client.width() >= twipsToPixels(layout->clientWidth));
    QVERIFY(client.height() >= twipsToPixels(layout->clientHeight));

    const QRect inner = client.rect().adjusted(0, 0, -twipsToPixels(kOpeningMargin) + 1,
                                               -twipsToPixels(kOpeningMargin) + 1);
    const QList<QWidget*> children = client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* child : children) {
        if (child != static_cast<const QWidget*>(&client.surface()))
            QVERIFY2(inner.contains(child->geometry()), child->metaObject()->className());
    }
}

void NavigationTest::momentWindowOpensAtItsManualPosition()
{
    windows_->Form4().Show();
    test_support::settle();
    const FormWindow& window = *windows_->Form4().window();
    QCOMPARE(window.mapToGlobal(window.clientArea().pos()), QPoint(4, 23));
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
