// SPDX-License-Identifier: MIT
#include "shell/main_form.h"

#include "beam_moment_load/moment_load_form.h"
#include "beam_point_load/point_load_form.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "shell/banner.h"
#include "shell/window_list.h"
#include "toolkit/control_set.h"
#include "toolkit/label.h"
#include "toolkit/program.h"

#include <QAction>
#include <QTimer>

namespace shell {

using namespace toolkit;

namespace {

// One row per control, as the layout reads.
// clang-format off
constexpr Control kControls[] = {
    {.kind = Kind::Timer, .name = "Timer1", .interval = 300},
    {.kind = Kind::Label, .name = "Label2", .left = 1560, .top = 960, .width = 4515, .height = 360,
     .caption = "執行請選擇左上方之功能鍵", .backColor = 0x00FFC0FF, .foreColor = 0x000000FF,
     .font = Font{kMing, 18, 700}, .tabIndex = 1, .autoSize = true},
    {.kind = Kind::Label, .name = "Label1", .left = 600, .top = 240, .width = 6705, .height = 480,
     .caption = "歡迎參觀JX視窗輔助教學軟體", .backColor = 0x00FFC0FF, .foreColor = 0x00FF0000,
     .font = Font{kMing, 24, 700}, .tabIndex = 0, .autoSize = true},
    {.kind = Kind::Menu, .name = "mnu1", .caption = "集中負荷"},
    {.kind = Kind::Menu, .name = "mnu2", .caption = "均佈負荷"},
    {.kind = Kind::Menu, .name = "mnu3", .caption = "彎矩負荷"},
    {.kind = Kind::Menu, .name = "mnu4", .caption = "結束"},
};
// clang-format on

} // namespace

const Window kMainWindow{
    .name = "Form1",
    .caption = "Form1",
    .clientWidth = 7500,
    .clientHeight = 6240,
    .foreColor = 0x00C0C0C0,
    .picture = ":/background.png",
    .controls = kControls,
};

MainFormControls::MainFormControls(const ControlSet& controls)
    : Timer1(controls.get<QTimer>("Timer1"))
    , Label1(controls.get<Label>("Label1"))
    , Label2(controls.get<Label>("Label2"))
    , mnu1(controls.get<QAction>("mnu1"))
    , mnu2(controls.get<QAction>("mnu2"))
    , mnu3(controls.get<QAction>("mnu3"))
    , mnu4(controls.get<QAction>("mnu4"))
{
}

MainForm::MainForm(Program& program, Windows& windows)
    : FormWith(program, kMainWindow)
    , program_(program)
    , windows_(windows)
{
}

void MainForm::connectEvents(MainFormControls& c)
{
    connect(&c.Timer1, &QTimer::timeout, this, &MainForm::Timer1_Timer);
    connect(&c.mnu1, &QAction::triggered, this, &MainForm::mnu1_Click);
    connect(&c.mnu2, &QAction::triggered, this, &MainForm::mnu2_Click);
    connect(&c.mnu3, &QAction::triggered, this, &MainForm::mnu3_Click);
    connect(&c.mnu4, &QAction::triggered, this, &MainForm::mnu4_Click);
}

void MainForm::Timer1_Timer()
{
    MainFormControls& c = controls();
    c.Label1.setLeftTwips(bannerLeftAfterTick(c.Label1.leftTwips(), c.Label1.widthTwips(), ScaleWidth()));
    ++tickCount_;
    c.Label2.setEnabled(instructionEnabled(tickCount_));
}

void MainForm::mnu1_Click()
{
    Unload();
    windows_.Form2().Show();
}

void MainForm::mnu2_Click()
{
    Unload();
    windows_.Form3().Show();
}

void MainForm::mnu3_Click()
{
    Unload();
    windows_.Form4().Show();
}

void MainForm::mnu4_Click()
{
    program_.End();
}

} // namespace shell
