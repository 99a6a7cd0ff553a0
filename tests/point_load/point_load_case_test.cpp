// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_case.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

using beam::PlotPoint;

namespace {

// The window's curve for a load value, as the window samples and plots it.
beam::Curve pointLoadCurve(double position)
{
    return beam::sampleCurve(point_load::beamUnder(position), point_load::kMapping);
}

constexpr double kSpan = 20;
constexpr double kForce = 1500;
constexpr double kRigidity = 100000;

// Deflection (downward) of the simply supported beam at x under the force at
// a, from the two-segment closed form of the elastic curve.
double beamDeflection(double a, double x)
{
    const double b = kSpan - a;
    if (x <= a)
        return kForce * b * x * (kSpan * kSpan - b * b - x * x) / (6 * kSpan * kRigidity);
    return kForce * a * (kSpan - x) * (2 * kSpan * x - x * x - a * a) / (6 * kSpan * kRigidity);
}

float lowestY(const std::vector<PlotPoint>& curve)
{
    return std::ranges::max(curve, {}, &PlotPoint::y).y;
}

// Where the window plots the curve for a position.
std::vector<PlotPoint> curveFor(int position)
{
    std::vector<PlotPoint> points;
    for (const beam::CurveSample& sample : pointLoadCurve(position))
        points.push_back(sample.point);
    return points;
}

} // namespace

class PointLoadModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lowestPoint_data();
    void lowestPoint();
    void lowestPointWhereBeamTheoryPutsIt_data();
    void lowestPointWhereBeamTheoryPutsIt();
    void workedSamples_data();
    void workedSamples();
    void samplesRunAlongTheBeam();
    void deflectionsFollowBeamTheory_data();
    void deflectionsFollowBeamTheory();
};

void PointLoadModelTest::lowestPoint_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("lowestAlternative");

    const int lowest[] = {1560, 1943, 2318, 2675, 3008, 3306, 3564, 3774, 3930, 4027};
    for (int a = 0; a < 10; ++a) {
        QTest::addRow("load at %d", a) << a << lowest[a] << lowest[a];
        QTest::addRow("load at %d", 20 - a) << 20 - a << lowest[a] << lowest[a];
    }
    // The mid-span peak is 2500 only within rounding, so truncation may give
    // either.
    QTest::newRow("load at mid-span") << 10 << 4059 << 4060;
}

void PointLoadModelTest::lowestPoint()
{
    QFETCH(int, position);
    QFETCH(int, lowest);
    QFETCH(int, lowestAlternative);

    const std::vector<PlotPoint> curve = curveFor(position);
    const float y = lowestY(curve);
    QVERIFY2(y == float(lowest) || y == float(lowestAlternative), qPrintable(QString::number(y)));
    // Nothing lies above the support line.
    QCOMPARE(std::ranges::min(curve, {}, &PlotPoint::y).y, 1560.0F);
}

void PointLoadModelTest::lowestPointWhereBeamTheoryPutsIt_data()
{
    QTest::addColumn<int>("position");
    for (int a = 1; a < 20; ++a)
        QTest::addRow("load at %d", a) << a;
}

// The maximum deflection P·b·(L² − b²)^(3/2) / (9·√3·L·EI) lies in the longer
// part of the span, sqrt((L² − b²)/3) from the support beyond it, b being the
// shorter distance from the load to a support.
void PointLoadModelTest::lowestPointWhereBeamTheoryPutsIt()
{
    QFETCH(int, position);

    const double shorter = std::min<double>(position, kSpan - position);
    const double reach = kSpan * kSpan - shorter * shorter;
    const double deepest = kForce * shorter * std::pow(reach, 1.5) / (9 * std::sqrt(3.0) * kSpan * kRigidity);
    const double fromFarSupport = std::sqrt(reach / 3);
    const double where = position >= kSpan / 2 ? fromFarSupport : kSpan - fromFarSupport;

    const std::vector<PlotPoint> curve = curveFor(position);
    const float lowest = lowestY(curve);
    const double expectedY = 1560 + 1000 * deepest;
    // Truncation to whole twips loses up to 1; the 0.01 sampling far less.
    QVERIFY2(lowest <= expectedY + 1e-6 && lowest > expectedY - 1.01,
             qPrintable(QStringLiteral("%1 against %2").arg(lowest).arg(expectedY)));

    // The points at that depth surround the place of the maximum.
    float first = 1e9F;
    float last = -1e9F;
    for (const PlotPoint& point : curve) {
        if (point.y == lowest) {
            first = std::min(first, point.x);
            last = std::max(last, point.x);
        }
    }
    const double expectedX = 600 + 318.25 * where;
    QVERIFY2(first <= expectedX + 3.2 && expectedX - 3.2 <= last,
             qPrintable(QStringLiteral("%1 not within %2 to %3").arg(expectedX).arg(first).arg(last)));
}

void PointLoadModelTest::workedSamples_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("sample");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");

    QTest::newRow("mid-span load, sample 501") << 10 << 500 << 2191.25F << 3278.0F;
    QTest::newRow("load at 5, sample 501") << 5 << 500 << 2191.25F << 2966.0F;
    QTest::newRow("load at 5, sample 1001") << 5 << 1000 << 3782.5F << 3278.0F;
    QTest::newRow("load at 3, last sample") << 3 << 1999 << 6961.8173828125F << 1561.0F;
    QTest::newRow("load at 7, first sample on the pin") << 7 << 0 << 600.0F << 1560.0F;
}

void PointLoadModelTest::workedSamples()
{
    QFETCH(int, position);
    QFETCH(int, sample);
    QFETCH(float, x);
    QFETCH(float, y);

    const std::vector<PlotPoint> curve = curveFor(position);
    QCOMPARE(curve.at(std::size_t(sample)), (PlotPoint{x, y}));
}

// Samples by repeated addition of 0.01 stop short of x = 20: 2000 of them.
void PointLoadModelTest::samplesRunAlongTheBeam()
{
    const std::vector<PlotPoint> curve = curveFor(12);
    QCOMPARE(curve.size(), std::size_t(2000));
    QCOMPARE(curve.front(), (PlotPoint{600.0F, 1560.0F}));
    QCOMPARE(curve.back().x, 6961.8173828125F);
    QVERIFY(std::ranges::is_sorted(curve, std::ranges::less{}, &PlotPoint::x));
}

void PointLoadModelTest::deflectionsFollowBeamTheory_data()
{
    QTest::addColumn<int>("position");
    for (int a : {0, 3, 10, 17, 20})
        QTest::addRow("load at %d", a) << a;
}

// Every sample's deflection, not only the plotted twips: the read-outs and
// the exported data take these values.
void PointLoadModelTest::deflectionsFollowBeamTheory()
{
    QFETCH(int, position);
    for (const beam::CurveSample& sample : pointLoadCurve(position)) {
        const double expected = beamDeflection(position, sample.x);
        QVERIFY2(
            std::abs(sample.deflection - expected) < 1e-12,
            qPrintable(QStringLiteral("x = %1: %2 against %3").arg(sample.x).arg(sample.deflection).arg(expected)));
    }
}

QTEST_GUILESS_MAIN(PointLoadModelTest)
#include "point_load_case_test.moc"
