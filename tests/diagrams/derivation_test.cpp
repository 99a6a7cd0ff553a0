// SPDX-License-Identifier: MIT
// The derivation's numbers against the models: the reactions, the constants
// of integration and the greatest deflection it writes are those of the beam
// the windows draw, for each load case.
#include "beam_common/readout.h"
#include "diagrams/derivation.h"
#include "diagrams/diagram_data.h"

#include <QTest>
#include <QTextDocument>

#include <cmath>

using namespace diagrams;

Q_DECLARE_METATYPE(physics::LoadCase)

class DerivationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbers_data();
    void numbers();
    void coupleTurnsCounterClockwise();
};

void DerivationTest::numbers_data()
{
    QTest::addColumn<physics::LoadCase>("beam");
    QTest::addColumn<QString>("loadCase");
    QTest::newRow("force at 7") << physics::LoadCase(physics::PointLoad{20, 1500, 7}) << QStringLiteral("集中負荷");
    QTest::newRow("force at 15") << physics::LoadCase(physics::PointLoad{20, 1500, 15}) << QStringLiteral("集中負荷");
    QTest::newRow("uniform 6") << physics::LoadCase(physics::UniformLoad{10, 6}) << QStringLiteral("均佈負荷");
    QTest::newRow("uniform -2.5") << physics::LoadCase(physics::UniformLoad{10, -2.5}) << QStringLiteral("均佈負荷");
    QTest::newRow("couple at 2") << physics::LoadCase(physics::CoupleLoad{7, 3000, 2}) << QStringLiteral("彎矩負荷");
    QTest::newRow("couple at 6") << physics::LoadCase(physics::CoupleLoad{7, 3000, 6}) << QStringLiteral("彎矩負荷");
}

void DerivationTest::numbers()
{
    QFETCH(physics::LoadCase, beam);
    QFETCH(QString, loadCase);
    const double EI = physics::kFlexuralRigidity;
    const Derivation derivation = derivationOf(beam);

    // The constants are EI·θ(0) and EI·y(0) of the model, so its y(x) is the
    // derivation's.
    const physics::Reactions reactions = physics::reactions(beam);
    QVERIFY(std::fabs(derivation.reactions.left - reactions.left) <= 1e-12 * std::fabs(reactions.left));
    QVERIFY(std::fabs(derivation.reactions.right - reactions.right) <= 1e-12 * std::fabs(reactions.right));
    const double c1 = EI * physics::slope(beam, 0);
    QVERIFY2(std::fabs(derivation.c1 - c1) <= 1e-9 * std::fabs(c1),
             qPrintable(QStringLiteral("C1 %1, model %2").arg(derivation.c1).arg(c1)));
    QCOMPARE(derivation.c2, EI * physics::deflection(beam, 0));

    // What the reader sees: every number of it, the read-outs' greatest
    // deflection among them, and no formula source.
    const QString html = derivationHtml({loadCase, QStringLiteral("位置"), {changeCurve(beam, 1, Qt::blue, 4)}});
    QTextDocument document;
    document.setHtml(html);
    const QString text = document.toPlainText();
    QVERIFY(text.contains(loadCase));
    QVERIFY(text.contains(QStringLiteral("變換次數 4")));
    QVERIFY(text.contains(QStringLiteral("EI = 100000")));
    QVERIFY(text.contains(QStringLiteral("EI·y″ = −M(x)")));
    for (double value : {reactions.left, reactions.right, c1})
        QVERIFY2(text.contains(valueText(value)), qPrintable(valueText(value)));
    const physics::Extremes extremes = physics::deflectionExtremes(beam);
    for (const auto& extreme : {extremes.down, extremes.up}) {
        if (extreme)
            QVERIFY(text.contains(
                QStringLiteral("%1，在 x = %2").arg(beam::deflectionText(extreme->deflection), xText(extreme->x))));
    }
    for (const char* source : {"\\frac", "^{", "_{", "\\cdot", "$"})
        QVERIFY2(!text.contains(QLatin1String(source)), source);
}

void DerivationTest::coupleTurnsCounterClockwise()
{
    const QString html = derivationHtml({QStringLiteral("彎矩負荷"),
                                         QStringLiteral("彎矩作用位置"),
                                         {changeCurve(physics::CoupleLoad{7, 3000, 2}, 2, Qt::blue, 1)}});
    QVERIFY(html.contains(QStringLiteral("逆時針")));
    // Left of the couple M = (C/L)·x; right of it M drops by C.
    QVERIFY(html.contains(QStringLiteral("M(x) = R<sub>A</sub>·x = 428.6 x")));
    QVERIFY(html.contains(QStringLiteral("= 428.6 x − 3000")));
}

QTEST_GUILESS_MAIN(DerivationTest)
#include "derivation_test.moc"
