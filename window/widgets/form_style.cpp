#include "window/widgets/form_style.h"

#include <cmath>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace ombrelo::window {
namespace {

constexpr int kCaptionInset = 6;       // pixels from the frame's left edge to the caption's box
constexpr int kCaptionPadding = 2;     // pixels of background either side of the caption text
constexpr double kLineContrast = 3.0;  // for lines and boundaries (WCAG 2.1, 1.4.11)
// The etched border's shadow: the grey of the classic light palette, 3.3:1 on the blue.
constexpr QRgb kFrameShadow = qRgb(160, 160, 160);

// Fusion outlines a control in its palette's window colour darkened by this factor, and a
// focused one in its highlight colour darkened and then lightened to at most this lightness.
constexpr int kFusionOutlineDarker = 140;
constexpr int kFusionFocusDarker = 125;
constexpr int kFusionFocusLightness = 160;
// The focus ring where the desktop's highlight would not show on the blue: yellow, which
// stands out from the blue (8:1) and from the grey of the outlines around it.
constexpr QRgb kFocusOnBlue = qRgb(255, 255, 0);

double Luminance(QColor colour) {
    const auto channel = [](float component) {
        const auto value = static_cast<double>(component);
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// The palette Fusion is given to outline a control on the blue. Where its outline would
// vanish there (any dark palette: no dark colour reaches 3:1 against this blue), the window
// colour it derives the outline from is the design's white, which gives a light grey line.
// Where the focus ring would (a blue highlight, as most desktops have), it is yellow.
QPalette OutlinedOnBlue(QPalette palette) {
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor outline = palette.color(group, QPalette::Window).darker(kFusionOutlineDarker);
        if (ContrastRatio(outline, kDesignBlue) < kLineContrast)
            palette.setColor(group, QPalette::Window, kDesignWhite);
        QColor ring = palette.color(group, QPalette::Highlight).darker(kFusionFocusDarker);
        if (ring.value() > kFusionFocusLightness)
            ring.setHsl(ring.hslHue(), ring.hslSaturation(), kFusionFocusLightness);
        if (ContrastRatio(ring, kDesignBlue) < kLineContrast)
            palette.setColor(group, QPalette::Highlight, kFocusOnBlue);
    }
    return palette;
}

// A copy of a style option, of its own type (Fusion reads what the subclass carries), with the
// palette outlined for the blue.
template <typename Option>
Option OnBlue(const Option& option) {
    Option outlined = option;
    outlined.palette = OutlinedOnBlue(option.palette);
    return outlined;
}

}  // namespace

double ContrastRatio(QColor first, QColor second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

qreal DesignPointScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->logicalDotsPerInchY() <= 0) return 1.0;
    return 96.0 / screen->logicalDotsPerInchY();
}

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

FormStyle* FormStyle::Shared() {
    static QPointer<FormStyle> shared;
    if (shared.isNull()) {
        shared = new FormStyle();
        shared->setParent(QCoreApplication::instance());
    }
    return shared;
}

QRect FormStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl part, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const int captionHeight = box->fontMetrics.height();
    const QRect frame = box->rect.adjusted(0, captionHeight / 2, 0, 0);
    switch (part) {
        case SC_GroupBoxLabel: {
            if (box->text.isEmpty()) return {};
            const int width = box->fontMetrics.horizontalAdvance(box->text) + 2 * kCaptionPadding;
            return {box->rect.left() + kCaptionInset, box->rect.top(), width, captionHeight};
        }
        case SC_GroupBoxFrame:
            return frame;
        case SC_GroupBoxContents:
            return frame.adjusted(2, 2, -2, -2);
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void FormStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (control == CC_ComboBox) {
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            const QStyleOptionComboBox outlined = OnBlue(*combo);
            QProxyStyle::drawComplexControl(control, &outlined, painter, widget);
            return;
        }
    }
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    painter->fillRect(box->rect, QColor(kDesignBlue));
    // Etched: a shadow line with a highlight line just inside it, in the design's colours
    // rather than the palette's, which may make either vanish on the blue.
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    painter->setPen(QColor(kFrameShadow));
    painter->drawRect(frame.adjusted(0, 0, -2, -2));
    painter->setPen(QColor(kDesignWhite));
    painter->drawRect(frame.adjusted(1, 1, -1, -1));

    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    if (!caption.isEmpty()) {
        painter->fillRect(caption, QColor(kDesignBlue));  // the border stops at the caption
        QPalette white = box->palette;
        white.setColor(QPalette::WindowText, kDesignWhite);
        proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, white,
                              (box->state & State_Enabled) != 0, box->text, QPalette::WindowText);
    }
    painter->restore();
}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_IndicatorRadioButton: {
            // The design's option disc: white with a black dot, on the blue of its frame.
            QStyleOption disc = OnBlue(*option);
            disc.palette.setColor(QPalette::Base, kDesignWhite);
            disc.palette.setColor(QPalette::Text, Qt::black);
            QProxyStyle::drawPrimitive(element, &disc, painter, widget);
            return;
        }
        case PE_FrameLineEdit:
        case PE_Frame:
        case PE_PanelButtonCommand: {
            if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
                const QStyleOptionFrame outlined = OnBlue(*frame);
                QProxyStyle::drawPrimitive(element, &outlined, painter, widget);
                return;
            }
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
                const QStyleOptionButton outlined = OnBlue(*button);
                QProxyStyle::drawPrimitive(element, &outlined, painter, widget);
                return;
            }
            break;
        }
        default:
            break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FormStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == CE_ShapedFrame && frame != nullptr && frame->frameShape == QFrame::Box) {
        // A result box is outlined as the text boxes are, in a line that shows on the blue.
        const QPalette palette = OutlinedOnBlue(frame->palette);
        painter->save();
        painter->setPen(palette.color(QPalette::Window).darker(kFusionOutlineDarker));
        painter->drawRect(frame->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

// Fusion grows its metrics (indicators, margins) with the font dpi, as Qt's own scaling would;
// where that scaling is off the layout keeps its pixels, and so do the metrics.
int FormStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    return qRound(QProxyStyle::pixelMetric(metric, option, widget) * DesignPointScale());
}

}  // namespace ombrelo::window
