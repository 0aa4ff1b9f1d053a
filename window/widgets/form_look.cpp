#include "window/widgets/form_look.h"

#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include "window/desktop/qt_text.h"
#include "window/widgets/form_style.h"

namespace ombrelo::window {
namespace {

constexpr std::string_view kClassicSans = "MS Sans Serif";

// The stand-in for the classic sans is drawn wider than the face the layout was made for;
// narrowed to 93 % it takes the same room, so captions fit their controls as designed.
int ClassicSansStretch() {
    static const int stretch =
        QFontDatabase::hasFamily(ToQString(kClassicSans)) ? QFont::Unstretched : 93;
    return stretch;
}

}  // namespace

QFont MakeFont(const FontFace& face) {
    // Every attribute set explicitly, so a frame's bold caption font does not pass to the
    // controls inside it.
    QFont font(ToQString(face.family));
    font.setPointSizeF(face.points * DesignPointScale());
    font.setBold(face.bold);
    font.setItalic(face.italic);
    if (face.family == kClassicSans) font.setStretch(ClassicSansStretch());
    return font;
}

// The design's blue is painted by the window and the frames themselves (FormStyle) and put
// in no palette: a palette passes down to every child, and the standard controls inside must
// keep the platform's own colours, and follow them when the desktop's theme changes. Only the
// design's own controls carry a colour: white text, or the white of the line.
void ApplyPaint(QWidget& control, Paint paint) {
    if (qobject_cast<QGroupBox*>(&control) != nullptr) return;
    switch (paint) {
        case Paint::WhiteOnBlue:
        case Paint::WhiteOnTransparent: {
            // Drawn on the blue of the frame or window beneath.
            QPalette palette = control.palette();
            palette.setColor(QPalette::WindowText, kDesignWhite);
            control.setPalette(palette);
            return;
        }
        case Paint::White: {
            QPalette palette = control.palette();
            palette.setColor(QPalette::Window, kDesignWhite);
            control.setPalette(palette);
            control.setAutoFillBackground(true);
            return;
        }
        case Paint::Standard:
            if (qobject_cast<QLabel*>(&control) != nullptr) {
                // A label with the standard colours shows the button face, by role, so that
                // it follows the platform's palette.
                control.setBackgroundRole(QPalette::Button);
                control.setForegroundRole(QPalette::ButtonText);
                control.setAutoFillBackground(true);
            }
            return;
    }
}

void RegisterFontSubstitutes() {
    // The classic faces are not on a Linux desktop; these stand in for them, each list in
    // order of preference, falling back to the desktop's default sans.
    static const bool registered = [] {
        const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                               QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(ToQString(kClassicSans), sans);
        QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
        QFont::insertSubstitutions(QStringLiteral("Fairydust"),
                                   QStringList{QStringLiteral("Dancing Script")} + sans);
        return true;
    }();
    (void)registered;
}

}  // namespace ombrelo::window
