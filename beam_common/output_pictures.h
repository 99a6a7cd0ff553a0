// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

class QPainter;
class QRectF;

namespace beam {

struct OutputSource;

// The client area as an image at twice its size, or at the screen's pixel
// ratio where that is larger.
QImage windowImage(const OutputSource& source);

// The client area as an SVG document at its size: the curves as one path each,
// the texts as text.
QByteArray windowSvg(const OutputSource& source);

// What a printed page shows under its heading: the whole client area, or the
// source's figure alone.
enum class PageContent { Window, Figure };

// One printed page within `page` (device coordinates): a title line with the
// source's title and today's date, the source's heading lines, and under them
// the client area or its figure, as large as the rest of the page allows with
// its proportions kept.
void paintPage(QPainter& painter, const QRectF& page, const OutputSource& source,
               PageContent content = PageContent::Window);

} // namespace beam
