// SPDX-License-Identifier: MIT
// What every beam window of the window list does alike, one row per window:
// the legend filling line by line and then its last line again, the clear
// button, the plot button that records nothing, the count that outlives the
// close box, the curves that stay while the user is away, the list of curves
// behind the drawing, the deflection table of the windows that keep one, the
// numbers read off the curves by hovering and by a screen reader, and the
// parts of the window that a change paints again.
#include "beam_common/beam_form.h"
#include "beam_common/curve_table.h"
#include "beam_common/readout.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "tests/support/beam_window_rows.h"
#include "tests/support/test_support.h"
#include "toolkit/client_area.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/picture_box.h"
#include "toolkit/program.h"
#include "toolkit/units.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <numeric>
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

// The tooltip the drawing area shows for the pointer resting at `pixel`, or
// nothing: where there is nothing to say, the drawing area hides the tooltip
// and leaves the event unaccepted.
QString tooltipAt(BeamForm& form, QPoint pixel)
{
    QWidget& drawing = form.window()->clientArea();
    QHelpEvent event(QEvent::ToolTip, pixel, drawing.mapToGlobal(pixel));
    QCoreApplication::sendEvent(&drawing, &event);
    return event.isAccepted() ? QToolTip::text() : QString();
}

bool onAControl(const BeamForm& form, QPoint pixel)
{
    return std::ranges::any_of(coveringBoxes(form), [&](const QRect& box) { return box.contains(pixel); });
}

QPoint pixelOf(const beam::CurveSample& sample)
{
    return toolkit::twipsToPoint(sample.point.x, sample.point.y);
}

// x along the beam as the read-out shows it for a pixel.
QString shownX(const beam::BeamWindow& window, QPoint pixel)
{
    return QStringLiteral("x = %1").arg(window.mapping.alongBeam(toolkit::pixelsToTwips(pixel.x())), 0, 'f', 3);
}

// Collects, in client-area pixels, the region of every paint event of the
// client area and of every widget on it.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& client)
        : client_(client)
    {
        client_.installEventFilter(this);
        for (QWidget* widget : client_.findChildren<QWidget*>())
            widget->installEventFilter(this);
    }

    const QRegion& painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            painted_ += static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(&client_, QPoint()));
        }
        return false;
    }

private:
    QWidget& client_;
    QRegion painted_;
};

// The pixels that differ between two pictures of the same size.
QRegion differing(const QImage& before, const QImage& after)
{
    QRegion region;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width();) {
            int end = x;
            while (end < after.width() && before.pixel(end, y) != after.pixel(end, y))
                ++end;
            if (end > x)
                region += QRect(x, y, end - x, 1);
            x = end + 1;
        }
    }
    return region;
}

std::vector<QRect> childBoxes(const BeamForm& form)
{
    const toolkit::ClientArea& client = form.window()->clientArea();
    std::vector<QRect> boxes;
    for (const QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != &client.surface() && child->isVisible())
            boxes.push_back(child->geometry());
    }
    return boxes;
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

    void changesFillTheLegendThenRewriteItsLastLine_data() { test_support::beamWindowRows(); }
    void changesFillTheLegendThenRewriteItsLastLine();
    void clearErasesCurvesAndLegendAndRestartsTheCount_data() { test_support::beamWindowRows(); }
    void clearErasesCurvesAndLegendAndRestartsTheCount();
    void plotButtonDrawsWithoutRecording_data() { test_support::beamWindowRows(); }
    void plotButtonDrawsWithoutRecording();
    void countOutlivesTheCloseBoxLegendAndCurvesDoNot_data() { test_support::beamWindowRows(); }
    void countOutlivesTheCloseBoxLegendAndCurvesDoNot();
    void dragIsOneChangeAndItsCurveStaysWhileAway_data() { test_support::beamWindowRows(); }
    void dragIsOneChangeAndItsCurveStaysWhileAway();
    void listOfCurvesDrawsTheWindowsDotsAgain_data() { test_support::beamWindowRows(); }
    void listOfCurvesDrawsTheWindowsDotsAgain();
    void deflectionTableKeepsTheLastSampleOfEachWholePosition_data() { test_support::beamWindowRows(); }
    void deflectionTableKeepsTheLastSampleOfEachWholePosition();
    void hoverReadsTheCurveUnderThePointer_data() { test_support::beamWindowRows(); }
    void hoverReadsTheCurveUnderThePointer();
    void legendAndDrawingDescribeTheirCurves_data() { test_support::beamWindowRows(); }
    void legendAndDrawingDescribeTheirCurves();
    void screenReaderHearsNamesAndEachChange_data();
    void screenReaderHearsNamesAndEachChange();
    void changesPastTheLegendKeepTheirOwnNumbers_data() { test_support::beamWindowRows(); }
    void changesPastTheLegendKeepTheirOwnNumbers();
    void changeRepaintsWhatChangedAndLittleMore_data() { test_support::beamWindowRows(); }
    void changeRepaintsWhatChangedAndLittleMore();

private:
    BeamForm& open();

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<shell::Windows> windows_;
};

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
        // The change's own number; a change back to an earlier one's value on
        // the last line also counts that it drew that curve again.
        const DrawnCurve& last = *(form.curves().end() - 1);
        QCOMPARE((DrawnCurve{last.legendLine, last.colour, last.load, last.change}),
                 (DrawnCurve{line, qbIndex, double(c.HScroll1.value()), k}));
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
    cellColours.reserve(std::size_t(legend.lineCount()));
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
    QVERIFY(window.changeColours.size() >= 2);
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
    // The fourth change has a line and a colour of its own in every window.
    QVERIFY(c.legend.lineCount() >= 4 && form.description().changeColours.size() >= 4);
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
// the window's curve alone, it gives the window's dots exactly. That
// holds when a change or the plot button draws a curve over an identical one,
// which a full list keeps once.
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
    // Back and forth on the last line: the same curves again, past the
    // curves the list keeps whole.
    for (int round = 0; round < 5; ++round) {
        for (int k = 0; k < 6; ++k)
            test_support::clickLeftArrow(c.HScroll1);
        for (int k = 0; k < 6; ++k)
            test_support::clickRightArrow(c.HScroll1);
    }
    QCOMPARE(form.curves().size(), beam::CurveList::kEveryCurve);

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

// The drawing area's tooltip: x along the beam, and the curve the pointer
// rests on, with how many more pass as near; nothing outside the supports or
// over a control.
void BeamWindowTest::hoverReadsTheCurveUnderThePointer()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const beam::BeamWindow& window = form.description();
    const int first = c.HScroll1.maximum() / 2;
    test_support::dragThumbTo(c.HScroll1, first);
    test_support::clickRightArrow(c.HScroll1);
    const int second = first + 1;
    const beam::Curve firstCurve = window.curve(first);
    const beam::Curve secondCurve = window.curve(second);
    const QString secondTitle =
        QStringLiteral("變換次數 2，%1 %2").arg(QString::fromUtf8(window.loadValueName)).arg(second);

    // On the second curve, where it bends furthest and no control hides it.
    QPoint onCurve;
    double furthest = -1;
    for (const beam::CurveSample& sample : secondCurve) {
        if (!onAControl(form, pixelOf(sample)) && std::fabs(sample.deflection) > furthest) {
            furthest = std::fabs(sample.deflection);
            onCurve = pixelOf(sample);
        }
    }
    const QString onCurveText = tooltipAt(form, onCurve);
    QVERIFY2(
        onCurveText.startsWith(shownX(window, onCurve) + QLatin1Char('\n') + secondTitle + QStringLiteral("：撓度 ")),
        qPrintable(onCurveText));

    // Between the two curves, where they run a few pixels apart: the nearer
    // one, and one more.
    const auto distance = [](const beam::Curve& curve, QPoint pixel) {
        double closest = 1e9;
        for (const beam::CurveSample& sample : curve)
            closest = std::min(closest, std::hypot(sample.point.x - toolkit::pixelsToTwips(pixel.x()),
                                                   sample.point.y - toolkit::pixelsToTwips(pixel.y())));
        return closest;
    };
    QPoint between;
    for (const beam::CurveSample& sample : secondCurve) {
        const QPoint pixel = pixelOf(sample);
        const double toSecond = distance(secondCurve, pixel);
        const double toFirst = distance(firstCurve, pixel);
        if (!onAControl(form, pixel) && toSecond < toFirst && toFirst > 20 && toFirst < 50) {
            between = pixel;
            break;
        }
    }
    QVERIFY(!between.isNull());
    const QString betweenText = tooltipAt(form, between);
    QVERIFY2(betweenText.contains(secondTitle) && betweenText.endsWith(QStringLiteral("附近另有 1 條曲線")),
             qPrintable(QStringLiteral("at (%1, %2): %3").arg(between.x()).arg(between.y()).arg(betweenText)));

    // Away from every curve, between the supports: x alone. Outside the
    // supports and over a control: nothing.
    QPoint away(toolkit::twipsToPixels(window.mapping.plot(window.span() / 2, 0)->x), 2);
    QCOMPARE(tooltipAt(form, away), shownX(window, away));
    const QPoint outside(toolkit::twipsToPixels(window.mapping.plot(0, 0)->x) - 10, onCurve.y());
    QVERIFY(!onAControl(form, outside));
    QCOMPARE(tooltipAt(form, outside), QString());
    QCOMPARE(tooltipAt(form, c.HScroll1.geometry().center()), QString());
    QCOMPARE(tooltipAt(form, c.Command3.geometry().center()), QString());

    // The clear button takes the numbers with the curves.
    QTest::mouseClick(&c.Command3, Qt::LeftButton);
    QCOMPARE(tooltipAt(form, onCurve), shownX(window, onCurve));
}

// Every filled legend line carries its curve's note as tooltip and as the
// description a screen reader reads, and the drawing area lists its curves;
// the clear button and closing the window take them away.
void BeamWindowTest::screenReaderHearsNamesAndEachChange_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("scrollBar");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2"); // empty: the window has no Text2
    QTest::addColumn<QString>("firstSwatch");
    const struct {
        const char* window;
        const char* scrollBar;
        const char* text1;
        const char* text2;
        const char* firstSwatch;
    } rows[] = {
        {"Form2", "位置調整扭", "目前作用位置", "力量大小", "藍色"},
        {"Form3", "負荷大小調整扭", "負荷大小（Kg）", "", "藍色"},
        {"Form4", "彎矩作用位置調整扭", "彎矩作用位置", "彎矩大小", "淺藍色"},
    };
    for (const auto& row : rows) {
        const auto found = std::ranges::find_if(shell::kBeamWindows, [&](const shell::BeamWindowEntry& entry) {
            return qstrcmp(entry.window.layout.name, row.window) == 0;
        });
        QVERIFY(found != shell::kBeamWindows.end());
        QTest::addRow("%s", row.window) << int(found - shell::kBeamWindows.begin()) << QString::fromUtf8(row.scrollBar)
                                        << QString::fromUtf8(row.text1) << QString::fromUtf8(row.text2)
                                        << QString::fromUtf8(row.firstSwatch);
    }
}

// What the accessibility interfaces give a screen reader: the scroll bar and
// the text boxes named by their labels; the bar, which has the keyboard
// while the load changes, describing each change's curve as its legend line
// does, and then the clear; the legend's swatches named by their colour.
void BeamWindowTest::screenReaderHearsNamesAndEachChange()
{
    QFETCH(QString, scrollBar);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, firstSwatch);
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const auto heard = [](const QWidget& widget, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&widget))->text(text);
    };
    QCOMPARE(heard(c.HScroll1, QAccessible::Name), scrollBar);
    QCOMPARE(heard(c.Text1, QAccessible::Name), text1);
    QCOMPARE(c.Text2 != nullptr ? heard(*c.Text2, QAccessible::Name) : QString(), text2);
    QCOMPARE(heard(c.HScroll1, QAccessible::Description), QString());

    for (int k = 1; k <= 2; ++k) {
        change(c);
        const QString said = heard(c.HScroll1, QAccessible::Description);
        QCOMPARE(said, beam::legendNote(form.description(), *std::prev(form.curves().end())));
        QVERIFY2(said.startsWith(QStringLiteral("變換次數 %1，").arg(k)) && said.contains(QStringLiteral("最大撓度：")),
                 qPrintable(said));
    }
    QCOMPARE(heard(c.legend.cell(0, 2), QAccessible::Name), firstSwatch);

    QTest::mouseClick(&c.Command3, Qt::LeftButton);
    QCOMPARE(heard(c.HScroll1, QAccessible::Description), QStringLiteral("已清除圖形"));
    QCOMPARE(heard(c.legend.cell(0, 2), QAccessible::Name), QString());
}

void BeamWindowTest::legendAndDrawingDescribeTheirCurves()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const beam::BeamWindow& window = form.description();
    const QWidget& drawing = form.window()->clientArea();
    QCOMPARE(drawing.accessibleName(), QString::fromUtf8(window.loadCase) + QStringLiteral("的撓度曲線"));
    QCOMPARE(drawing.accessibleDescription(), QStringLiteral("沒有曲線"));

    change(c);
    change(c);
    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    QVERIFY(window.changeColours.size() >= 2);
    for (int line : {0, 1}) {
        const beam::DrawnCurve drawn{line, window.changeColours[std::size_t(line)], double(line + 1), line + 1};
        const QString note = beam::legendNote(window, drawn);
        QVERIFY(note.startsWith(QStringLiteral("變換次數 %1，").arg(line + 1)));
        for (int index = 0; index < 3; ++index) {
            QCOMPARE(c.legend.cell(line, index).toolTip(), note);
            QCOMPARE(c.legend.cell(line, index).accessibleDescription(), note);
        }
    }
    QCOMPARE(c.legend.cell(2, 0).toolTip(), QString());
    QCOMPARE(c.legend.cell(2, 0).accessibleDescription(), QString());
    QVERIFY2(drawing.accessibleDescription().startsWith(QStringLiteral("3 條曲線：變換次數 1，")),
             qPrintable(drawing.accessibleDescription()));
    QVERIFY(drawing.accessibleDescription().endsWith(
        QStringLiteral("「%1」按鈕，%2 2")
            .arg(QString::fromUtf8(window.loadCase), QString::fromUtf8(window.loadValueName))));

    QTest::mouseClick(&c.Command3, Qt::LeftButton);
    for (int line = 0; line < c.legend.lineCount(); ++line) {
        QCOMPARE(c.legend.cell(line, 2).toolTip(), QString());
        QCOMPARE(c.legend.cell(line, 2).accessibleDescription(), QString());
    }
    QCOMPARE(drawing.accessibleDescription(), QStringLiteral("沒有曲線"));

    change(c);
    windows_->Form1().Show();
    form.window()->close();
    test_support::settle();
    form.Show();
    test_support::settle();
    QCOMPARE(form.controls().legend.cell(0, 0).toolTip(), QString());
    QCOMPARE(form.window()->clientArea().accessibleDescription(), QStringLiteral("沒有曲線"));
}

// Past a full legend the legend rewrites its last line, but every curve keeps
// the number of the change that drew it: in the list, the legend line's note,
// the pointer's read-out, the screen reader's description and the exported
// table, which also names the legend line that shows it. A change that draws
// an earlier change's curve again takes its place and says so.
void BeamWindowTest::changesPastTheLegendKeepTheirOwnNumbers()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    const beam::BeamWindow& window = form.description();
    const int lines = c.legend.lineCount();
    const int changes = lines + 4;
    const int values = c.HScroll1.maximum() + 1;
    const auto valueOf = [&](int k) { return k % values; }; // never the same twice running
    for (int k = 1; k <= changes; ++k)
        test_support::dragThumbTo(c.HScroll1, valueOf(k));
    QCOMPARE(form.changeCount().value(), changes);

    const QString word = QString::fromUtf8(window.legendLineWord);
    const auto name = [&](int k) {
        return k <= lines ? QStringLiteral("變換次數 %1").arg(k)
                          : QStringLiteral("變換次數 %1（圖例第 %2 %3）").arg(k).arg(lines).arg(word);
    };
    const QString valueName = QString::fromUtf8(window.loadValueName);
    QCOMPARE(form.curves().size(), std::size_t(changes));
    int k = 0;
    for (const DrawnCurve& drawn : form.curves()) {
        ++k;
        QCOMPARE(drawn, (DrawnCurve{std::min(k, lines) - 1, window.changeColours[std::size_t(std::min(k, lines) - 1)],
                                    double(valueOf(k)), k}));
    }
    const QString lastTitle = name(changes) + QStringLiteral("，%1 %2").arg(valueName).arg(valueOf(changes));
    QVERIFY2(c.legend.cell(lines - 1, 0).toolTip().startsWith(lastTitle + QLatin1Char('\n')),
             qPrintable(c.legend.cell(lines - 1, 0).toolTip()));
    QVERIFY(form.window()->clientArea().accessibleDescription().endsWith(lastTitle));

    // The pointer on the last curve, where it bends furthest in view.
    QPoint onCurve;
    double furthest = -1;
    for (const beam::CurveSample& sample : window.curve(valueOf(changes))) {
        if (!onAControl(form, pixelOf(sample)) && std::fabs(sample.deflection) > furthest) {
            furthest = std::fabs(sample.deflection);
            onCurve = pixelOf(sample);
        }
    }
    const QString readout = tooltipAt(form, onCurve);
    QVERIFY2(readout.contains(QLatin1Char('\n') + lastTitle + QStringLiteral("：撓度 ")), qPrintable(readout));

    const auto headings = [&] {
        const QByteArray table = beam::curveTable(window, form.curves());
        QStringList header = QString::fromUtf8(table.mid(3, table.indexOf("\r\n") - 3)).split(u',');
        header.removeFirst();
        return header;
    };
    QStringList expected;
    for (int k = 1; k <= changes; ++k)
        expected << name(k) + QStringLiteral("：%1 %2").arg(valueName).arg(valueOf(k));
    QCOMPARE(headings(), expected);

    // Back to the value of the change before last: the same curve again, and
    // still a curve of its own while the list is short.
    test_support::dragThumbTo(c.HScroll1, valueOf(changes - 1));
    expected << name(changes + 1) + QStringLiteral("：%1 %2").arg(valueName).arg(valueOf(changes - 1));
    QCOMPARE(headings(), expected);

    // Once the list holds every curve it keeps whole, a change that draws an
    // earlier change's curve again takes its place, and says so.
    for (int k = changes + 2; k <= int(beam::CurveList::kEveryCurve); ++k) {
        test_support::dragThumbTo(c.HScroll1, valueOf(k));
        expected << name(k) + QStringLiteral("：%1 %2").arg(valueName).arg(valueOf(k));
    }
    const int next = int(beam::CurveList::kEveryCurve) + 1;
    QVERIFY(valueOf(lines) != c.HScroll1.value());
    test_support::dragThumbTo(c.HScroll1, valueOf(lines)); // the first change on the last line
    QCOMPARE(form.curves().size(), beam::CurveList::kEveryCurve);
    expected.removeAt(lines - 1);
    expected << QStringLiteral("變換次數 %1（圖例第 %2 %3；與變換次數 %4 的曲線相同）：%5 %6")
                    .arg(next)
                    .arg(lines)
                    .arg(word)
                    .arg(lines)
                    .arg(valueName)
                    .arg(valueOf(lines));
    QCOMPARE(headings(), expected);
}

// A change paints again the new curve's dots, the legend cells, the read-out,
// the bar and the symbol's old and new place: every pixel that changed, and
// nothing but the boxes of the widgets that changed and a few pixels around
// the changed pixels; not the curve's bounding rectangle.
void BeamWindowTest::changeRepaintsWhatChangedAndLittleMore()
{
    BeamForm& form = open();
    BeamControls& c = form.controls();
    change(c);
    test_support::settle();
    const QImage before = test_support::grabClient(form);
    std::vector<QRect> boxes = childBoxes(form);

    QRegion painted;
    {
        // Not while grabbing: a grab paints every widget once more.
        const PaintWatch watch(form.window()->clientArea());
        change(c);
        test_support::settle();
        painted = watch.painted();
    }
    const QRegion changed = differing(before, test_support::grabClient(form));
    std::ranges::copy(childBoxes(form), std::back_inserter(boxes));

    QVERIFY(!changed.isEmpty());
    const QRegion missed = changed - painted;
    QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("changed and not painted: %1 rectangles around (%2, %3)")
                                              .arg(missed.rectCount())
                                              .arg(missed.boundingRect().x())
                                              .arg(missed.boundingRect().y())));
    constexpr int kFewPixels = 4;
    QRegion allowed;
    for (const QRect& changedPixels : changed)
        allowed += changedPixels.adjusted(-kFewPixels, -kFewPixels, kFewPixels, kFewPixels);
    for (const QRect& box : boxes) {
        if (changed.intersects(box))
            allowed += box;
    }
    const QRegion needless = painted - allowed;
    QVERIFY2(needless.isEmpty(),
             qPrintable(QStringLiteral("painted though nothing near changed: %1 pixels within (%2, %3) %4 × %5")
                            .arg(std::accumulate(needless.begin(), needless.end(), 0,
                                                 [](int sum, const QRect& r) { return sum + r.width() * r.height(); }))
                            .arg(needless.boundingRect().x())
                            .arg(needless.boundingRect().y())
                            .arg(needless.boundingRect().width())
                            .arg(needless.boundingRect().height())));
}

QTEST_MAIN(BeamWindowTest)
#include "beam_window_test.moc"
