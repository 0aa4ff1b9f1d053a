#include "window/widgets/accessible_controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "window/widgets/notice.h"

namespace ombrelo::window {
namespace {

// A label beneath a shown text box, which hides it.
bool IsBeneathABox(const QWidget& label) {
    const QPoint centre = label.geometry().center();
    const QWidget* const container = label.parentWidget();
    if (container == nullptr) return false;  // the factory serves every label of the process
    for (const QLineEdit* box : container->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (box->isVisibleTo(container) && box->geometry().contains(centre)) return true;
    }
    return false;
}

// Nothing of a hidden control is announced.
QString AsShown(const QWidget& control, const QString& name) {
    return control.isVisibleTo(control.window()) ? name : QString();
}

class LabelAccessible final : public QAccessibleWidget {
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

  private:
    const QLabel& label() const { return *static_cast<const QLabel*>(widget()); }
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

// A text box as Qt describes it, but with its text as one run of attributes: Qt 6.4 reports
// an empty run at every offset, and a screen reader that splits the line by runs drops its last
// character ("1000" read as "100").
class LineEditAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LineEditAccessible(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return box().text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box().isReadOnly();
        state.editable = !box().isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override {
        return box().text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box().text().size()); }
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
    int offsetAtPoint(const QPoint& point) const override {
        return edit().cursorPositionAt(box().mapFromGlobal(point));
    }
    // Where the character is drawn, on screen, for a text that fits its box.
    QRect characterRect(int offset) const override {
        const QString whole = box().text();
        if (offset < 0 || offset >= whole.size()) return {};
        QStyleOptionFrame option;
        option.initFrom(&box());
        const QRect contents =
            box().style()->subElementRect(QStyle::SE_LineEditContents, &option, &box());
        const QFontMetrics metrics(box().font());
        const int width = metrics.horizontalAdvance(whole);
        int left = contents.left();
        if (box().alignment() & Qt::AlignHCenter) left += (contents.width() - width) / 2;
        if (box().alignment() & Qt::AlignRight) left = contents.right() - width;
        const QRect character(left + metrics.horizontalAdvance(whole.left(offset)),
                              contents.top() + (contents.height() - metrics.height()) / 2,
                              metrics.horizontalAdvance(whole.at(offset)), metrics.height());
        return QRect(box().mapToGlobal(character.topLeft()), character.size());
    }

  private:
    const QLineEdit& box() const { return *static_cast<const QLineEdit*>(widget()); }
    QLineEdit& edit() const { return *static_cast<QLineEdit*>(widget()); }
};

// Heard when shown: its text is its name.
class NoticeAccessible final : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        return static_cast<const Notice*>(widget())->Text();
    }
};

QAccessibleInterface* AccessibleControl(const QString& className, QObject* object) {
    if (className == QLatin1String(Notice::staticMetaObject.className()))
        return new NoticeAccessible(static_cast<Notice*>(object));
    // A top-level window is a frame, whose title a screen reader speaks when asked.
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QLabel"))
        return new LabelAccessible(static_cast<QLabel*>(object));
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

void RegisterAccessibleControls() {
    // Installed after the toolkit's own factory, so asked first.
    static const bool registered = [] {
        QAccessible::installFactory(&AccessibleControl);
        return true;
    }();
    (void)registered;
}

}  // namespace ombrelo::window
