// SPDX-License-Identifier: MIT
// Resident memory stays flat over many cycles of use: opening and closing each
// beam window, and scroll changes with clears in between. The first cycles
// fill the caches (fonts, glyphs, pictures); the tenth is the baseline, and
// the last may not exceed it by more than 5% or 4 MB, whichever is larger.
#include "beam_moment_load/moment_load_form.h"
#include "beam_point_load/point_load_form.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "shell/main_form.h"
#include "shell/window_list.h"
#include "tests/support/test_support.h"
#include "toolkit/form_window.h"
#include "toolkit/program.h"

#include <QFile>
#include <QPixmapCache>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace toolkit;
using shell::Windows;

namespace {

constexpr int kBaselineCycle = 10;
constexpr qint64 kSlackKiB = qint64{4} * 1024;

// VmRSS of this process in KiB.
qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Runs `cycles` cycles, settling after each so that unloaded windows are
// really deleted, and compares the memory after the last with the tenth.
void expectFlat(int cycles, const std::function<void()>& cycle)
{
    qint64 baseline = 0;
    for (int n = 1; n <= cycles; ++n) {
        cycle();
        if (QTest::currentTestFailed())
            return;
        test_support::settle();
        if (n == kBaselineCycle)
            baseline = residentKiB();
    }
    const qint64 last = residentKiB();
    QVERIFY(baseline > 0 && last > 0);
    const qint64 allowed = std::max(baseline / 20, kSlackKiB);
    qInfo("resident memory after cycle %d: %lld KiB, after cycle %d: %lld KiB (%+lld KiB)", kBaselineCycle,
          static_cast<long long>(baseline), cycles, static_cast<long long>(last),
          static_cast<long long>(last - baseline));
    QVERIFY2(last - baseline <= allowed,
             qPrintable(QStringLiteral("grew by %1 KiB, %2 KiB allowed").arg(last - baseline).arg(allowed)));
}

} // namespace

class MemoryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void openingAndClosingLeavesMemoryFlat_data();
    void openingAndClosingLeavesMemoryFlat();
    void scrollChangesAndClearsLeaveMemoryFlat_data();
    void scrollChangesAndClearsLeaveMemoryFlat();

private:
    Form& beamWindow(int number);
    QScrollBar& scrollBar(int number);
    QPushButton& clearButton(int number);

    std::unique_ptr<Program> program_;
    std::unique_ptr<Windows> windows_;
};

void MemoryTest::initTestCase()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer holds freed memory back, so resident memory says nothing here; "
          "in this build LeakSanitizer checks for leaks instead");
#endif
    test_support::installLook();
    // The style caches the faces it draws in Qt's pixmap cache, keyed by each
    // new widget's palette, until the cache's limit (10 MB by default): bounded
    // growth that would hide a leak behind it. Keep it small here.
    QPixmapCache::setCacheLimit(256);
}

void MemoryTest::init()
{
    program_ = std::make_unique<Program>();
    windows_ = std::make_unique<Windows>(*program_);
    windows_->Form1().Show();
    test_support::settle();
}

void MemoryTest::cleanup()
{
    windows_.reset();
    program_.reset();
    test_support::settle();
}

Form& MemoryTest::beamWindow(int number)
{
    switch (number) {
    case 2:
        return windows_->Form2();
    case 3:
        return windows_->Form3();
    default:
        return windows_->Form4();
    }
}

QScrollBar& MemoryTest::scrollBar(int number)
{
    switch (number) {
    case 2:
        return windows_->Form2().controls().HScroll1;
    case 3:
        return windows_->Form3().controls().HScroll1;
    default:
        return windows_->Form4().controls().HScroll1;
    }
}

QPushButton& MemoryTest::clearButton(int number)
{
    switch (number) {
    case 2:
        return windows_->Form2().controls().Command3;
    case 3:
        return windows_->Form3().controls().Command3;
    default:
        return windows_->Form4().controls().Command3;
    }
}

void MemoryTest::openingAndClosingLeavesMemoryFlat_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("concentrated load") << 2;
    QTest::newRow("uniform load") << 3;
    QTest::newRow("moment load") << 4;
}

// The main window stays open, so closing the beam window does not end the
// program; each cycle builds and destroys every widget of the window.
void MemoryTest::openingAndClosingLeavesMemoryFlat()
{
    QFETCH(int, window);
    Form& form = beamWindow(window);
    expectFlat(1000, [&] {
        form.Show();
        QVERIFY(form.isLoaded());
        test_support::settle();
        form.window()->close();
        QVERIFY(!form.isLoaded());
    });
    QVERIFY(!program_->hasEnded());
}

void MemoryTest::scrollChangesAndClearsLeaveMemoryFlat_data()
{
    openingAndClosingLeavesMemoryFlat_data();
}

// 10,000 changes, in cycles of 25 (more than any legend has lines), each
// cycle ended by the clear button.
void MemoryTest::scrollChangesAndClearsLeaveMemoryFlat()
{
    QFETCH(int, window);
    beamWindow(window).Show();
    test_support::settle();
    QScrollBar& bar = scrollBar(window);
    QPushButton& clear = clearButton(window);
    Qt::Key step = Qt::Key_Right;
    expectFlat(400, [&] {
        for (int change = 0; change < 25; ++change) {
            if (bar.value() == bar.maximum())
                step = Qt::Key_Left;
            else if (bar.value() == bar.minimum())
                step = Qt::Key_Right;
            QTest::keyClick(&bar, step);
        }
        test_support::settle();
        QTest::mouseClick(&clear, Qt::LeftButton);
    });
}

QTEST_MAIN(MemoryTest)
#include "memory_test.moc"
