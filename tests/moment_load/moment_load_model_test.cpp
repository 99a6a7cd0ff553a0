// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_model.h"

#include "toolkit/change_count.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using toolkit::DeflectionTable;
using toolkit::PlotPoint;

namespace {

// Deflection of a simply supported beam of span L under a couple M0 at a, from
// the textbook segment formulas rather than the Macaulay form: left of the
// couple directly, right of it by mirroring the beam (which turns the couple).
double elasticCurve(double x, double a)
{
    constexpr double M0 = 3000;
    constexpr double L = 7;
    constexpr double EI = 100000;
    const auto leftSegment = [](double s, double c) {
        return M0 * s * (6 * c * L - 3 * c * c - 2 * L * L - s * s) / (6 * L * EI);
    };
    return x <= a ? leftSegment(x, a) : -leftSegment(L - x, L - a);
}

std::vector<PlotPoint> curveFor(int a)
{
    DeflectionTable table;
    return moment_load::momentCurve(std::int16_t(a), table);
}

} // namespace

namespace toolkit {
char* toString(const PlotPoint& point)
{
    return QTest::toString(QStringLiteral("(%1, %2)").arg(double(point.x), 0, 'g', 9).arg(double(point.y), 0, 'g', 9));
}
} // namespace toolkit

class MomentLoadModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void extremeOfEveryPosition_data();
    void extremeOfEveryPosition();
    void workedSamples_data();
    void workedSamples();
    void extremeAgreesWithBeamTheory_data();
    void extremeAgreesWithBeamTheory();
    void tableHoldsTheLastSampleOfEachWholePosition();
    void rowsRunNineToFourteenThenBlue();
};

void MomentLoadModelTest::extremeOfEveryPosition_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<float>("extremeY");
    QTest::addColumn<bool>("rises"); // curve above the beam line (smaller Y)

    QTest::newRow("position 0, highest") << 0 << 20.0F << true;
    QTest::newRow("position 1, highest") << 1 << 200.0F << true;
    QTest::newRow("position 2, highest") << 2 << 680.0F << true;
    QTest::newRow("position 3, highest, none below the beam line") << 3 << 1340.0F << true;
    QTest::newRow("position 4, lowest, none above the beam line") << 4 << 2460.0F << false;
    QTest::newRow("position 5, lowest") << 5 << 3120.0F << false;
    QTest::newRow("position 6, lowest") << 6 << 3600.0F << false;
    QTest::newRow("position 7, lowest") << 7 << 3780.0F << false;
}

// Every curve has 701 points from the left support to the right one and stays
// on one side of the beam line, with its extreme in whole 20-twip steps.
void MomentLoadModelTest::extremeOfEveryPosition()
{
    QFETCH(int, a);
    QFETCH(float, extremeY);
    QFETCH(bool, rises);

    const std::vector<PlotPoint> curve = curveFor(a);
    QCOMPARE(curve.size(), 701U);
    QCOMPARE(curve.front(), (PlotPoint{1320, 1900}));
    QCOMPARE(curve.back(), (PlotPoint{7620, 1900}));

    const auto [top, bottom] = std::minmax_element(curve.begin(), curve.end(),
                                                   [](const PlotPoint& p, const PlotPoint& q) { return p.y < q.y; });
    QCOMPARE(rises ? top->y : bottom->y, extremeY);
    QCOMPARE(rises ? bottom->y : top->y, 1900.0F);
}

void MomentLoadModelTest::workedSamples_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("sample");
    QTest::addColumn<PlotPoint>("point");

    QTest::newRow("position 0 at x = 1, above") << 0 << 100 << PlotPoint{2220, 800};
    QTest::newRow("position 7 at x = 1, below") << 7 << 100 << PlotPoint{2220, 2580};
    QTest::newRow("position 3 at x = 3, under the moment") << 3 << 300 << PlotPoint{4020, 1560};
}

void MomentLoadModelTest::workedSamples()
{
    QFETCH(int, a);
    QFETCH(int, sample);
    QFETCH(PlotPoint, point);

    QCOMPARE(curveFor(a).at(std::size_t(sample)), point);
}

void MomentLoadModelTest::extremeAgreesWithBeamTheory_data()
{
    QTest::addColumn<int>("a");
    QTest::newRow("couple near the left support: the beam rises") << 1;
    QTest::newRow("couple just past mid-span: the beam sags") << 4;
    QTest::newRow("couple on the right support: the beam sags") << 7;
}

// The plotted extreme lies where the elastic curve puts it, mapped through the
// window's scale, within one 20-twip step (the plot truncates toward the beam).
void MomentLoadModelTest::extremeAgreesWithBeamTheory()
{
    QFETCH(int, a);

    double highest = 0;
    double lowest = 0;
    for (int i = 0; i <= 70000; ++i) {
        const double y = elasticCurve(i * 1e-4, a);
        highest = std::min(highest, y);
        lowest = std::max(lowest, y);
    }
    const double theory = 1900 + 20000 * (std::fabs(highest) > std::fabs(lowest) ? highest : lowest);

    const std::vector<PlotPoint> curve = curveFor(a);
    const auto farthest = std::max_element(curve.begin(), curve.end(), [](const PlotPoint& p, const PlotPoint& q) {
        return std::fabs(p.y - 1900) < std::fabs(q.y - 1900);
    });
    QVERIFY2(std::fabs(farthest->y - theory) < 20,
             qPrintable(QStringLiteral("plotted %1, beam theory %2").arg(farthest->y).arg(theory)));
}

// Entries 0 to 7 each keep the last sample that rounds to them; the rest of
// the table is never touched.
void MomentLoadModelTest::tableHoldsTheLastSampleOfEachWholePosition()
{
    DeflectionTable table;
    table.store(50, 1.0);
    moment_load::momentCurve(0, table);

    for (int j = 0; j <= 6; ++j) {
        // The last sample rounding to j lies at j + 0.49 or j + 0.5.
        const double expected = elasticCurve(j + 0.495, 0);
        QVERIFY2(
            std::fabs(table.at(std::size_t(j)) - expected) < 0.0015,
            qPrintable(
                QStringLiteral("entry %1: %2, expected about %3").arg(j).arg(table.at(std::size_t(j))).arg(expected)));
    }
    QVERIFY(std::fabs(table.at(7)) < 1e-3);
    QCOMPARE(table.at(50), 1.0);
    for (std::size_t j = 8; j < DeflectionTable::kSize; ++j) {
        if (j != 50)
            QCOMPARE(table.at(j), 0.0);
    }
}

// Changes since the last clear pick rows 1 to 7 in colours 9 to 14 and then
// blue (1, not 15); every later change stays on row 7.
void MomentLoadModelTest::rowsRunNineToFourteenThenBlue()
{
    toolkit::ChangeCount count;
    const int colours[] = {9, 10, 11, 12, 13, 14, 1, 1, 1};
    const char* numbers[] = {"1", "2", "3", "4", "5", "6", "7", "7", "7"};
    for (int change = 0; change < 9; ++change) {
        const toolkit::ChangeStep& row = count.select(moment_load::kChangeSteps);
        QCOMPARE(row.line, std::min(change, 6));
        QCOMPARE(row.colour, colours[change]);
        QCOMPARE(row.number, numbers[change]);
        count.advance();
    }
}

QTEST_GUILESS_MAIN(MomentLoadModelTest)
#include "moment_load_model_test.moc"
