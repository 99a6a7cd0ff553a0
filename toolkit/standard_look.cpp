// SPDX-License-Identifier: MIT
#include "toolkit/standard_look.h"

#include "toolkit/units.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace toolkit {

namespace {

constexpr Font kDefaultFont{kMing, 9};

} // namespace

void installStandardLook()
{
    QFont::insertSubstitution(QString::fromUtf8(kMing), QStringLiteral("AR PL UMing TW"));
    QFont::insertSubstitution(QString::fromUtf8(kKai), QStringLiteral("AR PL UKai TW"));
    // The load symbol's letter; any plain sans-serif capital serves.
    QFont::insertSubstitution(QStringLiteral("Copperplate Gothic Light"), QStringLiteral("DejaVu Sans"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(fontFor(kDefaultFont));
}

QColor standardFace()
{
    return QApplication::palette().color(QPalette::Window);
}

QColor standardText()
{
    return QApplication::palette().color(QPalette::WindowText);
}

QColor colourOr(const std::optional<Bgr>& colour, const QColor& standard)
{
    return colour ? toQColor(*colour) : standard;
}

QFont fontFor(const std::optional<Font>& font)
{
    const Font& f = font ? *font : kDefaultFont;
    QFont qfont(QString::fromUtf8(f.face));
    qfont.setPixelSize(pointsToPixelSize(f.points));
    qfont.setWeight(f.weight >= 700 ? QFont::Bold : QFont::Normal);
    qfont.setItalic(f.italic);
    return qfont;
}

} // namespace toolkit
