// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_form.h"
#include "beam_point_load/point_load_model.h"

#include "shell/main_form.h"
#include "shell/window_list.h"
#include "tests/support/test_support.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/palette.h"
#include "toolkit/picture_box.h"
#include "toolkit/program.h"
#include "toolkit/standard_look.h"
#include "toolkit/units.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <array>
#include <memory>

using toolkit::Bgr;
using toolkit::PlotPoint;
using toolkit::QBColor;

namespace {

constexpr Bgr kWindowBack = 0x00C0FFC0;
constexpr Bgr kTeal = 0x00808000;
// The colours of changes 1 to 21 since the last clear.
constexpr std::array<int, 21> kChangeColours = {1, 2, 3, 4, 5, 6, 12, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3, 4, 5};

QColor colour(int qbIndex)
{
    return toolkit::toQColor(QBColor(qbIndex));
}

// The deepest point of the curve for a position, as the model plots it.
PlotPoint deepestPoint(int position)
{
    toolkit::DeflectionTable scratch;
    const std::vector<PlotPoint> curve = point_load::pointLoadCurve(position, scratch);
    return std::ranges::max(curve, {}, &PlotPoint::y);
}

} // namespace

class PointLoadFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTextsSymbolAndEmptyLegend();
    void scrollChangeMovesSymbolAndWritesPosition_data();
    void scrollChangeMovesSymbolAndWritesPosition();
    void changeDrawsCurveInItsColour();
    void plotButtonDrawsLightCyanAndLeavesLegendAlone();
    void legendOverTwentyTwoChangesThenClear();
    void changeCountSurvivesCloseBoxAndReopen();
    void curvesStayAcrossLeaveAndReturn();

private:
    PointLoadControls& c() { return form_->controls(); }
    QImage client() { return test_support::grabClient(*form_); }
    QRgb pixelAt(const PlotPoint& point) { return test_support::pixelAtTwips(client(), point.x, point.y); }
    void verifyColumn(int column, const QString& number, const QString& position, const QColor& swatch);

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<shell::Windows> windows_;
    PointLoadForm* form_ = nullptr;
};

void PointLoadFormTest::initTestCase()
{
    test_support::installLook();
}

void PointLoadFormTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    windows_ = std::make_unique<shell::Windows>(*program_);
    form_ = &windows_->Form2();
    form_->Show();
    test_support::settle();
}

void PointLoadFormTest::cleanup()
{
    windows_.reset();
    program_.reset();
    test_support::settle();
}

void PointLoadFormTest::verifyColumn(int column, const QString& number, const QString& position, const QColor& swatch)
{
    const toolkit::LegendGrid& legend = c().legend;
    const QString where = QStringLiteral("column %1").arg(column + 1);
    QVERIFY2(legend.cell(column, 0).caption() == number, qPrintable(where));
    QVERIFY2(legend.cell(column, 1).caption() == position, qPrintable(where));
    QVERIFY2(legend.cell(column, 2).palette().color(QPalette::Window) == swatch, qPrintable(where));
}

void PointLoadFormTest::opensWithTextsSymbolAndEmptyLegend()
{
    QCOMPARE(form_->window()->windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(c().Text1.text(), QStringLiteral("0"));
    QCOMPARE(c().Text2.text(), QStringLiteral("1500 kg"));
    QCOMPARE(c().HScroll1.value(), 0);
    QCOMPARE(c().HScroll1.maximum(), 20);
    QCOMPARE(c().OLE1.leftTwips(), 510.0F);
    for (int column = 0; column < c().legend.lineCount(); ++column) {
        for (int index = 0; index < 3; ++index)
            QVERIFY(c().legend.cell(column, index).caption().isEmpty());
    }
    // Swatches start in their uneven layout colours.
    QCOMPARE(c().legend.cell(4, 2).palette().color(QPalette::Window), colour(7));
    QCOMPARE(c().legend.cell(0, 2).palette().color(QPalette::Window), toolkit::standardFace());

    // The arrow's shaft and its tip, which touches the beam's left end, and
    // the letter beside the shaft.
    const QImage shown = client();
    QCOMPARE(test_support::pixelAtTwips(shown, 510 + 18 * 4.8, 240 + 80 * 4.8), test_support::rgb(kTeal));
    QCOMPARE(test_support::pixelAtTwips(shown, 510 + 19 * 4.8, 240 + 190 * 4.8), test_support::rgb(kTeal));
    const QRect letter = toolkit::twipsToRect(510 + 50 * 4.8, 240 + 22 * 4.8, 74 * 4.8, 100 * 4.8);
    int tealPixels = 0;
    for (int y = letter.top(); y <= letter.bottom(); ++y) {
        for (int x = letter.left(); x <= letter.right(); ++x)
            tealPixels += shown.pixel(x, y) == test_support::rgb(kTeal) ? 1 : 0;
    }
    QVERIFY2(tealPixels > 20, qPrintable(QString::number(tealPixels)));
}

void PointLoadFormTest::scrollChangeMovesSymbolAndWritesPosition_data()
{
    QTest::addColumn<QList<int>>("drags");
    QTest::addColumn<float>("left");

    QTest::newRow("to 1") << QList<int>{1} << 833.75F;
    QTest::newRow("to mid-span") << QList<int>{10} << 3702.5F;
    QTest::newRow("to the roller") << QList<int>{20} << 6890.0F;
    QTest::newRow("back to 0, 5 twips right of the layout") << QList<int>{4, 0} << 515.0F;
}

// Each drag of the thumb is one change, given on release.
void PointLoadFormTest::scrollChangeMovesSymbolAndWritesPosition()
{
    QFETCH(QList<int>, drags);
    QFETCH(float, left);

    for (int value : drags)
        test_support::dragThumbTo(c().HScroll1, value);
    test_support::settle();

    const int position = drags.back();
    QCOMPARE(c().HScroll1.value(), position);
    QCOMPARE(c().Text1.text(), QString::number(position));
    QCOMPARE(c().OLE1.leftTwips(), left);
    QCOMPARE(c().OLE1.x(), toolkit::twipsToPixels(left));
    QCOMPARE(form_->changeCount().value(), int(drags.size()));
    verifyColumn(int(drags.size()) - 1, QString::number(drags.size()), QString::number(position),
                 colour(kChangeColours.at(drags.size() - 1)));
    // The symbol is drawn where it now stands.
    QCOMPARE(test_support::pixelAtTwips(client(), left + 18 * 4.8, 240 + 80 * 4.8), test_support::rgb(kTeal));
}

void PointLoadFormTest::changeDrawsCurveInItsColour()
{
    test_support::clickRightArrow(c().HScroll1);
    test_support::settle();

    const PlotPoint deepest = deepestPoint(1);
    QCOMPARE(deepest.y, 1943.0F);
    QCOMPARE(pixelAt(deepest), test_support::rgb(QBColor(1)));
    QCOMPARE(pixelAt({600, 1560}), test_support::rgb(QBColor(1)));
    // Nothing below the curve.
    QCOMPARE(pixelAt({deepest.x, deepest.y + 60}), test_support::rgb(kWindowBack));
    verifyColumn(0, "1", "1", colour(1));
    QCOMPARE(form_->changeCount().value(), 1);
}

void PointLoadFormTest::plotButtonDrawsLightCyanAndLeavesLegendAlone()
{
    // Right after opening: the flat line of position 0.
    QTest::mouseClick(&c().Command1, Qt::LeftButton);
    test_support::settle();
    QCOMPARE(c().Text1.text(), QStringLiteral("0"));
    QCOMPARE(pixelAt({3000, 1560}), test_support::rgb(QBColor(11)));
    QCOMPARE(form_->changeCount().value(), 0);
    QVERIFY(c().legend.cell(0, 0).caption().isEmpty());

    // After a change, the plot button redraws that curve in light cyan and
    // the next change still takes the next column.
    test_support::dragThumbTo(c().HScroll1, 6);
    QTest::mouseClick(&c().Command1, Qt::LeftButton);
    test_support::settle();
    QCOMPARE(pixelAt(deepestPoint(6)), test_support::rgb(QBColor(11)));
    QCOMPARE(c().OLE1.leftTwips(), 515 + 6 * 318.75F);
    QCOMPARE(form_->changeCount().value(), 1);
    verifyColumn(0, "1", "6", colour(1));
    verifyColumn(1, "", "", toolkit::standardFace());

    test_support::clickRightArrow(c().HScroll1);
    test_support::settle();
    verifyColumn(1, "2", "7", colour(2));
    QCOMPARE(pixelAt(deepestPoint(7)), test_support::rgb(QBColor(2)));
}

void PointLoadFormTest::legendOverTwentyTwoChangesThenClear()
{
    for (int i = 0; i < 20; ++i)
        test_support::clickRightArrow(c().HScroll1);
    test_support::clickLeftArrow(c().HScroll1);
    test_support::clickLeftArrow(c().HScroll1);
    test_support::settle();

    QCOMPARE(form_->changeCount().value(), 22);
    for (int column = 0; column < 20; ++column)
        verifyColumn(column, QString::number(column + 1), QString::number(column + 1),
                     colour(kChangeColours.at(std::size_t(column))));
    // The 21st and 22nd changes share the last column; the 22nd wrote last.
    verifyColumn(20, "21", "18", colour(5));
    QCOMPARE(pixelAt(deepestPoint(18)), test_support::rgb(QBColor(5)));

    QTest::mouseClick(&c().Command3, Qt::LeftButton);
    test_support::settle();
    QCOMPARE(form_->changeCount().value(), 0);
    for (int column = 0; column < 21; ++column)
        verifyColumn(column, "", "", colour(7));
    QCOMPARE(pixelAt(deepestPoint(18)), test_support::rgb(kWindowBack));
    // Number and position cells keep their own backgrounds; the position,
    // the texts and the symbol stay.
    QCOMPARE(c().legend.cell(0, 0).palette().color(QPalette::Window), toolkit::toQColor(0x00C0FFFF));
    QCOMPARE(c().legend.cell(9, 1).palette().color(QPalette::Window), colour(7));
    QCOMPARE(c().legend.cell(0, 1).palette().color(QPalette::Window), toolkit::standardFace());
    QCOMPARE(c().HScroll1.value(), 18);
    QCOMPARE(c().Text1.text(), QStringLiteral("18"));
    QCOMPARE(c().Text2.text(), QStringLiteral("1500 kg"));
    QCOMPARE(c().OLE1.leftTwips(), 515 + 18 * 318.75F);

    test_support::clickLeftArrow(c().HScroll1);
    test_support::settle();
    verifyColumn(0, "1", "17", colour(1));
    verifyColumn(1, "", "", colour(7));
    QCOMPARE(pixelAt(deepestPoint(17)), test_support::rgb(QBColor(1)));
}

void PointLoadFormTest::changeCountSurvivesCloseBoxAndReopen()
{
    // The main window stays loaded, so closing this one does not end the
    // program.
    windows_->Form1().Show();
    for (int i = 0; i < 3; ++i)
        test_support::clickRightArrow(c().HScroll1);
    test_support::settle();

    form_->window()->close();
    test_support::settle();
    QVERIFY(!form_->isLoaded());
    QVERIFY(!program_->hasEnded());

    form_->Show();
    test_support::settle();
    QCOMPARE(form_->changeCount().value(), 3);
    QCOMPARE(c().Text1.text(), QStringLiteral("0"));
    QCOMPARE(c().HScroll1.value(), 0);
    QCOMPARE(c().OLE1.leftTwips(), 510.0F);
    verifyColumn(0, "", "", toolkit::standardFace());
    QCOMPARE(pixelAt(deepestPoint(3)), test_support::rgb(kWindowBack));

    test_support::clickRightArrow(c().HScroll1);
    test_support::settle();
    verifyColumn(3, "4", "1", colour(4));
    for (int column : {0, 1, 2})
        verifyColumn(column, "", "", toolkit::standardFace());
    QCOMPARE(pixelAt(deepestPoint(1)), test_support::rgb(QBColor(4)));
}

void PointLoadFormTest::curvesStayAcrossLeaveAndReturn()
{
    test_support::dragThumbTo(c().HScroll1, 9);
    QTest::mouseClick(&c().Command2, Qt::LeftButton);
    test_support::settle();
    QVERIFY(windows_->Form1().isLoaded());

    windows_->Form1().mnu1_Click();
    test_support::settle();
    QVERIFY(form_->isLoaded());
    QCOMPARE(c().Text1.text(), QStringLiteral("9"));
    verifyColumn(0, "1", "9", colour(1));
    QCOMPARE(pixelAt(deepestPoint(9)), test_support::rgb(QBColor(1)));
}

QTEST_MAIN(PointLoadFormTest)
#include "point_load_form_test.moc"
