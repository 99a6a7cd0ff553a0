// SPDX-License-Identifier: MIT
#include "beam_common/window_picture.h"

#include "beam_common/beam_window.h"
#include "beam_common/curve_list.h"
#include "beam_common/curve_table.h"
#include "beam_common/readout.h"
#include "toolkit/client_area.h"
#include "toolkit/palette.h"
#include "toolkit/point_layer.h"
#include "toolkit/units.h"

#include <QPainter>
#include <QPainterPath>

namespace beam {

namespace {

// As the window plots them, into a layer of their own at the device's pixel
// ratio: the same dots, the same pixels.
void paintDots(QPainter& painter, const BeamView& view)
{
    const QRect client = view.clientArea.rect();
    toolkit::PointLayer layer;
    layer.reserve(client.size(), painter.device()->devicePixelRatio());
    for (const DrawnCurve& drawn : view.curves) {
        for (const CurveSample& sample : view.window.curve(drawn.load))
            layer.plot(sample.point.x, sample.point.y, kCurveDotWidth, toolkit::QBColor(drawn.colour), client);
    }
    painter.drawImage(QPointF(0, 0), layer.image());
}

// One path per curve through its samples, as wide as the dots. The path
// breaks where the curve passes under a control, as the dots do, so that
// devices that do not clip (SVG) show what the screen shows.
void paintLines(QPainter& painter, const BeamView& view, const QRegion& shown)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const DrawnCurve& drawn : view.curves) {
        QPainterPath path;
        bool joined = false;
        for (const CurveSample& sample : view.window.curve(drawn.load)) {
            const bool inView = shown.contains(toolkit::twipsToPoint(sample.point.x, sample.point.y));
            const QPointF at = toolkit::twipsToPointF(sample.point.x, sample.point.y);
            if (inView && joined)
                path.lineTo(at);
            else if (inView)
                path.moveTo(at);
            joined = inView;
        }
        painter.setPen(QPen(toolkit::toQColor(toolkit::QBColor(drawn.colour)), kCurveDotWidth, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
}

toolkit::ClientArea::PointPainter curvePainter(const BeamView& view, CurveStroke stroke)
{
    return [&view, stroke](QPainter& points, const QRegion& shown) {
        if (stroke == CurveStroke::Dots)
            paintDots(points, view);
        else
            paintLines(points, view, shown);
    };
}

} // namespace

void drawWindow(QPainter& painter, const BeamView& view, CurveStroke stroke)
{
    view.clientArea.paintWith(painter, curvePainter(view, stroke));
}

void drawFigure(QPainter& painter, const BeamView& view, CurveStroke stroke)
{
    view.clientArea.paintWith(painter, curvePainter(view, stroke), Qt::white, view.controls);
}

OutputSource beamOutput(const BeamView& view)
{
    return {
        .clientArea = view.clientArea,
        .title = QString::fromUtf8(view.window.loadCase),
        .draw = [view](QPainter& painter, CurveStroke stroke) { drawWindow(painter, view, stroke); },
        .table = [view] { return curveTable(view.window, view.curves); },
        .heading = pageHeading(view.window, view.curves),
        .drawFigure = [view](QPainter& painter, CurveStroke stroke) { drawFigure(painter, view, stroke); },
    };
}

} // namespace beam
