#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "window/form/control_list.h"
#include "window/widgets/form_look.h"

namespace ombrelo::window {

// The window's description as data: one row per control, in twips, in the order the form is
// laid out (the window's own children, then each frame and panel in turn). The builder
// (form_builder.h) turns the rows into widgets.

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

enum class Align { Left, Centre, Right };

inline constexpr FontFace kDefaultFont{"MS Sans Serif", 8.25};
inline constexpr FontFace kFrameCaptionFont{"MS Sans Serif", 8.25, true};
inline constexpr FontFace kTitleFont{"Fairydust", 14.25, true};
inline constexpr FontFace kVersionFont{"MS Sans Serif", 8.25, true};
inline constexpr FontFace kSelectFont{"MS Sans Serif", 9.75};
inline constexpr FontFace kFormulaFont{"Arial", 8.25, false, true};

// The controls of the list (control_list.h), each by its name.
enum class Control {
#define OMBRELO_CONTROL_ID(Class, name, ...) name,
    OMBRELO_FORM1_CONTROLS(OMBRELO_CONTROL_ID, OMBRELO_CONTROL_ID, OMBRELO_CONTROL_ID)
#undef OMBRELO_CONTROL_ID
};

// How the list gives a control: one, numbered (optForm1), or a control array (cmdNumber_5).
enum class ControlForm { Single, Numbered, Array };

// What the list says of a control: its name, its form, the numbers or indexes of its members
// (-1 for a single control), and the kind its class is made as.
struct ListedControl {
    std::string_view name;
    ControlForm form;
    int first;
    int last;
    ControlKind kind;
    bool number;  // a number label (number_label.h)
};

// The kind each class of the list is made as.
struct ControlClass {
    ControlKind kind;
    bool number = false;
};
inline constexpr ControlClass kQGroupBox{ControlKind::Frame};
inline constexpr ControlClass kQLabel{ControlKind::Label};
inline constexpr ControlClass kNumberLabel{ControlKind::Label, true};
inline constexpr ControlClass kQLineEdit{ControlKind::TextBox};
inline constexpr ControlClass kQPlainTextEdit{ControlKind::MultiLineText};
inline constexpr ControlClass kQPushButton{ControlKind::CommandButton};
inline constexpr ControlClass kQRadioButton{ControlKind::OptionButton};
inline constexpr ControlClass kQComboBox{ControlKind::ComboBox};
inline constexpr ControlClass kQFrame{ControlKind::Line};
inline constexpr ControlClass kQTimer{ControlKind::Timer};

// clang-format off
inline constexpr ListedControl kListedControls[] = {
#define OMBRELO_LIST_SINGLE(Class, name) \
    {#name, ControlForm::Single, -1, -1, k##Class.kind, k##Class.number},
#define OMBRELO_LIST_NUMBERED(Class, name, first, last) \
    {#name, ControlForm::Numbered, first, last, k##Class.kind, k##Class.number},
#define OMBRELO_LIST_ARRAY(Class, name, first, last) \
    {#name, ControlForm::Array, first, last, k##Class.kind, k##Class.number},
    OMBRELO_FORM1_CONTROLS(OMBRELO_LIST_SINGLE, OMBRELO_LIST_NUMBERED, OMBRELO_LIST_ARRAY)
#undef OMBRELO_LIST_SINGLE
#undef OMBRELO_LIST_NUMBERED
#undef OMBRELO_LIST_ARRAY
};
// clang-format on

constexpr const ListedControl& Listed(Control control) {
    return kListedControls[static_cast<std::size_t>(control)];
}

// Where the decimal-places pair stands under each direction's column, in twips within its
// frame; the form starts it under the reverse one.
struct PlacesColumn {
    int labelLeft;
    int boxLeft;
};
inline constexpr PlacesColumn kForwardPlaces{360, 1560};
inline constexpr PlacesColumn kReversePlaces{2640, 3840};

struct ControlRow {
    Control control{};
    int index = -1;  // a member's number or index (control_list.h); -1 for a single control
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
    int maxLength = 0;                  // text boxes and the combo box's field: 0 is Qt's own
    bool readOnly = false;              // text boxes: selectable and copyable, not editable
    bool verticalScrollBar = false;     // multi-line text boxes
    std::string_view accessibleName{};  // a control no label names: what it holds
    std::string_view accessibleDescription{};  // what a text box holds, beside its label's name
    std::string_view buddy{};  // labels: the control this label names for screen readers
    std::span<const std::string_view> (*items)() = nullptr;  // combo box: its list
    int intervalMs = 0;                                      // timer
    // From the control list, never written in a row: the name the handlers know it by, its
    // kind, and whether it is a number label (a computed number, shown whole or plainly cut).
    std::string_view name{};
    ControlKind kind = ControlKind::Label;
    bool number = false;
};

struct WindowRow {
    std::string_view caption;
    int clientWidth;   // twips
    int clientHeight;  // twips
};

const WindowRow& FormWindow();

// Every control of the window, in description order.
std::span<const ControlRow> FormRows();

// The Qt object name of a control: its name, a numbered one's number after it ("optForm3"),
// an array member's index after "_" ("cmdNumber_5"), so every control has one unique name.
std::string ObjectName(Control control, int index = -1);
std::string ObjectName(const ControlRow& row);

}  // namespace ombrelo::window
