// SPDX-License-Identifier: MIT
#pragma once

#include "shell/window_list.h"

#include <QTest>

#include <cstddef>

namespace test_support {

// One data row per beam window in the program's list, named after the
// window, with its place in the list as the column "index".
inline void beamWindowRows()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i)
        QTest::addRow("%s", shell::kBeamWindows[i].window.layout.name) << int(i);
}

} // namespace test_support
