// SPDX-License-Identifier: MIT
// The pure helpers: units, palette and opening sizes.
#include "toolkit/layout.h"
#include "toolkit/palette.h"
#include "toolkit/units.h"

#include <QTest>

using namespace toolkit;

class CoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twipsToPixels_data();
    void twipsToPixels();
    void neighbouringBoxesShareTheirEdge();
    void fontSizes_data();
    void fontSizes();
    void palette_data();
    void palette();
    void colourByteOrder();
    void openingClientSize_data();
    void openingClientSize();
};

void CoreTest::twipsToPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("one pixel") << 15.0 << 1;
    QTest::newRow("Form1 width") << 7500.0 << 500;
    QTest::newRow("below half") << 7.4 << 0;
    QTest::newRow("half rounds up") << 7.5 << 1;
    QTest::newRow("symbol at position 1") << 833.75 << 56;
    QTest::newRow("negative half rounds away") << -7.5 << -1;
}

void CoreTest::twipsToPixels()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(toolkit::twipsToPixels(twips), pixels);
}

void CoreTest::neighbouringBoxesShareTheirEdge()
{
    // Legend cells 240 twips apart and 255 wide overlap by one pixel.
    const QRect first = twipsToRect(1680, 480, 255, 375);
    const QRect second = twipsToRect(1920, 480, 255, 375);
    QCOMPARE(first, QRect(112, 32, 17, 25));
    QCOMPARE(second.left(), first.right());
}

void CoreTest::fontSizes_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("9.75") << 9.75 << 13;
    QTest::newRow("11.25") << 11.25 << 15;
    QTest::newRow("12") << 12.0 << 16;
    QTest::newRow("14.25") << 14.25 << 19;
    QTest::newRow("15.75") << 15.75 << 21;
    QTest::newRow("18") << 18.0 << 24;
    QTest::newRow("24") << 24.0 << 32;
    QTest::newRow("26.25") << 26.25 << 35;
}

void CoreTest::fontSizes()
{
    QFETCH(double, points);
    QFETCH(int, pixels);
    QCOMPARE(pointsToPixelSize(points), pixels);
}

void CoreTest::palette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    const QColor expected[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                 {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                 {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                 {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    const char* names[16] = {"black",       "blue",          "green",        "cyan",       "red",         "magenta",
                             "dark yellow", "light grey",    "grey",         "light blue", "light green", "light cyan",
                             "light red",   "light magenta", "light yellow", "white"};
    for (int i = 0; i < 16; ++i)
        QTest::newRow(names[i]) << i << expected[i];
}

void CoreTest::palette()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);
    QCOMPARE(toQColor(QBColor(index)), colour);
}

void CoreTest::colourByteOrder()
{
    QCOMPARE(toQColor(0x000000FF), QColor(255, 0, 0));
    QCOMPARE(toQColor(0x00FF0000), QColor(0, 0, 255));
    QCOMPARE(toQColor(0x0080C0FF), QColor(255, 192, 128));
}

void CoreTest::openingClientSize_data()
{
    static constexpr Control kInside[] = {
        {.kind = Kind::Label, .name = "Label1", .left = 600, .top = 240, .width = 6705, .height = 480},
        {.kind = Kind::Timer, .name = "Timer1", .interval = 300},
    };
    static constexpr Control kBeyond[] = {
        {.kind = Kind::CommandButton, .name = "Command2", .left = 7680, .top = 6960, .width = 1335, .height = 495},
        {.kind = Kind::Frame, .name = "frame1", .left = 240, .top = 5280, .width = 6855, .height = 2295},
        // Inside the frame: its position is relative to the frame.
        {.kind = Kind::Label,
         .name = "Label5",
         .container = "frame1",
         .left = 6480,
         .top = 1680,
         .width = 255,
         .height = 375},
        {.kind = Kind::Line, .name = "Line1", .x1 = 600, .y1 = 1560, .x2 = 9500, .y2 = 1920},
    };
    QTest::addColumn<const Window*>("window");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    static const Window inside{
        .name = "Form1", .caption = "", .clientWidth = 7500, .clientHeight = 6240, .controls = kInside};
    static const Window beyond{
        .name = "Form2", .caption = "", .clientWidth = 8115, .clientHeight = 6270, .controls = kBeyond};
    QTest::newRow("everything inside keeps its size") << &inside << 7500 << 6240;
    QTest::newRow("grows to the furthest control plus margin") << &beyond << 9500 + 120 << 7575 + 120;
}

void CoreTest::openingClientSize()
{
    QFETCH(const Window*, window);
    QFETCH(int, width);
    QFETCH(int, height);
    QCOMPARE(toolkit::openingClientSize(*window), (TwipSize{width, height}));
}

QTEST_GUILESS_MAIN(CoreTest)
#include "core_test.moc"
