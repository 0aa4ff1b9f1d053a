#include "window/accessible_controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>

namespace ombrelo::window {
namespace {

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
            for (const QLabel* label : option().parentWidget()->findChildren<QLabel*>()) {
                if (label->buddy() == &option()) name = label->text();
            }
        }
        return AsShown(option(), name);
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

QAccessibleInterface* AccessibleControl(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel"))
        return new LabelAccessible(static_cast<QLabel*>(object));
    if (className == QLatin1String("QRadioButton"))
        return new OptionAccessible(static_cast<QRadioButton*>(object));
    return nullptr;
}

}  // namespace

void RegisterAccessibleControls() {
    // Installed after the toolkit's own factory, so asked first.
    static const bool registered = [] {
        QAccessible::installFactory(&AccessibleControl);
        return true;
    }();
    (void)registered;
}

}  // namespace ombrelo::window
