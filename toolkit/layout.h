// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/palette.h"

#include <optional>
#include <span>

// A window is described once, statically, by a table of rows: one row per
// control (per member, for control arrays). Rows use designated initialisers,
// so a table reads like the layout it describes and every unset property keeps
// the default given here.
namespace toolkit {

enum class Kind { Label, TextBox, Frame, CommandButton, HScrollBar, Timer, Menu, Line, Shape, Picture };

inline constexpr int kNoIndex = -1;

// The two faces of every font in the program, substituted at start-up by
// installed fonts of the same styles.
inline constexpr const char* kMing = "新細明體";
inline constexpr const char* kKai = "標楷體";

struct Font {
    const char* face; // kMing or kKai
    double points;
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
};

enum class BorderStyle { None = 0, Single = 1 };
enum class Alignment { Left = 0, Center = 2 };
enum class ShapeKind { Rectangle = 0, Circle = 3 };
enum class FillStyle { Solid = 0, Transparent = 1 };
enum class ButtonStyle { Standard = 0, Graphical = 1 };

struct Control {
    Kind kind;
    const char* name;
    int index = kNoIndex; // member of a control array, or kNoIndex
    const char* container = nullptr; // a frame's name, or nullptr for the client area

    // Box in twips, relative to the container.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // A Line's end points in twips, instead of a box.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    const char* caption = "";
    std::optional<Bgr> backColor = {}; // empty: the toolkit's standard colour
    std::optional<Bgr> foreColor = {};
    std::optional<Bgr> borderColor = {};
    std::optional<Bgr> fillColor = {};
    std::optional<Font> font = {}; // empty: the window's default font

    int tabIndex = 0;
    BorderStyle borderStyle = BorderStyle::None;
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    int max = 0; // HScrollBar
    int borderWidth = 1; // Line, in pixels
    ShapeKind shape = ShapeKind::Rectangle;
    FillStyle fillStyle = FillStyle::Transparent;
    ButtonStyle style = ButtonStyle::Standard;
    int interval = 0; // Timer, in milliseconds
    const char* picture = nullptr; // Picture: resource path of its drawing
};

struct ManualPlacement {
    int clientLeft; // twips from the screen's left edge to the client area
    int clientTop;
};

struct Window {
    const char* name;
    const char* caption;
    int clientWidth; // twips
    int clientHeight;
    std::optional<Bgr> backColor = {};
    std::optional<Bgr> foreColor = {};
    const char* picture = nullptr; // resource path of the background picture
    std::optional<ManualPlacement> placement = {}; // empty: the window system places it
    std::span<const Control> controls = {};
};

// Margin kept to the right of and below the furthest control when a window
// opens, so that every control is in view without resizing.
inline constexpr int kOpeningMargin = 120;

// The client size a window opens with: its own size, grown where needed so that
// every control of its table fits with kOpeningMargin to spare.
struct TwipSize {
    int width;
    int height;
    friend bool operator==(const TwipSize&, const TwipSize&) = default;
};
TwipSize openingClientSize(const Window& window);

} // namespace toolkit
