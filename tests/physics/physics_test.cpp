// SPDX-License-Identifier: MIT
// The beams' physics against beam theory: equilibrium, the differential
// relations between shear, moment, slope and deflection, the supports, what
// happens at the load, and the textbook values.
#include "physics/beam.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace physics;

Q_DECLARE_METATYPE(physics::LoadCase)

namespace {

// Where a concentrated load acts, and by how much shear and moment jump there.
struct Concentrated {
    double at;
    double shearJump; // V just right minus just left: minus the downward force
    double momentJump; // M just right minus just left: minus the counter-clockwise couple
};

// The total downward load, and its moment about the left support
// (counter-clockwise positive), for the equilibrium of the whole beam.
struct Applied {
    double force;
    double momentAboutLeft;
};

Applied applied(const LoadCase& beam)
{
    if (const auto* point = std::get_if<PointLoad>(&beam))
        return {point->force, -point->force * point->position};
    if (const auto* uniform = std::get_if<UniformLoad>(&beam))
        return {uniform->intensity * uniform->span, -uniform->intensity * uniform->span * uniform->span / 2};
    const auto& couple = std::get<CoupleLoad>(beam);
    return {0, couple.couple};
}

std::vector<Concentrated> concentrated(const LoadCase& beam)
{
    if (const auto* point = std::get_if<PointLoad>(&beam))
        return {{point->position, -point->force, 0}};
    if (const auto* couple = std::get_if<CoupleLoad>(&beam))
        return {{couple->position, 0, -couple->couple}};
    return {};
}

// Sample points inside the span at least `gap` from the supports and the load.
std::vector<double> awayFromTheLoad(const LoadCase& beam, double gap)
{
    const double length = span(beam);
    std::vector<double> xs;
    for (int i = 1; i < 40; ++i) {
        const double x = length * i / 40 + length * 0.0037; // off the grid of whole numbers
        const bool nearLoad = std::ranges::any_of(
            concentrated(beam), [&](const Concentrated& load) { return std::fabs(x - load.at) < gap; });
        if (x > gap && x < length - gap && !nearLoad)
            xs.push_back(x);
    }
    return xs;
}

// The sizes of shear, moment, slope and deflection that the load gives such a
// beam, as the scales of the tolerances: a force P gives shears of the order
// of P, moments of PL, slopes of PL²/EI and deflections of PL³/EI. A beam with
// its force on a support hardly bends at all, and this still holds it to the
// load's own scale.
struct Scales {
    double shear;
    double moment;
    double slope;
    double deflection;
};

Scales scales(const LoadCase& beam)
{
    const double length = span(beam);
    double shear = 0;
    if (const auto* point = std::get_if<PointLoad>(&beam))
        shear = std::fabs(point->force);
    else if (const auto* uniform = std::get_if<UniformLoad>(&beam))
        shear = std::fabs(uniform->intensity) * length;
    else
        shear = std::fabs(std::get<CoupleLoad>(beam).couple) / length;
    const double moment = shear * length;
    const double slope = moment * length / flexuralRigidity(beam);
    return {shear, moment, slope, slope * length};
}

} // namespace

class PhysicsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reactionsBalanceTheLoad_data() { loadCases(); }
    void reactionsBalanceTheLoad();
    void shearIsTheMomentsSlopeAndSlopeTheDeflections_data() { loadCases(); }
    void shearIsTheMomentsSlopeAndSlopeTheDeflections();
    void curvatureIsMinusMomentOverRigidity_data() { loadCases(); }
    void curvatureIsMinusMomentOverRigidity();
    void supportsDoNotMove_data() { loadCases(); }
    void supportsDoNotMove();
    void deflectionAndSlopeAreContinuousAtTheLoad_data() { loadCases(); }
    void deflectionAndSlopeAreContinuousAtTheLoad();
    void shearJumpsByTheForceAndMomentByTheCouple_data() { loadCases(); }
    void shearJumpsByTheForceAndMomentByTheCouple();
    void textbookValues_data();
    void textbookValues();
    void extremesOfTheProgramsBeams_data();
    void extremesOfTheProgramsBeams();

private:
    static void loadCases();
};

void PhysicsTest::loadCases()
{
    QTest::addColumn<LoadCase>("beam");
    QTest::newRow("force at the left support") << LoadCase{PointLoad{20, 1500, 0}};
    QTest::newRow("force at 7 of 20") << LoadCase{PointLoad{20, 1500, 7}};
    QTest::newRow("force at mid-span") << LoadCase{PointLoad{20, 1500, 10}};
    QTest::newRow("force at the right support") << LoadCase{PointLoad{20, 1500, 20}};
    QTest::newRow("upward force, other beam") << LoadCase{PointLoad{5.5, -40, 1.25, 2e3}};
    QTest::newRow("uniform load 10") << LoadCase{UniformLoad{10, 10}};
    QTest::newRow("uniform load upward") << LoadCase{UniformLoad{10, -3.5}};
    QTest::newRow("uniform load, other beam") << LoadCase{UniformLoad{4, 250, 7e4}};
    QTest::newRow("couple at the left support") << LoadCase{CoupleLoad{7, 3000, 0}};
    QTest::newRow("couple at 3 of 7") << LoadCase{CoupleLoad{7, 3000, 3}};
    QTest::newRow("couple at the right support") << LoadCase{CoupleLoad{7, 3000, 7}};
    QTest::newRow("clockwise couple, other beam") << LoadCase{CoupleLoad{12, -800, 4.5, 3e4}};
}

void PhysicsTest::reactionsBalanceTheLoad()
{
    QFETCH(LoadCase, beam);
    const Reactions r = reactions(beam);
    const Applied load = applied(beam);
    const double scale = std::max({std::fabs(load.force), std::fabs(load.momentAboutLeft), 1.0});
    // Forces, upward positive, and moments about the left support, counter-clockwise positive.
    QVERIFY(std::fabs(r.left + r.right - load.force) <= 1e-12 * scale);
    QVERIFY(std::fabs(r.right * span(beam) + load.momentAboutLeft) <= 1e-12 * scale * span(beam));
}

void PhysicsTest::shearIsTheMomentsSlopeAndSlopeTheDeflections()
{
    QFETCH(LoadCase, beam);
    constexpr double h = 1e-4;
    const Scales scale = scales(beam);
    for (const double x : awayFromTheLoad(beam, 0.01)) {
        const double dM = (moment(beam, x + h) - moment(beam, x - h)) / (2 * h);
        const double dy = (deflection(beam, x + h) - deflection(beam, x - h)) / (2 * h);
        QVERIFY2(std::fabs(dM - shear(beam, x)) <= 1e-6 * scale.shear, qPrintable(QString::number(x)));
        QVERIFY2(std::fabs(dy - slope(beam, x)) <= 1e-6 * scale.slope, qPrintable(QString::number(x)));
    }
}

void PhysicsTest::curvatureIsMinusMomentOverRigidity()
{
    QFETCH(LoadCase, beam);
    constexpr double h = 1e-3;
    for (const double x : awayFromTheLoad(beam, 0.01)) {
        const double curvature = (deflection(beam, x + h) - 2 * deflection(beam, x) + deflection(beam, x - h))
                                 / (h * h);
        QVERIFY2(std::fabs(flexuralRigidity(beam) * curvature + moment(beam, x)) <= 1e-5 * scales(beam).moment,
                 qPrintable(QString::number(x)));
    }
}

void PhysicsTest::supportsDoNotMove()
{
    QFETCH(LoadCase, beam);
    QCOMPARE(deflection(beam, 0), 0.0);
    QVERIFY(std::fabs(deflection(beam, span(beam))) <= 1e-12 * scales(beam).deflection);
}

void PhysicsTest::deflectionAndSlopeAreContinuousAtTheLoad()
{
    QFETCH(LoadCase, beam);
    const Scales scale = scales(beam);
    constexpr double d = 1e-7;
    for (const Concentrated& load : concentrated(beam)) {
        QVERIFY(std::fabs(deflection(beam, load.at + d) - deflection(beam, load.at - d)) <= 1e-6 * scale.deflection);
        QVERIFY(std::fabs(slope(beam, load.at + d) - slope(beam, load.at - d)) <= 1e-6 * scale.slope);
    }
}

void PhysicsTest::shearJumpsByTheForceAndMomentByTheCouple()
{
    QFETCH(LoadCase, beam);
    constexpr double d = 1e-9;
    const std::vector<Concentrated> loads = concentrated(beam);
    if (loads.empty()) {
        // A distributed load: no jump anywhere.
        for (const double x : awayFromTheLoad(beam, 0.01)) {
            QVERIFY(std::fabs(shear(beam, x + d) - shear(beam, x - d)) <= 1e-6);
            QVERIFY(std::fabs(moment(beam, x + d) - moment(beam, x - d)) <= 1e-6);
        }
        return;
    }
    for (const Concentrated& load : loads) {
        const double scale = std::fabs(load.shearJump) + std::fabs(load.momentJump);
        QVERIFY(std::fabs(shear(beam, load.at + d) - shear(beam, load.at - d) - load.shearJump) <= 1e-6 * scale);
        QVERIFY(std::fabs(moment(beam, load.at + d) - moment(beam, load.at - d) - load.momentJump) <= 1e-6 * scale);
        // At the load itself, V and M are those just right of it.
        QCOMPARE(shear(beam, load.at), shear(beam, load.at + d));
        QVERIFY(std::fabs(moment(beam, load.at) - moment(beam, load.at + d)) <= 1e-6 * scale);
    }
}

void PhysicsTest::textbookValues_data()
{
    QTest::addColumn<LoadCase>("beam");
    QTest::addColumn<double>("midspanMoment");
    QTest::addColumn<double>("midspanDeflection");
    const double EI = kFlexuralRigidity;
    // PL/4 and PL³/48EI; wL²/8 and 5wL⁴/384EI.
    QTest::newRow("central force 1500 on 20")
        << LoadCase{PointLoad{20, 1500, 10}} << 1500.0 * 20 / 4 << 1500.0 * 8000 / (48 * EI);
    QTest::newRow("central force 7 on 3, EI 2")
        << LoadCase{PointLoad{3, 7, 1.5, 2}} << 7.0 * 3 / 4 << 7.0 * 27 / (48 * 2);
    QTest::newRow("uniform 10 on 10") << LoadCase{UniformLoad{10, 10}} << 10.0 * 100 / 8
                                      << 5 * 10.0 * 10000 / (384 * EI);
    QTest::newRow("uniform 2 on 6, EI 50")
        << LoadCase{UniformLoad{6, 2, 50}} << 2.0 * 36 / 8 << 5 * 2.0 * 1296 / (384 * 50);
}

void PhysicsTest::textbookValues()
{
    QFETCH(LoadCase, beam);
    QFETCH(double, midspanMoment);
    QFETCH(double, midspanDeflection);
    const double middle = span(beam) / 2;
    QVERIFY(std::fabs(moment(beam, middle) - midspanMoment) <= 1e-12 * midspanMoment);
    QVERIFY(std::fabs(deflection(beam, middle) - midspanDeflection) <= 1e-12 * midspanDeflection);
    // Symmetric: level at mid-span, and that is the greatest deflection.
    QVERIFY(std::fabs(slope(beam, middle)) <= 1e-12 * midspanDeflection);
    const Extremes extremes = deflectionExtremes(beam);
    QVERIFY(extremes.down && !extremes.up);
    QVERIFY(std::fabs(extremes.down->deflection - midspanDeflection) <= 1e-12 * midspanDeflection);
    QVERIFY(std::fabs(extremes.down->x - middle) <= 1e-6 * middle);
}

void PhysicsTest::extremesOfTheProgramsBeams_data()
{
    QTest::addColumn<LoadCase>("beam");
    QTest::addColumn<bool>("bendsDown");
    QTest::addColumn<bool>("bendsUp");
    QTest::newRow("force at a support: no bend") << LoadCase{PointLoad{20, 1500, 0}} << false << false;
    QTest::newRow("force at 7") << LoadCase{PointLoad{20, 1500, 7}} << true << false;
    QTest::newRow("no uniform load") << LoadCase{UniformLoad{10, 0}} << false << false;
    QTest::newRow("couple at the left end lifts") << LoadCase{CoupleLoad{7, 3000, 0}} << false << true;
    QTest::newRow("couple at the right end sags") << LoadCase{CoupleLoad{7, 3000, 7}} << true << false;
    QTest::newRow("couple at 3 bends both ways") << LoadCase{CoupleLoad{7, 3000, 3}} << true << true;
}

void PhysicsTest::extremesOfTheProgramsBeams()
{
    QFETCH(LoadCase, beam);
    QFETCH(bool, bendsDown);
    QFETCH(bool, bendsUp);
    const Extremes extremes = deflectionExtremes(beam);
    QCOMPARE(extremes.down.has_value(), bendsDown);
    QCOMPARE(extremes.up.has_value(), bendsUp);
    // Each found extreme is a level point of the curve, no lower than any sample.
    for (const std::optional<Extreme>& found : {extremes.down, extremes.up}) {
        if (!found)
            continue;
        const double sign = found->deflection > 0 ? 1 : -1;
        QVERIFY(std::fabs(slope(beam, found->x)) <= 1e-6 * std::fabs(found->deflection));
        for (int i = 0; i <= 700; ++i)
            QVERIFY(sign * deflection(beam, span(beam) * i / 700) <= sign * found->deflection * (1 + 1e-12));
    }
}

QTEST_GUILESS_MAIN(PhysicsTest)
#include "physics_test.moc"
