// SPDX-License-Identifier: MIT
// What the beam windows' models share: the change count and the steps it
// selects, the deflection table, and the list of curves on a window.
#include "beam_common/change_count.h"
#include "beam_common/curve_list.h"
#include "beam_common/deflection_table.h"

#include <QTest>

#include <array>
#include <vector>

using namespace beam;

Q_DECLARE_METATYPE(DrawnCurve)

namespace {

QString described(const CurveList& list)
{
    QStringList curves;
    for (const DrawnCurve& curve : list)
        curves << QStringLiteral("(%1, %2, %3, change %4, covers %5 from %6)")
                      .arg(curve.legendLine)
                      .arg(curve.colour)
                      .arg(curve.load)
                      .arg(curve.change)
                      .arg(curve.redrawn)
                      .arg(curve.firstRedrawn);
    return curves.join(QLatin1Char(' '));
}

} // namespace

class BeamModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void changeCountStopsAtItsLargestValue();
    void changeCountSelectsLineAndColourThenTheLastPastTheTable();
    void deflectionTableRoundsHalvesToEven_data();
    void deflectionTableRoundsHalvesToEven();
    void curveListKeepsTheDrawingOrder_data();
    void curveListKeepsTheDrawingOrder();
    void curveListStaysSmallWithoutAClear();
};

void BeamModelTest::changeCountStopsAtItsLargestValue()
{
    ChangeCount count;
    for (int i = 0; i < 40000; ++i)
        count.advance();
    QCOMPARE(count.value(), 32767);
    count.reset();
    QCOMPARE(count.value(), 0);
}

void BeamModelTest::changeCountSelectsLineAndColourThenTheLastPastTheTable()
{
    constexpr std::array<int, 3> colours = {9, 12, 1};
    ChangeCount count;
    QCOMPARE(count.select(colours), (ChangeStep{0, 9}));
    count.advance();
    QCOMPARE(count.select(colours), (ChangeStep{1, 12}));
    count.advance();
    QCOMPARE(count.select(colours), (ChangeStep{2, 1}));
    for (int i = 0; i < 40000; ++i)
        count.advance();
    QCOMPARE(count.select(colours), (ChangeStep{2, 1}));
}

void BeamModelTest::deflectionTableRoundsHalvesToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("index");
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("1.5 to 2") << 1.5 << 2;
    QTest::newRow("2.5 to 2") << 2.5 << 2;
    QTest::newRow("just below 20") << 19.990000000000325 << 20;
    QTest::newRow("just below 1") << 0.9999999999999999 << 1;
}

void BeamModelTest::deflectionTableRoundsHalvesToEven()
{
    QFETCH(double, x);
    QFETCH(int, index);
    DeflectionTable table;
    table.store(x, 1.25);
    QCOMPARE(table.at(std::size_t(index)), 1.25);
}

void BeamModelTest::curveListKeepsTheDrawingOrder_data()
{
    QTest::addColumn<bool>("full"); // the list already holds as many curves as it keeps whole
    QTest::addColumn<QList<DrawnCurve>>("drawn");
    QTest::addColumn<QList<DrawnCurve>>("kept");

    const DrawnCurve first{6, 1, 5, 7};
    const DrawnCurve second{6, 1, 6, 8};
    const DrawnCurve again{6, 1, 5, 9};
    const DrawnCurve plotted{kPlotButton, 11, 5};
    QTest::newRow("different curves, in order")
        << true << QList{first, second, plotted} << QList{first, second, plotted};
    QTest::newRow("a short list keeps every change, the same curve again too")
        << false << QList{first, second, again, plotted, plotted} << QList{first, second, again, plotted, plotted};
    QTest::newRow("the same line and load again moves to the top and counts the change it covers")
        << true << QList{first, second, again} << QList{second, DrawnCurve{6, 1, 5, 9, 1, 7}};
    QTest::newRow("covering a curve that covered others counts them all, from the first")
        << true << QList{first, second, again, DrawnCurve{6, 1, 6, 10}, DrawnCurve{6, 1, 5, 11}}
        << QList{DrawnCurve{6, 1, 6, 10, 1, 8}, DrawnCurve{6, 1, 5, 11, 2, 7}};
    QTest::newRow("the plot button again on the same load")
        << true << QList{plotted, second, plotted} << QList{second, plotted};
    QTest::newRow("another line on the same load is another curve")
        << true << QList{first, DrawnCurve{5, 14, 5, 6}} << QList{first, DrawnCurve{5, 14, 5, 6}};
    QTest::newRow("the plot button over a change's curve is another curve")
        << true << QList{first, DrawnCurve{kPlotButton, 11, 5}} << QList{first, DrawnCurve{kPlotButton, 11, 5}};
    QTest::newRow("a typed load differs by its last bit")
        << true << QList{DrawnCurve{kPlotButton, 10, 2.5}, DrawnCurve{kPlotButton, 10, 2.5000000000000004}}
        << QList{DrawnCurve{kPlotButton, 10, 2.5}, DrawnCurve{kPlotButton, 10, 2.5000000000000004}};
}

void BeamModelTest::curveListKeepsTheDrawingOrder()
{
    QFETCH(bool, full);
    QFETCH(QList<DrawnCurve>, drawn);
    QFETCH(QList<DrawnCurve>, kept);
    CurveList list;
    // Curves on a line of their own, which nothing below draws again.
    const std::size_t before = full ? CurveList::kEveryCurve : 0;
    for (std::size_t i = 0; i < before; ++i)
        list.add({99, 1, double(i), int(i) + 1});
    for (const DrawnCurve& curve : drawn)
        list.add(curve);
    QVERIFY2(std::equal(list.begin() + qsizetype(before), list.end(), kept.begin(), kept.end()),
             qPrintable(described(list)));
    list.clear();
    QVERIFY(list.empty());
}

// A user who scrolls on and on without a clear draws over the same few curves:
// past the curves it keeps whole, the list holds no more entries, not one per
// change.
void BeamModelTest::curveListStaysSmallWithoutAClear()
{
    constexpr std::array<int, 7> colours = {9, 10, 11, 12, 13, 14, 1};
    ChangeCount count;
    CurveList list;
    int load = 0;
    int step = 1;
    for (int change = 0; change < 100'000; ++change) {
        if (load + step < 0 || load + step > 7)
            step = -step;
        load += step;
        const ChangeStep at = count.select(colours);
        count.advance();
        list.add({at.line, at.colour, double(load), count.value()});
    }
    QCOMPARE(list.size(), CurveList::kEveryCurve);
    const DrawnCurve& last = *(list.end() - 1);
    QCOMPARE(last.legendLine, 6);
    QCOMPARE(last.load, double(load));
    // The count stops at its largest value, and so do the numbers.
    QCOMPARE(last.change, 32767);
    // Every change is in the list, as an entry or counted by the entry that
    // covered it.
    int changes = 0;
    for (const DrawnCurve& curve : list)
        changes += 1 + curve.redrawn;
    QCOMPARE(changes, 100'000);
}

QTEST_GUILESS_MAIN(BeamModelTest)
#include "beam_model_test.moc"
