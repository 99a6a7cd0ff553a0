// SPDX-License-Identifier: MIT
#include "shell/main_form.h"

#include "beam_common/beam_window.h"
#include "shell/banner.h"
#include "shell/window_list.h"
#include "toolkit/control_set.h"
#include "toolkit/label.h"
#include "toolkit/program.h"

#include <QAction>
#include <QTimer>

#include <span>
#include <utility>

namespace shell {

using namespace toolkit;

namespace {

// One row per control, as the layout reads; the menu entries that open the
// beam windows come from the window list.
// clang-format off
constexpr Control kOwnControls[] = {
    {.kind = Kind::Timer, .name = "Timer1", .interval = 300},
    {.kind = Kind::Label, .name = "Label2", .left = 1560, .top = 960, .width = 4515, .height = 360,
     .caption = "執行請選擇左上方之功能鍵", .backColor = 0x00FFC0FF, .foreColor = 0x000000FF,
     .font = Font{kMing, 18, 700}, .tabIndex = 1, .autoSize = true},
    {.kind = Kind::Label, .name = "Label1", .left = 600, .top = 240, .width = 6705, .height = 480,
     .caption = "歡迎參觀JX視窗輔助教學軟體", .backColor = 0x00FFC0FF, .foreColor = 0x00FF0000,
     .font = Font{kMing, 24, 700}, .tabIndex = 0, .autoSize = true},
};
constexpr Control kEndEntry = {.kind = Kind::Menu, .name = "mnu4", .caption = "結束"};
// clang-format on

std::span<const Control> mainWindowControls()
{
    static const std::vector<Control> rows = [] {
        std::vector<Control> all(std::begin(kOwnControls), std::end(kOwnControls));
        for (const BeamWindowEntry& entry : kBeamWindows)
            all.push_back({.kind = Kind::Menu, .name = entry.menu, .caption = entry.window.loadCase});
        all.push_back(kEndEntry);
        return all;
    }();
    return rows;
}

} // namespace

const Window kMainWindow{
    .name = "Form1",
    .caption = "Form1",
    .clientWidth = 7500,
    .clientHeight = 6240,
    .foreColor = 0x00C0C0C0,
    .picture = ":/background.ppm",
    .controls = mainWindowControls(),
};

MainFormControls::MainFormControls(const ControlSet& controls)
    : Timer1(controls.get<QTimer>("Timer1"))
    , Label1(controls.get<Label>("Label1"))
    , Label2(controls.get<Label>("Label2"))
    , mnu4(controls.get<QAction>("mnu4"))
{
    for (const BeamWindowEntry& entry : kBeamWindows)
        beamEntries.push_back(&controls.get<QAction>(entry.menu));
}

MainForm::MainForm(Program& program, std::function<void(std::size_t index)> openBeamWindow)
    : FormWith(program, kMainWindow)
    , program_(program)
    , openBeamWindow_(std::move(openBeamWindow))
{
}

void MainForm::connectEvents(MainFormControls& c)
{
    connect(&c.Timer1, &QTimer::timeout, this, &MainForm::Timer1_Timer);
    for (std::size_t i = 0; i < c.beamEntries.size(); ++i)
        connect(c.beamEntries[i], &QAction::triggered, this, [this, i] { mnuBeamWindow_Click(i); });
    connect(&c.mnu4, &QAction::triggered, this, &MainForm::mnu4_Click);
}

void MainForm::Timer1_Timer()
{
    MainFormControls& c = controls();
    c.Label1.setLeftTwips(bannerLeftAfterTick(c.Label1.leftTwips(), c.Label1.widthTwips(), ScaleWidth()));
    ++tickCount_;
    c.Label2.setEnabled(instructionEnabled(tickCount_));
}

// This window goes first, then the beam window opens (or comes to the front,
// when it is open already).
void MainForm::mnuBeamWindow_Click(std::size_t index)
{
    Unload();
    openBeamWindow_(index);
}

void MainForm::mnu4_Click()
{
    program_.End();
}

} // namespace shell
