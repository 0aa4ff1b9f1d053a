#include "window/widgets/number_label.h"

#include "window/widgets/form_style.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

namespace ombrelo::window {
namespace {

constexpr qreal kPointStep = 0.25;
constexpr int kPadding = 2;  // pixels kept clear inside the border on either side
const QString kEllipsis(QChar(0x2026));

}  // namespace

NumberLabel::NumberLabel(const QFont& designFont, Qt::Alignment designAlignment, QWidget* parent)
    : QLabel(parent), m_designFont(designFont), m_designAlignment(designAlignment) {
    setFont(designFont);
    setAlignment(designAlignment);
    setTextFormat(Qt::PlainText);  // a number, never markup
    setWordWrap(false);
    setIndent(kPadding);
    // Reached by Tab, read by a screen reader with the caption that names it, selected and
    // copied with the mouse, the keyboard and the context menu.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

// Copy takes the selection, or the whole number when nothing is selected, as the menu's does.
void NumberLabel::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) && !hasSelectedText() && !text().isEmpty()) {
        QGuiApplication::clipboard()->setText(text());
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

int NumberLabel::UsableWidth() const {
    return contentsRect().width() - 2 * kPadding;
}

// The largest size the whole text fits at, or the floor with the text cut.
NumberLabel::Fitting NumberLabel::FitFor(const QString& whole) const {
    const int width = UsableWidth();
    QFont font = m_designFont;
    const qreal floorPoints = kFloorPoints * DesignPointScale();
    for (qreal points = m_designFont.pointSizeF(); points >= floorPoints - 1e-9;
         points -= kPointStep) {
        font.setPointSizeF(points);
        // Measured on this label's own screen, not the primary one.
        if (QFontMetricsF(font, this).horizontalAdvance(whole) <= width) return {points, whole, -1};
    }
    // At the floor and still too wide: the beginning, then an ellipsis where the cut is.
    font.setPointSizeF(floorPoints);
    const QFontMetricsF metrics(font, this);
    const QString elided = metrics.elidedText(whole, Qt::ElideRight, width);
    return {floorPoints, elided, metrics.horizontalAdvance(elided.chopped(1))};
}

// Takes the fit of the text and width as they are, once for each change of either. Run as the
// label is drawn: QLabel::setText is no virtual and tells the label nothing, so only drawing
// sees every text, whether it was written through a NumberLabel or a QLabel pointer.
void NumberLabel::Fit() {
    const QString whole = text();
    const int width = UsableWidth();
    if (whole == m_fittedText && width == m_fittedWidth) return;
    m_fittedText = whole;
    m_fittedWidth = width;
    const Fitting fitting = FitFor(whole);
    QFont font = m_designFont;
    font.setPointSizeF(fitting.points);
    setFont(font);
    m_cutAt = fitting.cutAt;
    setAlignment(m_cutAt < 0 ? m_designAlignment
                             : (m_designAlignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft);
}

void NumberLabel::paintEvent(QPaintEvent* event) {
    Fit();
    QLabel::paintEvent(event);
    if (m_cutAt < 0) return;
    // The text is drawn left-aligned and whole, so selecting it works as usual; its end is
    // covered from the cut on, and the ellipsis drawn there.
    QPainter painter(this);
    const QRect contents = contentsRect();
    QRectF cover(contents.left() + indent() + m_cutAt, contents.top(), 0, contents.height());
    cover.setRight(contents.right() + 1);
    painter.fillRect(cover, palette().brush(backgroundRole()));
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(cover, static_cast<int>(alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft,
                     kEllipsis);
}

// Qt 6.4 offers no context menu on a plain-text label, so it is made here, with Qt's own
// wording: Copy takes the selection, or the whole number when nothing is selected.
void NumberLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (text().isEmpty()) {
        event->ignore();
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this, [this] {
        QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
    });
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                    [this] { setSelection(0, static_cast<int>(text().size())); });
    menu->popup(event->globalPos());
}

// The tooltip is the whole text as it is now, whatever is shown.
bool NumberLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (text().isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        }
        return true;
    }
    return QLabel::event(event);
}

}  // namespace ombrelo::window
