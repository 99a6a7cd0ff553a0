// SPDX-License-Identifier: MIT
// What every beam window of the window list does alike, one row per window:
// the legend filling line by line and then its last line again, the clear
// button, the plot button that records nothing, the count that outlives the
// close box, the curves that stay while the user is away, the list of curves
// behind the drawing, and the deflection table of the windows that keep one.
#include "beam_common/beam_form.h"
#include "shell/main_form.h"
#include "shell/window_list.h"
#include "tests/support/test_support.h"
#include "toolkit/client_area.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/picture_box.h"
#include "toolkit/program.h"
#include "toolkit/units.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

using beam::BeamControls;
using beam::BeamForm;
using beam::DrawnCurve;
using toolkit::QBColor;

namespace {

// One legend line as the user reads it.
struct LegendLine {
    QString number;
    QString value;
    QColor swatch;
    friend bool operator==(const LegendLine&, const LegendLine&) = default;
};

LegendLine legendLine(const BeamForm& form, int line)
{
    const beam::LegendGrid& legend = form.controls().legend;
    return {legend.cell(line, 0).caption(), legend.cell(line, 1).caption(),
            legend.cell(line, 2).palette().color(QPalette::Window)};
}

QString described(const LegendLine& line)
{
    return QStringLiteral("\"%1\" \"%2\" %3").arg(line.number, line.value, line.swatch.name());
}

QColor colour(int qbIndex)
{
    return toolkit::toQColor(QBColor(qbIndex));
}

// One change as a user makes it: the right arrow, or the left one at the end.
void change(BeamControls& c)
{
    if (c.HScroll1.value() < c.HScroll1.maximum())
        test_support::clickRightArrow(c.HScroll1);
    else
        test_support::clickLeftArrow(c.HScroll1);
}

// The widgets that hide plotted points: every child of the client area but the
// drawing surface and the free-standing labels, which lie under the points.
std::vector<QRect> coveringBoxes(const BeamForm& form)
{
    const toolkit::ClientArea& client = form.window()->clientArea();
    std::vector<QRect> boxes;
    for (const QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != &client.surface() && qobject_cast<const toolkit::Label*>(child) == nullptr && child->isVisible())
            boxes.push_back(child->geometry());
    }
    return boxes;
}

// Empty when every dot of the curve for `load` that no widget hides shows in
// `qbIndex`; otherwise where it does not.
QString curveShownIn(const BeamForm& form, double load, int qbIndex)
{
    const QImage client = test_support::grabClient(form);
    const std::vector<QRect> covering = coveringBoxes(form);
    int shown = 0;
    for (const beam::CurveSample& sample : form.description().curve(load)) {
        const QPoint pixel = toolkit::twipsToPoint(sample.point.x, sample.point.y);
        if (!client.rect().contains(pixel)
            || std::ranges::any_of(covering, [&](const QRect& box) { return box.contains(pixel); }))
            continue;
        if (client.pixel(pixel) != test_support::rgb(QBColor(qbIndex)))
            return QStringLiteral("load %1: the dot at x = %2 shows %3, not %4")
                .arg(load)
                .arg(sample.x)
                .arg(QColor(client.pixel(pixel)).name(), colour(qbIndex).name());
        ++shown;
    }
    return shown > 0 ? QString() : QStringLiteral("load %1: no dot in view").arg(load);
}

bool layerIsEmpty(const BeamForm& form)
{
    const QImage& layer = form.surface().layer().image();
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(layer.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

} // namespace

class BeamWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void changesFillTheLegendThenRewriteItsLastLine_data() { windowRows(); }
    void changesFillTheLegendThenRewriteItsLastLine();
    void clearErasesCurvesAndLegendAndRestartsTheCount_data() { windowRows(); }
    void clearErasesCurvesAndLegendAndRestartsTheCount();
    void plotButtonDrawsWithoutRecording_data() { windowRows(); }
    void plotButtonDrawsWithoutRecording();
    void countOutlivesTheCloseBoxLegendAndCurvesDoNot_data() { windowRows(); }
    void countOutlivesTheCloseBoxLegendAndCurvesDoNot();
    void dragIsOneChangeAndItsCurveStaysWhileAway_data() { windowRows(); }
    void dragIsOneChangeAndItsCurveStaysWhileAway();
    void listOfCurvesDrawsTheWindowsDotsAgain_data() { windowRows(); }
    void listOfCurvesDrawsTheWindowsDotsAgain();
    void deflectionTableKeepsTheLastSampleOfEachWholePosition_data() { windowRows(); }
    void deflectionTableKeepsTheLastSampleOfEachWholePosition();

private:
    static void windowRows();
    BeamForm& open();

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<shell::Windows> windows_;
};

void BeamWindowTest::windowRows()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i)
        QTest::addRow("%s", shell::kBeamWindows[i].window.layout.name) << int(i);
}

void BeamWindowTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    windows_ = std::make_unique<shell::Windows>(*program_);
}

void BeamWindowTest::cleanup()
{
    windows_.reset();
    program_.reset();
    test_support::settle();
}

BeamForm& BeamWindowTest::open()
{
    QFETCH(int, index);
    BeamForm& form = windows_->beamWindow(std::size_t(index));
    form.Show();
    test_support::settle();
    return form;
}

// Change k fills line min(k, lines): its number, the scroll value and its
// colour, and draws its curve in that colour over everything drawn before.
// Past the last line, every change rewrites the last line.
void BeamWindowTest::changesFillTheLegendThenRewriteItsLastLine()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const std::span<const int> colours = form.description().changeColours;
    const int lines = c.legend.lineCount();
    QCOMPARE(std::size_t(lines), colours.size());
    for (int line = 0; line < lines; ++line)
        QCOMPARE(legendLine(form, line).number, QString());

    std::vector<LegendLine> expected(static_cast<std::size_t>(lines));
    for (int k = 1; k <= lines + 2; ++k) {
        change(c);
        const int line = std::min(k, lines) - 1;
        const int qbIndex = colours[std::size_t(line)];
        const QString value = QString::number(c.HScroll1.value());
        expected[std::size_t(line)] = {QString::number(line + 1), value, colour(qbIndex)};

        QCOMPARE(form.changeCount().value(), k);
        QCOMPARE(c.Text1.text(), value);
        for (int other = 0; other < std::min(k, lines); ++other) {
            const LegendLine shown = legendLine(form, other);
            QVERIFY2(shown == expected[std::size_t(other)],
                     qPrintable(QStringLiteral("after change %1, line %2 shows %3, not %4")
                                    .arg(k)
                                    .arg(other + 1)
                                    .arg(described(shown), described(expected[std::size_t(other)]))));
        }
        for (int empty = k; empty < lines; ++empty)
            QCOMPARE(legendLine(form, empty).number, QString());
        QCOMPARE(*(form.curves().end() - 1), (DrawnCurve{line, qbIndex, double(c.HScroll1.value())}));
        const QString problem = curveShownIn(form, c.HScroll1.value(), qbIndex);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("change %1: ").arg(k) + problem));
    }
}

void BeamWindowTest::clearErasesCurvesAndLegendAndRestartsTheCount()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    for (int k = 0; k < 3; ++k)
        change(c);
    const beam::LegendGrid& legend = c.legend;
    std::vector<std::pair<QColor, QColor>> cellColours;
    for (int line = 0; line < legend.lineCount(); ++line)
        cellColours.emplace_back(legend.cell(line, 0).palette().color(QPalette::Window),
                                 legend.cell(line, 1).palette().color(QPalette::Window));
    const QString text1 = c.Text1.text();
    const QString text2 = c.Text2 != nullptr ? c.Text2->text() : QString();
    const float symbolLeft = c.OLE1 != nullptr ? c.OLE1->leftTwips() : 0;

    QTest::mouseClick(&c.Command3, Qt::LeftButton);
    QCOMPARE(form.changeCount().value(), 0);
    QVERIFY(form.curves().empty());
    QVERIFY(layerIsEmpty(form));
    for (int line = 0; line < legend.lineCount(); ++line) {
        QCOMPARE(legendLine(form, line), (LegendLine{QString(), QString(), colour(toolkit::kClearedSwatch)}));
        // The number and value cells keep their own backgrounds.
        QCOMPARE(legend.cell(line, 0).palette().color(QPalette::Window), cellColours[std::size_t(line)].first);
        QCOMPARE(legend.cell(line, 1).palette().color(QPalette::Window), cellColours[std::size_t(line)].second);
    }
    // The load value, the texts and the symbol stay.
    QCOMPARE(c.HScroll1.value(), 3);
    QCOMPARE(c.Text1.text(), text1);
    if (c.Text2 != nullptr)
        QCOMPARE(c.Text2->text(), text2);
    if (c.OLE1 != nullptr)
        QCOMPARE(c.OLE1->leftTwips(), symbolLeft);

    // Numbering starts again at line 1 in the first colour.
    change(c);
    const int first = form.description().changeColours.front();
    QCOMPARE(legendLine(form, 0), (LegendLine{QStringLiteral("1"), QStringLiteral("4"), colour(first)}));
    QCOMPARE(legendLine(form, 1), (LegendLine{QString(), QString(), colour(toolkit::kClearedSwatch)}));
    QCOMPARE(form.curves().size(), std::size_t(1));
    QVERIFY(curveShownIn(form, 4, first).isEmpty());
}

// The plot button draws the current curve in the window's plot colour and
// records nothing: the next change still takes the next line.
void BeamWindowTest::plotButtonDrawsWithoutRecording()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const beam::BeamWindow& window = form.description();
    change(c);
    const LegendLine first = legendLine(form, 0);

    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    QCOMPARE(form.changeCount().value(), 1);
    QCOMPARE(legendLine(form, 0), first);
    QCOMPARE(legendLine(form, 1).number, QString());
    QCOMPARE(c.HScroll1.value(), 1);
    QCOMPARE(*(form.curves().end() - 1), (DrawnCurve{beam::kPlotButton, window.plotColour, 1}));
    const QString problem = curveShownIn(form, 1, window.plotColour);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    change(c);
    QCOMPARE(legendLine(form, 1),
             (LegendLine{QStringLiteral("2"), QStringLiteral("2"), colour(window.changeColours[1])}));
    QCOMPARE(form.curves().size(), std::size_t(3));
}

// Closing with the close box discards the controls, the legend and the
// curves, not the count: after three changes the next one, in the reopened
// window, is the fourth.
void BeamWindowTest::countOutlivesTheCloseBoxLegendAndCurvesDoNot()
{
    BeamForm& form = open();
    // The main window stays loaded, so closing this one does not end the
    // program.
    windows_->Form1().Show();
    for (int k = 0; k < 3; ++k)
        change(form.controls());
    std::optional<beam::DeflectionTable> table;
    if (form.deflectionTable() != nullptr)
        table = *form.deflectionTable();

    form.window()->close();
    test_support::settle();
    QVERIFY(!form.isLoaded());
    QVERIFY(form.curves().empty());
    QVERIFY(!program_->hasEnded());

    form.Show();
    test_support::settle();
    BeamControls& c = form.controls();
    QCOMPARE(form.changeCount().value(), 3);
    QVERIFY(form.curves().empty());
    QVERIFY(layerIsEmpty(form));
    QCOMPARE(c.Text1.text(), QStringLiteral("0"));
    QCOMPARE(c.HScroll1.value(), 0);
    for (int line = 0; line < c.legend.lineCount(); ++line)
        QCOMPARE(legendLine(form, line).number, QString());
    if (table) {
        for (std::size_t i = 0; i < beam::DeflectionTable::kSize; ++i)
            QCOMPARE(form.deflectionTable()->at(i), table->at(i));
    }

    change(c);
    const int fourth = form.description().changeColours[3];
    QCOMPARE(legendLine(form, 3), (LegendLine{QStringLiteral("4"), QStringLiteral("1"), colour(fourth)}));
    for (int line : {0, 1, 2})
        QCOMPARE(legendLine(form, line).number, QString());
    QVERIFY(curveShownIn(form, 1, fourth).isEmpty());
}

// A drag of the thumb is one change, where it is released. Leaving keeps the
// window open behind the main window with everything on it; choosing it again
// from the menu brings it back as it was.
void BeamWindowTest::dragIsOneChangeAndItsCurveStaysWhileAway()
{
    QFETCH(int, index);
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const int target = c.HScroll1.maximum() / 2 + 1;
    test_support::dragThumbTo(c.HScroll1, target);
    QCOMPARE(c.HScroll1.value(), target);
    QCOMPARE(form.changeCount().value(), 1);
    QCOMPARE(form.curves().size(), std::size_t(1));
    const toolkit::FormWindow* window = form.window();

    QTest::mouseClick(&c.Command2, Qt::LeftButton);
    test_support::settle();
    QVERIFY(windows_->Form1().isLoaded());
    QVERIFY(form.isLoaded());
    QCOMPARE(form.window(), window);

    windows_->Form1().mnuBeamWindow_Click(std::size_t(index));
    test_support::settle();
    QVERIFY(!windows_->Form1().isLoaded());
    QCOMPARE(form.window(), window);
    QCOMPARE(form.controls().Text1.text(), QString::number(target));
    QCOMPARE(legendLine(form, 0).value, QString::number(target));
    QCOMPARE(form.curves().size(), std::size_t(1));
    const QString problem = curveShownIn(form, target, form.description().changeColours.front());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// The list of curves is what the window shows: drawn again in its order, from
// the window's curve function alone, it gives the window's dots exactly. That
// holds when a change or the plot button draws a curve over an identical one,
// which the list keeps once.
void BeamWindowTest::listOfCurvesDrawsTheWindowsDotsAgain()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const int lines = c.legend.lineCount();
    for (int k = 0; k < lines + 4; ++k) {
        change(c);
        if (k % 3 == 0)
            QTest::mouseClick(&c.Command1, Qt::LeftButton);
    }
    // Back and forth on the last line: the same curves again.
    for (int k = 0; k < 6; ++k)
        test_support::clickLeftArrow(c.HScroll1);
    for (int k = 0; k < 6; ++k)
        test_support::clickRightArrow(c.HScroll1);
    QVERIFY(form.curves().size() < std::size_t(form.changeCount().value()));

    const QImage& shown = form.surface().layer().image();
    toolkit::PointLayer redrawn;
    redrawn.reserve(form.surface().size(), shown.devicePixelRatio());
    for (const DrawnCurve& drawn : form.curves()) {
        for (const beam::CurveSample& sample : form.description().curve(drawn.load))
            redrawn.plot(sample.point.x, sample.point.y, 2, QBColor(drawn.colour), form.surface().rect());
    }
    QVERIFY(redrawn.image() == shown);
}

// Entry i holds the deflection of the last sample of the last curve whose
// position rounds to i; the entries past the span are never written.
void BeamWindowTest::deflectionTableKeepsTheLastSampleOfEachWholePosition()
{
    BeamForm& form = open();
    if (form.deflectionTable() == nullptr)
        QSKIP("this window keeps no deflection table");

    BeamControls& c = form.controls();
    test_support::dragThumbTo(c.HScroll1, c.HScroll1.maximum());
    test_support::dragThumbTo(c.HScroll1, 1);
    std::vector<double> lastDeflection(beam::DeflectionTable::kSize, 0.0);
    for (const beam::CurveSample& sample : form.description().curve(1))
        lastDeflection.at(std::size_t(std::nearbyint(sample.x))) = sample.deflection;
    for (std::size_t i = 0; i < beam::DeflectionTable::kSize; ++i)
        QCOMPARE(form.deflectionTable()->at(i), lastDeflection[i]);
}

QTEST_MAIN(BeamWindowTest)
#include "beam_window_test.moc"
