// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace shell {

// With BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT=1 in the environment, the
// application quits once `painted` has been painted for the first time, so
// that start-up can be timed from outside (scripts/bench.sh). Header only:
// the benchmarks' bare floor window times its start the same way without the
// program's libraries.
inline void exitAfterFirstPaintOf(QObject& painted)
{
    const char* value = std::getenv("BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT");
    if (value == nullptr || std::strcmp(value, "1") != 0)
        return;
    class FirstPaint : public QObject {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                // Queued, so that the paint in progress is finished and shown first.
                QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
            }
            return false;
        }
    };
    painted.installEventFilter(new FirstPaint(&painted));
}

} // namespace shell
