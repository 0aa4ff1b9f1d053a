#include "window/form/form_table.h"

#include <array>

#include "calculator/calculator_engine.h"
#include "conversion/catalog.h"
#include "window/form/panel_texts.h"

namespace ombrelo::window {
namespace {

using C = Control;
using P = Paint;

// The longest text a box of amounts or a place count takes: room for any double written out
// in full (the smallest takes about 1,100 characters), yet a pasted megabyte lays out within a
// frame, which Qt's own limit of 32,767 characters does not (some 40 ms on every change).
constexpr int kTypedTextLength = 4096;

constexpr WindowRow kWindow{"Ombrelo v1.1 ~by Vesk", 4815, 7215};

// The name and kind of each row's control, as the control list gives them.
template <std::size_t N>
constexpr std::array<ControlRow, N> FromTheList(std::array<ControlRow, N> rows) {
    for (ControlRow& row : rows) {
        const ListedControl& listed = Listed(row.control);
        row.name = listed.name;
        row.kind = listed.kind;
        row.number = listed.number;
    }
    return rows;
}

// One row for a single control; one for each number or index of the others.
template <std::size_t N>
constexpr bool EveryListedControlHasItsRows(const std::array<ControlRow, N>& rows) {
    for (std::size_t c = 0; c < std::size(kListedControls); ++c) {
        const ListedControl& listed = kListedControls[c];
        for (int index = listed.first; index <= listed.last; ++index) {
            int found = 0;
            for (const ControlRow& row : rows)
                found += static_cast<std::size_t>(row.control) == c && row.index == index ? 1 : 0;
            if (found != 1) return false;
        }
    }
    for (const ControlRow& row : rows) {
        const ListedControl& listed = Listed(row.control);
        if (row.index < listed.first || row.index > listed.last) return false;
    }
    return true;
}

// A row's frame is a frame listed before it; a buddy is a row.
template <std::size_t N>
constexpr bool EveryContainerAndBuddyIsARow(const std::array<ControlRow, N>& rows) {
    for (std::size_t i = 0; i < N; ++i) {
        bool containerFound = rows[i].container.empty();
        bool buddyFound = rows[i].buddy.empty();
        for (std::size_t j = 0; j < N; ++j) {
            if (j < i && rows[j].name == rows[i].container && rows[j].kind == ControlKind::Frame)
                containerFound = true;
            if (rows[j].name == rows[i].buddy) buddyFound = true;
        }
        if (!containerFound || !buddyFound) return false;
    }
    return true;
}

// Within a container, a row listed earlier lies above an overlapping row listed later.
// clang-format off
constexpr auto kRows = FromTheList(std::to_array<ControlRow>({
    // The window's own children. The three panels come first: they cover frames 1 to 3.
    {.control = C::frmCalcu, .text = "Calculator", .left = 120, .top = 840, .width = 4575, .height = 5175, .visible = false, .tabIndex = 41, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.control = C::frmNew, .text = "What's New", .left = 120, .top = 840, .width = 4575, .height = 5175, .visible = false, .tabIndex = 23, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.control = C::frmAbout, .text = "About", .left = 120, .top = 840, .width = 4575, .height = 5175, .visible = false, .tabIndex = 36, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.control = C::frmChoose, .text = "2. Choose a formula.", .left = 120, .top = 1800, .width = 4575, .height = 1455, .visible = false, .tabIndex = 27, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.control = C::frmButtons, .text = "4. Buttons", .left = 120, .top = 6120, .width = 4575, .height = 975, .tabIndex = 11, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.control = C::frmCalc, .text = "3. Calculations", .left = 120, .top = 3360, .width = 4575, .height = 2655, .visible = false, .tabIndex = 10, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.control = C::frmOption, .text = "1. Select an area of conversion.", .left = 120, .top = 840, .width = 4575, .height = 855, .tabIndex = 9, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.control = C::lblVersion, .text = "Version 1.1", .left = 1800, .top = 480, .width = 1095, .height = 255, .tabIndex = 22, .font = kVersionFont, .paint = P::WhiteOnTransparent, .align = Align::Centre},
    {.control = C::lblTitle, .text = "Ombrelo", .left = 120, .top = 120, .width = 4575, .height = 375, .tabIndex = 4, .font = kTitleFont, .paint = P::WhiteOnTransparent, .align = Align::Centre},

    // Step 1: choose an area.
    {.control = C::cmdSelect, .container = "frmOption", .text = "&Select", .left = 3360, .top = 360, .width = 1095, .height = 375, .tabIndex = 1, .font = kSelectFont},
    {.control = C::Combo1, .container = "frmOption", .text = "Choose and click Select", .left = 240, .top = 360, .width = 3015, .height = 315, .tabIndex = 0, .maxLength = kTypedTextLength, .accessibleName = "Area of conversion", .items = &conversion::AreaEntries},

    // Step 2: choose a formula. The captions are placeholders until an area is selected.
    {.control = C::optForm, .index = 8, .container = "frmChoose", .text = "Option8", .left = 2280, .top = 1080, .width = 2175, .height = 255, .tabIndex = 35, .paint = P::WhiteOnBlue},
    {.control = C::optForm, .index = 7, .container = "frmChoose", .text = "Option7", .left = 2280, .top = 840, .width = 2175, .height = 255, .tabIndex = 34, .paint = P::WhiteOnBlue},
    {.control = C::optForm, .index = 6, .container = "frmChoose", .text = "Option6", .left = 2280, .top = 600, .width = 2175, .height = 255, .tabIndex = 33, .paint = P::WhiteOnBlue},
    {.control = C::optForm, .index = 5, .container = "frmChoose", .text = "Option5", .left = 2280, .top = 360, .width = 2175, .height = 255, .tabIndex = 32, .paint = P::WhiteOnBlue},
    {.control = C::optForm, .index = 4, .container = "frmChoose", .text = "Option4", .left = 120, .top = 1080, .width = 2175, .height = 255, .tabIndex = 31, .paint = P::WhiteOnBlue},
    {.control = C::optForm, .index = 3, .container = "frmChoose", .text = "Option3", .left = 120, .top = 840, .width = 2175, .height = 255, .tabIndex = 30, .paint = P::WhiteOnBlue},
    {.control = C::optForm, .index = 2, .container = "frmChoose", .text = "Option2", .left = 120, .top = 600, .width = 2175, .height = 255, .tabIndex = 29, .paint = P::WhiteOnBlue},
    {.control = C::optForm, .index = 1, .container = "frmChoose", .text = "Option1", .left = 120, .top = 360, .width = 2295, .height = 255, .tabIndex = 28, .paint = P::WhiteOnBlue},

    // Step 3: the calculation. Left column forward, right column reverse.
    {.control = C::txtCalcDeci, .container = "frmCalc", .text = "2", .left = kReversePlaces.boxLeft, .top = 2160, .width = 375, .height = 285, .visible = false, .tabIndex = 40, .align = Align::Centre, .maxLength = kTypedTextLength, .accessibleDescription = "Decimal places"},
    {.control = C::txtCalc2, .container = "frmCalc", .left = 2640, .top = 960, .width = 1575, .height = 285, .visible = false, .tabIndex = 18, .align = Align::Centre, .maxLength = kTypedTextLength, .accessibleDescription = "Reverse amount"},
    {.control = C::optCalc1, .container = "frmCalc", .left = 120, .top = 240, .width = 2055, .height = 255, .tabIndex = 16, .paint = P::WhiteOnBlue},
    {.control = C::txtCalc1, .container = "frmCalc", .left = 360, .top = 960, .width = 1575, .height = 285, .visible = false, .tabIndex = 13, .align = Align::Centre, .maxLength = kTypedTextLength, .accessibleDescription = "Forward amount"},
    {.control = C::optCalc2, .container = "frmCalc", .left = 4250, .top = 240, .width = 200, .height = 255, .tabIndex = 17, .paint = P::WhiteOnBlue},
    {.control = C::lblCalcDeci, .container = "frmCalc", .text = "Decimal Places", .left = kReversePlaces.labelLeft, .top = 2205, .width = 1095, .height = 195, .visible = false, .tabIndex = 39, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "txtCalcDeci"},
    {.control = C::lblOptCalc2, .container = "frmCalc", .left = 2400, .top = 240, .width = 1815, .height = 255, .tabIndex = 38, .paint = P::WhiteOnBlue, .align = Align::Right, .buddy = "optCalc2"},
    {.control = C::Line1, .container = "frmCalc", .left = 2280, .top = 240, .width = 0, .height = 2280, .paint = P::White},
    {.control = C::lblCalc6, .container = "frmCalc", .left = 2640, .top = 1800, .width = 1575, .height = 255, .visible = false, .tabIndex = 21, .align = Align::Centre, .border = true},
    {.control = C::lblCalc5, .container = "frmCalc", .left = 2640, .top = 1440, .width = 1575, .height = 255, .visible = false, .tabIndex = 20, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "lblCalc6"},
    {.control = C::lblCalc4, .container = "frmCalc", .left = 2520, .top = 600, .width = 1815, .height = 255, .visible = false, .tabIndex = 19, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "txtCalc2"},
    {.control = C::lblCalc3, .container = "frmCalc", .left = 360, .top = 1800, .width = 1575, .height = 255, .visible = false, .tabIndex = 15, .align = Align::Centre, .border = true},
    {.control = C::lblCalc2, .container = "frmCalc", .left = 360, .top = 1440, .width = 1575, .height = 255, .visible = false, .tabIndex = 14, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "lblCalc3"},
    {.control = C::lblCalc1, .container = "frmCalc", .left = 240, .top = 600, .width = 1815, .height = 255, .visible = false, .tabIndex = 12, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "txtCalc1"},
    {.control = C::lblCalcFrm1, .container = "frmCalc", .left = 2640, .top = 960, .width = 1575, .height = 255, .tabIndex = 25, .font = kFormulaFont, .paint = P::WhiteOnBlue, .align = Align::Centre},
    {.control = C::lblCalcFrm2, .container = "frmCalc", .left = 360, .top = 960, .width = 1575, .height = 255, .tabIndex = 26, .font = kFormulaFont, .paint = P::WhiteOnBlue, .align = Align::Centre},

    // Step 4: the commands.
    {.control = C::cmdCalcu, .container = "frmButtons", .text = "Calc&ulator", .left = 240, .top = 600, .width = 1215, .height = 255, .tabIndex = 6},
    {.control = C::cmdAbout, .container = "frmButtons", .text = "&About", .left = 3120, .top = 600, .width = 1215, .height = 255, .tabIndex = 8},
    {.control = C::cmdNew, .container = "frmButtons", .text = "&What's New", .left = 1680, .top = 600, .width = 1215, .height = 255, .tabIndex = 7},
    {.control = C::cmdClearAll, .container = "frmButtons", .text = "&Clear All", .left = 1680, .top = 240, .width = 1215, .height = 255, .tabIndex = 3},
    {.control = C::cmdExit, .container = "frmButtons", .text = "&Exit", .left = 3120, .top = 240, .width = 1215, .height = 255, .tabIndex = 5},
    {.control = C::cmdByteConvert, .container = "frmButtons", .text = "Con&vert", .left = 240, .top = 240, .width = 1215, .height = 255, .enabled = false, .tabIndex = 2},

    // The calculator panel.
    {.control = C::cmdCalcuHide2, .container = "frmCalcu", .text = "Hide (Erase Answer)", .left = 1440, .top = 4680, .width = 1695, .height = 255, .tabIndex = 63},
    {.control = C::cmdCalcuHide1, .container = "frmCalcu", .text = "Hide (Store Answer)", .left = 1440, .top = 4320, .width = 1695, .height = 255, .tabIndex = 62},
    // Only the calculator's keys change the display: typing, pasting, cutting, dropping and
    // undoing never edit it.
    {.control = C::txtDisplay, .container = "frmCalcu", .left = 1080, .top = 1200, .width = 2415, .height = 390, .tabIndex = 61, .align = Align::Right, .maxLength = calculator::kDisplayMaxLength, .readOnly = true, .accessibleName = "Calculator display", .accessibleDescription = "Calculator display"},
    {.control = C::cmdNumber, .index = 0, .container = "frmCalcu", .text = "0", .left = 1560, .top = 3240, .width = 375, .height = 375, .tabIndex = 60},
    {.control = C::cmdNumber, .index = 1, .container = "frmCalcu", .text = "1", .left = 1080, .top = 1800, .width = 375, .height = 375, .tabIndex = 59},
    {.control = C::cmdNumber, .index = 2, .container = "frmCalcu", .text = "2", .left = 1560, .top = 1800, .width = 375, .height = 375, .tabIndex = 58},
    {.control = C::cmdNumber, .index = 3, .container = "frmCalcu", .text = "3", .left = 2040, .top = 1800, .width = 375, .height = 375, .tabIndex = 57},
    {.control = C::cmdNumber, .index = 4, .container = "frmCalcu", .text = "4", .left = 1080, .top = 2280, .width = 375, .height = 375, .tabIndex = 56},
    {.control = C::cmdNumber, .index = 5, .container = "frmCalcu", .text = "5", .left = 1560, .top = 2280, .width = 375, .height = 375, .tabIndex = 55},
    {.control = C::cmdNumber, .index = 6, .container = "frmCalcu", .text = "6", .left = 2040, .top = 2280, .width = 375, .height = 375, .tabIndex = 54},
    {.control = C::cmdNumber, .index = 7, .container = "frmCalcu", .text = "7", .left = 1080, .top = 2760, .width = 375, .height = 375, .tabIndex = 53},
    {.control = C::cmdNumber, .index = 8, .container = "frmCalcu", .text = "8", .left = 1560, .top = 2760, .width = 375, .height = 375, .tabIndex = 52},
    {.control = C::cmdNumber, .index = 9, .container = "frmCalcu", .text = "9", .left = 2040, .top = 2760, .width = 375, .height = 375, .tabIndex = 51},
    {.control = C::cmdOperator, .index = 3, .container = "frmCalcu", .text = "x", .left = 2640, .top = 2760, .width = 375, .height = 375, .tabIndex = 50},
    {.control = C::cmdOperator, .index = 1, .container = "frmCalcu", .text = "+", .left = 2640, .top = 1800, .width = 375, .height = 375, .tabIndex = 49},
    {.control = C::cmdOperator, .index = 2, .container = "frmCalcu", .text = "-", .left = 2640, .top = 2280, .width = 375, .height = 375, .tabIndex = 48},
    {.control = C::cmdEquals, .container = "frmCalcu", .text = "=", .left = 3120, .top = 3240, .width = 375, .height = 375, .tabIndex = 47},
    {.control = C::cmdOperator, .index = 4, .container = "frmCalcu", .text = "/", .left = 2640, .top = 3240, .width = 375, .height = 375, .tabIndex = 46},
    {.control = C::cmdClear, .container = "frmCalcu", .text = "C", .left = 3120, .top = 2280, .width = 375, .height = 375, .tabIndex = 45},
    {.control = C::cmdClearEntry, .container = "frmCalcu", .text = "CE", .left = 3120, .top = 1800, .width = 375, .height = 375, .tabIndex = 44},
    {.control = C::cmdDecimal, .container = "frmCalcu", .text = ".", .left = 2040, .top = 3240, .width = 375, .height = 375, .tabIndex = 43},
    {.control = C::cmdPlusMinus, .container = "frmCalcu", .text = "+/-", .left = 1080, .top = 3240, .width = 375, .height = 375, .tabIndex = 42},
    // Never enabled and never handled: the calculator has no timed behaviour.
    {.control = C::tmrUnflash, .container = "frmCalcu", .visible = false, .enabled = false, .intervalMs = 1000},

    // What's New.
    {.control = C::txtNew, .container = "frmNew", .text = kWhatsNewText, .left = 240, .top = 600, .width = 4095, .height = 4095, .tabIndex = 24, .readOnly = true, .verticalScrollBar = true, .accessibleName = "Version history"},

    // About.
    {.control = C::txtAbout, .container = "frmAbout", .text = kAboutText, .left = 240, .top = 960, .width = 4095, .height = 3255, .tabIndex = 37, .readOnly = true, .accessibleName = "About Ombrelo"},
}));
// clang-format on

static_assert(EveryListedControlHasItsRows(kRows), "a control of the list has no row, or two");
static_assert(EveryContainerAndBuddyIsARow(kRows), "a row names a control that has no row");

}  // namespace

const WindowRow& FormWindow() {
    return kWindow;
}

std::span<const ControlRow> FormRows() {
    return kRows;
}

std::string ObjectName(Control control, int index) {
    const ListedControl& listed = Listed(control);
    std::string name(listed.name);
    if (listed.form == ControlForm::Numbered) name += std::to_string(index);
    if (listed.form == ControlForm::Array) name += "_" + std::to_string(index);
    return name;
}

std::string ObjectName(const ControlRow& row) {
    return ObjectName(row.control, row.index);
}

}  // namespace ombrelo::window
