// SPDX-License-Identifier: MIT
#include "beam_common/window_picture.h"

#include "beam_common/beam_form.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"
#include "toolkit/palette.h"
#include "toolkit/point_layer.h"
#include "toolkit/units.h"

#include <QBuffer>
#include <QDate>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>

namespace beam {

namespace {

// The layout's pixels per inch: 1440 twips make an inch.
constexpr int kLayoutDpi = 1440 / toolkit::kTwipsPerPixel;

const toolkit::ClientArea& clientArea(const BeamForm& form)
{
    return form.window()->clientArea();
}

// As the window plots them, into a layer of their own at the device's pixel
// ratio: the same dots, the same pixels.
void paintDots(QPainter& painter, const BeamForm& form)
{
    const QRect client = clientArea(form).rect();
    toolkit::PointLayer layer;
    layer.reserve(client.size(), painter.device()->devicePixelRatio());
    for (const DrawnCurve& drawn : form.curves()) {
        for (const CurveSample& sample : form.description().curve(drawn.load))
            layer.plot(sample.point.x, sample.point.y, kCurveDotWidth, toolkit::QBColor(drawn.colour), client);
    }
    painter.drawImage(QPointF(0, 0), layer.image());
}

// One path per curve through its samples, as wide as the dots. The path
// breaks where the curve passes under a control, as the dots do, so that
// devices that do not clip (SVG) show what the screen shows.
void paintLines(QPainter& painter, const BeamForm& form, const QRegion& shown)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const DrawnCurve& drawn : form.curves()) {
        QPainterPath path;
        bool joined = false;
        for (const CurveSample& sample : form.description().curve(drawn.load)) {
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

} // namespace

void drawWindow(QPainter& painter, const BeamForm& form, CurveStroke stroke)
{
    clientArea(form).paintWith(painter, [&](QPainter& points, const QRegion& shown) {
        if (stroke == CurveStroke::Dots)
            paintDots(points, form);
        else
            paintLines(points, form, shown);
    });
}

QImage windowImage(const BeamForm& form)
{
    const toolkit::ClientArea& client = clientArea(form);
    const qreal ratio = std::max(2.0, client.devicePixelRatioF());
    QImage image((QSizeF(client.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    drawWindow(painter, form, CurveStroke::Dots);
    return image;
}

QByteArray windowSvg(const BeamForm& form)
{
    const QSize size = clientArea(form).size();
    QBuffer document;
    QSvgGenerator svg;
    svg.setOutputDevice(&document);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kLayoutDpi);
    svg.setTitle(QString::fromUtf8(form.description().loadCase));
    QPainter painter(&svg);
    drawWindow(painter, form, CurveStroke::Lines);
    painter.end();

    // The texts name the faces the window is drawn with rather than the
    // layout's names for them, which only this program maps onto installed
    // fonts: other programs then find them too.
    QString text = QString::fromUtf8(document.data());
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    QStringList named;
    for (const QRegularExpressionMatch& match : family.globalMatch(text))
        named.append(match.captured(1));
    named.removeDuplicates();
    for (const QString& face : named) {
        text.replace(QStringLiteral("font-family=\"%1\"").arg(face),
                     QStringLiteral("font-family=\"%1\"").arg(QFontInfo(QFont(face)).family().toHtmlEscaped()));
    }
    return text.toUtf8();
}

void paintPage(QPainter& painter, const QRectF& page, const BeamForm& form)
{
    // Point sizes, so that the title keeps its size at any printer resolution.
    QFont font = painter.font();
    font.setFamily(QString::fromUtf8(toolkit::kMing));
    font.setPointSizeF(14);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QRectF titleLine(page.topLeft(), QSizeF(page.width(), metrics.height()));
    painter.setPen(Qt::black);
    painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(form.description().loadCase));
    painter.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter,
                     QDate::currentDate().toString(QString::fromUtf8("yyyy年M月d日")));

    const QRectF room = page.adjusted(0, titleLine.height() * 1.5, 0, 0);
    const QSizeF client = clientArea(form).size();
    const QSizeF fitted = client.scaled(room.size(), Qt::KeepAspectRatio);
    // Recorded first: widgets drawn straight onto a printer would go through a
    // bitmap at the printer's resolution, while recorded they stay vectors.
    QPicture picture;
    QPainter recorder(&picture);
    drawWindow(recorder, form, CurveStroke::Lines);
    recorder.end();
    // A picture plays back scaled from its own resolution to the device's;
    // the page's scale leaves that out.
    const qreal playbackX = qreal(painter.device()->logicalDpiX()) / picture.logicalDpiX();
    const qreal playbackY = qreal(painter.device()->logicalDpiY()) / picture.logicalDpiY();
    painter.save();
    painter.translate(room.left() + (room.width() - fitted.width()) / 2, room.top());
    painter.scale(fitted.width() / client.width() / playbackX, fitted.height() / client.height() / playbackY);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

} // namespace beam
