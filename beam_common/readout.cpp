// SPDX-License-Identifier: MIT
#include "beam_common/readout.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <variant>
#include <vector>

namespace beam {

namespace {

// The load value as the legend writes it: the scroll bar's whole numbers as
// they are, a typed load in as few digits as read it back exactly.
QString loadText(double load)
{
    return QString::number(load, 'g', 15);
}

QString loadValue(const BeamWindow& window, const DrawnCurve& curve)
{
    return QString::fromUtf8(window.loadValueName) + QLatin1Char(' ') + loadText(curve.load);
}

// x to the read-outs' three decimals, and never -0.
double shownX(double x)
{
    return std::round(x * 1000) / 1000 + 0.0;
}

} // namespace

QString xText(double x)
{
    return QString::number(shownX(x), 'f', 3);
}

QString significant(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QString::number(value);
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    if (exponent < -4 || exponent > 5)
        return QString::number(value, 'e', 3);
    QString text = QString::number(value, 'f', std::max(0, 3 - exponent));
    // Rounding may carry into one more digit: 9.9996 is 10.00, not 10.000.
    if (std::fabs(text.toDouble()) >= std::pow(10.0, exponent + 1))
        text = QString::number(value, 'f', std::max(0, 2 - exponent));
    return text;
}

QString deflectionText(double deflection)
{
    if (deflection == 0)
        return QStringLiteral("0");
    return (deflection > 0 ? QStringLiteral("向下 ") : QStringLiteral("向上 ")) + significant(std::fabs(deflection));
}

QString changeName(int change)
{
    return QStringLiteral("變換次數 %1").arg(change);
}

QString plotButtonName(const BeamWindow& window)
{
    return QStringLiteral("「%1」按鈕").arg(QString::fromUtf8(window.loadCase));
}

QString curveName(const BeamWindow& window, const DrawnCurve& curve)
{
    if (curve.legendLine == kPlotButton)
        return plotButtonName(window);
    QString name = changeName(curve.change);
    if (curve.change == curve.legendLine + 1)
        return name;
    name += QStringLiteral("（圖例第 %1 %2").arg(curve.legendLine + 1).arg(QString::fromUtf8(window.legendLineWord));
    if (curve.redrawn == 1)
        name += QStringLiteral("；與變換次數 %1 的曲線相同").arg(curve.firstRedrawn);
    else if (curve.redrawn > 1)
        name += QStringLiteral("；與變換次數 %1 等 %2 次變換的曲線相同").arg(curve.firstRedrawn).arg(curve.redrawn);
    return name + QStringLiteral("）");
}

QString curveTitle(const BeamWindow& window, const DrawnCurve& curve)
{
    return curveName(window, curve) + QStringLiteral("，") + loadValue(window, curve);
}

QString curveHeading(const BeamWindow& window, const DrawnCurve& curve)
{
    return curveName(window, curve) + QStringLiteral("：") + loadValue(window, curve);
}

QString legendNote(const BeamWindow& window, const DrawnCurve& curve)
{
    const physics::Extremes extremes = physics::deflectionExtremes(window.beamUnder(curve.load));
    const auto at = [](const physics::Extreme& extreme) {
        return QStringLiteral("%1，在 x = %2").arg(deflectionText(extreme.deflection), xText(extreme.x));
    };
    // Both directions on one line under the one heading, as a screen reader
    // hears it from the scroll bar too.
    const QString note = curveTitle(window, curve) + QStringLiteral("\n最大撓度：");
    if (extremes.down && extremes.up)
        return note + at(*extremes.up) + QStringLiteral("；") + at(*extremes.down);
    if (const std::optional<physics::Extreme>& only = extremes.down ? extremes.down : extremes.up)
        return note + at(*only);
    return note + QStringLiteral("0，梁沒有彎曲");
}

QString pointReadout(const BeamWindow& window, const CurveList& curves, QPointF pointer, double reach)
{
    // x as shown, to three decimals; the deflection is read at that x.
    const double x = shownX(window.mapping.alongBeam(pointer.x()));
    if (!(x >= 0 && x <= window.span()))
        return {};
    QString text = QStringLiteral("x = ") + xText(x);

    struct Near {
        double distance;
        int order; // later curves lie on top
        const DrawnCurve* curve;
    };
    std::vector<Near> near;
    int order = 0;
    for (const DrawnCurve& curve : curves) {
        double closest = std::numeric_limits<double>::infinity();
        for (const CurveSample& sample : window.curve(curve.load))
            closest = std::min(closest, std::hypot(sample.point.x - pointer.x(), sample.point.y - pointer.y()));
        if (closest <= reach)
            near.push_back({closest, order, &curve});
        ++order;
    }
    if (near.empty())
        return text;
    const Near& nearest = *std::ranges::min_element(near, [](const Near& a, const Near& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.order > b.order;
    });
    const physics::LoadCase beam = window.beamUnder(nearest.curve->load);
    double deflection = physics::deflection(beam, x);
    const physics::Extremes extremes = physics::deflectionExtremes(beam);
    const double greatest = std::max(extremes.down ? extremes.down->deflection : 0.0,
                                     extremes.up ? -extremes.up->deflection : 0.0);
    if (physics::negligible(deflection, greatest))
        deflection = 0;
    text += QLatin1Char('\n') + curveTitle(window, *nearest.curve) + QStringLiteral("：撓度 ")
            + deflectionText(deflection);
    if (near.size() > 1)
        text += QStringLiteral("\n附近另有 %1 條曲線").arg(near.size() - 1);
    return text;
}

QStringList pageHeading(const BeamWindow& window, const CurveList& curves)
{
    const physics::LoadCase beam = window.beamUnder(0);
    const QString load = std::visit(
        [](const auto& loaded) {
            using Load = std::decay_t<decltype(loaded)>;
            if constexpr (std::is_same_v<Load, physics::PointLoad>)
                return QStringLiteral("集中力 P = %1").arg(loadText(loaded.force));
            else if constexpr (std::is_same_v<Load, physics::CoupleLoad>)
                return QStringLiteral("逆時針集中彎矩 M = %1").arg(loadText(loaded.couple));
            else
                return QStringLiteral("均佈負荷");
        },
        beam);
    QStringList values;
    for (const DrawnCurve& curve : curves)
        values << loadText(curve.load);
    return {QStringLiteral("簡支梁：跨度 L = %1，%2，EI = %3（本程式所用的值）")
                .arg(loadText(physics::span(beam)), load, loadText(physics::flexuralRigidity(beam))),
            values.isEmpty() ? QStringLiteral("尚無曲線")
                             : QStringLiteral("各曲線的%1：%2")
                                   .arg(QString::fromUtf8(window.loadValueName), values.join(QStringLiteral("、")))};
}

QString curvesDescription(const BeamWindow& window, const CurveList& curves)
{
    if (curves.empty())
        return QStringLiteral("沒有曲線");
    QStringList titles;
    for (const DrawnCurve& curve : curves)
        titles << curveTitle(window, curve);
    return QStringLiteral("%1 條曲線：").arg(curves.size()) + titles.join(QStringLiteral("；"));
}

} // namespace beam
