// SPDX-License-Identifier: MIT
#include "toolkit/palette.h"

#include <array>

namespace toolkit {

namespace {

constexpr std::array<Bgr, 16> kPalette = {
    0x00000000, // 0 black
    0x00800000, // 1 blue
    0x00008000, // 2 green
    0x00808000, // 3 cyan
    0x00000080, // 4 red
    0x00800080, // 5 magenta
    0x00008080, // 6 dark yellow
    0x00C0C0C0, // 7 light grey
    0x00808080, // 8 grey
    0x00FF0000, // 9 light blue
    0x0000FF00, // 10 light green
    0x00FFFF00, // 11 light cyan
    0x000000FF, // 12 light red
    0x00FF00FF, // 13 light magenta
    0x0000FFFF, // 14 light yellow
    0x00FFFFFF, // 15 white
};

} // namespace

QRgb toRgb(Bgr colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QColor toQColor(Bgr colour)
{
    return QColor::fromRgb(toRgb(colour));
}

Bgr QBColor(int index)
{
    return kPalette.at(static_cast<std::size_t>(index));
}

} // namespace toolkit
