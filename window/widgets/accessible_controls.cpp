#include "window/widgets/accessible_controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVariant>

#include "window/widgets/notice.h"
#include "window/widgets/number_label.h"

namespace ombrelo::window {
namespace {

// Marks a window whose controls these objects serve; any other window (a message box, a
// dialog of Qt's) keeps Qt's own objects and everything they offer.
constexpr char kServedWindow[] = "ombreloAccessibleControls";

bool IsServed(const QObject* object) {
    if (!object->isWidgetType()) return false;
    return static_cast<const QWidget*>(object)->window()->property(kServedWindow).toBool();
}

// A label beneath a shown text box, which hides it.
bool IsBeneathABox(const QWidget& label) {
    const QPoint centre = label.geometry().center();
    const QWidget* const container = label.parentWidget();
    if (container == nullptr) return false;
    for (const QLineEdit* box : container->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (box->isVisibleTo(container) && box->geometry().contains(centre)) return true;
    }
    return false;
}

// Nothing of a hidden control is announced.
QString AsShown(const QWidget& control, const QString& name) {
    return control.isVisibleTo(control.window()) ? name : QString();
}

// A text offered to assistive technology as one run of attributes, read by offsets: braille
// displays and a screen reader's review read a control's text through this, not its name.
// Qt 6.4 reports an empty run at every offset of a line edit, and a screen reader that splits
// the line by runs drops its last character ("1000" read as "100").
class WholeText : public QAccessibleTextInterface {
  public:
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override {
        return Whole().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Whole().size()); }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    // The character whose drawn place holds the point, by the same measure as characterRect.
    int offsetAtPoint(const QPoint& point) const override {
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (characterRect(offset).contains(point)) return offset;
        }
        return -1;
    }

  protected:
    virtual QString Whole() const = 0;
};

class LabelAccessible : public QAccessibleWidget {
  public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const QString name = label().accessibleName();
        if (IsBeneathABox(label())) return {};
        return AsShown(label(), name.isEmpty() ? label().text() : name);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) != 0 && label().buddy() != nullptr) {
            if (QAccessibleInterface* named =
                    QAccessible::queryAccessibleInterface(label().buddy()))
                found.append({named, QAccessible::Labelled});
        }
        return found;
    }

  protected:
    const QLabel& label() const { return *static_cast<const QLabel*>(widget()); }
};

// A computed result: read by its caption and its number, and offered as text that can be
// read, reviewed and selected, but not changed. The caret stands where the selection ends.
class NumberLabelAccessible final : public LabelAccessible, public WholeText {
  public:
    explicit NumberLabelAccessible(NumberLabel* label) : LabelAccessible(label) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return LabelAccessible::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = LabelAccessible::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    int cursorPosition() const override { return label().hasSelectedText() ? SelectionEnd() : 0; }
    void setCursorPosition(int position) override { number().setSelection(position, 0); }
    int selectionCount() const override { return label().hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0 || !label().hasSelectedText()) return;
        *startOffset = label().selectionStart();
        *endOffset = SelectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int /*index*/) override { number().setSelection(0, 0); }
    void setSelection(int /*index*/, int startOffset, int endOffset) override {
        number().setSelection(startOffset, endOffset - startOffset);
    }
    // Where the label draws the character, on screen: its text on one line, in its font, at
    // its alignment. A character past a cut ("…") is not drawn and has no place.
    QRect characterRect(int offset) const override {
        const QString whole = Whole();
        const QString shown = number().ShownText();
        const bool cut = shown != whole;
        if (offset < 0 || offset >= whole.size() || (cut && offset >= shown.size() - 1)) return {};
        const QFontMetricsF metrics(label().font(), &label());
        const QRectF contents =
            QRectF(label().contentsRect()).adjusted(label().indent(), 0, -label().indent(), 0);
        const qreal width = metrics.horizontalAdvance(whole);
        qreal left = contents.left();
        const Qt::Alignment alignment = label().alignment();
        if (alignment & Qt::AlignHCenter) left += (contents.width() - width) / 2;
        if (alignment & Qt::AlignRight) left = contents.right() - width;
        qreal top = contents.top();
        if (alignment & Qt::AlignVCenter) top += (contents.height() - metrics.height()) / 2;
        const QRectF character(left + metrics.horizontalAdvance(whole.left(offset)), top,
                               metrics.horizontalAdvance(whole.at(offset)), metrics.height());
        const QRect local = character.toAlignedRect();
        return {label().mapToGlobal(local.topLeft()), local.size()};
    }

  private:
    QString Whole() const override { return label().text(); }
    int SelectionEnd() const {
        return label().selectionStart() + static_cast<int>(label().selectedText().size());
    }
    NumberLabel& number() const { return *static_cast<NumberLabel*>(widget()); }
};

class OptionAccessible final : public QAccessibleWidget {
  public:
    explicit OptionAccessible(QRadioButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        QString name = option().accessibleName();
        if (name.isEmpty()) name = QString(option().text()).remove(QLatin1Char('&'));
        if (name.isEmpty()) {
            // Its caption stands on a label beside it.
            const QWidget* const container = option().parentWidget();
            for (const QLabel* label :
                 container != nullptr ? container->findChildren<QLabel*>() : QList<QLabel*>()) {
                if (label->buddy() == &option()) name = label->text();
            }
        }
        return AsShown(option(), name);
    }

    // The label beside it is its caption, not its group's: a screen reader that took it as
    // the group's title would read the caption twice.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        found.removeIf([](const auto& relation) { return relation.second == QAccessible::Label; });
        return found;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option().isChecked();
        state.pressed = option().isDown();
        return state;
    }

    // Choosing it from a screen reader is a click, so its handler runs as for the mouse.
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) names.prepend(toggleAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled()) static_cast<QRadioButton*>(widget())->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    const QRadioButton& option() const { return *static_cast<const QRadioButton*>(widget()); }
};

// A text box as Qt's own object describes it (its text, caret, selection, and editing by
// assistive technology such as voice control), with its text as one run of attributes and its
// characters placed where they are drawn, scrolled or centred. Edits go through the box's own
// editing, so they keep to its maximum length as typing does; a read-only box offers none.
class LineEditAccessible final : public QAccessibleWidget,
                                 public WholeText,
                                 public QAccessibleEditableTextInterface {
  public:
    explicit LineEditAccessible(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface && !box().isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using WholeText::text;
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return box().text();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind != QAccessible::Value) return QAccessibleWidget::setText(kind, text);
        replaceText(0, characterCount(), text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box().isReadOnly();
        state.editable = !box().isReadOnly();
        state.selectableText = true;
        return state;
    }

    int cursorPosition() const override { return box().cursorPosition(); }
    void setCursorPosition(int position) override { edit().setCursorPosition(position); }
    int selectionCount() const override { return box().hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0 || !box().hasSelectedText()) return;
        *startOffset = box().selectionStart();
        *endOffset = box().selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int /*index*/) override { edit().deselect(); }
    void setSelection(int /*index*/, int startOffset, int endOffset) override {
        edit().setSelection(startOffset, endOffset - startOffset);
    }
    void scrollToSubstring(int startIndex, int /*endIndex*/) override {
        edit().setCursorPosition(startIndex);
    }
    // Measured from the caret, which the box itself places after scrolling and alignment; the
    // rectangle it reports for an input method is wider than the caret, around it.
    QRect characterRect(int offset) const override {
        const QString whole = box().text();
        if (offset < 0 || offset >= whole.size()) return {};
        const QRectF caret = box().inputMethodQuery(Qt::ImCursorRectangle).toRectF();
        const QFontMetricsF metrics(box().font(), &box());
        const qreal left = caret.center().x() + metrics.horizontalAdvance(whole.left(offset)) -
                           metrics.horizontalAdvance(whole.left(box().cursorPosition()));
        const QRect local =
            QRectF(left, caret.top(), metrics.horizontalAdvance(whole.at(offset)), caret.height())
                .toAlignedRect();
        return {box().mapToGlobal(local.topLeft()), local.size()};
    }

    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (box().isReadOnly()) return;
        edit().setSelection(startOffset, endOffset - startOffset);
        edit().insert(text);
    }

  private:
    QString Whole() const override { return box().text(); }
    const QLineEdit& box() const { return *static_cast<const QLineEdit*>(widget()); }
    QLineEdit& edit() const { return *static_cast<QLineEdit*>(widget()); }
};

// Heard when shown, by the label inside it (notice.h). A name of its own would hide the
// label: a screen reader leaves out a label that repeats the name of what holds it.
class NoticeAccessible final : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return {};
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* AccessibleControl(const QString& className, QObject* object) {
    if (!IsServed(object)) return nullptr;
    auto* const widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(Notice::staticMetaObject.className()))
        return new NoticeAccessible(static_cast<Notice*>(object));
    // A top-level window is a frame, whose title a screen reader speaks when asked.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("QLabel")) {
        if (auto* number = dynamic_cast<NumberLabel*>(widget))
            return new NumberLabelAccessible(number);
        return new LabelAccessible(static_cast<QLabel*>(object));
    }
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit*>(object));
    if (className == QLatin1String("QRadioButton"))
        return new OptionAccessible(static_cast<QRadioButton*>(object));
    return nullptr;
}

}  // namespace

void RenewAccessible(QObject& control) {
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(&control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
}

void RegisterAccessibleControls(QWidget& window) {
    // Installed after the toolkit's own factory, so asked first.
    static const bool registered = [] {
        QAccessible::installFactory(&AccessibleControl);
        return true;
    }();
    (void)registered;
    window.setProperty(kServedWindow, true);
}

}  // namespace ombrelo::window
