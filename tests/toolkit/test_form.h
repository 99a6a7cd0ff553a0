// SPDX-License-Identifier: MIT
#pragma once

// A small window with one control of every kind, for the toolkit's own tests.
#include "toolkit/control_set.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/picture_box.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <functional>

namespace test_form {

using namespace toolkit;

// Client area 3000 × 2250 twips: 200 × 150 pixels.
// One row per control, as the layout reads.
// clang-format off
inline constexpr Control kControls[] = {
    {.kind = Kind::Timer, .name = "Timer1", .interval = 50},
    {.kind = Kind::Menu, .name = "mnu1", .caption = "選項"},
    {.kind = Kind::Label, .name = "Label1", .left = 150, .top = 150, .width = 750, .height = 300, .caption = "標籤",
     .backColor = 0x0080FFFF, .foreColor = 0x00FF0000, .tabIndex = 0, .autoSize = true},
    {.kind = Kind::TextBox, .name = "Text1", .left = 1500, .top = 150, .width = 750, .height = 375, .tabIndex = 3},
    {.kind = Kind::CommandButton, .name = "Command1", .left = 1500, .top = 600, .width = 900, .height = 375,
     .caption = "按鈕", .tabIndex = 1},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 150, .top = 1800, .width = 1500, .height = 255,
     .tabIndex = 2, .max = 5},
    {.kind = Kind::Picture, .name = "OLE1", .left = 2400, .top = 1050, .width = 450, .height = 450,
     .picture = ":/point_load_symbol.svg"},
    {.kind = Kind::Frame, .name = "frame1", .index = 0, .left = 1800, .top = 1650, .width = 1050, .height = 450,
     .caption = "框"},
    {.kind = Kind::Label, .name = "Label2", .index = 1, .container = "frame1", .left = 150, .top = 150, .width = 300,
     .height = 255, .borderStyle = BorderStyle::Single},
    {.kind = Kind::Line, .name = "Line1", .x1 = 150, .y1 = 1500, .x2 = 1650, .y2 = 1500, .borderColor = 0x000000FF},
    {.kind = Kind::Shape, .name = "Shape1", .left = 150, .top = 900, .width = 1200, .height = 300,
     .borderColor = 0x0080FFFF, .fillColor = 0x0080C0FF, .fillStyle = FillStyle::Solid},
};
// clang-format on

inline const Window kWindow{
    .name = "Test",
    .caption = "Test",
    .clientWidth = 3000,
    .clientHeight = 2250,
    .backColor = 0x00C0FFC0,
    .controls = kControls,
};

inline const Window kPictureWindow{
    .name = "Picture",
    .caption = "Picture",
    .clientWidth = 3000,
    .clientHeight = 2250,
    .picture = ":/background.ppm",
};

struct Controls {
    explicit Controls(const ControlSet& c)
        : Timer1(c.get<QTimer>("Timer1"))
        , mnu1(c.get<QAction>("mnu1"))
        , Label1(c.get<Label>("Label1"))
        , Label2(c.get<Label>("Label2", 1))
        , Text1(c.get<QLineEdit>("Text1"))
        , Command1(c.get<QPushButton>("Command1"))
        , HScroll1(c.get<QScrollBar>("HScroll1"))
        , OLE1(c.get<PictureBox>("OLE1"))
    {
    }
    QTimer& Timer1;
    QAction& mnu1;
    Label& Label1;
    Label& Label2;
    QLineEdit& Text1;
    QPushButton& Command1;
    QScrollBar& HScroll1;
    PictureBox& OLE1;
};

// Counts its events; its state (the counters) outlives its widgets.
class TestForm : public FormWith<Controls> {
public:
    explicit TestForm(Program& program, const Window& layout = kWindow)
        : FormWith(program, layout)
    {
    }

    int loads = 0;
    int changes = 0;
    int clicks = 0;
    int ticks = 0;
    std::function<void()> onClick;

    void Form_Load() override { ++loads; }

private:
    void connectEvents(Controls& c) override
    {
        connect(&c.HScroll1, &QScrollBar::valueChanged, this, [this] { ++changes; });
        connect(&c.Command1, &QPushButton::clicked, this, [this] {
            ++clicks;
            if (onClick)
                onClick();
        });
        connect(&c.Timer1, &QTimer::timeout, this, [this] { ++ticks; });
    }
};

struct NoControls {
    explicit NoControls(const ControlSet&) {}
};

// A window with only a background picture.
class PictureForm : public FormWith<NoControls> {
public:
    explicit PictureForm(Program& program)
        : FormWith(program, kPictureWindow)
    {
    }

private:
    void connectEvents(NoControls&) override {}
};

} // namespace test_form
