// SPDX-License-Identifier: MIT
// A beam window's diagram window over its life, one row per window of the
// window list: opened by its shortcut from a text box (which keeps its own
// keys), opened again (the same window, raised), following every change, plot
// and clear with the curves named as the read-outs name them, and closed with
// its beam window however that goes; the beam window's pixels are the same
// once it is closed.
#include "beam_common/beam_form.h"
#include "beam_common/readout.h"
#include "diagrams/diagram_view.h"
#include "diagrams/diagram_window.h"
#include "shell/windows.h"
#include "tests/support/beam_window_rows.h"
#include "tests/support/test_support.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"
#include "toolkit/palette.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include <memory>

using beam::BeamForm;

namespace {

int diagramWindowsShown()
{
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shown += qobject_cast<diagrams::DiagramWindow*>(window) != nullptr && window->isVisible();
    return shown;
}

// What the diagram window was handed, as the beam window names it.
struct Shown {
    QString title;
    double load;
    QColor colour;
    friend bool operator==(const Shown&, const Shown&) = default;
};

std::vector<Shown> shownCurves(const diagrams::DiagramWindow& window)
{
    std::vector<Shown> shown;
    for (const diagrams::DiagramCurve& curve : window.view().diagrams().input().curves)
        shown.push_back({curve.title, curve.load, curve.colour});
    return shown;
}

std::vector<Shown> listedCurves(const BeamForm& form)
{
    std::vector<Shown> listed;
    for (const beam::DrawnCurve& drawn : form.curves())
        listed.push_back({beam::curveName(form.description(), drawn), drawn.load,
                          toolkit::toQColor(toolkit::QBColor(drawn.colour))});
    return listed;
}

} // namespace

class DiagramWindowLifeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void opensByItsShortcutFromATextBox_data() { test_support::beamWindowRows(); }
    void opensByItsShortcutFromATextBox();
    void followsChangesPlotsAndClear_data() { test_support::beamWindowRows(); }
    void followsChangesPlotsAndClear();
    void closesWithItsBeamWindow_data();
    void closesWithItsBeamWindow();
    void derivationCopiesItsText_data() { test_support::beamWindowRows(); }
    void derivationCopiesItsText();

private:
    BeamForm& shown();

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<shell::Windows> windows_;
};

void DiagramWindowLifeTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    windows_ = std::make_unique<shell::Windows>(*program_);
}

void DiagramWindowLifeTest::cleanup()
{
    windows_.reset();
    program_.reset();
    test_support::settle();
    QCOMPARE(diagramWindowsShown(), 0);
}

BeamForm& DiagramWindowLifeTest::shown()
{
    QFETCH(int, index);
    BeamForm& form = windows_->beamWindow(std::size_t(index));
    form.Show();
    test_support::settle();
    if (!QTest::qWaitForWindowActive(form.window()))
        qWarning("the window did not become active");
    return form;
}

void DiagramWindowLifeTest::opensByItsShortcutFromATextBox()
{
    BeamForm& form = shown();
    QLineEdit& text = form.controls().Text1;
    text.setFocus();
    QTRY_VERIFY(text.hasFocus());
    QTest::keyClick(&text, Qt::Key_G, Qt::ControlModifier);
    QPointer<diagrams::DiagramWindow> opened = form.diagramWindow();
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QVERIFY(opened->isWindow());
    QVERIFY(!opened->isModal());
    QVERIFY(opened->minimumSize() != opened->maximumSize());
    const QString loadCase = QString::fromUtf8(form.description().loadCase);
    QVERIFY2(opened->windowTitle().startsWith(loadCase), qPrintable(opened->windowTitle()));
    QVERIFY(opened->windowTitle().contains(QStringLiteral("剪力")));

    // The text box keeps its own keys: Ctrl+A selects, a digit is typed.
    form.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    text.setFocus();
    QTRY_VERIFY(text.hasFocus());
    QTest::keyClick(&text, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(text.selectedText(), text.text());
    QTest::keyClick(&text, Qt::Key_7);
    QCOMPARE(text.text(), QStringLiteral("7"));

    // Again, from the context menu's entry: the same window, in front.
    opened->lower();
    form.showDiagrams();
    QCOMPARE(form.diagramWindow(), opened.data());
    QCOMPARE(diagramWindowsShown(), 1);
    QTRY_COMPARE(QApplication::activeWindow(), opened.data());
}

// The diagrams show the list of curves as it is after each step; with no
// curve, the load at the scroll bar's value in grey.
void DiagramWindowLifeTest::followsChangesPlotsAndClear()
{
    BeamForm& form = shown();
    beam::BeamControls& c = form.controls();
    form.showDiagrams();
    diagrams::DiagramWindow& window = *form.diagramWindow();
    const auto presentLoad = [&] {
        const auto& curves = window.view().diagrams().input().curves;
        QCOMPARE(curves.size(), std::size_t(1));
        QCOMPARE(curves.front().title, QStringLiteral("目前的負荷（尚未繪圖）"));
        QCOMPARE(curves.front().colour, QColor(128, 128, 128));
        QCOMPARE(curves.front().load, double(c.HScroll1.value()));
    };
    presentLoad();

    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    QCOMPARE(shownCurves(window), listedCurves(form));
    for (int k = 0; k < 3; ++k) {
        test_support::clickRightArrow(c.HScroll1);
        QCOMPARE(shownCurves(window), listedCurves(form));
    }
    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    QCOMPARE(shownCurves(window), listedCurves(form));
    QCOMPARE(shownCurves(window).size(), std::size_t(5));
    QCOMPARE(window.view().diagrams().input().curves[2].number, QStringLiteral("2"));

    QTest::mouseClick(&c.Command3, Qt::LeftButton);
    presentLoad();
    test_support::clickRightArrow(c.HScroll1);
    QCOMPARE(shownCurves(window), listedCurves(form));
    QTest::mouseClick(&c.Command3, Qt::LeftButton);
    presentLoad();
}

void DiagramWindowLifeTest::closesWithItsBeamWindow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("how");
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        const char* name = shell::kBeamWindows[i].window.layout.name;
        for (const char* how : {"leave", "close box", "unload", "program end"})
            QTest::addRow("%s, %s", name, how) << int(i) << QString::fromLatin1(how);
    }
}

// However the beam window goes, its diagram window goes with it; the beam
// window then shows the pixels it showed before the diagrams were opened.
void DiagramWindowLifeTest::closesWithItsBeamWindow()
{
    QFETCH(QString, how);
    BeamForm& form = shown();
    test_support::clickRightArrow(form.controls().HScroll1);
    test_support::settle();
    const QImage before = test_support::grabClient(form);
    form.showDiagrams();
    QVERIFY(form.diagramWindow()->isVisible());

    if (how == QLatin1String("leave")) {
        form.Command2_Click();
    } else if (how == QLatin1String("close box")) {
        form.window()->close();
    } else if (how == QLatin1String("unload")) {
        form.Unload();
    } else {
        program_->End();
    }
    test_support::settle();
    QCOMPARE(diagramWindowsShown(), 0);
    QCOMPARE(form.diagramWindow(), nullptr);
    if (how == QLatin1String("leave"))
        QCOMPARE(test_support::grabClient(form), before);
}

// Ctrl+C in the derivation copies its selected text, as a text pane's own
// key; the window's Ctrl+C copies the picture only elsewhere.
void DiagramWindowLifeTest::derivationCopiesItsText()
{
    BeamForm& form = shown();
    form.showDiagrams();
    diagrams::DiagramWindow& window = *form.diagramWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTextBrowser& derivation = window.derivation();
    derivation.setFocus();
    QTRY_VERIFY(derivation.hasFocus());
    derivation.selectAll();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&derivation, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), derivation.textCursor().selection().toPlainText());
    QVERIFY(!QGuiApplication::clipboard()->text().isEmpty());
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
}

QTEST_MAIN(DiagramWindowLifeTest)
#include "diagram_window_life_test.moc"
