// SPDX-License-Identifier: MIT
#include "diagrams/diagram_painter.h"

#include "beam_common/readout.h"
#include "diagrams/diagram_data.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStaticText>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace diagrams {

namespace {

// Sizes in the painter's logical pixels.
constexpr double kTextSize = 12;
constexpr double kSmallTextSize = 11;
constexpr double kLeftMargin = 66; // room for the value axis's numbers
constexpr double kRightMargin = 16;
constexpr double kPanelGap = 6;
constexpr double kTitleHeight = 17;
constexpr double kXAxisHeight = 32;
// The earlier curves in a pen of one pixel, which draws many times faster
// than a wider one.
constexpr double kLatestWidth = 2.4;
constexpr double kEarlierWidth = 1;
constexpr int kValueTicks = 4;

const QColor kInk(40, 40, 40);
const QColor kFrame(170, 170, 170);
const QColor kGrid(225, 225, 225);
const QColor kZeroLine(110, 110, 110);
const QColor kBeam(240, 190, 130);
const QColor kCursor(200, 30, 30);

QFont textFont(double size, bool bold = false)
{
    QFont font;
    font.setPixelSize(int(size));
    font.setBold(bold);
    return font;
}

QString conventionText()
{
    return QStringLiteral("正負號：剪力 V 使微小段順時針轉動為正；彎矩 M 使梁向下彎（凹面向上）為正；斜率 θ = dy/dx；"
                          "撓度 y 向下為正，與梁視窗一樣畫成向下。粗線是最新的曲線。");
}

// A legend's title laid out once: the legend is laid out and painted at every
// change, and laying out its texts again each time would cost more than all
// the rest. The texts are few (each curve's title, plain and bold), so they
// are kept while the program runs, up to a bound.
const QStaticText& staticText(const QString& text, bool bold)
{
    static std::map<std::pair<QString, bool>, QStaticText> laidOut;
    if (laidOut.size() > 2000)
        laidOut.clear();
    auto [place, added] = laidOut.try_emplace({text, bold}, text);
    if (added) {
        place->second.setTextFormat(Qt::PlainText);
        place->second.prepare(QTransform(), textFont(kSmallTextSize, bold));
    }
    return place->second;
}

// The legend's items in rows that fit `width`; returns each item's rectangle
// relative to the legend's top left.
std::vector<QRectF> legendItems(const DiagramSet& set, double width)
{
    const QFontMetricsF metrics(textFont(kSmallTextSize));
    const double height = metrics.height() + 4;
    std::vector<QRectF> items;
    double x = 0;
    double y = 0;
    for (const DiagramCurve& curve : set.input().curves) {
        const double itemWidth = 22 + staticText(curve.title, false).size().width() + 12;
        if (x > 0 && x + itemWidth > width) {
            x = 0;
            y += height;
        }
        items.emplace_back(x, y, itemWidth, height);
        x += itemWidth;
    }
    return items;
}

// A step of 1, 2 or 5 × 10ⁿ that divides `extent` into about `count` parts.
double niceStep(double extent, int count)
{
    const double raw = extent / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw)
            return factor * power;
    return 10 * power;
}

// A diagram's value axis: its ends at whole steps, zero always on it.
struct Axis {
    double low;
    double high;
    double step;
    bool down; // positive values drawn downward
};

Axis axisFor(Range range, bool down)
{
    double low = std::min(range.low, 0.0);
    double high = std::max(range.high, 0.0);
    if (!std::isfinite(low) || !std::isfinite(high) || high - low <= 1e-300)
        low = -1, high = 1;
    const double step = niceStep(high - low, kValueTicks);
    // Ends already at a whole step stay there, whatever the rounding.
    low = std::floor(low / step + 1e-9) * step;
    high = std::ceil(high / step - 1e-9) * step;
    // Room beyond the outer ticks, for the markers' labels and so that no
    // tick's number reaches into the diagram's name above it.
    const double room = (high - low) * 0.1;
    return {low - room, high + room, step, down};
}

double valueToY(const Axis& axis, const QRectF& plot, double value)
{
    const double t = (value - axis.low) / (axis.high - axis.low);
    return axis.down ? plot.top() + t * plot.height() : plot.bottom() - t * plot.height();
}

QString tickText(double value, double step)
{
    const double rounded = std::round(value / step) * step;
    return QString::number(std::fabs(rounded) < step * 1e-6 ? 0.0 : rounded, 'g', 4)
        .replace(QLatin1Char('-'), QChar(0x2212));
}

struct Quantity {
    Panel panel;
    double Sample::*member;
    Range DiagramSet::*range;
    bool down;
    const char* symbol;
};

constexpr Quantity kQuantities[] = {
    {Panel::Shear, &Sample::shear, &DiagramSet::shear, false, "V"},
    {Panel::Moment, &Sample::moment, &DiagramSet::moment, false, "M"},
    {Panel::Slope, &Sample::slope, &DiagramSet::slope, false, "θ"},
    {Panel::Deflection, &Sample::deflection, &DiagramSet::deflection, true, "y"},
};

// The plotting area of a diagram: under its name, between the beam's ends.
QRectF plotArea(const DiagramLayout& layout, Panel panel)
{
    const QRectF& rect = layout.panels[int(panel)];
    return {QPointF(layout.left, rect.top() + kTitleHeight), QPointF(layout.right, rect.bottom() - 2)};
}

double xToPixel(const DiagramLayout& layout, double span, double x)
{
    return layout.left + x / span * (layout.right - layout.left);
}

// A text with a white ground, so that it reads over curves and grid, kept
// inside `bounds`.
void drawLabel(QPainter& painter, QPointF anchor, const QString& text, const QRectF& bounds, bool above = true,
               bool right = true)
{
    const QFontMetricsF metrics(painter.font());
    QRectF box(0, 0, metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    box.moveLeft(right ? anchor.x() + 5 : anchor.x() - 5 - box.width());
    box.moveTop(above ? anchor.y() - 4 - box.height() : anchor.y() + 4);
    if (box.right() > bounds.right())
        box.moveRight(anchor.x() - 5);
    if (box.left() < bounds.left())
        box.moveLeft(bounds.left());
    if (box.top() < bounds.top())
        box.moveTop(anchor.y() + 4);
    if (box.bottom() > bounds.bottom())
        box.moveBottom(std::min(bounds.bottom(), anchor.y() - 4));
    painter.fillRect(box, QColor(255, 255, 255, 225));
    painter.drawText(box, Qt::AlignCenter, text);
}

// A symbol with a subscript, then the rest: R_A = 750.0.
void drawSubscripted(QPainter& painter, QPointF baseline, const QString& symbol, const QString& index,
                     const QString& rest)
{
    const QFont font = painter.font();
    QFont small = font;
    small.setPixelSize(std::max(8, font.pixelSize() * 3 / 4));
    double x = baseline.x();
    painter.drawText(QPointF(x, baseline.y()), symbol);
    x += QFontMetricsF(font).horizontalAdvance(symbol);
    painter.setFont(small);
    painter.drawText(QPointF(x, baseline.y() + font.pixelSize() / 4.0), index);
    x += QFontMetricsF(small).horizontalAdvance(index);
    painter.setFont(font);
    painter.drawText(QPointF(x, baseline.y()), rest);
}

double subscriptedWidth(const QFont& font, const QString& symbol, const QString& index, const QString& rest)
{
    QFont small = font;
    small.setPixelSize(std::max(8, font.pixelSize() * 3 / 4));
    return QFontMetricsF(font).horizontalAdvance(symbol + rest) + QFontMetricsF(small).horizontalAdvance(index);
}

// An arrow from `from` to `to`, its head at `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to, double head = 6)
{
    painter.drawLine(from, to);
    const QPointF along = (to - from) / std::max(1e-9, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF across(-along.y(), along.x());
    const QPointF back = to - along * head * 1.4;
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF{to, back + across * head * 0.6, back - across * head * 0.6});
    painter.restore();
}

void paintLoadPanel(QPainter& painter, const DiagramLayout& layout, const DiagramSet& set)
{
    const QRectF plot = plotArea(layout, Panel::Load);
    const double span = set.span();
    const DiagramCurve& latest = set.latest();
    const double beamY = plot.top() + plot.height() * 0.45;
    const double left = layout.left;
    const double right = layout.right;

    // The beam and its supports: a pin at A, a roller at B.
    painter.setPen(QPen(QColor(150, 100, 50), 1));
    painter.setBrush(kBeam);
    painter.drawRect(QRectF(left, beamY - 3, right - left, 6));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(kInk, 1));
    const double support = std::min(12.0, plot.height() * 0.18);
    painter.drawPolygon(QPolygonF{QPointF(left, beamY + 3), QPointF(left - support * 0.7, beamY + 3 + support),
                                  QPointF(left + support * 0.7, beamY + 3 + support)});
    painter.drawEllipse(QPointF(right, beamY + 3 + support / 2), support / 2, support / 2);
    for (double end : {left, right})
        painter.drawLine(QPointF(end - support, beamY + 3 + support), QPointF(end + support, beamY + 3 + support));

    // The reactions, upward positive, under the supports.
    painter.setFont(textFont(kSmallTextSize));
    const physics::Reactions reactions = physics::reactions(latest.beam);
    const double base = beamY + 4 + support;
    const double reach = std::max(8.0, std::min(22.0, plot.bottom() - base - 2));
    const auto reaction = [&](double x, double force, const QString& index, bool labelRight) {
        painter.setPen(QPen(QColor(0, 100, 160), 1.6));
        if (force > 0)
            drawArrow(painter, QPointF(x, base + reach), QPointF(x, base + 1), 5);
        else if (force < 0)
            drawArrow(painter, QPointF(x, base + 1), QPointF(x, base + reach), 5);
        const QString rest = QStringLiteral(" = %1").arg(valueText(force));
        const double width = subscriptedWidth(painter.font(), QStringLiteral("R"), index, rest);
        painter.setPen(kInk);
        drawSubscripted(painter, QPointF(labelRight ? x + 6 : x - 6 - width, base + reach - 2), QStringLiteral("R"),
                        index, rest);
    };
    reaction(left, reactions.left, QStringLiteral("A"), true);
    reaction(right, reactions.right, QStringLiteral("B"), false);

    // The load, in the latest curve's colour.
    painter.setFont(textFont(kTextSize, true));
    const QPen loadPen(latest.colour, 2);
    painter.setPen(loadPen);
    const double rise = std::max(10.0, std::min(30.0, beamY - 3 - plot.top() - 2));
    std::visit(
        [&](const auto& load) {
            using Load = std::decay_t<decltype(load)>;
            if constexpr (std::is_same_v<Load, physics::PointLoad>) {
                const double x = xToPixel(layout, span, load.position);
                const QPointF top(x, beamY - 3 - rise);
                const QPointF bottom(x, beamY - 3);
                if (load.force >= 0)
                    drawArrow(painter, top, bottom);
                else
                    drawArrow(painter, bottom, top);
                drawSubscripted(painter, top + QPointF(6, 12), QStringLiteral("P"), QString(),
                                QStringLiteral(" = %1").arg(givenText(load.force)));
            } else if constexpr (std::is_same_v<Load, physics::UniformLoad>) {
                const double top = beamY - 3 - rise;
                painter.drawLine(QPointF(left, top), QPointF(right, top));
                const int arrows = std::max(4, int((right - left) / 36));
                if (load.intensity != 0)
                    for (int i = 0; i <= arrows; ++i) {
                        const double x = left + (right - left) * i / arrows;
                        if (load.intensity > 0)
                            drawArrow(painter, QPointF(x, top), QPointF(x, beamY - 3), 4);
                        else
                            drawArrow(painter, QPointF(x, beamY - 3), QPointF(x, top), 4);
                    }
                const QString text = QStringLiteral("w = %1").arg(givenText(load.intensity));
                drawLabel(painter, QPointF(right, top), text, plot, true, false);
            } else {
                const double x = xToPixel(layout, span, load.position);
                const double radius = std::min(14.0, rise * 0.7);
                const QRectF circle(x - radius, beamY - radius, 2 * radius, 2 * radius);
                // From the lower right round over the top to the lower left:
                // counter-clockwise, as the couple turns when positive.
                const double start = -60;
                const double sweep = 300;
                painter.drawArc(circle, int(start * 16), int(sweep * 16));
                const double endAngle = (load.couple >= 0 ? start + sweep : start) * M_PI / 180;
                const QPointF end(x + radius * std::cos(endAngle), beamY - radius * std::sin(endAngle));
                // The tangent in the sense of turning.
                const double sense = load.couple >= 0 ? 1 : -1;
                const QPointF tangent(-std::sin(endAngle) * sense, -std::cos(endAngle) * sense);
                drawArrow(painter, end - tangent * 6, end + tangent * 2, 5);
                drawSubscripted(painter, QPointF(x + radius + 4, beamY - radius - 2), QStringLiteral("M"),
                                QStringLiteral("0"), QStringLiteral(" = %1").arg(givenText(load.couple)));
            }
        },
        latest.beam);
}

// A value diagram's axis: ticks, numbers and grid, then the zero line.
void paintValueAxis(QPainter& painter, const DiagramLayout& layout, const DiagramSet& set, const Quantity& quantity)
{
    const QRectF plot = plotArea(layout, quantity.panel);
    const Axis axis = axisFor(set.*quantity.range, quantity.down);
    painter.setFont(textFont(kSmallTextSize));
    const QFontMetricsF metrics(painter.font());
    for (double tick = std::ceil(axis.low / axis.step - 1e-9) * axis.step; tick <= axis.high + axis.step * 1e-9;
         tick += axis.step) {
        const double y = valueToY(axis, plot, tick);
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kInk);
        painter.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
        const QRectF box(plot.left() - kLeftMargin + 2, y - metrics.height() / 2, kLeftMargin - 8, metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, tickText(tick, axis.step));
    }
    painter.setPen(QPen(kZeroLine, 1));
    const double zero = valueToY(axis, plot, 0);
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
}

// Curves `first` to `last` (not included) on every value diagram, the latest
// wide. None is smoothed: smoothing the latest alone would take half the time
// a change has to draw the diagrams.
void paintValueCurves(QPainter& painter, const DiagramLayout& layout, const DiagramSet& set, std::size_t first,
                      std::size_t last)
{
    painter.save();
    const double span = set.span();
    for (const Quantity& quantity : kQuantities) {
        const QRectF plot = plotArea(layout, quantity.panel);
        const Axis axis = axisFor(set.*quantity.range, quantity.down);
        for (std::size_t i = first; i < last; ++i) {
            const bool latest = i + 1 == set.diagrams().size();
            QPolygonF line;
            for (const Sample& sample : set.diagrams()[i]->samples)
                line << QPointF(xToPixel(layout, span, sample.x), valueToY(axis, plot, sample.*quantity.member));
            painter.setPen(QPen(set.input().curves[i].colour, latest ? kLatestWidth : kEarlierWidth));
            painter.drawPolyline(line);
        }
    }
    painter.restore();
}

// The latest curve's markers on a value diagram.
void paintMarkers(QPainter& painter, const DiagramLayout& layout, const DiagramSet& set, const Quantity& quantity)
{
    const QRectF plot = plotArea(layout, quantity.panel);
    const Axis axis = axisFor(set.*quantity.range, quantity.down);
    const double span = set.span();

    // The latest curve's markers: zeros of V and θ, greatest |M| and |y|.
    const CurveDiagram& latest = set.latestDiagram();
    const QColor markerColour = set.latest().colour;
    const auto mark = [&](double x, double value, const QString& text) {
        const QPointF at(xToPixel(layout, span, x), valueToY(axis, plot, value));
        painter.setPen(QPen(kInk, 1));
        painter.setBrush(markerColour);
        painter.drawEllipse(at, 3.5, 3.5);
        painter.setBrush(Qt::NoBrush);
        const bool above = quantity.down ? value <= 0 : value >= 0;
        drawLabel(painter, at, text, plot, above, true);
    };
    painter.setFont(textFont(kSmallTextSize));
    switch (quantity.panel) {
    case Panel::Shear:
        for (double x : latest.shearZeros)
            mark(x, 0, QStringLiteral("V = 0，x = %1").arg(xText(x)));
        break;
    case Panel::Moment:
        if (latest.greatestMoment)
            mark(latest.greatestMoment->x, latest.greatestMoment->value,
                 QStringLiteral("最大 |M|：M = %1，x = %2")
                     .arg(valueText(latest.greatestMoment->value), xText(latest.greatestMoment->x)));
        break;
    case Panel::Slope:
        for (double x : latest.slopeZeros)
            mark(x, 0, QStringLiteral("θ = 0，x = %1").arg(xText(x)));
        break;
    case Panel::Deflection:
        for (const auto& extreme : {latest.deflectionExtremes.down, latest.deflectionExtremes.up})
            if (extreme)
                mark(extreme->x, extreme->deflection,
                     QStringLiteral("最大撓度 %1，x = %2")
                         .arg(beam::deflectionText(extreme->deflection), xText(extreme->x)));
        break;
    case Panel::Load:
        break;
    }
}

} // namespace

void paintCursor(QPainter& painter, const QRectF& area, const DiagramSet& set, double x)
{
    painter.save();
    const DiagramLayout layout = layoutDiagrams(area, set);
    const double px = xToPixel(layout, set.span(), x);
    painter.setPen(QPen(kCursor, 1, Qt::DashLine));
    painter.drawLine(QPointF(px, layout.panels.front().top() + kTitleHeight),
                     QPointF(px, layout.panels.back().bottom()));
    // Each value at the right of its diagram's name, where no curve runs.
    painter.setFont(textFont(kTextSize, true));
    const Sample sample = sampleAt(set.latest().beam, x);
    for (const Quantity& quantity : kQuantities) {
        const QRectF plot = plotArea(layout, quantity.panel);
        const Axis axis = axisFor(set.*quantity.range, quantity.down);
        const double value = sample.*quantity.member;
        const QPointF at(px, std::clamp(valueToY(axis, plot, value), plot.top(), plot.bottom()));
        painter.setPen(QPen(kCursor, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, 3, 3);
        painter.setBrush(Qt::NoBrush);
        const QRectF& rect = layout.panels[int(quantity.panel)];
        painter.drawText(QRectF(layout.left, rect.top(), layout.right - layout.left, kTitleHeight),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("游標處 %1 = %2").arg(QString::fromUtf8(quantity.symbol), valueText(value)));
    }
    const QRectF& load = layout.panels[int(Panel::Load)];
    painter.drawText(QRectF(layout.left, load.top(), layout.right - layout.left, kTitleHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("游標 x = %1").arg(xText(x)));
    painter.setPen(kCursor);
    painter.setFont(textFont(kSmallTextSize, true));
    drawLabel(painter, QPointF(px, layout.xAxis.top()), QStringLiteral("x = %1").arg(xText(x)), layout.xAxis, false,
              px < (layout.left + layout.right) / 2);
    painter.restore();
}

DiagramLayout layoutDiagrams(const QRectF& area, const DiagramSet& set)
{
    DiagramLayout layout;
    const QRectF inner = area.adjusted(6, 4, -6, -4);
    layout.left = inner.left() + kLeftMargin;
    layout.right = inner.right() - kRightMargin;
    const QFontMetricsF metrics(textFont(kSmallTextSize));
    const double conventionHeight =
        metrics.boundingRect(QRectF(0, 0, inner.width(), 1000), Qt::TextWordWrap, conventionText()).height() + 4;
    layout.convention = QRectF(inner.left(), inner.top(), inner.width(), conventionHeight);
    const std::vector<QRectF> items = legendItems(set, inner.width() - kLeftMargin);
    const double legendHeight = items.empty() ? 0 : items.back().bottom() + 4;
    layout.legend = QRectF(layout.left, inner.bottom() - legendHeight, inner.width() - kLeftMargin, legendHeight);
    layout.xAxis = QRectF(inner.left(), layout.legend.top() - kXAxisHeight, inner.width(), kXAxisHeight);
    const double top = layout.convention.bottom();
    const double height = (layout.xAxis.top() - top - kPanelGap * (kPanelCount - 1)) / kPanelCount;
    for (int i = 0; i < kPanelCount; ++i)
        layout.panels[i] = QRectF(inner.left(), top + i * (height + kPanelGap), inner.width(), height);
    return layout;
}

std::optional<double> xAtPosition(const DiagramLayout& layout, double span, double position)
{
    if (position < layout.left || position > layout.right)
        return std::nullopt;
    return (position - layout.left) / (layout.right - layout.left) * span;
}

namespace {

// The load diagram's name, which names the latest curve.
void paintLoadTitle(QPainter& painter, const DiagramLayout& layout, const DiagramSet& set)
{
    const QRectF& rect = layout.panels[int(Panel::Load)];
    painter.setPen(kInk);
    painter.setFont(textFont(kTextSize, true));
    painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     panelName(Panel::Load)
                         + QStringLiteral("：%1，%2 %3")
                               .arg(set.latest().title, set.input().loadValueName, givenText(set.latest().load)));
}

// Who drew curves `first` to `last` (not included), each in the legend's place
// of its own, the latest in bold.
void paintLegendItems(QPainter& painter, const DiagramLayout& layout, const DiagramSet& set, std::size_t first,
                      std::size_t last)
{
    const std::vector<QRectF> items = legendItems(set, layout.legend.width());
    for (std::size_t i = first; i < last; ++i) {
        const QRectF item = items[i].translated(layout.legend.topLeft());
        const bool latest = i + 1 == items.size();
        const double middle = item.center().y();
        painter.setPen(QPen(set.input().curves[i].colour, latest ? kLatestWidth : 2));
        painter.drawLine(QPointF(item.left() + 2, middle), QPointF(item.left() + 18, middle));
        painter.setPen(kInk);
        painter.setFont(textFont(kSmallTextSize, latest));
        const QStaticText& title = staticText(set.input().curves[i].title, latest);
        painter.drawStaticText(QPointF(item.left() + 22, middle - title.size().height() / 2), title);
    }
}

} // namespace

void paintGround(QPainter& painter, const QRectF& area, const DiagramSet& set)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    const DiagramLayout layout = layoutDiagrams(area, set);
    const double span = set.span();

    painter.setPen(kInk);
    painter.setFont(textFont(kSmallTextSize));
    painter.drawText(layout.convention, Qt::TextWordWrap, conventionText());

    // Each diagram's frame, name, and the x grid at the axis's ticks.
    const double xStep = niceStep(span, std::clamp(int((layout.right - layout.left) / 70), 2, 10));
    for (Panel panel : kPanels) {
        const QRectF& rect = layout.panels[int(panel)];
        const QRectF plot = plotArea(layout, panel);
        painter.setPen(kGrid);
        if (panel != Panel::Load)
            for (double x = 0; x <= span + xStep * 1e-9; x += xStep)
                painter.drawLine(QPointF(xToPixel(layout, span, x), plot.top()),
                                 QPointF(xToPixel(layout, span, x), plot.bottom()));
        painter.setPen(kFrame);
        painter.drawRect(plot);
        if (panel == Panel::Load)
            continue;
        painter.setPen(kInk);
        painter.setFont(textFont(kTextSize, true));
        painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         panelName(panel));
    }
    for (const Quantity& quantity : kQuantities)
        paintValueAxis(painter, layout, set, quantity);

    // The x axis, in the span's unit.
    painter.setFont(textFont(kSmallTextSize));
    painter.setPen(kInk);
    const QFontMetricsF metrics(painter.font());
    const double axisY = layout.xAxis.top();
    for (double x = 0; x <= span + xStep * 1e-9; x += xStep) {
        const double px = xToPixel(layout, span, x);
        painter.drawLine(QPointF(px, axisY - 2), QPointF(px, axisY + 3));
        painter.drawText(QRectF(px - 30, axisY + 3, 60, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         tickText(x, xStep));
    }
    painter.drawText(QRectF(layout.left, axisY + 3 + metrics.height(), layout.right - layout.left, metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("x（距左支承 A 的距離，與跨度同一單位）"));
    painter.restore();
}

void paintEarlierCurves(QPainter& painter, const QRectF& area, const DiagramSet& set,
                        const std::vector<std::size_t>& which)
{
    const DiagramLayout layout = layoutDiagrams(area, set);
    for (std::size_t i : which)
        paintValueCurves(painter, layout, set, i, i + 1);
}

void paintLatest(QPainter& painter, const QRectF& area, const DiagramSet& set)
{
    painter.save();
    const DiagramLayout layout = layoutDiagrams(area, set);
    paintLoadTitle(painter, layout, set);
    paintLoadPanel(painter, layout, set);
    paintValueCurves(painter, layout, set, set.diagrams().size() - 1, set.diagrams().size());
    for (const Quantity& quantity : kQuantities)
        paintMarkers(painter, layout, set, quantity);

    paintLegendItems(painter, layout, set, 0, set.diagrams().size());
    painter.restore();
}

void paintDiagrams(QPainter& painter, const QRectF& area, const DiagramSet& set, std::optional<double> cursor)
{
    paintGround(painter, area, set);
    paintValueCurves(painter, layoutDiagrams(area, set), set, 0, set.diagrams().size() - 1);
    paintLatest(painter, area, set);
    if (cursor)
        paintCursor(painter, area, set, *cursor);
}

QString panelName(Panel panel)
{
    switch (panel) {
    case Panel::Load:
        return QStringLiteral("載重");
    case Panel::Shear:
        return QStringLiteral("剪力 V");
    case Panel::Moment:
        return QStringLiteral("彎矩 M");
    case Panel::Slope:
        return QStringLiteral("斜率 θ");
    case Panel::Deflection:
        return QStringLiteral("撓度 y（向下為正）");
    }
    return {};
}

QString panelDescription(const DiagramSet& set, Panel panel)
{
    const DiagramCurve& curve = set.latest();
    const CurveDiagram& diagram = set.latestDiagram();
    const QString who =
        QStringLiteral("%1（%2 %3）").arg(curve.title, set.input().loadValueName, givenText(curve.load));
    const auto range = [](const Range& r) {
        return QStringLiteral("最大 %1，最小 %2").arg(valueText(r.high), valueText(r.low));
    };
    const auto zeros = [](const std::vector<double>& xs, const QString& name) {
        QStringList at;
        for (double x : xs)
            at << xText(x);
        return at.isEmpty() ? QString() : QStringLiteral("；%1 = 0 在 x = %2").arg(name, at.join(QStringLiteral("、")));
    };
    switch (panel) {
    case Panel::Load: {
        const physics::Reactions r = physics::reactions(curve.beam);
        const QString load = std::visit(
            [](const auto& l) {
                using Load = std::decay_t<decltype(l)>;
                if constexpr (std::is_same_v<Load, physics::PointLoad>)
                    return QStringLiteral("集中力 P = %1，在 x = %2").arg(givenText(l.force), xText(l.position));
                else if constexpr (std::is_same_v<Load, physics::UniformLoad>)
                    return QStringLiteral("均佈負荷 w = %1，佈滿全跨").arg(givenText(l.intensity));
                else
                    return QStringLiteral("逆時針力偶 M0 = %1，在 x = %2").arg(givenText(l.couple), xText(l.position));
            },
            curve.beam);
        return QStringLiteral("%1：跨度 %2，%3；支承反力 RA = %4，RB = %5（向上為正）")
            .arg(who, valueText(set.span()), load, valueText(r.left), valueText(r.right));
    }
    case Panel::Shear:
        return who + QStringLiteral("：") + range(diagram.shear) + zeros(diagram.shearZeros, QStringLiteral("V"));
    case Panel::Moment: {
        QString text = who + QStringLiteral("：") + range(diagram.moment);
        if (diagram.greatestMoment)
            text += QStringLiteral("；最大 |M|：M = %1，在 x = %2")
                        .arg(valueText(diagram.greatestMoment->value), xText(diagram.greatestMoment->x));
        return text;
    }
    case Panel::Slope:
        return who + QStringLiteral("：") + range(diagram.slope) + zeros(diagram.slopeZeros, QStringLiteral("θ"));
    case Panel::Deflection: {
        QStringList parts;
        for (const auto& extreme : {diagram.deflectionExtremes.down, diagram.deflectionExtremes.up})
            if (extreme)
                parts << QStringLiteral("最大撓度 %1，在 x = %2")
                             .arg(beam::deflectionText(extreme->deflection), xText(extreme->x));
        if (parts.isEmpty())
            parts << QStringLiteral("梁沒有彎曲");
        return who + QStringLiteral("：") + parts.join(QStringLiteral("；"));
    }
    }
    return {};
}

} // namespace diagrams
