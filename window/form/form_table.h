#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ombrelo::window {

// The window's description as data: one row per control, in twips, in the order the form is
// laid out (the window's own children, then each frame and panel in turn). The builder
// (form_builder.h) turns the rows into widgets; nothing else creates controls.

// 1440 twips to the inch, 15 to a pixel at 96 DPI; Qt's high-DPI scaling takes logical
// pixels to other screens. Every position and size goes through here, rounded to nearest.
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

enum class ControlKind {
    Frame,          // QGroupBox
    Label,          // QLabel
    TextBox,        // QLineEdit
    MultiLineText,  // QPlainTextEdit
    CommandButton,  // QPushButton
    OptionButton,   // QRadioButton
    ComboBox,       // editable QComboBox
    Line,           // QFrame filled with the line's colour
    Timer,          // QTimer, never drawn
};

// Labels and lines are drawn on their container; everything else is a windowed control.
constexpr bool IsWindowed(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Line && kind != ControlKind::Timer;
}

enum class Paint {
    Standard,            // the platform's colours for the kind
    WhiteOnBlue,         // white text on the design's blue
    WhiteOnTransparent,  // white text, the container shows through
    White,               // a line drawn in white
};

enum class Align { Left, Centre, Right };

struct FontFace {
    std::string_view family{};
    double points = 0;
    bool bold = false;
    bool italic = false;
};

inline constexpr FontFace kDefaultFont{"MS Sans Serif", 8.25};
inline constexpr FontFace kFrameCaptionFont{"MS Sans Serif", 8.25, true};
inline constexpr FontFace kTitleFont{"Fairydust", 14.25, true};
inline constexpr FontFace kVersionFont{"MS Sans Serif", 8.25, true};
inline constexpr FontFace kSelectFont{"MS Sans Serif", 9.75};
inline constexpr FontFace kFormulaFont{"Arial", 8.25, false, true};

struct ControlRow {
    std::string_view name{};  // as the handlers know it
    int index = -1;           // position in a control array; -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string_view container{};  // the frame it sits in; empty for the window itself
    std::string_view text{};       // caption or text at start
    // Position and size from the container's outer top-left corner. A line runs from
    // (left, top) to (left + width, top + height).
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;
    int tabIndex = -1;  // -1: takes no place in the tab order
    FontFace font = kDefaultFont;
    Paint paint = Paint::Standard;
    Align align = Align::Left;
    bool border = false;                // labels: a single-line border
    bool number = false;                // labels: a computed number, shown whole or plainly cut
    int maxLength = 0;                  // text boxes and the combo box's field: 0 is Qt's own
    bool readOnly = false;              // text boxes: selectable and copyable, not editable
    bool verticalScrollBar = false;     // multi-line text boxes
    std::string_view accessibleName{};  // a control no label names: what it holds
    std::string_view accessibleDescription{};  // what a text box holds, beside its label's name
    std::string_view buddy{};  // labels: the control this label names for screen readers
    std::span<const std::string_view> (*items)() = nullptr;  // combo box: its list
    int intervalMs = 0;                                      // timer
};

struct WindowRow {
    std::string_view caption;
    int clientWidth;   // twips
    int clientHeight;  // twips
};

const WindowRow& FormWindow();

// Every control of the window, in description order.
std::span<const ControlRow> FormRows();

// The Qt object name of a row: its name, and for an array member "_" and its index
// ("cmdNumber_5"), so every control can be found by one unique name.
std::string ObjectName(const ControlRow& row);

}  // namespace ombrelo::window
