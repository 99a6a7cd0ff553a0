// SPDX-License-Identifier: MIT
#include "toolkit/layout.h"

#include <algorithm>

namespace toolkit {

TwipSize openingClientSize(const Window& window)
{
    int right = 0;
    int bottom = 0;
    for (const Control& row : window.controls) {
        switch (row.kind) {
        case Kind::Timer:
        case Kind::Menu:
            break;
        case Kind::Line:
            right = std::max({right, row.x1, row.x2});
            bottom = std::max({bottom, row.y1, row.y2});
            break;
        default:
            // Controls in a frame lie inside it; the frame's own row counts.
            if (row.container == nullptr) {
                right = std::max(right, row.left + row.width);
                bottom = std::max(bottom, row.top + row.height);
            }
            break;
        }
    }
    return {std::max(window.clientWidth, right + kOpeningMargin),
            std::max(window.clientHeight, bottom + kOpeningMargin)};
}

} // namespace toolkit
