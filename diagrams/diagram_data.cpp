// SPDX-License-Identifier: MIT
#include "diagrams/diagram_data.h"

#include "beam_common/readout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace diagrams {

DiagramCurve changeCurve(const physics::LoadCase& beam, double load, QColor colour, int change)
{
    return {beam, load, colour, QString::number(change), beam::changeName(change)};
}

DiagramCurve plotButtonCurve(const physics::LoadCase& beam, double load, QColor colour, const QString& buttonName)
{
    return {beam, load, colour, buttonName, buttonName};
}

DiagramCurve presentLoadCurve(const physics::LoadCase& beam, double load)
{
    const QString name = QStringLiteral("目前的負荷（尚未繪圖）");
    return {beam, load, QColor(128, 128, 128), name, name};
}

Sample sampleAt(const physics::LoadCase& beam, double x)
{
    return {x, physics::shear(beam, x), physics::moment(beam, x), physics::slope(beam, x),
            physics::deflection(beam, x)};
}

std::optional<double> loadPosition(const physics::LoadCase& beam)
{
    if (const auto* force = std::get_if<physics::PointLoad>(&beam))
        return force->position;
    if (const auto* couple = std::get_if<physics::CoupleLoad>(&beam))
        return couple->position;
    return std::nullopt;
}

bool sameLoadCase(const physics::LoadCase& a, const physics::LoadCase& b)
{
    if (a.index() != b.index())
        return false;
    return std::visit(
        [&b](const auto& load) {
            const auto& other = std::get<std::decay_t<decltype(load)>>(b);
            const auto fields = [](const auto& l) {
                if constexpr (std::is_same_v<std::decay_t<decltype(l)>, physics::UniformLoad>)
                    return std::tuple(l.span, l.intensity, 0.0, l.flexuralRigidity);
                else if constexpr (std::is_same_v<std::decay_t<decltype(l)>, physics::PointLoad>)
                    return std::tuple(l.span, l.force, l.position, l.flexuralRigidity);
                else
                    return std::tuple(l.span, l.couple, l.position, l.flexuralRigidity);
            };
            return fields(load) == fields(other);
        },
        a);
}

namespace {

using Quantity = double Sample::*;
using Function = double (*)(const physics::LoadCase&, double);

Range rangeOf(const std::vector<Sample>& samples, Quantity quantity)
{
    const auto [low, high] = std::ranges::minmax_element(samples, {},
                                                         [quantity](const Sample& s) { return s.*quantity; });
    return {(*low).*quantity, (*high).*quantity};
}

// The samples: the span in equal intervals, and at a concentrated load inside
// the span the values just left of it and just right of it, so that a jump
// draws as a vertical line.
std::vector<Sample> samplesOf(const physics::LoadCase& beam)
{
    const double length = physics::span(beam);
    const std::optional<double> position = loadPosition(beam);
    bool loadAhead = position && *position > 0 && *position < length;
    const double load = position.value_or(0);
    const double onTheGrid = 1e-9 * length;

    std::vector<Sample> samples;
    samples.reserve(kIntervals + 3);
    for (int i = 0; i <= kIntervals; ++i) {
        const double x = length * i / kIntervals;
        if (loadAhead && x >= load - onTheGrid) {
            Sample left = sampleAt(beam, std::nextafter(load, 0.0));
            left.x = load;
            samples.push_back(left);
            samples.push_back(sampleAt(beam, load));
            loadAhead = false;
            if (std::fabs(x - load) <= onTheGrid)
                continue;
        }
        samples.push_back(sampleAt(beam, x));
    }
    return samples;
}

// Where a diagram changes sign: between two samples by bisection on its
// function, at a jump where it jumps through zero, at a sample where it is
// zero between two of opposite sign. A diagram that is zero throughout has no
// crossings; values below a trillionth of its greatest count as zero.
std::vector<double> zerosOf(const physics::LoadCase& beam, const std::vector<Sample>& samples, Quantity quantity,
                            Function function)
{
    double greatest = 0;
    for (const Sample& sample : samples)
        greatest = std::max(greatest, std::fabs(sample.*quantity));
    const auto sign = [&](double value) { return std::fabs(value) <= 1e-12 * greatest ? 0 : value > 0 ? 1 : -1; };

    std::vector<double> zeros;
    if (greatest == 0)
        return zeros;
    std::optional<std::size_t> lastSigned;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const int s = sign(samples[i].*quantity);
        if (s == 0)
            continue;
        if (lastSigned && sign(samples[*lastSigned].*quantity) != s) {
            const Sample& before = samples[*lastSigned];
            const Sample& after = samples[i];
            if (i - *lastSigned > 1) {
                zeros.push_back(samples[(*lastSigned + i) / 2].x);
            } else if (before.x == after.x) {
                zeros.push_back(before.x);
            } else {
                double low = before.x;
                double high = after.x;
                const int lowSign = sign(before.*quantity);
                for (int step = 0; step < 80 && low < high; ++step) {
                    const double middle = (low + high) / 2;
                    if (middle <= low || middle >= high)
                        break;
                    const int middleSign = sign(function(beam, middle));
                    if (middleSign == 0) {
                        low = high = middle;
                        break;
                    }
                    (middleSign == lowSign ? low : high) = middle;
                }
                zeros.push_back((low + high) / 2);
            }
        }
        lastSigned = i;
    }
    return zeros;
}

} // namespace

CurveDiagram diagramOf(const physics::LoadCase& beam)
{
    CurveDiagram diagram;
    diagram.samples = samplesOf(beam);
    diagram.shear = rangeOf(diagram.samples, &Sample::shear);
    diagram.moment = rangeOf(diagram.samples, &Sample::moment);
    diagram.slope = rangeOf(diagram.samples, &Sample::slope);
    diagram.deflection = rangeOf(diagram.samples, &Sample::deflection);
    diagram.deflectionExtremes = physics::deflectionExtremes(beam);
    diagram.shearZeros = zerosOf(beam, diagram.samples, &Sample::shear, physics::shear);
    // A beam that does not bend has no extreme deflection, so no zero slope
    // worth marking: only what rounding leaves over.
    if (diagram.deflectionExtremes.down || diagram.deflectionExtremes.up)
        diagram.slopeZeros = zerosOf(beam, diagram.samples, &Sample::slope, physics::slope);

    // M is greatest at a support, at either side of a concentrated load (all
    // among the samples) or where V = 0.
    std::vector<Marker> candidates;
    for (const Sample& sample : diagram.samples)
        candidates.push_back({sample.x, sample.moment});
    for (double x : diagram.shearZeros)
        candidates.push_back({x, physics::moment(beam, x)});
    const auto greatest = std::ranges::max_element(
        candidates, [](const Marker& a, const Marker& b) { return std::fabs(a.value) < std::fabs(b.value); });
    if (greatest->value != 0)
        diagram.greatestMoment = *greatest;
    return diagram;
}

void DiagramSet::update(DiagramInput input)
{
    Q_ASSERT(!input.curves.empty());
    std::vector<std::shared_ptr<const CurveDiagram>> diagrams;
    diagrams.reserve(input.curves.size());
    for (const DiagramCurve& curve : input.curves) {
        std::shared_ptr<const CurveDiagram> diagram;
        for (std::size_t i = 0; i < input_.curves.size() && !diagram; ++i)
            if (sameLoadCase(input_.curves[i].beam, curve.beam))
                diagram = diagrams_[i];
        diagrams.push_back(diagram ? diagram : std::make_shared<const CurveDiagram>(diagramOf(curve.beam)));
    }
    input_ = std::move(input);
    diagrams_ = std::move(diagrams);

    shear = moment = slope = deflection = Range{};
    const auto widen = [](Range& range, const Range& by) {
        range.low = std::min(range.low, by.low);
        range.high = std::max(range.high, by.high);
    };
    for (const auto& diagram : diagrams_) {
        widen(shear, diagram->shear);
        widen(moment, diagram->moment);
        widen(slope, diagram->slope);
        widen(deflection, diagram->deflection);
    }
}

namespace {

// The shortest text that reads back as the same double; zero without a sign.
QByteArray number(double value)
{
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), value + 0.0).ptr;
    return {text, end - std::begin(text)};
}

} // namespace

QByteArray diagramTable(const DiagramSet& set)
{
    QByteArray table("\xEF\xBB\xBF");
    table += QStringLiteral("變換次數,%1,x,剪力 V,彎矩 M,斜率 θ,撓度 y（向下為正）\r\n")
                 .arg(set.input().loadValueName)
                 .toUtf8();
    for (std::size_t i = 0; i < set.input().curves.size(); ++i) {
        const DiagramCurve& curve = set.input().curves[i];
        const QByteArray who = curve.number.toUtf8() + ',' + number(curve.load) + ',';
        for (const Sample& s : set.diagrams()[i]->samples)
            table += who + number(s.x) + ',' + number(s.shear) + ',' + number(s.moment) + ',' + number(s.slope) + ','
                     + number(s.deflection) + "\r\n";
    }
    return table;
}

QString valueText(double value)
{
    return beam::significant(value + 0.0).replace(QLatin1Char('-'), QChar(0x2212));
}

QString givenText(double value)
{
    return QString::number(value + 0.0, 'g', 15).replace(QLatin1Char('-'), QChar(0x2212));
}

QString cursorReadout(const DiagramSet& set, double x)
{
    const Sample s = sampleAt(set.latest().beam, x);
    return QStringLiteral("x = %1：V = %2，M = %3，θ = %4，y = %5")
        .arg(xText(x), valueText(s.shear), valueText(s.moment), valueText(s.slope), valueText(s.deflection));
}

} // namespace diagrams
