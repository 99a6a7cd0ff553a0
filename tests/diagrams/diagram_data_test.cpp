// SPDX-License-Identifier: MIT
// The diagram window's data against the closed forms of beam theory: the
// samples are the models' values, the markers sit at the zero crossings and
// extremes, the greatest deflection is the read-outs' own, and the data table
// reads back as the same numbers.
#include "beam_common/readout.h"
#include "diagrams/diagram_data.h"

#include <QTest>

#include <cmath>

using namespace diagrams;

Q_DECLARE_METATYPE(physics::LoadCase)

namespace {

constexpr double kNone = -1; // no marker expected

const physics::LoadCase kPointAtTen = physics::PointLoad{20, 1500, 10};

} // namespace

class DiagramDataTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void diagram_data();
    void diagram();
    void cacheKeepsUnchangedCurves();
    void table();
    void cursorReadsTheLatestCurve();
};

void DiagramDataTest::diagram_data()
{
    QTest::addColumn<physics::LoadCase>("beam");
    QTest::addColumn<double>("shearZero"); // where V crosses zero, or kNone
    QTest::addColumn<double>("greatestMomentAt");
    QTest::addColumn<double>("greatestMoment"); // signed; 0 for none
    QTest::addColumn<double>("shearJump"); // V just left minus just right of the load
    QTest::addColumn<double>("momentJump"); // M likewise

    // A force P at a: M greatest, P·a·b/L, under the force, where V jumps
    // through zero by P.
    const auto point = [](double a) {
        const double b = 20 - a;
        QTest::addRow("force at %g", a) << physics::LoadCase(physics::PointLoad{20, 1500, a})
                                        << (a > 0 && a < 20 ? a : kNone) << a << 1500 * a * b / 20
                                        << (a > 0 && a < 20 ? 1500.0 : 0.0) << 0.0;
    };
    point(0); // on a support: nothing bends, nothing to mark
    point(10);
    point(3);
    point(13.7);
    point(19);
    point(20);
    // w over L: V = 0 and M = wL²/8 at midspan.
    for (double w : {4.0, -3.0, 10.0})
        QTest::addRow("uniform %g", w) << physics::LoadCase(physics::UniformLoad{10, w}) << 5.0 << 5.0 << w * 100 / 8
                                       << 0.0 << 0.0;
    QTest::newRow("uniform 0") << physics::LoadCase(physics::UniformLoad{10, 0}) << kNone << 0.0 << 0.0 << 0.0 << 0.0;
    // A counter-clockwise couple C at a: V = C/L throughout, M jumps down by C
    // at a, and is greatest on the longer side of it.
    const auto couple = [](double a) {
        const double C = 3000;
        const double L = 7;
        QTest::addRow("couple at %g", a) << physics::LoadCase(physics::CoupleLoad{L, C, a}) << kNone << a
                                         << (a >= L - a ? C * a / L : -C * (L - a) / L) << 0.0 << C;
    };
    couple(1);
    couple(3);
    couple(4);
    couple(5);
}

void DiagramDataTest::diagram()
{
    QFETCH(physics::LoadCase, beam);
    QFETCH(double, shearZero);
    QFETCH(double, greatestMomentAt);
    QFETCH(double, greatestMoment);
    QFETCH(double, shearJump);
    QFETCH(double, momentJump);
    const double span = physics::span(beam);
    const CurveDiagram diagram = diagramOf(beam);
    const std::optional<double> load = loadPosition(beam);

    // Both supports, x never going back, and the models' values at every x
    // but the one just left of a load.
    QCOMPARE(diagram.samples.front().x, 0.0);
    QCOMPARE(diagram.samples.back().x, span);
    for (std::size_t i = 0; i < diagram.samples.size(); ++i) {
        const Sample& s = diagram.samples[i];
        const bool leftOfLoad = i + 1 < diagram.samples.size() && diagram.samples[i + 1].x == s.x;
        if (i > 0)
            QVERIFY(s.x >= diagram.samples[i - 1].x);
        if (!leftOfLoad) {
            QCOMPARE(s.shear, physics::shear(beam, s.x));
            QCOMPARE(s.moment, physics::moment(beam, s.x));
        }
        QCOMPARE(s.slope, physics::slope(beam, s.x));
        QCOMPARE(s.deflection, physics::deflection(beam, s.x));
    }

    // The jump at a concentrated load inside the span draws as one vertical.
    const auto atLoad = std::ranges::find_if(diagram.samples, [&](const Sample& s) { return load && s.x == *load; });
    if (shearJump != 0 || momentJump != 0) {
        QVERIFY(atLoad != diagram.samples.end() && std::next(atLoad)->x == *load);
        QVERIFY(std::fabs(atLoad->shear - std::next(atLoad)->shear - shearJump) < 1e-9);
        QVERIFY(std::fabs(atLoad->moment - std::next(atLoad)->moment - momentJump) < 1e-9);
    }

    if (shearZero == kNone) {
        QVERIFY(diagram.shearZeros.empty());
    } else {
        QCOMPARE(diagram.shearZeros.size(), std::size_t(1));
        QVERIFY(std::fabs(diagram.shearZeros.front() - shearZero) < 1e-9);
    }
    if (greatestMoment == 0) {
        QVERIFY(!diagram.greatestMoment);
    } else {
        QVERIFY(diagram.greatestMoment);
        QVERIFY(std::fabs(diagram.greatestMoment->x - greatestMomentAt) < 1e-9);
        QVERIFY(std::fabs(diagram.greatestMoment->value - greatestMoment) < 1e-9 * std::fabs(greatestMoment));
    }

    // The greatest deflections are the read-outs' to the last bit, and the
    // slope is zero exactly where they lie.
    const physics::Extremes extremes = physics::deflectionExtremes(beam);
    std::vector<double> extremeAt;
    for (const auto& extreme : {extremes.down, extremes.up}) {
        if (extreme)
            extremeAt.push_back(extreme->x);
    }
    QCOMPARE(diagram.deflectionExtremes.down.has_value(), extremes.down.has_value());
    QCOMPARE(diagram.deflectionExtremes.up.has_value(), extremes.up.has_value());
    if (extremes.down)
        QCOMPARE(diagram.deflectionExtremes.down->deflection, extremes.down->deflection);
    if (extremes.up)
        QCOMPARE(diagram.deflectionExtremes.up->deflection, extremes.up->deflection);
    std::ranges::sort(extremeAt);
    QCOMPARE(diagram.slopeZeros.size(), extremeAt.size());
    for (std::size_t i = 0; i < extremeAt.size(); ++i) {
        QVERIFY2(std::fabs(diagram.slopeZeros[i] - extremeAt[i]) < 1e-6 * span,
                 qPrintable(QStringLiteral("θ = 0 at %1, extreme at %2").arg(diagram.slopeZeros[i]).arg(extremeAt[i])));
        QCOMPARE(xText(diagram.slopeZeros[i]), xText(extremeAt[i]));
    }
}

void DiagramDataTest::cacheKeepsUnchangedCurves()
{
    DiagramSet set;
    const physics::LoadCase second = physics::PointLoad{20, 1500, 4};
    set.update({QStringLiteral("集中負荷"),
                QStringLiteral("力量作用位置"),
                {changeCurve(kPointAtTen, 10, Qt::blue, 1), changeCurve(second, 4, Qt::green, 2)}});
    const auto first = set.diagrams();
    set.update({QStringLiteral("集中負荷"),
                QStringLiteral("力量作用位置"),
                {changeCurve(kPointAtTen, 10, Qt::blue, 1), changeCurve(second, 4, Qt::green, 2),
                 changeCurve(physics::PointLoad{20, 1500, 17}, 17, Qt::red, 3)}});
    QCOMPARE(set.diagrams().size(), std::size_t(3));
    QCOMPARE(set.diagrams()[0], first[0]);
    QCOMPARE(set.diagrams()[1], first[1]);
    // The ranges take in every curve and zero.
    QCOMPARE(set.moment.low, 0.0);
    QVERIFY(std::fabs(set.moment.high - 1500 * 10 * 10 / 20.0) < 1e-9);
    QCOMPARE(set.shear.low, std::min({-1500 * 10 / 20.0, -1500 * 4 / 20.0, -1500 * 17 / 20.0}));
    QCOMPARE(set.shear.high, 1500 * 16 / 20.0);
}

void DiagramDataTest::table()
{
    DiagramSet set;
    const QString button = QStringLiteral("「集中負荷」按鈕");
    set.update({QStringLiteral("集中負荷"),
                QStringLiteral("力量作用位置"),
                {changeCurve(kPointAtTen, 10, Qt::blue, 3),
                 plotButtonCurve(physics::PointLoad{20, 1500, 20}, 20, Qt::red, button),
                 presentLoadCurve(physics::PointLoad{20, 1500, 0}, 0)}});
    const QByteArray table = diagramTable(set);
    QVERIFY(table.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(table.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.front(), QStringLiteral("變換次數,力量作用位置,x,剪力 V,彎矩 M,斜率 θ,撓度 y（向下為正）"));

    std::size_t row = 1;
    const QStringList who = {QStringLiteral("3"), button, QStringLiteral("目前的負荷（尚未繪圖）")};
    for (std::size_t curve = 0; curve < 3; ++curve) {
        for (const Sample& s : set.diagrams()[curve]->samples) {
            const QStringList cells = lines[row++].split(QLatin1Char(','));
            QCOMPARE(cells.size(), 7);
            QCOMPARE(cells[0], who[curve]);
            QCOMPARE(cells[1].toDouble(), set.input().curves[curve].load);
            // Numbers read back as the same doubles, and zero has no sign.
            const double values[] = {s.x, s.shear, s.moment, s.slope, s.deflection};
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(cells[2 + i].toDouble(), values[i]);
                QVERIFY(cells[2 + i] != QLatin1String("-0"));
            }
        }
    }
    QCOMPARE(qsizetype(row), lines.size());
    // The force at the support bends nothing: its row has zeros, not -0.
    QVERIFY(table.contains("\r\n" + button.toUtf8() + ",20,0,0,0,"));
}

void DiagramDataTest::cursorReadsTheLatestCurve()
{
    DiagramSet set;
    set.update(
        {QStringLiteral("集中負荷"),
         QStringLiteral("力量作用位置"),
         {changeCurve(physics::PointLoad{20, 1500, 3}, 3, Qt::blue, 1), changeCurve(kPointAtTen, 10, Qt::green, 2)}});
    // Under P at midspan, at x = 5: V = P/2, M = P·x/2, and EI·y = P·x·(3L² − 4x²)/48.
    const double y = 1500 * 5 * (3 * 400 - 4 * 25) / 48.0 / physics::kFlexuralRigidity;
    const double theta = 1500 * (400 - 4 * 25) / 16.0 / physics::kFlexuralRigidity;
    QCOMPARE(cursorReadout(set, 5), QStringLiteral("x = 5.000：V = 750.0，M = 3750，θ = %1，y = %2")
                                        .arg(beam::significant(theta), beam::significant(y)));
    QVERIFY(cursorReadout(set, 15).contains(QStringLiteral("V = −750.0")));
}

QTEST_GUILESS_MAIN(DiagramDataTest)
#include "diagram_data_test.moc"
