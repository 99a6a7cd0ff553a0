// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace toolkit {

// A whole number as the read-outs and legend cells show it: plain decimal
// digits, a leading minus sign where negative, no leading blank.
inline QString wholeNumberText(int value)
{
    return QString::number(value);
}

} // namespace toolkit
