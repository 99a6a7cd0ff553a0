// SPDX-License-Identifier: MIT
// Form4's own behaviour: its read-outs, its placement on the screen, the
// symbol and the curve for every position, and the symbol hiding the points
// in its box. What all beam windows do alike is tested over the window list.
#include "beam_moment_load/moment_load_case.h"
#include "beam_moment_load/moment_load_form.h"
#include "beam_moment_load/moment_load_layout.h"

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
using beam::PlotPoint;
using toolkit::Bgr;
using toolkit::QBColor;

namespace {

constexpr Bgr kSwatchLayoutColour = 0x00FFC0C0;

Bgr swatchColour(const toolkit::Label& swatch)
{
    const QColor colour = swatch.palette().color(QPalette::Window);
    return Bgr(colour.red()) | Bgr(colour.green()) << 8 | Bgr(colour.blue()) << 16;
}

std::vector<PlotPoint> curveFor(int a)
{
    std::vector<PlotPoint> points;
    for (const beam::CurveSample& sample : moment_load::kWindow.curve(a))
        points.push_back(sample.point);
    return points;
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
    void symbolHidesPointsInItsBoxButNotOnTheBeam();
    void symbolTurnsTheWayTheCurvesBend();

private:
    moment_load::Form& open();
    beam::BeamControls& controls() { return form_->controls(); }
    const toolkit::Label& cell(int row, int index) { return controls().legend.cell(row, index); }
    void verifyRow(int row, const QString& number, const QString& position, Bgr swatch);
    QRgb pixelAt(PlotPoint point);

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<test_support::BlankForm> mainWindow_;
    std::unique_ptr<moment_load::Form> form_;
};

void MomentLoadFormTest::initTestCase()
{
    installLook();
}

void MomentLoadFormTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    mainWindow_ = std::make_unique<test_support::BlankForm>(*program_);
    form_ = std::make_unique<moment_load::Form>(*program_, *mainWindow_, moment_load::kWindow);
}

void MomentLoadFormTest::cleanup()
{
    form_.reset();
    mainWindow_.reset();
    program_.reset();
    settle();
}

moment_load::Form& MomentLoadFormTest::open()
{
    form_->Show();
    settle();
    return *form_;
}

void MomentLoadFormTest::verifyRow(int row, const QString& number, const QString& position, Bgr swatch)
{
    QCOMPARE(cell(row, 0).caption(), number);
    QCOMPARE(cell(row, 1).caption(), position);
    QCOMPARE(swatchColour(cell(row, 2)), swatch);
}

QRgb MomentLoadFormTest::pixelAt(PlotPoint point)
{
    return pixelAtTwips(grabClient(*form_), point.x, point.y);
}

void MomentLoadFormTest::opensWithReadoutsAndEmptyLegend()
{
    moment_load::Form& form = open();
    beam::BeamControls& c = controls();

    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Form4"));
    QCOMPARE(c.Text1.text(), QStringLiteral("0"));
    QVERIFY(c.Text1.alignment() & Qt::AlignHCenter);
    QCOMPARE(c.Text2->text(), QStringLiteral("3000 KN-m"));
    QCOMPARE(c.Command2.text(), QStringLiteral("離        開"));
    QCOMPARE(c.HScroll1.value(), 0);
    QCOMPARE(c.HScroll1.maximum(), 7);
    QCOMPARE(c.OLE1->leftTwips(), 960.0F);
    for (int row = 0; row < 7; ++row)
        verifyRow(row, QString(), QString(), kSwatchLayoutColour);

    // The legend's last row and the frame's lower border are in view.
    const QWidget* frame = cell(6, 0).parentWidget();
    QVERIFY(form.window()->clientArea().rect().contains(frame->geometry()));
}

void MomentLoadFormTest::opensAtItsPlacement()
{
    moment_load::Form& form = open();
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

    moment_load::Form& form = open();
    beam::BeamControls& c = controls();
    if (a > 0)
        dragThumbTo(c.HScroll1, a);
    QCOMPARE(c.HScroll1.value(), a);
    QCOMPARE(form.changeCount().value(), a > 0 ? 1 : 0);
    QTest::mouseClick(&c.Command1, Qt::LeftButton);

    QCOMPARE(c.Text1.text(), QString::number(a));
    QCOMPARE(c.OLE1->leftTwips(), symbolLeft);
    QCOMPARE(c.OLE1->x(), toolkit::twipsToPixels(symbolLeft));
    const PlotPoint extreme = extremeOf(a);
    QVERIFY(!c.OLE1->geometry().contains(toolkit::twipsToPoint(extreme.x, extreme.y)));
    QCOMPARE(pixelAt(extreme), rgb(QBColor(10)));
}

// The symbol is a separate widget: curve points inside its box stay hidden
// there, while points on the beam drawing show over it.
void MomentLoadFormTest::symbolHidesPointsInItsBoxButNotOnTheBeam()
{
    moment_load::Form& form = open();
    QTest::mouseClick(&controls().Command1, Qt::LeftButton);
    const QImage client = grabClient(form);
    const QRect box = controls().OLE1->geometry();
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

// A couple at the left support lifts the beam there, so it turns
// counter-clockwise: the ribbon rises at the lower right and comes down on
// the left, where its arrowhead is the lowest part of the drawing.
void MomentLoadFormTest::symbolTurnsTheWayTheCurvesBend()
{
    open();
    QVERIFY(extremeOf(0).y < moment_load::kBeamLine);

    toolkit::PictureBox& symbol = *controls().OLE1;
    QImage drawing(symbol.size(), QImage::Format_ARGB32);
    drawing.fill(Qt::transparent);
    symbol.render(&drawing, QPoint(), QRegion(), QWidget::RenderFlags());

    int lowestRow = -1;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            if (qAlpha(drawing.pixel(x, y)) != 0)
                lowestRow = y;
    QVERIFY(lowestRow > drawing.height() / 2);
    for (int x = 0; x < drawing.width(); ++x)
        if (qAlpha(drawing.pixel(x, lowestRow)) != 0)
            QVERIFY2(x < drawing.width() / 2,
                     qPrintable(QStringLiteral("ink at x = %1 of %2").arg(x).arg(drawing.width())));
}

QTEST_MAIN(MomentLoadFormTest)
#include "moment_load_form_test.moc"
