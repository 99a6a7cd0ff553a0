// SPDX-License-Identifier: MIT
// The numbers the beam windows read off their curves: the greatest
// deflections against the closed forms of beam theory, numbers to four
// significant digits, and the texts of the read-outs.
#include "beam_common/readout.h"
#include "beam_moment_load/moment_load_layout.h"
#include "beam_point_load/point_load_layout.h"
#include "beam_uniform_load/uniform_load_layout.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace beam;
using physics::Extreme;
using physics::Extremes;

Q_DECLARE_METATYPE(const BeamWindow*)

namespace {

constexpr double kRigidity = 100000;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// The simply supported beam of span L under a force P at a: the greatest
// deflection P·b·(L² − b²)^(3/2) / (9·√3·L·EI), b the shorter distance from
// the force to a support, at sqrt((L² − b²)/3) from the support beyond the
// longer part.
Extreme pointLoadGreatest(double a)
{
    constexpr double L = 20;
    constexpr double P = 1500;
    const double b = std::min(a, L - a);
    const double reach = L * L - b * b;
    const double deflection = P * b * std::pow(reach, 1.5) / (9 * std::sqrt(3.0) * L * kRigidity);
    const double fromFar = std::sqrt(reach / 3);
    return {a >= L - a ? fromFar : L - fromFar, deflection};
}

// Under a couple M at a, left of it: EI·y = M·x·(6aL − 3a² − 2L² − x²)/(6L),
// downward positive; right of it the mirrored beam with the couple turned.
// Each part's extreme lies where its slope is zero: x = sqrt((6aL − 3a² −
// 2L²)/3), when that falls within the part.
std::vector<Extreme> momentLoadStationaryPoints(double a)
{
    constexpr double L = 7;
    constexpr double M = 3000;
    const auto part = [&](double s, double c) {
        return M * s * (6 * c * L - 3 * c * c - 2 * L * L - s * s) / (6 * L * kRigidity);
    };
    const auto stationary = [&](double c) { return (6 * c * L - 3 * c * c - 2 * L * L) / 3; };
    std::vector<Extreme> points;
    if (const double s2 = stationary(a); s2 > 0 && std::sqrt(s2) <= a)
        points.push_back({std::sqrt(s2), part(std::sqrt(s2), a)});
    if (const double s2 = stationary(L - a); s2 > 0 && std::sqrt(s2) <= L - a)
        points.push_back({L - std::sqrt(s2), -part(std::sqrt(s2), L - a)});
    return points;
}

} // namespace

class ReadoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void greatestDeflectionsFollowBeamTheory_data();
    void greatestDeflectionsFollowBeamTheory();
    void significantDigits_data();
    void significantDigits();
    void legendNotes_data();
    void legendNotes();
    void pointReadouts_data();
    void pointReadouts();
    void curvesForAScreenReader();
    void mappingRoundTrip_data();
    void mappingRoundTrip();
};

void ReadoutTest::greatestDeflectionsFollowBeamTheory_data()
{
    QTest::addColumn<const BeamWindow*>("window");
    QTest::addColumn<double>("load");
    // NaN where the beam does not bend that way.
    QTest::addColumn<double>("downX");
    QTest::addColumn<double>("down");
    QTest::addColumn<double>("upX");
    QTest::addColumn<double>("up");

    for (double a : {1.0, 5.0, 10.0, 13.0, 19.0}) {
        const Extreme greatest = pointLoadGreatest(a);
        QTest::addRow("force at %g", a) << &point_load::kWindow << a << greatest.x << greatest.deflection << kNone
                                        << kNone;
    }
    for (double w : {1.0, 4.0, 10.0, 2.5}) {
        const double sag = 5 * w * std::pow(10.0, 4) / (384 * kRigidity);
        QTest::addRow("uniform load %g", w) << &uniform_load::kWindow << w << 5.0 << sag << kNone << kNone;
    }
    QTest::newRow("uniform load -5 bends upward")
        << &uniform_load::kWindow << -5.0 << kNone << kNone << 5.0 << -5 * 5 * std::pow(10.0, 4) / (384 * kRigidity);
    for (int a = 0; a <= 7; ++a) {
        std::vector<Extreme> points = momentLoadStationaryPoints(a);
        const auto down = std::ranges::max_element(points, {}, &Extreme::deflection);
        const auto up = std::ranges::min_element(points, {}, &Extreme::deflection);
        const bool bendsDown = down != points.end() && down->deflection > 0;
        const bool bendsUp = up != points.end() && up->deflection < 0;
        QTest::addRow("couple at %d", a) << &moment_load::kWindow << double(a) << (bendsDown ? down->x : kNone)
                                         << (bendsDown ? down->deflection : kNone) << (bendsUp ? up->x : kNone)
                                         << (bendsUp ? up->deflection : kNone);
    }
}

// The search finds what the closed forms give, far better than the four
// significant digits shown, and only the directions the beam bends.
void ReadoutTest::greatestDeflectionsFollowBeamTheory()
{
    QFETCH(const BeamWindow*, window);
    QFETCH(double, load);
    QFETCH(double, downX);
    QFETCH(double, down);
    QFETCH(double, upX);
    QFETCH(double, up);

    const Extremes found = physics::deflectionExtremes(window->beamUnder(load));
    const auto check = [](const std::optional<Extreme>& extreme, double x, double deflection) {
        if (std::isnan(deflection))
            return !extreme.has_value();
        return extreme.has_value() && std::fabs(extreme->x - x) < 1e-6
               && std::fabs(extreme->deflection - deflection) <= 1e-9 * std::fabs(deflection);
    };
    const auto described = [](const std::optional<Extreme>& extreme) {
        return extreme ? QStringLiteral("%1 at %2").arg(extreme->deflection, 0, 'g', 12).arg(extreme->x, 0, 'g', 12)
                       : QStringLiteral("none");
    };
    QVERIFY2(check(found.down, downX, down), qPrintable("down: " + described(found.down)));
    QVERIFY2(check(found.up, upX, up), qPrintable("up: " + described(found.up)));
}

void ReadoutTest::significantDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("trailing zeros kept") << 2.5 << "2.500";
    QTest::newRow("below one") << 0.0557142857 << "0.05571";
    QTest::newRow("thousands") << 1234.56 << "1235";
    QTest::newRow("rounding carries a digit") << 9.99996 << "10.00";
    QTest::newRow("negative") << -1.40625 << "-1.406";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("tiny") << 1.5e-7 << "1.500e-07";
    QTest::newRow("huge") << 3.25e12 << "3.250e+12";
}

void ReadoutTest::significantDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(significant(value), text);
}

void ReadoutTest::legendNotes_data()
{
    QTest::addColumn<const BeamWindow*>("window");
    QTest::addColumn<DrawnCurve>("curve");
    QTest::addColumn<QString>("note");

    QTest::newRow("force at mid-span") << &point_load::kWindow << DrawnCurve{2, 3, 10, 3}
                                       << "變換次數 3，力量作用位置 10\n最大撓度：向下 2.500，在 x = 10.000";
    QTest::newRow("force on a support") << &point_load::kWindow << DrawnCurve{0, 1, 0, 1}
                                        << "變換次數 1，力量作用位置 0\n最大撓度：0，梁沒有彎曲";
    QTest::newRow("uniform load, last line") << &uniform_load::kWindow << DrawnCurve{9, 10, 8, 10}
                                             << "變換次數 10，均佈負荷大小 8\n最大撓度：向下 0.01042，在 x = 5.000";
    QTest::newRow("couple at the left support bends the beam up only")
        << &moment_load::kWindow << DrawnCurve{0, 9, 0, 1}
        << "變換次數 1，彎矩作用位置 0\n最大撓度：向上 0.09430，在 x = 2.959";
    QTest::newRow("couple inside the span bends it both ways")
        << &moment_load::kWindow << DrawnCurve{3, 12, 3, 4}
        << "變換次數 4，彎矩作用位置 3\n最大撓度：向上 0.02837，在 x = 4.292；向下 0.0002749，在 x = 0.577";
    // Past a full legend each change keeps its own number and names its line.
    QTest::newRow("change 25 on the point window's last column")
        << &point_load::kWindow << DrawnCurve{20, 5, 10, 25}
        << "變換次數 25（圖例第 21 欄），力量作用位置 10\n最大撓度：向下 2.500，在 x = 10.000";
    QTest::newRow("change 9 on the moment window's last row")
        << &moment_load::kWindow << DrawnCurve{6, 1, 7, 9}
        << "變換次數 9（圖例第 7 列），彎矩作用位置 7\n最大撓度：向下 0.09430，在 x = 4.041";
    QTest::newRow("a change that drew one earlier change's curve again")
        << &uniform_load::kWindow << DrawnCurve{9, 10, 8, 14, 1, 12}
        << "變換次數 14（圖例第 10 列；與變換次數 12 的曲線相同），均佈負荷大小 8\n最大撓度：向下 0.01042，在 x = "
           "5.000";
    QTest::newRow("a change that drew several earlier changes' curve again")
        << &uniform_load::kWindow << DrawnCurve{9, 10, 8, 30, 4, 11}
        << "變換次數 30（圖例第 10 列；與變換次數 11 等 4 次變換的曲線相同），均佈負荷大小 8\n"
           "最大撓度：向下 0.01042，在 x = 5.000";
}

void ReadoutTest::legendNotes()
{
    QFETCH(const BeamWindow*, window);
    QFETCH(DrawnCurve, curve);
    QFETCH(QString, note);
    QCOMPARE(legendNote(*window, curve), note);
}

void ReadoutTest::pointReadouts_data()
{
    QTest::addColumn<QList<DrawnCurve>>("curves");
    QTest::addColumn<QPointF>("pointer"); // client-area twips
    QTest::addColumn<QString>("readout");

    // Force at 10: the curve's lowest point lies at (3782.5, 4059) twips,
    // x = 10; at 9 its point under x = 10 lies at Y 4023.
    const DrawnCurve atTen{0, 1, 10, 1};
    const DrawnCurve atNine{1, 2, 9, 2};
    const DrawnCurve plotted{kPlotButton, 11, 9};
    QTest::newRow("on a curve") << QList{atTen} << QPointF(3782.5, 4060)
                                << "x = 10.000\n變換次數 1，力量作用位置 10：撓度 向下 2.500";
    QTest::newRow("between two curves, nearer the lower")
        << QList{atTen, atNine} << QPointF(3782.5, 4050)
        << "x = 10.000\n變換次數 1，力量作用位置 10：撓度 向下 2.500\n附近另有 1 條曲線";
    QTest::newRow("between two curves, nearer the upper")
        << QList{atTen, atNine} << QPointF(3782.5, 4025)
        << "x = 10.000\n變換次數 2，力量作用位置 9：撓度 向下 2.464\n附近另有 1 條曲線";
    QTest::newRow("the plot button's curve over a change's")
        << QList{atNine, plotted} << QPointF(3782.5, 4020)
        << "x = 10.000\n「集中負荷」按鈕，力量作用位置 9：撓度 向下 2.464\n附近另有 1 條曲線";
    QTest::newRow("no curve near") << QList{atTen} << QPointF(3782.5, 3000) << "x = 10.000";
    QTest::newRow("on the beam line at the support")
        << QList{atTen} << QPointF(600, 1560) << "x = 0.000\n變換次數 1，力量作用位置 10：撓度 0";
    QTest::newRow("a hair left of the left support reads as on it")
        << QList{atTen} << QPointF(599.9, 1560) << "x = 0.000\n變換次數 1，力量作用位置 10：撓度 0";
    QTest::newRow("left of the left support") << QList{atTen} << QPointF(560, 1560) << "";
    QTest::newRow("right of the right support") << QList{atTen} << QPointF(7000, 1560) << "";
    QTest::newRow("no curves") << QList<DrawnCurve>{} << QPointF(3782.5, 4060) << "x = 10.000";
}

// On the concentrated-load window: x as shown, the deflection read at that x.
void ReadoutTest::pointReadouts()
{
    QFETCH(QList<DrawnCurve>, curves);
    QFETCH(QPointF, pointer);
    QFETCH(QString, readout);
    CurveList list;
    for (const DrawnCurve& curve : curves)
        list.add(curve);
    QCOMPARE(pointReadout(point_load::kWindow, list, pointer, 60), readout);
}

void ReadoutTest::curvesForAScreenReader()
{
    CurveList list;
    QCOMPARE(curvesDescription(moment_load::kWindow, list), QStringLiteral("沒有曲線"));
    list.add({0, 9, 2, 1});
    list.add({kPlotButton, 10, 2});
    QCOMPARE(curvesDescription(moment_load::kWindow, list),
             QStringLiteral("2 條曲線：變換次數 1，彎矩作用位置 2；「彎矩負荷」按鈕，彎矩作用位置 2"));
}

void ReadoutTest::mappingRoundTrip_data()
{
    QTest::addColumn<const BeamWindow*>("window");
    QTest::addColumn<double>("load");
    for (double a : {0.0, 7.0, 20.0})
        QTest::addRow("force at %g", a) << &point_load::kWindow << a;
    for (double w : {0.0, 10.0, -5.0, 2.5})
        QTest::addRow("uniform load %g", w) << &uniform_load::kWindow << w;
    for (double a : {0.0, 3.0, 7.0})
        QTest::addRow("couple at %g", a) << &moment_load::kWindow << a;
}

// Every sample from the beam to the window and back: the pointer over a
// plotted point reads the sample's own x, and the point lies on the side of
// the beam line the beam deflects to.
void ReadoutTest::mappingRoundTrip()
{
    QFETCH(const BeamWindow*, window);
    QFETCH(double, load);
    const WindowMapping& mapping = window->mapping;
    const Curve curve = window->curve(load);
    QVERIFY(!curve.empty());
    for (const CurveSample& sample : curve) {
        const double back = mapping.alongBeam(sample.point.x);
        QVERIFY2(std::fabs(back - sample.x) < 1e-5, qPrintable(QString::number(sample.x)));
        QCOMPARE(xText(back), xText(sample.x));
        const PlotPoint beamLine = *mapping.plot(sample.x, 0);
        QCOMPARE(beamLine.x, sample.point.x);
        QVERIFY(sample.deflection >= 0 ? sample.point.y >= beamLine.y : sample.point.y <= beamLine.y);
    }
    // The ends of the beam are where the read-out begins and ends.
    QCOMPARE(mapping.alongBeam(mapping.plot(0, 0)->x), 0.0);
    QVERIFY(std::fabs(mapping.alongBeam(mapping.plot(window->span(), 0)->x) - window->span()) < 1e-5);
}

QTEST_GUILESS_MAIN(ReadoutTest)
#include "readout_test.moc"
