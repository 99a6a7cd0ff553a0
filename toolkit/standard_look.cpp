// SPDX-License-Identifier: MIT
#include "toolkit/standard_look.h"

#include "toolkit/units.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QToolTip>
#include <qdrawutil.h>

namespace toolkit {

namespace {

constexpr Font kDefaultFont{kMing, 9};
// The read-outs' tooltips, as large as the windows' own text, so that a
// projector shows them legibly.
constexpr Font kToolTipFont{kMing, 12};

// Marks a button whose face is drawn flat.
constexpr char kFlatFace[] = "flatFace";

// Fusion, with two looks of the layout's controls that it does not have.
class StandardStyle : public QProxyStyle {
public:
    StandardStyle()
        : QProxyStyle(QStringLiteral("Fusion"))
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_PanelLineEdit) {
            // A text box with a frame: its field in a two-pixel sunken border,
            // dark above and left, light below and right. A text box without
            // one (inside a spin box or a combo box) stays as Fusion has it.
            const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            if (frame != nullptr && frame->lineWidth > 0) {
                const QBrush field = option->palette.base();
                qDrawWinPanel(painter, option->rect, option->palette, true, &field);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_PanelButtonCommand && widget != nullptr && widget->property(kFlatFace).toBool()
            && !(option->state & (State_Sunken | State_On))) {
            // Fusion's outline stays; inside it the shading gives way to the
            // button's colour. Pressed, the face is Fusion's darker flat one.
            painter->fillRect(option->rect.adjusted(2, 2, -2, -2), option->palette.button());
        }
    }
};

} // namespace

void installStandardLook()
{
    QFont::insertSubstitution(QString::fromUtf8(kMing), QStringLiteral("AR PL UMing TW"));
    QFont::insertSubstitution(QString::fromUtf8(kKai), QStringLiteral("AR PL UKai TW"));
    // The load symbol's letter; any plain sans-serif capital serves.
    QFont::insertSubstitution(QStringLiteral("Copperplate Gothic Light"), QStringLiteral("DejaVu Sans"));
    QApplication::setStyle(new StandardStyle);
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(fontFor(kDefaultFont));
    QToolTip::setFont(fontFor(kToolTipFont));
}

void setFlatFace(QPushButton& button, const QColor& face)
{
    QPalette colours = button.palette();
    colours.setColor(QPalette::Button, face);
    button.setPalette(colours);
    button.setProperty(kFlatFace, true);
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
