// SPDX-License-Identifier: MIT
#include "toolkit/program.h"

#include <QMetaMethod>
#include <QTimer>

namespace toolkit {

void Program::End()
{
    if (ended_)
        return;
    ended_ = true;
    Q_EMIT ending();
    loaded_ = 0;
    Q_EMIT ended();
}

void Program::endWithError(const std::exception_ptr& error)
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&Program::failing)))
        std::rethrow_exception(error);
    QString what = QStringLiteral("未知的錯誤");
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        what = QString::fromLocal8Bit(known.what());
    } catch (...) {
    }
    Q_EMIT failing(what);
    End();
}

void Program::windowUnloaded()
{
    --loaded_;
    // Checked once the running handler has ended: a menu entry unloads the
    // main window before it shows the next one.
    if (loaded_ == 0) {
        QTimer::singleShot(0, this, [this] {
            if (loaded_ == 0)
                End();
        });
    }
}

} // namespace toolkit
