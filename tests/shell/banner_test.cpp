// SPDX-License-Identifier: MIT
// The welcome banner's motion and the instruction's blinking, tick by tick.
#include "shell/banner.h"

#include <QTest>

#include <cstdint>

using shell::bannerLeftAfterTick;
using shell::instructionEnabled;

class BannerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneTick_data();
    void oneTick();
    void passesTakeTheirNumberOfTicks_data();
    void passesTakeTheirNumberOfTicks();
    void instructionBlinks_data();
    void instructionBlinks();
};

void BannerTest::oneTick_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("scaleWidth");
    QTest::addColumn<float>("expected");
    QTest::newRow("first step from 600") << 600.0F << 6705.0F << 7500.0F << 264.75F;
    QTest::newRow("moves by a twentieth of the width") << 0.0F << 6000.0F << 7500.0F << -300.0F;
    QTest::newRow("right edge exactly on the left edge: no wrap") << -5700.0F << 6000.0F << 7500.0F << -6000.0F;
    QTest::newRow("right edge past the left edge: wrap") << -5800.0F << 6000.0F << 7500.0F << 7500.0F;
    QTest::newRow("wraps to the current client width") << -5800.0F << 6000.0F << 9000.0F << 9000.0F;
    QTest::newRow("step rounded to single precision") << 1.0F << 3.0F << 7500.0F << float(1.0 - 3.0 / 20);
}

void BannerTest::oneTick()
{
    QFETCH(float, left);
    QFETCH(float, width);
    QFETCH(float, scaleWidth);
    QFETCH(float, expected);
    QCOMPARE(bannerLeftAfterTick(left, width, scaleWidth), expected);
}

void BannerTest::passesTakeTheirNumberOfTicks_data()
{
    // At the design width 6705 in a client area 7500 wide: the first pass from
    // 600 ends at the 22nd tick, every later one takes 43.
    QTest::addColumn<float>("start");
    QTest::addColumn<int>("ticks");
    QTest::newRow("first pass") << 600.0F << 22;
    QTest::newRow("later pass") << 7500.0F << 43;
}

void BannerTest::passesTakeTheirNumberOfTicks()
{
    QFETCH(float, start);
    QFETCH(int, ticks);
    float left = start;
    for (int tick = 1; tick <= 100; ++tick) {
        left = bannerLeftAfterTick(left, 6705.0F, 7500.0F);
        if (left == 7500.0F) {
            QCOMPARE(tick, ticks);
            return;
        }
    }
    QFAIL("the banner never came back");
}

void BannerTest::instructionBlinks_data()
{
    QTest::addColumn<quint64>("ticks");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("start") << quint64(0) << true;
    QTest::newRow("first tick greys it") << quint64(1) << false;
    QTest::newRow("second tick restores it") << quint64(2) << true;
    QTest::newRow("2^24") << quint64(16777216) << true;
    QTest::newRow("2^24 + 1 still blinks") << quint64(16777217) << false;
    QTest::newRow("2^40 + 1") << (quint64(1) << 40) + 1 << false;
}

void BannerTest::instructionBlinks()
{
    QFETCH(quint64, ticks);
    QFETCH(bool, enabled);
    QCOMPARE(instructionEnabled(ticks), enabled);
}

QTEST_GUILESS_MAIN(BannerTest)
#include "banner_test.moc"
