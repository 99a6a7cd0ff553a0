// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_case.h"

#include "beam_common/change_count.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using beam::PlotPoint;

namespace {

// The window's curve for a load value, as the window samples and plots it.
beam::Curve momentLoadCurve(double position)
{
    return beam::sampleCurve(moment_load::beamUnder(position), moment_load::kMapping);
}

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

// Where the window plots the curve for the position a.
std::vector<PlotPoint> curveFor(int a)
{
    std::vector<PlotPoint> points;
    for (const beam::CurveSample& sample : momentLoadCurve(a))
        points.push_back(sample.point);
    return points;
}

} // namespace

namespace beam {
char* toString(const PlotPoint& point)
{
    return QTest::toString(QStringLiteral("(%1, %2)").arg(double(point.x), 0, 'g', 9).arg(double(point.y), 0, 'g', 9));
}
} // namespace beam

class MomentLoadModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void extremeOfEveryPosition_data();
    void extremeOfEveryPosition();
    void workedSamples_data();
    void workedSamples();
    void extremeAgreesWithBeamTheory_data();
    void extremeAgreesWithBeamTheory();
    void deflectionsFollowBeamTheory();
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

// Every sample's deflection, not only the plotted twips: the read-outs and
// the exported data take these values.
void MomentLoadModelTest::deflectionsFollowBeamTheory()
{
    for (int a = 0; a <= 7; ++a) {
        for (const beam::CurveSample& sample : momentLoadCurve(a)) {
            const double expected = elasticCurve(sample.x, a);
            QVERIFY2(std::fabs(sample.deflection - expected) < 1e-12,
                     qPrintable(QStringLiteral("a = %1, x = %2: %3 against %4")
                                    .arg(a)
                                    .arg(sample.x)
                                    .arg(sample.deflection)
                                    .arg(expected)));
        }
    }
}

// Changes since the last clear pick rows 1 to 7 in colours 9 to 14 and then
// blue (1, not 15); every later change stays on row 7.
void MomentLoadModelTest::rowsRunNineToFourteenThenBlue()
{
    beam::ChangeCount count;
    const int colours[] = {9, 10, 11, 12, 13, 14, 1, 1, 1};
    for (int change = 0; change < 9; ++change) {
        const beam::ChangeStep row = count.select(moment_load::kChangeColours);
        QCOMPARE(row.line, std::min(change, 6));
        QCOMPARE(row.colour, colours[change]);
        count.advance();
    }
}

QTEST_GUILESS_MAIN(MomentLoadModelTest)
#include "moment_load_case_test.moc"
