// SPDX-License-Identifier: MIT
// The uniform-load curve in window twips.
#include "beam_uniform_load/uniform_load_case.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

using beam::PlotPoint;

Q_DECLARE_METATYPE(PlotPoint)

namespace {

// The window's curve for a load value, as the window samples and plots it.
beam::Curve uniformLoadCurve(double w)
{
    return beam::sampleCurve(uniform_load::beamUnder(w), uniform_load::kMapping);
}

constexpr int kSamples = 1001;
constexpr int kMidspan = 500; // the 501st point, x = 4.999999999999938

// Where the window plots the curve for w, or nothing when w is too large to
// plot.
std::optional<std::vector<PlotPoint>> curveFor(double w)
{
    const beam::Curve curve = uniformLoadCurve(w);
    if (curve.empty())
        return std::nullopt;
    std::vector<PlotPoint> points;
    for (const beam::CurveSample& sample : curve)
        points.push_back(sample.point);
    return points;
}

QString described(const PlotPoint& point)
{
    return QStringLiteral("(%1, %2)").arg(double(point.x), 0, 'g', 10).arg(double(point.y), 0, 'g', 10);
}

} // namespace

class UniformLoadModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void samplesRunFromSupportToSupport_data();
    void samplesRunFromSupportToSupport();
    void workedPointsForLoadTen_data();
    void workedPointsForLoadTen();
    void midspan_data();
    void midspan();
    void deepestPointIsWhereBeamTheoryPutsIt_data();
    void deepestPointIsWhereBeamTheoryPutsIt();
    void zeroLoadLiesOnTheBeamsLowerEdge();
    void deflectionsFollowBeamTheory();
    void tooLargeToPlotGivesNoCurve_data();
    void tooLargeToPlotGivesNoCurve();
};

void UniformLoadModelTest::samplesRunFromSupportToSupport_data()
{
    QTest::addColumn<double>("w");
    QTest::newRow("no load") << 0.0;
    QTest::newRow("load 1") << 1.0;
    QTest::newRow("load 10") << 10.0;
    QTest::newRow("upward load -5") << -5.0;
    QTest::newRow("largest plottable") << 1.7e36;
}

// 1001 samples, the last just short of x = 10, both ends on the supports.
void UniformLoadModelTest::samplesRunFromSupportToSupport()
{
    QFETCH(double, w);
    const auto curve = curveFor(w);
    QVERIFY(curve);
    QCOMPARE(int(curve->size()), kSamples);
    QCOMPARE(curve->front(), (PlotPoint{480, 2055}));
    QCOMPARE(curve->back().x, 6255.0F);
    // The last sample lies a hair inside the span, so only a huge load moves
    // it off the edge.
    if (std::fabs(w) <= 10)
        QCOMPARE(curve->back().y, 2055.0F);
}

void UniformLoadModelTest::workedPointsForLoadTen_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<PlotPoint>("expected");
    QTest::newRow("first") << 0 << PlotPoint{480, 2055};
    QTest::newRow("101st") << 100 << PlotPoint{1057.5F, 2668.125F};
    QTest::newRow("501st") << 500 << PlotPoint{3367.5F, 4008.125F};
    QTest::newRow("last") << 1000 << PlotPoint{6255, 2055};
}

void UniformLoadModelTest::workedPointsForLoadTen()
{
    QFETCH(int, index);
    QFETCH(PlotPoint, expected);
    const auto curve = curveFor(10);
    QVERIFY(curve);
    const PlotPoint actual = curve->at(std::size_t(index));
    QVERIFY2(actual == expected, qPrintable(described(actual) + " instead of " + described(expected)));
}

void UniformLoadModelTest::midspan_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<float>("y");
    QTest::newRow("1") << 1.0 << 2250.3125F;
    QTest::newRow("2.5") << 2.5 << 2543.28125F;
    QTest::newRow("5") << 5.0 << 3031.5625F;
    QTest::newRow("7") << 7.0 << 3422.1875F;
    QTest::newRow("10") << 10.0 << 4008.125F;
    QTest::newRow("-5 bends upward") << -5.0 << 1078.4375F;
}

void UniformLoadModelTest::midspan()
{
    QFETCH(double, w);
    QFETCH(float, y);
    const auto curve = curveFor(w);
    QVERIFY(curve);
    QCOMPARE(curve->at(kMidspan).x, 3367.5F);
    QCOMPARE(curve->at(kMidspan).y, y);
}

void UniformLoadModelTest::deepestPointIsWhereBeamTheoryPutsIt_data()
{
    QTest::addColumn<double>("w");
    for (double w : {1.0, 3.0, 6.5, 10.0, -2.0, 1234.5})
        QTest::newRow(qPrintable(QString::number(w))) << w;
}

// Against the textbook result for a simply supported beam under a uniform
// load, 5wL^4/(384EI) at midspan, mapped through the window's scale: 50 twips
// per unit magnified 3000 times, 577.5 twips per unit of span.
void UniformLoadModelTest::deepestPointIsWhereBeamTheoryPutsIt()
{
    QFETCH(double, w);
    const double L = 10;
    const double EI = 1e5;
    const double sag = 5 * w * std::pow(L, 4) / (384 * EI);
    const double expectedY = 2055 + sag * 3000 * 50;
    const double expectedX = 480 + L / 2 * 577.5;

    const auto curve = curveFor(w);
    QVERIFY(curve);
    const auto furthest = std::max_element(curve->begin(), curve->end(), [](const PlotPoint& a, const PlotPoint& b) {
        return std::fabs(a.y - 2055.0F) < std::fabs(b.y - 2055.0F);
    });
    QCOMPARE(double(furthest->x), expectedX);
    QVERIFY2(std::fabs(furthest->y - expectedY) <= 1e-6 * std::fabs(expectedY),
             qPrintable(described(*furthest) + " but theory gives " + QString::number(expectedY, 'g', 10)));
}

void UniformLoadModelTest::zeroLoadLiesOnTheBeamsLowerEdge()
{
    const auto curve = curveFor(0);
    QVERIFY(curve);
    for (std::size_t i = 0; i < curve->size(); ++i) {
        QCOMPARE(curve->at(i).y, 2055.0F);
        // Sample x = 0.01 i, give or take the drift of repeated addition.
        QVERIFY(std::fabs(curve->at(i).x - float(480 + 5.775 * double(i))) < 0.01F);
    }
}

// Every sample's deflection, downward positive as for every beam window: the
// read-outs and the exported data take these values.
void UniformLoadModelTest::deflectionsFollowBeamTheory()
{
    const double L = 10;
    const double EI = 1e5;
    for (double w : {1.0, 10.0, -5.0}) {
        for (const beam::CurveSample& sample : uniformLoadCurve(w)) {
            const double x = sample.x;
            const double expected = w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI);
            QVERIFY2(std::fabs(sample.deflection - expected) < 1e-15,
                     qPrintable(QStringLiteral("w = %1, x = %2: %3 against %4")
                                    .arg(w)
                                    .arg(x)
                                    .arg(sample.deflection)
                                    .arg(expected)));
        }
    }
}

void UniformLoadModelTest::tooLargeToPlotGivesNoCurve_data()
{
    QTest::addColumn<double>("w");
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinite") << -std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("w + w overflows") << 1e308;
    QTest::newRow("L^3 w overflows") << 1e306;
    QTest::newRow("beyond single precision") << 1.8e36;
    QTest::newRow("negative beyond single precision") << -1.8e36;
    QTest::newRow("far beyond single precision") << 1e100;
}

void UniformLoadModelTest::tooLargeToPlotGivesNoCurve()
{
    QFETCH(double, w);
    QVERIFY(!curveFor(w));
}

QTEST_GUILESS_MAIN(UniformLoadModelTest)
#include "uniform_load_case_test.moc"
