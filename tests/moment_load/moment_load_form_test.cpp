// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_form.h"
#include "beam_moment_load/moment_load_model.h"

#include "shell/main_form.h"
#include "shell/window_list.h"
#include "tests/support/test_support.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/picture_box.h"
#include "toolkit/program.h"
#include "toolkit/units.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace test_support;
using toolkit::Bgr;
using toolkit::PlotPoint;
using toolkit::QBColor;

namespace {

constexpr Bgr kSwatchLayoutColour = 0x00FFC0C0;
constexpr Bgr kWindowColour = 0x00FFFFC0;

Bgr swatchColour(const toolkit::Label& swatch)
{
    const QColor colour = swatch.palette().color(QPalette::Window);
    return Bgr(colour.red()) | Bgr(colour.green()) << 8 | Bgr(colour.blue()) << 16;
}

std::vector<PlotPoint> curveFor(int a)
{
    toolkit::DeflectionTable table;
    return moment_load::momentCurve(std::int16_t(a), table);
}

// The point of the curve farthest from the beam line.
PlotPoint extremeOf(int a)
{
    const std::vector<PlotPoint> curve = curveFor(a);
    return *std::max_element(curve.begin(), curve.end(), [](const PlotPoint& p, const PlotPoint& q) {
        return std::fabs(p.y - 1900) < std::fabs(q.y - 1900);
    });
}

} // namespace

class MomentLoadFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithReadoutsAndEmptyLegend();
    void opensAtItsPlacement();
    void symbolAndCurveFollowThePosition_data();
    void symbolAndCurveFollowThePosition();
    void rowsFillOverEightChangesAndEmptyOnClear();
    void changeCountSurvivesCloseAndReopen();
    void plotButtonLeavesLegendAlone();
    void symbolHidesPointsInItsBoxButNotOnTheBeam();

private:
    MomentLoadForm& open();
    MomentLoadControls& controls() { return windows_->Form4().controls(); }
    const toolkit::Label& cell(int row, int index) { return controls().legend.cell(row, index); }
    void verifyRow(int row, const QString& number, const QString& position, Bgr swatch);
    QRgb pixelAt(PlotPoint point);

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<shell::Windows> windows_;
};

void MomentLoadFormTest::initTestCase()
{
    installLook();
}

void MomentLoadFormTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    windows_ = std::make_unique<shell::Windows>(*program_);
}

void MomentLoadFormTest::cleanup()
{
    windows_.reset();
    program_.reset();
    settle();
}

MomentLoadForm& MomentLoadFormTest::open()
{
    MomentLoadForm& form = windows_->Form4();
    form.Show();
    settle();
    return form;
}

void MomentLoadFormTest::verifyRow(int row, const QString& number, const QString& position, Bgr swatch)
{
    QCOMPARE(cell(row, 0).caption(), number);
    QCOMPARE(cell(row, 1).caption(), position);
    QCOMPARE(swatchColour(cell(row, 2)), swatch);
}

QRgb MomentLoadFormTest::pixelAt(PlotPoint point)
{
    return pixelAtTwips(grabClient(windows_->Form4()), point.x, point.y);
}

void MomentLoadFormTest::opensWithReadoutsAndEmptyLegend()
{
    MomentLoadForm& form = open();
    MomentLoadControls& c = controls();

    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Form4"));
    QCOMPARE(c.Text1.text(), QStringLiteral("0"));
    QVERIFY(c.Text1.alignment() & Qt::AlignHCenter);
    QCOMPARE(c.Text2.text(), QStringLiteral("3000 KN-m"));
    QCOMPARE(c.Command2.text(), QStringLiteral("離        開"));
    QCOMPARE(c.HScroll1.value(), 0);
    QCOMPARE(c.HScroll1.maximum(), 7);
    QCOMPARE(c.OLE1.leftTwips(), 960.0F);
    for (int row = 0; row < 7; ++row)
        verifyRow(row, QString(), QString(), kSwatchLayoutColour);

    // The legend's last row and the frame's lower border are in view.
    const QWidget* frame = cell(6, 0).parentWidget();
    QVERIFY(form.window()->clientArea().rect().contains(frame->geometry()));
}

void MomentLoadFormTest::opensAtItsPlacement()
{
    MomentLoadForm& form = open();
    // (60, 345) twips from the screen's corner to the client area's.
    QCOMPARE(form.window()->clientArea().mapToGlobal(QPoint(0, 0)), QPoint(4, 23));
}

void MomentLoadFormTest::symbolAndCurveFollowThePosition_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<float>("symbolLeft");

    QTest::newRow("left support") << 0 << 960.0F;
    QTest::newRow("position 1") << 1 << 1860.0F;
    QTest::newRow("position 2") << 2 << 2760.0F;
    QTest::newRow("position 3") << 3 << 3660.0F;
    QTest::newRow("position 4") << 4 << 4560.0F;
    QTest::newRow("position 5") << 5 << 5460.0F;
    QTest::newRow("position 6") << 6 << 6360.0F;
    QTest::newRow("right support") << 7 << 7260.0F;
}

// The thumb dragged to a position and released is one change; the plot button
// then draws the same curve again in light green.
void MomentLoadFormTest::symbolAndCurveFollowThePosition()
{
    QFETCH(int, a);
    QFETCH(float, symbolLeft);

    MomentLoadForm& form = open();
    MomentLoadControls& c = controls();
    if (a > 0)
        dragThumbTo(c.HScroll1, a);
    QCOMPARE(c.HScroll1.value(), a);
    QCOMPARE(form.changeCount().value(), a > 0 ? 1 : 0);
    QTest::mouseClick(&c.Command1, Qt::LeftButton);

    QCOMPARE(c.Text1.text(), QString::number(a));
    QCOMPARE(c.OLE1.leftTwips(), symbolLeft);
    QCOMPARE(c.OLE1.x(), toolkit::twipsToPixels(symbolLeft));
    const PlotPoint extreme = extremeOf(a);
    QVERIFY(!c.OLE1.geometry().contains(toolkit::twipsToPoint(extreme.x, extreme.y)));
    QCOMPARE(pixelAt(extreme), rgb(QBColor(10)));
}

// Changes 1 to 7 fill rows 1 to 7 in colours 9 to 14 and then 1; the eighth
// overwrites row 7. The clear button empties the legend to grey swatches and
// the next change starts again on row 1.
void MomentLoadFormTest::rowsFillOverEightChangesAndEmptyOnClear()
{
    MomentLoadForm& form = open();
    MomentLoadControls& c = controls();

    const int colours[] = {9, 10, 11, 12, 13, 14, 1};
    for (int change = 0; change < 7; ++change) {
        clickRightArrow(c.HScroll1);
        const QString position = QString::number(change + 1);
        QCOMPARE(c.Text1.text(), position);
        verifyRow(change, QString::number(change + 1), position, QBColor(colours[change]));
        if (change < 6)
            verifyRow(change + 1, QString(), QString(), kSwatchLayoutColour);
    }
    clickLeftArrow(c.HScroll1);
    QCOMPARE(form.changeCount().value(), 8);
    for (int row = 0; row < 6; ++row)
        verifyRow(row, QString::number(row + 1), QString::number(row + 1), QBColor(colours[row]));
    verifyRow(6, QStringLiteral("7"), QStringLiteral("6"), QBColor(1));
    const PlotPoint lastExtreme = extremeOf(6);
    QCOMPARE(pixelAt(lastExtreme), rgb(QBColor(1)));

    QTest::mouseClick(&c.Command3, Qt::LeftButton);
    QCOMPARE(form.changeCount().value(), 0);
    for (int row = 0; row < 7; ++row)
        verifyRow(row, QString(), QString(), QBColor(7));
    QCOMPARE(pixelAt(lastExtreme), rgb(kWindowColour));
    QCOMPARE(c.Text1.text(), QStringLiteral("6"));
    QCOMPARE(c.HScroll1.value(), 6);
    QCOMPARE(c.OLE1.leftTwips(), 6360.0F);

    clickRightArrow(c.HScroll1);
    verifyRow(0, QStringLiteral("1"), QStringLiteral("7"), QBColor(9));
    for (int row = 1; row < 7; ++row)
        verifyRow(row, QString(), QString(), QBColor(7));
    QCOMPARE(pixelAt(extremeOf(7)), rgb(QBColor(9)));
}

// Closing with the close box discards the controls and the legend, not the
// count: after three changes the next one, in the reopened window, is the
// fourth.
void MomentLoadFormTest::changeCountSurvivesCloseAndReopen()
{
    MomentLoadForm& form = open();
    for (int change = 0; change < 3; ++change)
        clickRightArrow(controls().HScroll1);
    const double deflectionAtMidspan = form.deflectionTable().at(3);

    QTest::mouseClick(&controls().Command2, Qt::LeftButton);
    form.window()->close();
    settle();
    QVERIFY(!form.isLoaded());
    windows_->Form1().mnu3_Click();
    settle();
    QVERIFY(form.isLoaded());

    MomentLoadControls& c = controls();
    QCOMPARE(form.changeCount().value(), 3);
    QCOMPARE(form.deflectionTable().at(3), deflectionAtMidspan);
    QCOMPARE(c.Text1.text(), QStringLiteral("0"));
    QCOMPARE(c.HScroll1.value(), 0);
    QCOMPARE(c.OLE1.leftTwips(), 960.0F);
    for (int row = 0; row < 7; ++row)
        verifyRow(row, QString(), QString(), kSwatchLayoutColour);

    clickRightArrow(c.HScroll1);
    verifyRow(3, QStringLiteral("4"), QStringLiteral("1"), QBColor(12));
    verifyRow(0, QString(), QString(), kSwatchLayoutColour);
    QCOMPARE(form.changeCount().value(), 4);
}

void MomentLoadFormTest::plotButtonLeavesLegendAlone()
{
    MomentLoadForm& form = open();
    MomentLoadControls& c = controls();
    clickRightArrow(c.HScroll1);

    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    QCOMPARE(form.changeCount().value(), 1);
    verifyRow(0, QStringLiteral("1"), QStringLiteral("1"), QBColor(9));
    verifyRow(1, QString(), QString(), kSwatchLayoutColour);
    QCOMPARE(pixelAt(extremeOf(1)), rgb(QBColor(10)));

    clickRightArrow(c.HScroll1);
    verifyRow(1, QStringLiteral("2"), QStringLiteral("2"), QBColor(10));
    QCOMPARE(form.changeCount().value(), 2);
}

// The symbol is a separate widget: curve points inside its box stay hidden
// there, while points on the beam drawing show over it.
void MomentLoadFormTest::symbolHidesPointsInItsBoxButNotOnTheBeam()
{
    MomentLoadForm& form = open();
    QTest::mouseClick(&controls().Command1, Qt::LeftButton);
    const QImage client = grabClient(form);
    const QRect box = controls().OLE1.geometry();
    const QRgb green = rgb(QBColor(10));

    int hidden = 0;
    int onBeam = 0;
    for (const PlotPoint& point : curveFor(0)) {
        const QPoint pixel = toolkit::twipsToPoint(point.x, point.y);
        if (box.contains(pixel)) {
            QVERIFY2(client.pixel(pixel) != green,
                     qPrintable(QStringLiteral("point (%1, %2) shows through the symbol").arg(point.x).arg(point.y)));
            ++hidden;
        } else if (point.y == 1900 && point.x >= 7000) {
            QCOMPARE(client.pixel(pixel), green);
            ++onBeam;
        }
    }
    QVERIFY(hidden > 0);
    QVERIFY(onBeam > 0);
}

QTEST_MAIN(MomentLoadFormTest)
#include "moment_load_form_test.moc"
