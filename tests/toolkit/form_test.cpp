// SPDX-License-Identifier: MIT
// The window model: life cycle, events, controls and the end of the program.
#include "tests/toolkit/test_form.h"

#include "tests/support/test_support.h"
#include "toolkit/application.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"
#include "toolkit/frame.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

using namespace toolkit;
using test_form::TestForm;

class FormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void showLoadsOnceAndRunsLoadOnce();
    void unloadKeepsTheStateAndRebuildsFromTheTable();
    void closeButtonUnloads();
    void controlsAreFoundByNameAndIndex();
    void missingControlIsAnError();
    void clientAreaHasTheTableSize();
    void scrollBarChangesOnlyThroughTheUser_data();
    void scrollBarChangesOnlyThroughTheUser();
    void scrollBarOpensNoMenu_data();
    void scrollBarOpensNoMenu();
    void tabVisitsControlsInTabIndexOrder();
    void autoSizeLabelFollowsItsCaption();
    void disabledLabelKeepsItsBox();
    void labelLeftKeepsFractionsOfAPixel();
    void timerTicksOnlyWhileLoaded();
    void programEndsWhenNoWindowIsLoaded();
    void programContinuesWhileAnotherWindowIsLoaded();
    void endClosesEveryWindow();
    void unexpectedErrorIsNamedAndEndsTheProgram();

private:
    std::unique_ptr<Program> program_;
    std::unique_ptr<TestForm> form_;
};

void FormTest::init()
{
    program_ = std::make_unique<Program>();
    form_ = std::make_unique<TestForm>(*program_);
}

void FormTest::cleanup()
{
    form_.reset();
    program_.reset();
    test_support::settle();
}

void FormTest::showLoadsOnceAndRunsLoadOnce()
{
    QVERIFY(!form_->isLoaded());
    form_->Show();
    QVERIFY(form_->isLoaded());
    QCOMPARE(form_->loads, 1);
    QVERIFY(form_->window()->isVisible());

    form_->controls().Text1.setText(QStringLiteral("typed"));
    form_->Show();
    QCOMPARE(form_->loads, 1);
    QCOMPARE(form_->controls().Text1.text(), QStringLiteral("typed"));
}

void FormTest::unloadKeepsTheStateAndRebuildsFromTheTable()
{
    form_->Show();
    test_support::clickRightArrow(form_->controls().HScroll1);
    form_->controls().Label1.setCaption(QStringLiteral("改"));
    form_->controls().Text1.setText(QStringLiteral("typed"));
    QCOMPARE(form_->changes, 1);

    form_->Unload();
    QVERIFY(!form_->isLoaded());
    QCOMPARE(program_->loadedWindows(), 0);
    form_->Show();
    QCOMPARE(form_->loads, 2);
    QCOMPARE(form_->changes, 1); // window state survives
    QCOMPARE(form_->controls().HScroll1.value(), 0);
    QCOMPARE(form_->controls().Label1.caption(), QStringLiteral("標籤"));
    QVERIFY(form_->controls().Text1.text().isEmpty());
}

void FormTest::closeButtonUnloads()
{
    TestForm other(*program_);
    other.Show();
    form_->Show();
    QVERIFY(form_->window()->close());
    test_support::settle();
    QVERIFY(!form_->isLoaded());
    QVERIFY(other.isLoaded());
    QVERIFY(!program_->hasEnded());
}

void FormTest::controlsAreFoundByNameAndIndex()
{
    form_->Show();
    QCOMPARE(qobject_cast<Frame*>(form_->controls().Label2.parentWidget())->caption(), QStringLiteral("框"));
    QCOMPARE(form_->controls().mnu1.text(), QStringLiteral("選項"));
}

void FormTest::missingControlIsAnError()
{
    ControlSet controls;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, controls.get<Label>("Label5", 2));
}

void FormTest::clientAreaHasTheTableSize()
{
    form_->Show();
    test_support::settle();
    QCOMPARE(form_->window()->clientArea().size(), QSize(200, 150));
    QCOMPARE(form_->ScaleWidth(), 3000.0F);
    QCOMPARE(form_->window()->windowTitle(), QStringLiteral("Test"));
    form_->window()->resize(form_->window()->width() + 30, form_->window()->height());
    test_support::settle();
    QCOMPARE(form_->ScaleWidth(), 3450.0F);
}

void FormTest::scrollBarChangesOnlyThroughTheUser_data()
{
    QTest::addColumn<int>("start");
    // 0 right arrow, 1 left arrow, 2 drag to value, 3 right key, 4 up key,
    // 5 click in the track right of the thumb, 6 left of it, 7 middle click at
    // the right end of the track
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("changes");
    QTest::newRow("right arrow") << 0 << 0 << 1 << 1;
    QTest::newRow("right arrow at Max") << 5 << 0 << 5 << 0;
    QTest::newRow("left arrow at 0") << 0 << 1 << 0 << 0;
    QTest::newRow("drag to 4 is one change on release") << 0 << 2 << 4 << 1;
    QTest::newRow("drag to Max") << 0 << 2 << 5 << 1;
    QTest::newRow("drag back to 1") << 3 << 2 << 1 << 1;
    QTest::newRow("drag to where it is") << 2 << 2 << 2 << 0;
    QTest::newRow("right key") << 2 << 3 << 3 << 1;
    QTest::newRow("up key steps down") << 2 << 4 << 1 << 1;
    QTest::newRow("click in the track steps by one") << 0 << 5 << 1 << 1;
    QTest::newRow("click in the track left of the thumb steps back by one") << 3 << 6 << 2 << 1;
    QTest::newRow("middle click in the track does not jump") << 0 << 7 << 0 << 0;
}

void FormTest::scrollBarChangesOnlyThroughTheUser()
{
    QFETCH(int, start);
    QFETCH(int, action);
    QFETCH(int, value);
    QFETCH(int, changes);
    form_->Show();
    QScrollBar& bar = form_->controls().HScroll1;
    for (int i = 0; i < start; ++i)
        test_support::clickRightArrow(bar);
    form_->changes = 0;

    const QRect trackRight = test_support::scrollBarPart(bar, QStyle::SC_ScrollBarAddPage);
    const QRect trackLeft = test_support::scrollBarPart(bar, QStyle::SC_ScrollBarSubPage);
    switch (action) {
    case 0:
        test_support::clickRightArrow(bar);
        break;
    case 1:
        test_support::clickLeftArrow(bar);
        break;
    case 2:
        test_support::dragThumbTo(bar, value);
        break;
    case 3:
        QTest::keyClick(&bar, Qt::Key_Right);
        break;
    case 4:
        QTest::keyClick(&bar, Qt::Key_Up);
        break;
    case 5:
        QTest::mouseClick(&bar, Qt::LeftButton, {}, trackRight.center());
        break;
    case 6:
        QTest::mouseClick(&bar, Qt::LeftButton, {}, trackLeft.center());
        break;
    case 7:
        QTest::mouseClick(&bar, Qt::MiddleButton, {}, QPoint(trackRight.right() - 1, trackRight.center().y()));
        break;
    }
    QCOMPARE(bar.value(), value);
    QCOMPARE(form_->changes, changes);
}

void FormTest::scrollBarOpensNoMenu_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("right click in the track") << true;
    QTest::newRow("menu key") << false;
}

// Qt's own scroll-bar menu would jump the value; the window has none either.
void FormTest::scrollBarOpensNoMenu()
{
    QFETCH(bool, byMouse);
    form_->Show();
    QScrollBar& bar = form_->controls().HScroll1;
    test_support::clickRightArrow(bar);
    form_->changes = 0;

    // A menu runs a loop of its own: close it from inside, and note it.
    bool menuOpened = false;
    QTimer::singleShot(0, this, [&menuOpened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuOpened = true;
            popup->close();
        }
    });
    const QPoint inTrack = test_support::scrollBarPart(bar, QStyle::SC_ScrollBarAddPage).center();
    if (byMouse) {
        // Through the window, which turns a right click into a menu request.
        QWidget* window = bar.window();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, bar.mapTo(window, inTrack));
    } else {
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, inTrack, bar.mapToGlobal(inTrack));
        QCoreApplication::sendEvent(&bar, &menuKey);
    }
    test_support::settle();
    QVERIFY(!menuOpened);
    QCOMPARE(bar.value(), 1);
    QCOMPARE(form_->changes, 0);
}

void FormTest::tabVisitsControlsInTabIndexOrder()
{
    form_->Show();
    QVERIFY(QTest::qWaitForWindowActive(form_->window()));
    test_form::Controls& c = form_->controls();
    // TabIndex: Command1 1, HScroll1 2, Text1 3; labels, the frame and the
    // picture object take no focus.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&c.Command1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&c.HScroll1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&c.Text1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&c.Command1));
}

void FormTest::autoSizeLabelFollowsItsCaption()
{
    form_->Show();
    Label& label = form_->controls().Label1;
    const float narrow = label.widthTwips();
    QVERIFY(narrow > 0);
    label.setCaption(QStringLiteral("長得多的標籤文字"));
    QVERIFY(label.widthTwips() > narrow * 2);
    QCOMPARE(label.leftTwips(), 150.0F);
}

void FormTest::disabledLabelKeepsItsBox()
{
    form_->Show();
    Label& label = form_->controls().Label1;
    const QRect box = label.geometry();
    const QImage enabled = label.grab().toImage();
    label.setEnabled(false);
    const QImage disabled = label.grab().toImage();
    QCOMPARE(label.geometry(), box);
    QVERIFY(label.isVisible());
    QVERIFY(disabled != enabled); // greyed text
    QCOMPARE(disabled.pixel(0, 0), enabled.pixel(0, 0)); // same background
}

void FormTest::labelLeftKeepsFractionsOfAPixel()
{
    form_->Show();
    Label& label = form_->controls().Label1;
    label.setLeftTwips(833.75F);
    QCOMPARE(label.leftTwips(), 833.75F);
    QCOMPARE(label.x(), 56);
    label.setLeftTwips(-7.6F);
    QCOMPARE(label.x(), -1);
}

void FormTest::timerTicksOnlyWhileLoaded()
{
    TestForm other(*program_);
    other.Show();
    form_->Show();
    QTRY_VERIFY(form_->ticks >= 2);
    form_->Unload();
    const int ticks = form_->ticks;
    QTest::qWait(200);
    QCOMPARE(form_->ticks, ticks);
}

void FormTest::programEndsWhenNoWindowIsLoaded()
{
    QSignalSpy ended(program_.get(), &Program::ended);
    form_->Show();
    form_->Unload();
    QVERIFY(!program_->hasEnded()); // only once the running handler is done
    test_support::settle();
    QVERIFY(program_->hasEnded());
    QCOMPARE(ended.count(), 1);
    form_->Show();
    QVERIFY(!form_->isLoaded());
}

void FormTest::programContinuesWhileAnotherWindowIsLoaded()
{
    // Unload one window and show another in the same handler: no end.
    TestForm other(*program_);
    form_->Show();
    form_->Unload();
    other.Show();
    test_support::settle();
    QVERIFY(!program_->hasEnded());
}

void FormTest::endClosesEveryWindow()
{
    TestForm other(*program_);
    form_->Show();
    other.Show();
    program_->End();
    QVERIFY(program_->hasEnded());
    QVERIFY(!form_->isLoaded());
    QVERIFY(!other.isLoaded());
}

void FormTest::unexpectedErrorIsNamedAndEndsTheProgram()
{
    auto& app = *qobject_cast<Application*>(QCoreApplication::instance());
    TestForm form(app.program());
    form.onClick = [] { throw std::runtime_error("index out of range"); };
    form.Show();

    QString message;
    QTimer::singleShot(0, this, [&message] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        message = box->text();
        box->accept();
    });
    QTest::mouseClick(&form.controls().Command1, Qt::LeftButton);
    QVERIFY2(message.contains(QStringLiteral("index out of range")), qPrintable(message));
    QVERIFY(app.program().hasEnded());
    QVERIFY(!form.isLoaded());
}

// The tests run under the program's own Application, which catches the errors
// that escape handlers.
int main(int argc, char** argv)
{
    Application app(argc, argv);
    FormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "form_test.moc"
