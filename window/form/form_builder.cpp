#include "window/form/form_builder.h"

#include "window/desktop/qt_text.h"
#include "window/form/form1_controls.h"
#include "window/widgets/accessible_controls.h"
#include "window/widgets/event_filter.h"
#include "window/widgets/form_look.h"
#include "window/widgets/form_style.h"
#include "window/widgets/number_label.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace ombrelo::window {
namespace {

Qt::Alignment ToQt(Align align) {
    switch (align) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

QWidget* MakeFrame(const ControlRow& row, QWidget& parent) {
    auto* frame = new QGroupBox(ToQString(row.text), &parent);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

QWidget* MakeLabel(const ControlRow& row, QWidget& parent) {
    const Qt::Alignment alignment = ToQt(row.align) | Qt::AlignTop;
    QLabel* label = nullptr;
    if (row.number) {
        label = new NumberLabel(MakeFont(row.font), alignment, &parent);
    } else {
        label = new QLabel(&parent);
        label->setWordWrap(true);
        label->setAlignment(alignment);
        // Captions come from the catalog at run time: never read them as markup.
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
    }
    label->setText(ToQString(row.text));
    if (row.border) {
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
    }
    return label;
}

QWidget* MakeTextBox(const ControlRow& row, QWidget& parent) {
    auto* box = new QLineEdit(&parent);
    if (row.maxLength > 0) box->setMaxLength(row.maxLength);
    box->setReadOnly(row.readOnly);
    box->setAlignment(ToQt(row.align) | Qt::AlignVCenter);
    box->setText(ToQString(row.text));
    return box;
}

QWidget* MakeMultiLineText(const ControlRow& row, QWidget& parent) {
    auto* box = new QPlainTextEdit(&parent);
    box->setReadOnly(row.readOnly);
    if (row.readOnly) {
        // Read-only, yet the caret still moves, selects and scrolls by keyboard.
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    box->setFocusPolicy(Qt::StrongFocus);
    box->setVerticalScrollBarPolicy(row.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QString lines = ToQString(row.text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(lines);
    return box;
}

QWidget* MakeComboBox(const ControlRow& row, QWidget& parent) {
    auto* combo = new QComboBox(&parent);
    // Its field is styled before the combo box takes it: another style would give the field
    // margins of its own on the way.
    auto* field = new QLineEdit(combo);
    field->setStyle(FormStyle::Shared());
    combo->setStyle(FormStyle::Shared());
    combo->setLineEdit(field);
    // Typed text stays typed text: it is neither added to the list nor completed.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    if (row.maxLength > 0) combo->lineEdit()->setMaxLength(row.maxLength);
    if (row.items != nullptr) {
        QStringList items;
        for (const std::string_view item : row.items())
            items.append(ToQString(item));
        combo->addItems(items);
    }
    // Adding items selects the first; the field starts with a text of its own.
    combo->setCurrentIndex(-1);
    combo->setEditText(ToQString(row.text));
    return combo;
}

QWidget* MakeLine(QWidget& parent) {
    auto* line = new QFrame(&parent);
    line->setFrameShape(QFrame::NoFrame);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

// The widget of every kind but the timer, which is no widget.
QWidget* MakeWidget(const ControlRow& row, QWidget& parent) {
    switch (row.kind) {
        case ControlKind::Frame:
            return MakeFrame(row, parent);
        case ControlKind::Label:
            return MakeLabel(row, parent);
        case ControlKind::TextBox:
            return MakeTextBox(row, parent);
        case ControlKind::MultiLineText:
            return MakeMultiLineText(row, parent);
        case ControlKind::CommandButton:
            // An "&" in the caption gives the button its Alt+letter shortcut.
            return new QPushButton(ToQString(row.text), &parent);
        case ControlKind::OptionButton:
            return new QRadioButton(ToQString(row.text), &parent);
        case ControlKind::ComboBox:
            return MakeComboBox(row, parent);
        case ControlKind::Line:
            return MakeLine(parent);
        case ControlKind::Timer:
            break;
    }
    throw std::logic_error("a timer is no widget");
}

void Place(QWidget& widget, const ControlRow& row) {
    int width = TwipsToPixels(row.width);
    int height = TwipsToPixels(row.height);
    if (row.kind == ControlKind::Line) {
        // A line is one pixel across.
        width = std::max(width, 1);
        height = std::max(height, 1);
    }
    widget.setGeometry(TwipsToPixels(row.left), TwipsToPixels(row.top), width, height);
}

// What a screen reader hears of a control that no label names.
void NameForScreenReaders(QWidget& widget, const ControlRow& row, QWidget& parent) {
    widget.setAccessibleDescription(ToQString(row.accessibleDescription));
    if (row.accessibleName.empty()) return;
    widget.setAccessibleName(ToQString(row.accessibleName));
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        combo->lineEdit()->setAccessibleName(ToQString(row.accessibleName));
        // On Linux Qt names a combo box by its text; screen readers hear its name from a
        // label for it, which here takes no room.
        auto* name = new QLabel(ToQString(row.accessibleName), &parent);
        name->setObjectName(widget.objectName() + QStringLiteral("Name"));
        name->setGeometry(widget.x(), widget.y(), 0, 0);
        name->setBuddy(combo);
    }
}

// A member of a control array joins its array's button group, under its index.
void JoinArray(QWidget& window, QWidget& widget, const ControlRow& row) {
    const QString name = ToQString(row.name);
    auto* group = window.findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
    if (group == nullptr) {
        group = new QButtonGroup(&window);
        group->setObjectName(name);
        group->setExclusive(false);
    }
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    if (button == nullptr) throw std::logic_error("only buttons form control arrays");
    group->addButton(button, row.index);
}

// One row as its object: the widget with its initial state, or the timer.
QObject* MakeControl(QWidget& window, const ControlRow& row, QWidget& parent,
                     QObject* renewOnShow) {
    if (row.kind == ControlKind::Timer) {
        auto* timer = new QTimer(&parent);
        timer->setObjectName(QString::fromStdString(ObjectName(row)));
        timer->setInterval(row.intervalMs);
        return timer;
    }
    QWidget* widget = MakeWidget(row, parent);
    // One style for every widget of the window, the parts of compound controls included (a
    // style set on a widget does not pass to its children), before anything is placed by its
    // metrics.
    widget->setStyle(FormStyle::Shared());
    for (QWidget* part : widget->findChildren<QWidget*>())
        part->setStyle(FormStyle::Shared());
    widget->setObjectName(QString::fromStdString(ObjectName(row)));
    widget->setFont(MakeFont(row.font));
    ApplyPaint(*widget, row.paint);
    Place(*widget, row);
    NameForScreenReaders(*widget, row, parent);
    widget->setEnabled(row.enabled);
    if (!row.visible) widget->setHidden(true);
    if (Listed(row.control).form == ControlForm::Array) JoinArray(window, *widget, row);
    widget->installEventFilter(renewOnShow);
    return widget;
}

void SetUpWindow(QWidget& window, const WindowRow& design) {
    window.setStyle(FormStyle::Shared());
    window.setWindowTitle(ToQString(design.caption));
    window.setFixedSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight));
    // A fixed window offers no maximize: without this hint a window manager leaves the button
    // out. Qt 6.4's own decoration (Wayland without server-side decorations) draws it anyway.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.setFont(MakeFont(kDefaultFont));
}

// Within each container, labels and lines lie beneath the windowed controls, and among
// either kind a row listed earlier lies above one listed later. Raising bottom-up gives that.
void Stack(std::span<const ControlRow> rows, const std::vector<QObject*>& objects) {
    std::vector<std::string_view> containers{std::string_view{}};
    for (const ControlRow& row : rows) {
        if (row.kind == ControlKind::Frame) containers.push_back(row.name);
    }
    for (const std::string_view container : containers) {
        for (const bool windowed : {false, true}) {
            for (std::size_t i = rows.size(); i-- > 0;) {
                const ControlRow& row = rows[i];
                if (row.container != container || row.kind == ControlKind::Timer) continue;
                if (IsWindowed(row.kind) != windowed) continue;
                static_cast<QWidget*>(objects[i])->raise();
            }
        }
    }
}

bool TakesFocus(ControlKind kind) {
    return IsWindowed(kind) && kind != ControlKind::Frame;
}

void ChainTabOrder(std::span<const ControlRow> rows, const std::vector<QObject*>& objects) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (TakesFocus(rows[i].kind) && rows[i].tabIndex >= 0) order.push_back(i);
    }
    std::ranges::sort(order, {}, [&](std::size_t i) { return rows[i].tabIndex; });
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(static_cast<QWidget*>(objects[order[k - 1]]),
                             static_cast<QWidget*>(objects[order[k]]));
    }
    // The focus starts at the lowest tab index once the window is shown.
    if (!order.empty()) static_cast<QWidget*>(objects[order.front()])->setFocus();
}

// A label names the control beside it for screen readers, by its caption as it changes.
void ConnectBuddies(QWidget& window, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        if (row.buddy.empty()) continue;
        QLabel* label = nullptr;
        QWidget* named = nullptr;
        FindControl(window, label, std::string(row.name));
        FindControl(window, named, std::string(row.buddy));
        label->setBuddy(named);
    }
}

}  // namespace

void BuildForm(QWidget& window, const WindowRow& design, std::span<const ControlRow> rows) {
    RegisterFontSubstitutes();
    RegisterAccessibleControls(window);
    SetUpWindow(window, design);

    // Shown again, a control is new to screen readers (accessible_controls.h).
    auto* const renewOnShow = new EventFilter(&window, [](QObject* watched, QEvent* event) {
        if (event->type() == QEvent::Show) RenewAccessible(*watched);
        return false;
    });
    std::vector<QObject*> objects;
    objects.reserve(rows.size());
    const auto container = [&](std::string_view name) -> QWidget& {
        if (name.empty()) return window;
        for (std::size_t i = 0; i < objects.size(); ++i) {
            if (rows[i].name == name) return *static_cast<QWidget*>(objects[i]);
        }
        throw std::logic_error("a control is listed before its frame " + std::string(name));
    };
    for (const ControlRow& row : rows)
        objects.push_back(MakeControl(window, row, container(row.container), renewOnShow));

    Stack(rows, objects);
    ChainTabOrder(rows, objects);
    ConnectBuddies(window, rows);
}

}  // namespace ombrelo::window
