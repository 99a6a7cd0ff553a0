// SPDX-License-Identifier: MIT
#include "beam_common/readout.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace beam {

namespace {

// The search on each side of the beam's greatest and least grid points.
constexpr int kGridIntervals = 200;
constexpr int kGoldenSteps = 100;

// A deflection this much smaller than the beam's greatest is rounding left
// over from the formula's terms, and one below a billionth of the length unit
// (the force on a support leaves such a remnant next to it) is no bend either.
bool negligible(double deflection, double greatest)
{
    constexpr double kRounding = 1e-12;
    constexpr double kNoBend = 1e-9;
    return std::fabs(deflection) <= std::max(kRounding * greatest, kNoBend);
}

// The x in [low, high] where sign · deflection is greatest, by golden-section
// search: the deflection curve has one extreme within two grid intervals.
Extreme refine(DeflectionFunction deflection, double load, double low, double high, double sign)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = high - ratio * (high - low);
    double b = low + ratio * (high - low);
    double fa = sign * deflection(load, a);
    double fb = sign * deflection(load, b);
    for (int step = 0; step < kGoldenSteps && high - low > 0; ++step) {
        if (fa < fb) {
            low = a;
            a = b;
            fa = fb;
            b = low + ratio * (high - low);
            fb = sign * deflection(load, b);
        } else {
            high = b;
            b = a;
            fb = fa;
            a = high - ratio * (high - low);
            fa = sign * deflection(load, a);
        }
    }
    const double x = (low + high) / 2;
    return {x, deflection(load, x)};
}

// The load value as the legend writes it: the scroll bar's whole numbers as
// they are, a typed load in as few digits as read it back exactly.
QString loadText(double load)
{
    return QString::number(load, 'g', 15);
}

} // namespace

Extremes findExtremes(DeflectionFunction deflection, double load, double span)
{
    // The grid points that lie furthest down and furthest up.
    int downAt = 0;
    int upAt = 0;
    double furthestDown = deflection(load, 0);
    double furthestUp = furthestDown;
    for (int i = 1; i <= kGridIntervals; ++i) {
        const double value = deflection(load, span * i / kGridIntervals);
        if (value > furthestDown) {
            furthestDown = value;
            downAt = i;
        }
        if (value < furthestUp) {
            furthestUp = value;
            upAt = i;
        }
    }
    const auto around = [&](int i, double sign) {
        return refine(deflection, load, span * std::max(i - 1, 0) / kGridIntervals,
                      span * std::min(i + 1, kGridIntervals) / kGridIntervals, sign);
    };
    const Extreme down = around(downAt, 1);
    const Extreme up = around(upAt, -1);
    const double greatest = std::max(std::fabs(down.deflection), std::fabs(up.deflection));

    Extremes extremes;
    if (down.deflection > 0 && !negligible(down.deflection, greatest))
        extremes.down = down;
    if (up.deflection < 0 && !negligible(up.deflection, greatest))
        extremes.up = up;
    return extremes;
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

QString plotButtonName(const BeamWindow& window)
{
    return QStringLiteral("「%1」按鈕").arg(QString::fromUtf8(window.loadCase));
}

QString curveTitle(const BeamWindow& window, const DrawnCurve& curve)
{
    const QString value = QString::fromUtf8(window.loadValueName) + QLatin1Char(' ') + loadText(curve.load);
    if (curve.legendLine == kPlotButton)
        return plotButtonName(window) + QStringLiteral("，") + value;
    return QStringLiteral("變換次數 %1，%2").arg(curve.legendLine + 1).arg(value);
}

QString legendNote(const BeamWindow& window, const DrawnCurve& curve)
{
    const Extremes extremes = findExtremes(window.deflection, curve.load, window.span);
    const auto at = [](const Extreme& extreme) {
        return QStringLiteral("%1，在 x = %2").arg(significant(std::fabs(extreme.deflection)), significant(extreme.x));
    };
    QString note = curveTitle(window, curve) + QLatin1Char('\n');
    if (extremes.down && extremes.up)
        return note + QStringLiteral("最大向上撓度：") + at(*extremes.up) + QStringLiteral("\n最大向下撓度：")
               + at(*extremes.down);
    if (const std::optional<Extreme>& only = extremes.down ? extremes.down : extremes.up)
        return note
               + QStringLiteral("最大撓度：%1，在 x = %2").arg(deflectionText(only->deflection), significant(only->x));
    return note + QStringLiteral("最大撓度：0，梁沒有彎曲");
}

QString pointReadout(const BeamWindow& window, const CurveList& curves, QPointF pointer, double reach)
{
    // x as shown, to two decimals; the deflection is read at that x.
    const double x = std::round((pointer.x() - window.beamLeft) / window.twipsPerUnit * 100) / 100;
    if (!(x >= 0 && x <= window.span))
        return {};
    QString text = QStringLiteral("x = %1").arg(x, 0, 'f', 2);

    struct Near {
        double distance;
        int order; // later curves lie on top
        const DrawnCurve* curve;
        double greatest; // the curve's greatest deflection, for telling rounding from a bend
    };
    std::vector<Near> near;
    int order = 0;
    for (const DrawnCurve& curve : curves) {
        double closest = std::numeric_limits<double>::infinity();
        double greatest = 0;
        for (const CurveSample& sample : window.curve(curve.load)) {
            closest = std::min(closest, std::hypot(sample.point.x - pointer.x(), sample.point.y - pointer.y()));
            greatest = std::max(greatest, std::fabs(sample.deflection));
        }
        if (closest <= reach)
            near.push_back({closest, order, &curve, greatest});
        ++order;
    }
    if (near.empty())
        return text;
    const Near& nearest = *std::ranges::min_element(near, [](const Near& a, const Near& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.order > b.order;
    });
    double deflection = window.deflection(nearest.curve->load, x);
    if (negligible(deflection, nearest.greatest))
        deflection = 0;
    text += QLatin1Char('\n') + curveTitle(window, *nearest.curve) + QStringLiteral("：撓度 ")
            + deflectionText(deflection);
    if (near.size() > 1)
        text += QStringLiteral("\n附近另有 %1 條曲線").arg(near.size() - 1);
    return text;
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
