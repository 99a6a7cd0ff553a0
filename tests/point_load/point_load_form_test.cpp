// SPDX-License-Identifier: MIT
// Form2's own behaviour: its texts and load symbol, the symbol following the
// position, and the plot button that leaves the symbol where it is. What all
// beam windows do alike is tested over the window list.
#include "beam_point_load/point_load_form.h"
#include "beam_point_load/point_load_layout.h"

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

#include <algorithm>
#include <memory>

using beam::PlotPoint;
using toolkit::Bgr;
using toolkit::QBColor;

namespace {

constexpr Bgr kWindowBack = 0x00C0FFC0;
constexpr Bgr kTeal = 0x00808000;
QColor colour(int qbIndex)
{
    return toolkit::toQColor(QBColor(qbIndex));
}

// The deepest point of the curve for a position, as the model plots it.
PlotPoint deepestPoint(int position)
{
    const beam::Curve curve = point_load::kWindow.curve(position);
    return std::ranges::max(curve, {}, [](const beam::CurveSample& sample) { return sample.point.y; }).point;
}

} // namespace

class PointLoadFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void opensWithTextsSymbolAndEmptyLegend();
    void scrollChangeMovesSymbolAndWritesPosition_data();
    void scrollChangeMovesSymbolAndWritesPosition();
    void plotButtonRewritesThePositionAndLeavesTheSymbol();
    void closeBoxPutsTheSymbolBack();

private:
    beam::BeamControls& c() { return form_->controls(); }
    QImage client() { return test_support::grabClient(*form_); }
    QRgb pixelAt(const PlotPoint& point) { return test_support::pixelAtTwips(client(), point.x, point.y); }

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<test_support::BlankForm> mainWindow_;
    std::unique_ptr<point_load::Form> form_;
};

void PointLoadFormTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    mainWindow_ = std::make_unique<test_support::BlankForm>(*program_);
    form_ = std::make_unique<point_load::Form>(*program_, *mainWindow_, point_load::kWindow);
    form_->Show();
    test_support::settle();
}

void PointLoadFormTest::cleanup()
{
    form_.reset();
    mainWindow_.reset();
    program_.reset();
    test_support::settle();
}

void PointLoadFormTest::opensWithTextsSymbolAndEmptyLegend()
{
    QCOMPARE(form_->window()->windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(c().Text1.text(), QStringLiteral("0"));
    QCOMPARE(c().Text2->text(), QStringLiteral("1500 kg"));
    QCOMPARE(c().HScroll1.value(), 0);
    QCOMPARE(c().HScroll1.maximum(), 20);
    QCOMPARE(c().OLE1->leftTwips(), 510.0F);
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
    QCOMPARE(c().OLE1->leftTwips(), left);
    QCOMPARE(c().OLE1->x(), toolkit::twipsToPixels(left));
    QCOMPARE(form_->changeCount().value(), int(drags.size()));
    // The symbol is drawn where it now stands.
    QCOMPARE(test_support::pixelAtTwips(client(), left + 18 * 4.8, 240 + 80 * 4.8), test_support::rgb(kTeal));
}

// Right after opening, the plot button writes the position into Text1 and
// draws the flat line of position 0 in light cyan; after a change it draws
// that curve again and leaves the symbol where the change put it.
void PointLoadFormTest::plotButtonRewritesThePositionAndLeavesTheSymbol()
{
    c().Text1.setText(QStringLiteral("typed"));
    QTest::mouseClick(&c().Command1, Qt::LeftButton);
    test_support::settle();
    QCOMPARE(c().Text1.text(), QStringLiteral("0"));
    QCOMPARE(pixelAt({3000, 1560}), test_support::rgb(QBColor(11)));
    QCOMPARE(c().OLE1->leftTwips(), 510.0F);

    test_support::dragThumbTo(c().HScroll1, 6);
    QTest::mouseClick(&c().Command1, Qt::LeftButton);
    test_support::settle();
    QCOMPARE(pixelAt(deepestPoint(6)), test_support::rgb(QBColor(11)));
    QCOMPARE(c().OLE1->leftTwips(), 515 + 6 * 318.75F);
}

// A reopened window starts from its layout: the symbol at Left 510, not at
// the 515 of position 0.
void PointLoadFormTest::closeBoxPutsTheSymbolBack()
{
    mainWindow_->Show();
    test_support::dragThumbTo(c().HScroll1, 9);
    form_->window()->close();
    test_support::settle();
    form_->Show();
    test_support::settle();
    QCOMPARE(c().OLE1->leftTwips(), 510.0F);
    QCOMPARE(test_support::pixelAtTwips(client(), 510 + 18 * 4.8, 240 + 80 * 4.8), test_support::rgb(kTeal));
}

QTEST_MAIN(PointLoadFormTest)
#include "point_load_form_test.moc"
