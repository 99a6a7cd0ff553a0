// SPDX-License-Identifier: MIT
// The drawing surface: where points land, what hides them, and that they stay
// until Cls or unload.
#include "tests/toolkit/test_form.h"

#include "tests/support/test_support.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/program.h"

#include <QPaintEvent>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>

using namespace toolkit;
using test_form::TestForm;
using test_support::grabClient;
using test_support::pixelAtTwips;
using test_support::rgb;

namespace {

constexpr Bgr kRed = 0x000000C0; // in no figure of the test window
constexpr Bgr kBackColor = 0x00C0FFC0;

// Collects the region of every paint event of a widget, and counts them.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget& widget, QRegion& painted, int& paints)
        : widget_(widget)
        , painted_(painted)
        , paints_(paints)
    {
        widget_.installEventFilter(this);
    }
    ~PaintWatch() override { widget_.removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted_ += static_cast<QPaintEvent*>(event)->region();
            ++paints_;
        }
        return false;
    }

private:
    QWidget& widget_;
    QRegion& painted_;
    int& paints_;
};

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void dotCoversPenWidthPixels_data();
    void dotCoversPenWidthPixels();
    void pointsOutsideTheClientAreaDrawNothing_data();
    void pointsOutsideTheClientAreaDrawNothing();
    void separateWidgetsHidePointsFiguresAndLabelsDoNot_data();
    void separateWidgetsHidePointsFiguresAndLabelsDoNot();
    void hiddenPointsShowWhenTheWidgetMovesAway();
    void pointsSurviveRepaints_data();
    void pointsSurviveRepaints();
    void batchOfDotsRepaintsTheDotsNotTheirBox_data();
    void batchOfDotsRepaintsTheDotsNotTheirBox();
    void batchRepaintsACurveAsFewThinRectangles_data();
    void batchRepaintsACurveAsFewThinRectangles();
    void clsShowsTheBackgroundPictureAgain();
    void clsLeavesControlsAndPenWidthAlone();
    void unloadErasesThePoints();

private:
    std::unique_ptr<Program> program_;
    std::unique_ptr<TestForm> form_;
};

void SurfaceTest::init()
{
    program_ = std::make_unique<Program>();
    form_ = std::make_unique<TestForm>(*program_);
    form_->Show();
    test_support::settle();
}

void SurfaceTest::cleanup()
{
    form_.reset();
    program_.reset();
    test_support::settle();
}

void SurfaceTest::dotCoversPenWidthPixels_data()
{
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QRect>("dot"); // pixels, around the point (1200, 750) twips = (80, 50)
    QTest::newRow("pen 1: one pixel") << 1 << QRect(80, 50, 1, 1);
    QTest::newRow("pen 2: two pixels across") << 2 << QRect(79, 49, 2, 2);
    QTest::newRow("pen 3: three pixels across") << 3 << QRect(79, 49, 3, 3);
}

void SurfaceTest::dotCoversPenWidthPixels()
{
    QFETCH(int, penWidth);
    QFETCH(QRect, dot);
    DrawingSurface& surface = form_->surface();
    surface.setDrawWidth(penWidth);
    surface.PSet(1200, 750, kRed);

    const QImage client = grabClient(*form_);
    for (int y = dot.top() - 2; y <= dot.bottom() + 2; ++y) {
        for (int x = dot.left() - 2; x <= dot.right() + 2; ++x) {
            const QRgb expected = dot.contains(x, y) ? rgb(kRed) : rgb(kBackColor);
            QVERIFY2(client.pixel(x, y) == expected, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void SurfaceTest::pointsOutsideTheClientAreaDrawNothing_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::newRow("left") << -100.0F << 750.0F;
    QTest::newRow("above") << 1200.0F << -100.0F;
    QTest::newRow("right") << 3100.0F << 750.0F;
    QTest::newRow("below") << 1200.0F << 2400.0F;
    QTest::newRow("far beyond") << 3.0e38F << -3.0e38F;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 750.0F;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 750.0F;
}

void SurfaceTest::pointsOutsideTheClientAreaDrawNothing()
{
    QFETCH(float, x);
    QFETCH(float, y);
    const QImage before = grabClient(*form_);
    form_->surface().setDrawWidth(2);
    form_->surface().PSet(x, y, kRed);
    QCOMPARE(grabClient(*form_), before);
}

void SurfaceTest::separateWidgetsHidePointsFiguresAndLabelsDoNot_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("visible");
    QTest::newRow("on the background") << 1200.0F << 1650.0F << true;
    QTest::newRow("on a label") << 300.0F << 300.0F << true;
    QTest::newRow("on a shape") << 600.0F << 1050.0F << true;
    QTest::newRow("on a line") << 900.0F << 1500.0F << true;
    QTest::newRow("under a text box") << 1800.0F << 300.0F << false;
    QTest::newRow("under a button") << 1800.0F << 750.0F << false;
    QTest::newRow("under the scroll bar") << 900.0F << 1920.0F << false;
    QTest::newRow("under a frame") << 2100.0F << 1950.0F << false;
    QTest::newRow("under a picture object") << 2550.0F << 1200.0F << false;
}

void SurfaceTest::separateWidgetsHidePointsFiguresAndLabelsDoNot()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(bool, visible);
    const QRgb before = pixelAtTwips(grabClient(*form_), x, y);
    QVERIFY(before != rgb(kRed));
    form_->surface().setDrawWidth(2);
    form_->surface().PSet(x, y, kRed);
    QCOMPARE(pixelAtTwips(grabClient(*form_), x, y), visible ? rgb(kRed) : before);
}

void SurfaceTest::hiddenPointsShowWhenTheWidgetMovesAway()
{
    PictureBox& symbol = form_->controls().OLE1;
    form_->surface().setDrawWidth(2);
    form_->surface().PSet(2550, 1200, kRed);
    QVERIFY(pixelAtTwips(grabClient(*form_), 2550, 1200) != rgb(kRed));

    symbol.setLeftTwips(1500);
    test_support::settle();
    QCOMPARE(pixelAtTwips(grabClient(*form_), 2550, 1200), rgb(kRed));
}

void SurfaceTest::pointsSurviveRepaints_data()
{
    QTest::addColumn<int>("repaint");
    QTest::newRow("hidden and shown again") << 0;
    QTest::newRow("made smaller and larger again") << 1;
    QTest::newRow("label caption changed over the point") << 2;
    QTest::newRow("whole window repainted") << 3;
    QTest::newRow("minimised and restored") << 4;
}

void SurfaceTest::pointsSurviveRepaints()
{
    QFETCH(int, repaint);
    FormWindow& window = *form_->window();
    form_->surface().setDrawWidth(2);
    form_->surface().PSet(300, 300, kRed); // on Label1
    form_->surface().PSet(2850, 2100, kRed); // near the bottom-right corner

    switch (repaint) {
    case 0:
        window.hide();
        test_support::settle();
        window.show();
        break;
    case 1:
        window.resize(window.size() / 2);
        test_support::settle();
        window.resize(window.size() * 2);
        break;
    case 2:
        form_->controls().Label1.setCaption(QStringLiteral("新的標籤"));
        break;
    case 3:
        window.repaint();
        break;
    case 4:
        window.showMinimized();
        test_support::settle();
        window.showNormal();
        break;
    }
    test_support::settle();
    const QImage client = grabClient(*form_);
    QCOMPARE(pixelAtTwips(client, 300, 300), rgb(kRed));
    QCOMPARE(pixelAtTwips(client, 2850, 2100), rgb(kRed));
}

void SurfaceTest::batchOfDotsRepaintsTheDotsNotTheirBox_data()
{
    QTest::addColumn<bool>("batched");
    QTest::newRow("a batch") << true;
    QTest::newRow("dot by dot") << false;
}

// Dots far apart repaint each its own few pixels, not the rectangle around
// them all, in a batch as dot by dot; a batch paints once.
void SurfaceTest::batchOfDotsRepaintsTheDotsNotTheirBox()
{
    QFETCH(bool, batched);
    DrawingSurface& surface = form_->surface();
    QRegion painted;
    int paints = 0;
    PaintWatch watch(surface, painted, paints);
    {
        std::optional<DrawingSurface::RepaintBatch> batch;
        if (batched)
            batch.emplace(surface);
        surface.setDrawWidth(2);
        surface.PSet(300, 1200, kRed);
        surface.PSet(1500, 1350, kRed);
        surface.PSet(2700, 1200, kRed);
    }
    test_support::settle();
    QCOMPARE(paints, 1);
    for (const QPoint dot : {QPoint(20, 80), QPoint(100, 90), QPoint(180, 80)}) {
        QVERIFY(painted.contains(dot));
        QVERIFY(!painted.contains(dot + QPoint(10, 0)));
        QVERIFY(!painted.contains(dot - QPoint(10, 0)));
    }
}

void SurfaceTest::batchRepaintsACurveAsFewThinRectangles_data()
{
    QTest::addColumn<double>("slope"); // pixels down per pixel across
    QTest::newRow("flat") << 0.0;
    QTest::newRow("gentle") << 0.2;
    QTest::newRow("diagonal") << 1.0;
    QTest::newRow("steep") << 4.0;
}

// A curve's dots, one every half pixel across, repaint a region that keeps
// within a few pixels of the line they draw, in a bounded number of
// rectangles.
void SurfaceTest::batchRepaintsACurveAsFewThinRectangles()
{
    QFETCH(double, slope);
    DrawingSurface& surface = form_->surface();
    QRegion painted;
    int paints = 0;
    PaintWatch watch(surface, painted, paints);
    const int width = slope > 1 ? int(150 / slope) : 150;
    {
        const DrawingSurface::RepaintBatch batch(surface);
        surface.setDrawWidth(2);
        for (int step = 0; step <= 2 * width; ++step) {
            const double x = 20 + step / 2.0;
            surface.PSet(float(x * 15), float((20 + (x - 20) * slope) * 15), kRed);
        }
    }
    test_support::settle();
    QCOMPARE(paints, 1);
    QVERIFY2(painted.rectCount() <= 64, qPrintable(QString::number(painted.rectCount())));
    constexpr double kFewPixels = 4;
    for (const QRect& rect : painted) {
        for (const QPoint corner : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
            // Distance of the corner from the line through (20, 20).
            const double across = std::abs((corner.y() - 20) - slope * (corner.x() - 20)) / std::hypot(1.0, slope);
            QVERIFY2(
                across <= kFewPixels + 1.5,
                qPrintable(QStringLiteral("(%1, %2) is %3 pixels off").arg(corner.x()).arg(corner.y()).arg(across)));
        }
    }
}

void SurfaceTest::clsShowsTheBackgroundPictureAgain()
{
    test_form::PictureForm pictureForm(*program_);
    pictureForm.Show();
    test_support::settle();
    const QImage before = grabClient(pictureForm);
    QVERIFY(before.pixel(10, 10) != before.pixel(150, 140)); // a picture, not a plain colour

    DrawingSurface& surface = pictureForm.surface();
    surface.setDrawWidth(3);
    for (int x = 0; x < 3000; x += 30)
        surface.PSet(float(x), float(x) * 0.7F, kRed);
    QVERIFY(grabClient(pictureForm) != before);

    surface.Cls();
    QCOMPARE(grabClient(pictureForm), before);
}

void SurfaceTest::clsLeavesControlsAndPenWidthAlone()
{
    test_form::Controls& c = form_->controls();
    c.Text1.setText(QStringLiteral("42"));
    test_support::clickRightArrow(c.HScroll1);
    c.Label1.setBackColor(QBColor(12));
    form_->surface().setDrawWidth(2);
    form_->surface().PSet(1200, 750, kRed);

    form_->surface().Cls();
    QCOMPARE(c.Text1.text(), QStringLiteral("42"));
    QCOMPARE(c.HScroll1.value(), 1);
    QCOMPARE(c.Label1.palette().color(QPalette::Window), toQColor(QBColor(12)));
    QCOMPARE(c.Label1.caption(), QStringLiteral("標籤"));
    QCOMPARE(form_->surface().drawWidth(), 2);
    QCOMPARE(pixelAtTwips(grabClient(*form_), 1200, 750), rgb(kBackColor));
}

void SurfaceTest::unloadErasesThePoints()
{
    form_->surface().setDrawWidth(2);
    form_->surface().PSet(1200, 750, kRed);
    form_->Unload();
    form_->Show();
    test_support::settle();
    QCOMPARE(pixelAtTwips(grabClient(*form_), 1200, 750), rgb(kBackColor));
    QCOMPARE(form_->surface().drawWidth(), 1);
}

QTEST_MAIN(SurfaceTest)
#include "surface_test.moc"
