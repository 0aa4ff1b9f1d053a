#include "window/frame_style.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionGroupBox>

namespace ombrelo::window {
namespace {

constexpr int kCaptionInset = 6;    // pixels from the frame's left edge to the caption's box
constexpr int kCaptionPadding = 2;  // pixels of background either side of the caption text

}  // namespace

FrameStyle* FrameStyle::Shared() {
    static QPointer<FrameStyle> shared;
    if (shared.isNull()) {
        shared = new FrameStyle();
        shared->setParent(QCoreApplication::instance());
    }
    return shared;
}

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
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

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    painter->fillRect(box->rect, QColor(kDesignBlue));
    // Etched: a shadow line with a highlight line just inside it.
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    painter->setPen(box->palette.color(QPalette::Dark));
    painter->drawRect(frame.adjusted(0, 0, -2, -2));
    painter->setPen(box->palette.color(QPalette::Light));
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

}  // namespace ombrelo::window
