#pragma once

#include <string_view>

class QFont;
class QWidget;

namespace ombrelo::window {

// A font as the design gives it.
struct FontFace {
    std::string_view family{};
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// The colours of a control.
enum class Paint {
    Standard,            // the platform's colours for the kind
    WhiteOnBlue,         // white text on the design's blue
    WhiteOnTransparent,  // white text, the container shows through
    White,               // a line drawn in white
};

// The font at the size the layout was made for (DesignPointScale), every attribute set.
QFont MakeFont(const FontFace& face);

// Gives the control its colours. A frame's blue and white are drawn by FormStyle.
void ApplyPaint(QWidget& control, Paint paint);

// Maps the design's classic faces to faces found on this system. Idempotent.
void RegisterFontSubstitutes();

}  // namespace ombrelo::window
