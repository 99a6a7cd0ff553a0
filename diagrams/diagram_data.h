// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/readout.h"
#include "physics/beam.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// What the diagram window shows, as plain data: the curves a beam window hands
// over at each change, and what is computed from each of them (samples of V,
// M, θ and y, the greatest values and the zero crossings). No widgets.
namespace diagrams {

// One curve of a beam window, as the diagrams draw and name it.
struct DiagramCurve {
    physics::LoadCase beam;
    double load; // the load value as the legend writes it: a position or a size
    QColor colour;
    QString number; // who drew it, for the data table: 3, or words
    QString title; // who drew it, for the reader: 變換次數 3
};

// A curve drawn by change `change` (1, 2, ...).
DiagramCurve changeCurve(const physics::LoadCase& beam, double load, QColor colour, int change);
// A curve drawn by the plot button, named as the read-outs name it.
DiagramCurve plotButtonCurve(const physics::LoadCase& beam, double load, QColor colour, const QString& buttonName);
// The load at the scroll bar's present value, before any curve is drawn.
DiagramCurve presentLoadCurve(const physics::LoadCase& beam, double load);

// What a beam window hands over at each change.
struct DiagramInput {
    QString loadCase; // 集中負荷, as the plot button reads
    QString loadValueName; // the legend's heading: 力量作用位置
    std::vector<DiagramCurve> curves; // in the order drawn, the latest last; never empty
    QStringList heading = {}; // the printed page's lines under its title: the beam's numbers
};

// V, M, θ and y at one x. At a concentrated load the diagram has two samples
// at its x: the values just left of it, then those just right.
struct Sample {
    double x;
    double shear;
    double moment;
    double slope;
    double deflection;
};

// A value of a diagram and where it lies.
struct Marker {
    double x;
    double value;
};

// The least and greatest value of a diagram.
struct Range {
    double low = 0;
    double high = 0;
};

// Everything the diagrams show of one load case.
struct CurveDiagram {
    std::vector<Sample> samples; // from x = 0 to the span, both supports included
    Range shear, moment, slope, deflection; // over the samples
    std::optional<Marker> greatestMoment; // empty where there is no moment
    physics::Extremes deflectionExtremes; // as the read-outs give them
    std::vector<double> shearZeros; // where V crosses zero, or jumps through it
    std::vector<double> slopeZeros; // where θ crosses zero: y is extreme there
};

// The number of equal intervals the samples divide the span into.
inline constexpr int kIntervals = 200;

CurveDiagram diagramOf(const physics::LoadCase& beam);

// V, M, θ and y at x; at a concentrated load, the values just right of it.
Sample sampleAt(const physics::LoadCase& beam, double x);

// Where a concentrated load (a force or a couple) stands; empty for the
// uniform load.
std::optional<double> loadPosition(const physics::LoadCase& beam);

// Whether two load cases are the same beam under the same load.
bool sameLoadCase(const physics::LoadCase& a, const physics::LoadCase& b);

// The diagrams of the curves handed over last. Each change computes only the
// curves it has not seen: the others keep their diagrams.
class DiagramSet {
public:
    void update(DiagramInput input);

    const DiagramInput& input() const { return input_; }
    const std::vector<std::shared_ptr<const CurveDiagram>>& diagrams() const { return diagrams_; }
    const DiagramCurve& latest() const { return input_.curves.back(); }
    const CurveDiagram& latestDiagram() const { return *diagrams_.back(); }
    double span() const { return physics::span(latest().beam); }
    // Each diagram's range over every curve, zero included.
    Range shear, moment, slope, deflection;

private:
    DiagramInput input_;
    std::vector<std::shared_ptr<const CurveDiagram>> diagrams_;
};

// The curves' samples as a CSV table, UTF-8 with a byte order mark: one line
// per sample of each curve, in the order drawn, with who drew it, its load
// value, x, V, M, θ and y. Numbers in the fewest digits that read back as the
// same double.
QByteArray diagramTable(const DiagramSet& set);

// V, M, θ and y of the latest curve at x, four significant digits each.
QString cursorReadout(const DiagramSet& set, double x);

// x as the diagrams write it: as every read-out does, to three decimals.
using beam::xText;

// A value to four significant digits, with a true minus sign.
QString valueText(double value);

// A number the user gave (a span, a load, a position), as the legend writes
// it: in as few digits as read it back exactly.
QString givenText(double value);

} // namespace diagrams
