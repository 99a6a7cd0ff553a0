// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_layout.h"

#include "beam_moment_load/moment_load_case.h"

using namespace toolkit;

namespace moment_load {

namespace {

// Rows in layout order. Legend cells lie in frame1, relative to its outer
// top-left corner.
// One row per control, as the layout reads.
// clang-format off
constexpr Control kControls[] = {
    {.kind = Kind::TextBox, .name = "Text2", .left = 2520, .top = 4800, .width = 1575, .height = 375,
     .backColor = 0x00FFFFFF, .font = Font{kMing, 14.25, 400}, .tabIndex = 34},
    {.kind = Kind::CommandButton, .name = "Command1", .left = 6120, .top = 5640, .width = 2055, .height = 375,
     .caption = "彎矩負荷", .backColor = 0x00FFFFC0, .font = Font{kMing, 15.75, 700}, .tabIndex = 29},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 8160, .top = 1800, .width = 2415, .height = 375,
     .tabIndex = 28, .max = 7},
    {.kind = Kind::TextBox, .name = "Text1", .left = 7080, .top = 4800, .width = 735, .height = 390,
     .backColor = 0x00FFFFFF, .font = Font{kMing, 12, 700}, .tabIndex = 27, .alignment = Alignment::Center},
    {.kind = Kind::CommandButton, .name = "Command2", .left = 6120, .top = 7080, .width = 2055, .height = 375,
     .caption = "離        開", .font = Font{kMing, 15.75, 700}, .tabIndex = 26},
    {.kind = Kind::CommandButton, .name = "Command3", .left = 6120, .top = 6360, .width = 2055, .height = 375,
     .caption = "清除圖形", .font = Font{kMing, 15.75, 700}, .tabIndex = 25},
    {.kind = Kind::Frame, .name = "frame1", .left = 480, .top = 5280, .width = 5295, .height = 2775,
     .caption = "圖形說明", .backColor = 0x00C0C0FF, .foreColor = 0x000000FF, .font = Font{kMing, 14.25, 700},
     .tabIndex = 0},
    {.kind = Kind::Label, .name = "Label2", .container = "frame1", .left = 1680, .top = 360, .width = 1815,
     .height = 375, .caption = "彎矩作用位置", .backColor = 0x00FF80FF, .font = Font{kMing, 12, 700}, .tabIndex = 24,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label3", .container = "frame1", .left = 3720, .top = 360, .width = 1215,
     .height = 375, .caption = "繪圖顏色", .backColor = 0x00FF8080, .font = Font{kMing, 12, 700}, .tabIndex = 23,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label4", .container = "frame1", .left = 240, .top = 360, .width = 1215,
     .height = 375, .caption = "變換次數", .backColor = 0x0080FF80, .font = Font{kMing, 12, 700}, .tabIndex = 22,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label5", .index = 0, .container = "frame1", .left = 240, .top = 720, .width = 1215,
     .height = 255, .backColor = 0x00C0FFC0, .font = Font{kMing, 9.75, 700}, .tabIndex = 21,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label6", .index = 0, .container = "frame1", .left = 240, .top = 960, .width = 1215,
     .height = 255, .backColor = 0x00C0FFC0, .font = Font{kMing, 9.75, 700}, .tabIndex = 20,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label7", .index = 0, .container = "frame1", .left = 240, .top = 1200, .width = 1215,
     .height = 255, .backColor = 0x00C0FFC0, .font = Font{kMing, 9.75, 700}, .tabIndex = 19,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label8", .index = 0, .container = "frame1", .left = 240, .top = 1440, .width = 1215,
     .height = 255, .backColor = 0x00C0FFC0, .font = Font{kMing, 9.75, 700}, .tabIndex = 18,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label9", .index = 0, .container = "frame1", .left = 240, .top = 1680, .width = 1215,
     .height = 255, .backColor = 0x00C0FFC0, .font = Font{kMing, 9.75, 700}, .tabIndex = 17,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label5", .index = 1, .container = "frame1", .left = 1680, .top = 720, .width = 1815,
     .height = 255, .backColor = 0x00FFC0FF, .font = Font{kMing, 9.75, 700}, .tabIndex = 16,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label5", .index = 2, .container = "frame1", .left = 3720, .top = 720, .width = 1215,
     .height = 255, .backColor = 0x00FFC0C0, .font = Font{kMing, 9.75, 700}, .tabIndex = 15,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label6", .index = 1, .container = "frame1", .left = 1680, .top = 960, .width = 1815,
     .height = 255, .backColor = 0x00FFC0FF, .font = Font{kMing, 9.75, 700}, .tabIndex = 14,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label6", .index = 2, .container = "frame1", .left = 3720, .top = 960, .width = 1215,
     .height = 255, .backColor = 0x00FFC0C0, .font = Font{kMing, 9.75, 700}, .tabIndex = 13,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label7", .index = 1, .container = "frame1", .left = 1680, .top = 1200, .width = 1815,
     .height = 255, .backColor = 0x00FFC0FF, .font = Font{kMing, 9.75, 700}, .tabIndex = 12,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label7", .index = 2, .container = "frame1", .left = 3720, .top = 1200, .width = 1215,
     .height = 255, .backColor = 0x00FFC0C0, .font = Font{kMing, 9.75, 700}, .tabIndex = 11,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label8", .index = 1, .container = "frame1", .left = 1680, .top = 1440, .width = 1815,
     .height = 255, .backColor = 0x00FFC0FF, .font = Font{kMing, 9.75, 700}, .tabIndex = 10,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label8", .index = 2, .container = "frame1", .left = 3720, .top = 1440, .width = 1215,
     .height = 255, .backColor = 0x00FFC0C0, .font = Font{kMing, 9.75, 700}, .tabIndex = 9,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label9", .index = 1, .container = "frame1", .left = 1680, .top = 1680, .width = 1815,
     .height = 255, .backColor = 0x00FFC0FF, .font = Font{kMing, 9.75, 700}, .tabIndex = 8,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label9", .index = 2, .container = "frame1", .left = 3720, .top = 1680, .width = 1215,
     .height = 255, .backColor = 0x00FFC0C0, .font = Font{kMing, 9.75, 700}, .tabIndex = 7,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label10", .index = 0, .container = "frame1", .left = 240, .top = 1920,
     .width = 1215, .height = 255, .backColor = 0x00C0FFC0, .font = Font{kMing, 9.75, 700}, .tabIndex = 6,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label10", .index = 1, .container = "frame1", .left = 1680, .top = 1920,
     .width = 1815, .height = 255, .backColor = 0x00FFC0FF, .font = Font{kMing, 9.75, 700}, .tabIndex = 5,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label10", .index = 2, .container = "frame1", .left = 3720, .top = 1920,
     .width = 1215, .height = 255, .backColor = 0x00FFC0C0, .font = Font{kMing, 9.75, 700}, .tabIndex = 4,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label11", .index = 0, .container = "frame1", .left = 240, .top = 2160,
     .width = 1215, .height = 255, .backColor = 0x00C0FFC0, .font = Font{kMing, 9.75, 700}, .tabIndex = 3,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label11", .index = 1, .container = "frame1", .left = 1680, .top = 2160,
     .width = 1815, .height = 255, .backColor = 0x00FFC0FF, .font = Font{kMing, 9.75, 700}, .tabIndex = 2,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label11", .index = 2, .container = "frame1", .left = 3720, .top = 2160,
     .width = 1215, .height = 255, .backColor = 0x00FFC0C0, .font = Font{kMing, 9.75, 700}, .tabIndex = 1,
     .borderStyle = BorderStyle::Single, .alignment = Alignment::Center},
    {.kind = Kind::Label, .name = "Label13", .left = 1080, .top = 4800, .width = 1455, .height = 375,
     .caption = "彎矩大小=", .backColor = 0x00FFFFC0, .font = Font{kMing, 14.25, 700}, .tabIndex = 33},
    {.kind = Kind::Label, .name = "Label12", .left = 8160, .top = 960, .width = 2295, .height = 375,
     .caption = "彎矩作用位置調整扭", .backColor = 0x00FFFFC0, .font = Font{kMing, 12, 400}, .tabIndex = 32,
     .alignment = Alignment::Center},
    {.kind = Kind::Picture, .name = "OLE1", .left = 960, .top = 1320, .width = 735, .height = 735, .tabIndex = 31,
     .picture = ":/moment_load_symbol.svg"},
    {.kind = Kind::Line, .name = "Line12", .x1 = 7560, .y1 = 2280, .x2 = 7440, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line11", .x1 = 7320, .y1 = 2280, .x2 = 7200, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line10", .x1 = 7800, .y1 = 2280, .x2 = 7680, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line9", .x1 = 8040, .y1 = 2280, .x2 = 7920, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line8", .x1 = 1200, .y1 = 2280, .x2 = 1080, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line7", .x1 = 960, .y1 = 2280, .x2 = 840, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line6", .x1 = 1440, .y1 = 2280, .x2 = 1320, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line5", .x1 = 1680, .y1 = 2280, .x2 = 1560, .y2 = 2520, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line4", .x1 = 7200, .y1 = 2280, .x2 = 8160, .y2 = 2280, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line3", .x1 = 840, .y1 = 2280, .x2 = 1800, .y2 = 2280, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line2", .x1 = 1320, .y1 = 1920, .x2 = 1560, .y2 = 2280, .borderColor = 0x00FF0000},
    {.kind = Kind::Line, .name = "Line1", .x1 = 1320, .y1 = 1920, .x2 = 1080, .y2 = 2280, .borderColor = 0x00FF0000},
    {.kind = Kind::Shape, .name = "Shape2", .left = 7080, .top = 1920, .width = 1095, .height = 375,
     .backColor = 0x000080FF, .borderColor = 0x000040C0, .fillColor = 0x000080FF, .shape = ShapeKind::Circle,
     .fillStyle = FillStyle::Solid},
    {.kind = Kind::Shape, .name = "Shape1", .left = 1320, .top = 1680, .width = 6300, .height = 255,
     .borderColor = 0x000040C0, .fillColor = 0x0080FFFF, .fillStyle = FillStyle::Solid},
    {.kind = Kind::Label, .name = "Label1", .index = 0, .left = 5160, .top = 4800, .width = 1815, .height = 375,
     .caption = "彎矩作用位置", .backColor = 0x00FFFFC0, .font = Font{kMing, 14.25, 700}, .tabIndex = 30},
};
// clang-format on

// The legend's rows, one control array each, from the first change on.
constexpr const char* kLegendRows[] = {"Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11"};

// The labels that name the scroll bar and the text boxes.
constexpr beam::ControlCaption kCaptions[] = {
    {.control = "HScroll1", .label = "Label12"},
    {.control = "Text1", .label = "Label1", .labelIndex = 0},
    {.control = "Text2", .label = "Label13"},
};

} // namespace

const Window kLayout{
    .name = "Form4",
    .caption = "Form4",
    .clientWidth = 11520,
    .clientHeight = 7470,
    .backColor = 0x00FFFFC0,
    .foreColor = 0x00FFFFC0,
    .placement = ManualPlacement{60, 345},
    .controls = kControls,
};

constinit const beam::BeamWindow kWindow{
    .layout = kLayout,
    .loadCase = "彎矩負荷",
    .beamUnder = moment_load::beamUnder,
    .mapping = moment_load::kMapping,
    .loadValueName = "彎矩作用位置",
    .legendLineWord = "列",
    .changeColours = moment_load::kChangeColours,
    .legendLines = kLegendRows,
    .plotColour = 10, // light green
    .keepsDeflectionTable = true,
    .magnitude = "3000 KN-m",
    .captions = kCaptions,
};

} // namespace moment_load
