// SPDX-License-Identifier: MIT
// Resident memory stays flat over many cycles of use: opening and closing each
// beam window, scroll changes with clears in between, and scroll changes
// without a clear, whose curves the window keeps in its list. The first cycles
// fill the caches (fonts, glyphs, pictures); the tenth is the baseline, and
// the last may not exceed it by more than 5% or 4 MB, whichever is larger.
#include "beam_common/beam_form.h"
#include "beam_moment_load/moment_load_form.h"
#include "beam_point_load/point_load_form.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "tests/support/beam_window_rows.h"
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

// A change to the next value, back and forth between the ends of the bar.
void step(QScrollBar& bar, Qt::Key& direction)
{
    if (bar.value() == bar.maximum())
        direction = Qt::Key_Left;
    else if (bar.value() == bar.minimum())
        direction = Qt::Key_Right;
    QTest::keyClick(&bar, direction);
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
    void scrollChangesWithoutAClearLeaveMemoryFlat_data();
    void scrollChangesWithoutAClearLeaveMemoryFlat();

private:
    beam::BeamForm& beamWindow();

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
    // new widget's palette, so every window loaded adds entries; and Qt keeps
    // some 1.5 KB of every entry it has dropped again (measured with
    // heaptrack: the key and its bookkeeping), whatever the cache's limit.
    // That growth is Qt's and would hide a leak of the program's behind it:
    // without the cache the style draws directly and keeps nothing.
    QPixmapCache::setCacheLimit(0);
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

beam::BeamForm& MemoryTest::beamWindow()
{
    QFETCH(int, index);
    return windows_->beamWindow(std::size_t(index));
}

void MemoryTest::openingAndClosingLeavesMemoryFlat_data()
{
    test_support::beamWindowRows();
}

// The main window stays open, so closing the beam window does not end the
// program; each cycle builds and destroys every widget of the window.
void MemoryTest::openingAndClosingLeavesMemoryFlat()
{
    beam::BeamForm& form = beamWindow();
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
    beam::BeamForm& form = beamWindow();
    form.Show();
    test_support::settle();
    QScrollBar& bar = form.controls().HScroll1;
    QPushButton& clear = form.controls().Command3;
    Qt::Key direction = Qt::Key_Right;
    expectFlat(400, [&] {
        for (int change = 0; change < 25; ++change)
            step(bar, direction);
        test_support::settle();
        QTest::mouseClick(&clear, Qt::LeftButton);
    });
}

void MemoryTest::scrollChangesWithoutAClearLeaveMemoryFlat_data()
{
    openingAndClosingLeavesMemoryFlat_data();
}

// 100,000 changes and never a clear: the curves pile up on the window, and its
// list of curves with them, one entry per curve that shows.
void MemoryTest::scrollChangesWithoutAClearLeaveMemoryFlat()
{
    beam::BeamForm& form = beamWindow();
    form.Show();
    test_support::settle();
    QScrollBar& bar = form.controls().HScroll1;
    Qt::Key direction = Qt::Key_Right;
    expectFlat(400, [&] {
        for (int change = 0; change < 250; ++change)
            step(bar, direction);
        test_support::settle();
    });
    QCOMPARE(form.changeCount().value(), 32767);
    QVERIFY(form.curves().size() <= std::size_t(form.controls().legend.lineCount() * (bar.maximum() + 1)));
}

QTEST_MAIN(MemoryTest)
#include "memory_test.moc"
