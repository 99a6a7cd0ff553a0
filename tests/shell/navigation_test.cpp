// SPDX-License-Identifier: MIT
// The main window, its menu, the leave buttons and which windows are open
// after each step, driven through the real windows.
#include "beam_common/beam_form.h"
#include "shell/banner.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "tests/support/beam_window_rows.h"
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
    void menuEntryUnloadsTheMainWindowFirst_data() { test_support::beamWindowRows(); }
    void menuEntryUnloadsTheMainWindowFirst();
    void leaveKeepsTheBeamWindowOpenBehind_data() { test_support::beamWindowRows(); }
    void leaveKeepsTheBeamWindowOpenBehind();
    void leaveWhileTheMainWindowIsOpenDoesNotRestartIt_data() { test_support::beamWindowRows(); }
    void leaveWhileTheMainWindowIsOpenDoesNotRestartIt();
    void choosingAnOpenBeamWindowBringsItBack_data() { test_support::beamWindowRows(); }
    void choosingAnOpenBeamWindowBringsItBack();
    void everyBeamWindowCanBeOpenAtOnce();
    void closingTheMainWindowLeavesBeamWindowsRunning_data() { test_support::beamWindowRows(); }
    void closingTheMainWindowLeavesBeamWindowsRunning();
    void closingTheOnlyWindowEndsTheProgram_data() { test_support::beamWindowRows(); }
    void closingTheOnlyWindowEndsTheProgram();
    void endEndsWithBeamWindowsOpen();
    void bannerMovesAndInstructionBlinksOnTheTimer();
    void tickCounterKeepsItsParityAcrossAReturn();
    void beamWindowsOpenWithEveryControlInView_data() { test_support::beamWindowRows(); }
    void beamWindowsOpenWithEveryControlInView();

private:
    // The beam window of this data row.
    beam::BeamForm& beamWindow();
    // Chooses the beam window of this data row from Form1's menu.
    void choose();

    std::unique_ptr<Program> program_;
    std::unique_ptr<Windows> windows_;
};

beam::BeamForm& NavigationTest::beamWindow()
{
    QFETCH(int, index);
    return windows_->beamWindow(std::size_t(index));
}

void NavigationTest::choose()
{
    QFETCH(int, index);
    windows_->Form1().mnuBeamWindow_Click(std::size_t(index));
}

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
    QStringList expected;
    for (const shell::BeamWindowEntry& entry : shell::kBeamWindows)
        expected << QString::fromUtf8(entry.window.loadCase);
    expected << QStringLiteral("結束");
    QCOMPARE(entries, expected);
    QCOMPARE(entries.first(), QStringLiteral("集中負荷"));

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

void NavigationTest::menuEntryUnloadsTheMainWindowFirst()
{
    QFETCH(int, index);
    const beam::BeamWindow& description = shell::kBeamWindows[std::size_t(index)].window;
    menuEntry(windows_->Form1(), description.loadCase).trigger();
    test_support::settle();

    const Form& chosen = beamWindow();
    QVERIFY(!windows_->Form1().isLoaded());
    QVERIFY(chosen.isLoaded());
    QVERIFY(chosen.window()->isVisible());
    QCOMPARE(chosen.window()->windowTitle(), QString::fromUtf8(description.layout.caption));
    QCOMPARE(program_->loadedWindows(), 1);
    QVERIFY(!program_->hasEnded());
}

void NavigationTest::leaveKeepsTheBeamWindowOpenBehind()
{
    choose();
    test_support::settle();
    const FormWindow* window = beamWindow().window();

    clickLeave(beamWindow());
    QCOMPARE(windows_->Form1().controls().Label1.leftTwips(), 600.0F); // rebuilt
    test_support::settle();
    QVERIFY(windows_->Form1().isLoaded());
    QVERIFY(beamWindow().isLoaded());
    QCOMPARE(beamWindow().window(), window);
    QVERIFY(window->isVisible());
}

void NavigationTest::leaveWhileTheMainWindowIsOpenDoesNotRestartIt()
{
    choose();
    clickLeave(beamWindow());
    MainForm& form1 = windows_->Form1();
    form1.controls().Timer1.stop();
    test_support::settle();
    form1.Timer1_Timer();
    const FormWindow* mainWindow = form1.window();
    const float moved = form1.controls().Label1.leftTwips();
    QVERIFY(moved < 600.0F);

    clickLeave(beamWindow());
    test_support::settle();
    QCOMPARE(form1.window(), mainWindow);
    QCOMPARE(form1.controls().Label1.leftTwips(), moved);
}

void NavigationTest::choosingAnOpenBeamWindowBringsItBack()
{
    choose();
    const FormWindow* window = beamWindow().window();
    clickLeave(beamWindow());
    choose();
    test_support::settle();
    QCOMPARE(beamWindow().window(), window); // not rebuilt
    QVERIFY(!windows_->Form1().isLoaded());
}

void NavigationTest::everyBeamWindowCanBeOpenAtOnce()
{
    const std::size_t count = shell::kBeamWindows.size();
    for (std::size_t i = 0; i < count; ++i) {
        windows_->Form1().mnuBeamWindow_Click(i);
        if (i + 1 < count)
            clickLeave(windows_->beamWindow(i));
    }
    test_support::settle();
    for (std::size_t i = 0; i < count; ++i)
        QVERIFY(windows_->beamWindow(i).isLoaded());
    QVERIFY(!windows_->Form1().isLoaded());
    clickLeave(windows_->beamWindow(count - 1));
    QCOMPARE(program_->loadedWindows(), int(count) + 1);
}

void NavigationTest::closingTheMainWindowLeavesBeamWindowsRunning()
{
    choose();
    clickLeave(beamWindow());
    MainForm& form1 = windows_->Form1();
    form1.Timer1_Timer();
    QVERIFY(form1.window()->close());
    test_support::settle();
    QVERIFY(!form1.isLoaded());
    QVERIFY(beamWindow().isLoaded());
    QVERIFY(!program_->hasEnded());

    clickLeave(beamWindow());
    QVERIFY(form1.isLoaded());
    QCOMPARE(form1.controls().Label1.leftTwips(), 600.0F);
}

void NavigationTest::closingTheOnlyWindowEndsTheProgram()
{
    choose();
    test_support::settle();
    QVERIFY(beamWindow().window()->close());
    test_support::settle();
    QVERIFY(program_->hasEnded());
}

void NavigationTest::endEndsWithBeamWindowsOpen()
{
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        windows_->Form1().mnuBeamWindow_Click(i);
        clickLeave(windows_->beamWindow(i));
    }
    menuEntry(windows_->Form1(), "結束").trigger();
    QVERIFY(program_->hasEnded());
    QCOMPARE(program_->loadedWindows(), 0);
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i)
        QVERIFY(!windows_->beamWindow(i).isLoaded());
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

    form1.mnuBeamWindow_Click(0);
    clickLeave(windows_->beamWindow(0));
    QVERIFY(form1.controls().Label2.isEnabled()); // rebuilt enabled
    QCOMPARE(form1.tickCount(), quint64(3));
    form1.Timer1_Timer();
    QVERIFY(form1.controls().Label2.isEnabled()); // fourth tick: even
}

void NavigationTest::beamWindowsOpenWithEveryControlInView()
{
    beam::BeamForm& form = beamWindow();
    const Window* layout = &form.description().layout;
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

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
