#include "window/form/form_table.h"

#include <array>

#include "conversion/catalog.h"
#include "window/form/panel_texts.h"

namespace ombrelo::window {
namespace {

using K = ControlKind;
using P = Paint;

// The longest text a box of amounts or a place count takes: room for any double written out
// in full (the smallest takes about 1,100 characters), yet a pasted megabyte lays out within a
// frame, which Qt's own limit of 32,767 characters does not (some 40 ms on every change).
constexpr int kTypedTextLength = 4096;

constexpr WindowRow kWindow{"Ombrelo v1.1 ~by Vesk", 4815, 7215};

// Within a container, a row listed earlier lies above an overlapping row listed later.
// clang-format off
constexpr auto kRows = std::to_array<ControlRow>({
    // The window's own children. The three panels come first: they cover frames 1 to 3.
    {.name = "frmCalcu", .kind = K::Frame, .text = "Calculator", .left = 120, .top = 840, .width = 4575, .height = 5175, .visible = false, .tabIndex = 41, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.name = "frmNew", .kind = K::Frame, .text = "What's New", .left = 120, .top = 840, .width = 4575, .height = 5175, .visible = false, .tabIndex = 23, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.name = "frmAbout", .kind = K::Frame, .text = "About", .left = 120, .top = 840, .width = 4575, .height = 5175, .visible = false, .tabIndex = 36, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.name = "frmChoose", .kind = K::Frame, .text = "2. Choose a formula.", .left = 120, .top = 1800, .width = 4575, .height = 1455, .visible = false, .tabIndex = 27, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.name = "frmButtons", .kind = K::Frame, .text = "4. Buttons", .left = 120, .top = 6120, .width = 4575, .height = 975, .tabIndex = 11, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.name = "frmCalc", .kind = K::Frame, .text = "3. Calculations", .left = 120, .top = 3360, .width = 4575, .height = 2655, .visible = false, .tabIndex = 10, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.name = "frmOption", .kind = K::Frame, .text = "1. Select an area of conversion.", .left = 120, .top = 840, .width = 4575, .height = 855, .tabIndex = 9, .font = kFrameCaptionFont, .paint = P::WhiteOnBlue},
    {.name = "lblVersion", .kind = K::Label, .text = "Version 1.1", .left = 1800, .top = 480, .width = 1095, .height = 255, .tabIndex = 22, .font = kVersionFont, .paint = P::WhiteOnTransparent, .align = Align::Centre},
    {.name = "lblTitle", .kind = K::Label, .text = "Ombrelo", .left = 120, .top = 120, .width = 4575, .height = 375, .tabIndex = 4, .font = kTitleFont, .paint = P::WhiteOnTransparent, .align = Align::Centre},

    // Step 1: choose an area.
    {.name = "cmdSelect", .kind = K::CommandButton, .container = "frmOption", .text = "&Select", .left = 3360, .top = 360, .width = 1095, .height = 375, .tabIndex = 1, .font = kSelectFont},
    {.name = "Combo1", .kind = K::ComboBox, .container = "frmOption", .text = "Choose and click Select", .left = 240, .top = 360, .width = 3015, .height = 315, .tabIndex = 0, .maxLength = kTypedTextLength, .accessibleName = "Area of conversion", .items = &conversion::AreaEntries},

    // Step 2: choose a formula. The captions are placeholders until an area is selected.
    {.name = "optForm8", .kind = K::OptionButton, .container = "frmChoose", .text = "Option8", .left = 2280, .top = 1080, .width = 2175, .height = 255, .tabIndex = 35, .paint = P::WhiteOnBlue},
    {.name = "optForm7", .kind = K::OptionButton, .container = "frmChoose", .text = "Option7", .left = 2280, .top = 840, .width = 2175, .height = 255, .tabIndex = 34, .paint = P::WhiteOnBlue},
    {.name = "optForm6", .kind = K::OptionButton, .container = "frmChoose", .text = "Option6", .left = 2280, .top = 600, .width = 2175, .height = 255, .tabIndex = 33, .paint = P::WhiteOnBlue},
    {.name = "optForm5", .kind = K::OptionButton, .container = "frmChoose", .text = "Option5", .left = 2280, .top = 360, .width = 2175, .height = 255, .tabIndex = 32, .paint = P::WhiteOnBlue},
    {.name = "optForm4", .kind = K::OptionButton, .container = "frmChoose", .text = "Option4", .left = 120, .top = 1080, .width = 2175, .height = 255, .tabIndex = 31, .paint = P::WhiteOnBlue},
    {.name = "optForm3", .kind = K::OptionButton, .container = "frmChoose", .text = "Option3", .left = 120, .top = 840, .width = 2175, .height = 255, .tabIndex = 30, .paint = P::WhiteOnBlue},
    {.name = "optForm2", .kind = K::OptionButton, .container = "frmChoose", .text = "Option2", .left = 120, .top = 600, .width = 2175, .height = 255, .tabIndex = 29, .paint = P::WhiteOnBlue},
    {.name = "optForm1", .kind = K::OptionButton, .container = "frmChoose", .text = "Option1", .left = 120, .top = 360, .width = 2295, .height = 255, .tabIndex = 28, .paint = P::WhiteOnBlue},

    // Step 3: the calculation. Left column forward, right column reverse.
    {.name = "txtCalcDeci", .kind = K::TextBox, .container = "frmCalc", .text = "2", .left = 3840, .top = 2160, .width = 375, .height = 285, .visible = false, .tabIndex = 40, .align = Align::Centre, .maxLength = kTypedTextLength, .accessibleDescription = "Decimal places"},
    {.name = "txtCalc2", .kind = K::TextBox, .container = "frmCalc", .left = 2640, .top = 960, .width = 1575, .height = 285, .visible = false, .tabIndex = 18, .align = Align::Centre, .maxLength = kTypedTextLength, .accessibleDescription = "Reverse amount"},
    {.name = "optCalc1", .kind = K::OptionButton, .container = "frmCalc", .left = 120, .top = 240, .width = 2055, .height = 255, .tabIndex = 16, .paint = P::WhiteOnBlue},
    {.name = "txtCalc1", .kind = K::TextBox, .container = "frmCalc", .left = 360, .top = 960, .width = 1575, .height = 285, .visible = false, .tabIndex = 13, .align = Align::Centre, .maxLength = kTypedTextLength, .accessibleDescription = "Forward amount"},
    {.name = "optCalc2", .kind = K::OptionButton, .container = "frmCalc", .left = 4250, .top = 240, .width = 200, .height = 255, .tabIndex = 17, .paint = P::WhiteOnBlue},
    {.name = "lblCalcDeci", .kind = K::Label, .container = "frmCalc", .text = "Decimal Places", .left = 2640, .top = 2205, .width = 1095, .height = 195, .visible = false, .tabIndex = 39, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "txtCalcDeci"},
    {.name = "lblOptCalc2", .kind = K::Label, .container = "frmCalc", .left = 2400, .top = 240, .width = 1815, .height = 255, .tabIndex = 38, .paint = P::WhiteOnBlue, .align = Align::Right, .buddy = "optCalc2"},
    {.name = "Line1", .kind = K::Line, .container = "frmCalc", .left = 2280, .top = 240, .width = 0, .height = 2280, .paint = P::White},
    {.name = "lblCalc6", .kind = K::Label, .container = "frmCalc", .left = 2640, .top = 1800, .width = 1575, .height = 255, .visible = false, .tabIndex = 21, .align = Align::Centre, .border = true, .number = true},
    {.name = "lblCalc5", .kind = K::Label, .container = "frmCalc", .left = 2640, .top = 1440, .width = 1575, .height = 255, .visible = false, .tabIndex = 20, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "lblCalc6"},
    {.name = "lblCalc4", .kind = K::Label, .container = "frmCalc", .left = 2520, .top = 600, .width = 1815, .height = 255, .visible = false, .tabIndex = 19, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "txtCalc2"},
    {.name = "lblCalc3", .kind = K::Label, .container = "frmCalc", .left = 360, .top = 1800, .width = 1575, .height = 255, .visible = false, .tabIndex = 15, .align = Align::Centre, .border = true, .number = true},
    {.name = "lblCalc2", .kind = K::Label, .container = "frmCalc", .left = 360, .top = 1440, .width = 1575, .height = 255, .visible = false, .tabIndex = 14, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "lblCalc3"},
    {.name = "lblCalc1", .kind = K::Label, .container = "frmCalc", .left = 240, .top = 600, .width = 1815, .height = 255, .visible = false, .tabIndex = 12, .paint = P::WhiteOnBlue, .align = Align::Centre, .buddy = "txtCalc1"},
    {.name = "lblCalcFrm1", .kind = K::Label, .container = "frmCalc", .left = 2640, .top = 960, .width = 1575, .height = 255, .tabIndex = 25, .font = kFormulaFont, .paint = P::WhiteOnBlue, .align = Align::Centre},
    {.name = "lblCalcFrm2", .kind = K::Label, .container = "frmCalc", .left = 360, .top = 960, .width = 1575, .height = 255, .tabIndex = 26, .font = kFormulaFont, .paint = P::WhiteOnBlue, .align = Align::Centre},

    // Step 4: the commands.
    {.name = "cmdCalcu", .kind = K::CommandButton, .container = "frmButtons", .text = "Calc&ulator", .left = 240, .top = 600, .width = 1215, .height = 255, .tabIndex = 6},
    {.name = "cmdAbout", .kind = K::CommandButton, .container = "frmButtons", .text = "&About", .left = 3120, .top = 600, .width = 1215, .height = 255, .tabIndex = 8},
    {.name = "cmdNew", .kind = K::CommandButton, .container = "frmButtons", .text = "&What's New", .left = 1680, .top = 600, .width = 1215, .height = 255, .tabIndex = 7},
    {.name = "cmdClearAll", .kind = K::CommandButton, .container = "frmButtons", .text = "&Clear All", .left = 1680, .top = 240, .width = 1215, .height = 255, .tabIndex = 3},
    {.name = "cmdExit", .kind = K::CommandButton, .container = "frmButtons", .text = "&Exit", .left = 3120, .top = 240, .width = 1215, .height = 255, .tabIndex = 5},
    {.name = "cmdByteConvert", .kind = K::CommandButton, .container = "frmButtons", .text = "Con&vert", .left = 240, .top = 240, .width = 1215, .height = 255, .enabled = false, .tabIndex = 2},

    // The calculator panel.
    {.name = "cmdCalcuHide2", .kind = K::CommandButton, .container = "frmCalcu", .text = "Hide (Erase Answer)", .left = 1440, .top = 4680, .width = 1695, .height = 255, .tabIndex = 63},
    {.name = "cmdCalcuHide1", .kind = K::CommandButton, .container = "frmCalcu", .text = "Hide (Store Answer)", .left = 1440, .top = 4320, .width = 1695, .height = 255, .tabIndex = 62},
    // Only the calculator's keys change the display: typing, pasting, cutting, dropping and
    // undoing never edit it.
    {.name = "txtDisplay", .kind = K::TextBox, .container = "frmCalcu", .left = 1080, .top = 1200, .width = 2415, .height = 390, .tabIndex = 61, .align = Align::Right, .maxLength = 12, .readOnly = true, .accessibleName = "Calculator display", .accessibleDescription = "Calculator display"},
    {.name = "cmdNumber", .index = 0, .kind = K::CommandButton, .container = "frmCalcu", .text = "0", .left = 1560, .top = 3240, .width = 375, .height = 375, .tabIndex = 60},
    {.name = "cmdNumber", .index = 1, .kind = K::CommandButton, .container = "frmCalcu", .text = "1", .left = 1080, .top = 1800, .width = 375, .height = 375, .tabIndex = 59},
    {.name = "cmdNumber", .index = 2, .kind = K::CommandButton, .container = "frmCalcu", .text = "2", .left = 1560, .top = 1800, .width = 375, .height = 375, .tabIndex = 58},
    {.name = "cmdNumber", .index = 3, .kind = K::CommandButton, .container = "frmCalcu", .text = "3", .left = 2040, .top = 1800, .width = 375, .height = 375, .tabIndex = 57},
    {.name = "cmdNumber", .index = 4, .kind = K::CommandButton, .container = "frmCalcu", .text = "4", .left = 1080, .top = 2280, .width = 375, .height = 375, .tabIndex = 56},
    {.name = "cmdNumber", .index = 5, .kind = K::CommandButton, .container = "frmCalcu", .text = "5", .left = 1560, .top = 2280, .width = 375, .height = 375, .tabIndex = 55},
    {.name = "cmdNumber", .index = 6, .kind = K::CommandButton, .container = "frmCalcu", .text = "6", .left = 2040, .top = 2280, .width = 375, .height = 375, .tabIndex = 54},
    {.name = "cmdNumber", .index = 7, .kind = K::CommandButton, .container = "frmCalcu", .text = "7", .left = 1080, .top = 2760, .width = 375, .height = 375, .tabIndex = 53},
    {.name = "cmdNumber", .index = 8, .kind = K::CommandButton, .container = "frmCalcu", .text = "8", .left = 1560, .top = 2760, .width = 375, .height = 375, .tabIndex = 52},
    {.name = "cmdNumber", .index = 9, .kind = K::CommandButton, .container = "frmCalcu", .text = "9", .left = 2040, .top = 2760, .width = 375, .height = 375, .tabIndex = 51},
    {.name = "cmdOperator", .index = 3, .kind = K::CommandButton, .container = "frmCalcu", .text = "x", .left = 2640, .top = 2760, .width = 375, .height = 375, .tabIndex = 50},
    {.name = "cmdOperator", .index = 1, .kind = K::CommandButton, .container = "frmCalcu", .text = "+", .left = 2640, .top = 1800, .width = 375, .height = 375, .tabIndex = 49},
    {.name = "cmdOperator", .index = 2, .kind = K::CommandButton, .container = "frmCalcu", .text = "-", .left = 2640, .top = 2280, .width = 375, .height = 375, .tabIndex = 48},
    {.name = "cmdEquals", .kind = K::CommandButton, .container = "frmCalcu", .text = "=", .left = 3120, .top = 3240, .width = 375, .height = 375, .tabIndex = 47},
    {.name = "cmdOperator", .index = 4, .kind = K::CommandButton, .container = "frmCalcu", .text = "/", .left = 2640, .top = 3240, .width = 375, .height = 375, .tabIndex = 46},
    {.name = "cmdClear", .kind = K::CommandButton, .container = "frmCalcu", .text = "C", .left = 3120, .top = 2280, .width = 375, .height = 375, .tabIndex = 45},
    {.name = "cmdClearEntry", .kind = K::CommandButton, .container = "frmCalcu", .text = "CE", .left = 3120, .top = 1800, .width = 375, .height = 375, .tabIndex = 44},
    {.name = "cmdDecimal", .kind = K::CommandButton, .container = "frmCalcu", .text = ".", .left = 2040, .top = 3240, .width = 375, .height = 375, .tabIndex = 43},
    {.name = "cmdPlusMinus", .kind = K::CommandButton, .container = "frmCalcu", .text = "+/-", .left = 1080, .top = 3240, .width = 375, .height = 375, .tabIndex = 42},
    // Never enabled and never handled; kept so the window holds every control it always had.
    {.name = "tmrUnflash", .kind = K::Timer, .container = "frmCalcu", .visible = false, .enabled = false, .intervalMs = 1000},

    // What's New.
    {.name = "txtNew", .kind = K::MultiLineText, .container = "frmNew", .text = kWhatsNewText, .left = 240, .top = 600, .width = 4095, .height = 4095, .tabIndex = 24, .readOnly = true, .verticalScrollBar = true, .accessibleName = "Version history"},

    // About.
    {.name = "txtAbout", .kind = K::MultiLineText, .container = "frmAbout", .text = kAboutText, .left = 240, .top = 960, .width = 4095, .height = 3255, .tabIndex = 37, .readOnly = true, .accessibleName = "About Ombrelo"},
});
// clang-format on

}  // namespace

const WindowRow& FormWindow() {
    return kWindow;
}

std::span<const ControlRow> FormRows() {
    return kRows;
}

std::string ObjectName(const ControlRow& row) {
    std::string name(row.name);
    if (row.index >= 0) name += "_" + std::to_string(row.index);
    return name;
}

}  // namespace ombrelo::window
