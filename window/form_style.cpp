#include "window/form_style.h"

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

// Fusion outlines a control in its palette's window colour darkened by this factor.
constexpr int kFusionOutlineDarker = 140;

double Luminance(QColor colour) {
    const auto channel = [](float component) {  // Qt gives channels as float
        const auto value = static_cast<double>(component);
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// The palette Fusion is given to outline a control on the blue: where its outline would
// vanish there (any dark palette: no dark colour reaches 3:1 against this blue), the window
// colour it derives the outline from is the design's white, which gives a light grey line.
QPalette OutlinedOnBlue(QPalette palette) {
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor outline = palette.color(group, QPalette::Window).darker(kFusionOutlineDarker);
        if (ContrastRatio(outline, kDesignBlue) < kLineContrast)
            palette.setColor(group, QPalette::Window, kDesignWhite);
    }
    return palette;
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
            QStyleOptionComboBox outlined = *combo;
            outlined.palette = OutlinedOnBlue(combo->palette);
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
            QStyleOption disc = *option;
            disc.palette = OutlinedOnBlue(option->palette);
            disc.palette.setColor(QPalette::Base, kDesignWhite);
            disc.palette.setColor(QPalette::Text, Qt::black);
            QProxyStyle::drawPrimitive(element, &disc, painter, widget);
            return;
        }
        case PE_FrameLineEdit:
        case PE_Frame:
        case PE_PanelButtonCommand: {
            // Reached through the subclass's own copy: buttons and frames carry more than a
            // QStyleOption, and Fusion reads it.
            if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
                QStyleOptionFrame outlined = *frame;
                outlined.palette = OutlinedOnBlue(frame->palette);
                QProxyStyle::drawPrimitive(element, &outlined, painter, widget);
                return;
            }
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
                QStyleOptionButton outlined = *button;
                outlined.palette = OutlinedOnBlue(button->palette);
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
