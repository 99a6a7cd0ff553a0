// SPDX-License-Identifier: MIT
#include "beam_common/output_pictures.h"

#include "beam_common/output_source.h"
#include "toolkit/layout.h"
#include "toolkit/units.h"

#include <QBuffer>
#include <QDate>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>

namespace beam {

namespace {

// The layout's pixels per inch: 1440 twips make an inch.
constexpr int kLayoutDpi = 1440 / toolkit::kTwipsPerPixel;

} // namespace

QImage windowImage(const OutputSource& source)
{
    const QWidget& client = source.clientArea;
    const qreal ratio = std::max(2.0, client.devicePixelRatioF());
    QImage image((QSizeF(client.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    source.draw(painter, CurveStroke::Dots);
    return image;
}

QByteArray windowSvg(const OutputSource& source)
{
    const QSize size = source.clientArea.size();
    QBuffer document;
    QSvgGenerator svg;
    svg.setOutputDevice(&document);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kLayoutDpi);
    svg.setTitle(source.title);
    QPainter painter(&svg);
    source.draw(painter, CurveStroke::Lines);
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

void paintPage(QPainter& painter, const QRectF& page, const OutputSource& source, PageContent content)
{
    // Point sizes, so that the title keeps its size at any printer resolution.
    QFont font = painter.font();
    font.setFamily(QString::fromUtf8(toolkit::kMing));
    font.setPointSizeF(14);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QRectF titleLine(page.topLeft(), QSizeF(page.width(), metrics.height()));
    painter.setPen(Qt::black);
    painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter, source.title);
    painter.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter,
                     QDate::currentDate().toString(QString::fromUtf8("yyyy年M月d日")));

    // The heading's lines in a smaller size, wrapped where they are long.
    font.setPointSizeF(11);
    painter.setFont(font);
    qreal top = titleLine.bottom() + titleLine.height() * 0.25;
    for (const QString& line : source.heading) {
        const QRectF bounds = painter.boundingRect(QRectF(page.left(), top, page.width(), page.height()),
                                                   Qt::AlignLeft | Qt::TextWordWrap, line);
        painter.drawText(bounds, Qt::AlignLeft | Qt::TextWordWrap, line);
        top = bounds.bottom();
    }

    const QRectF room = page.adjusted(0, top - page.top() + titleLine.height() * 0.5, 0, 0);
    const QSizeF client = source.clientArea.size();
    const QSizeF fitted = client.scaled(room.size(), Qt::KeepAspectRatio);
    // Recorded first: widgets drawn straight onto a printer would go through a
    // bitmap at the printer's resolution, while recorded they stay vectors.
    QPicture picture;
    QPainter recorder(&picture);
    const bool figure = content == PageContent::Figure && source.drawFigure;
    (figure ? source.drawFigure : source.draw)(recorder, CurveStroke::Lines);
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
