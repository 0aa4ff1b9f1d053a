#include "window/form/form_builder.h"

#include "window/desktop/qt_text.h"
#include "window/form/form1_controls.h"
#include "window/widgets/accessible_controls.h"
#include "window/widgets/event_filter.h"
#include "window/widgets/form_style.h"
#include "window/widgets/number_label.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
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

constexpr std::string_view kClassicSans = "MS Sans Serif";

// The stand-in for the classic sans is drawn wider than the face the layout was made for;
// narrowed to 93 % it takes the same room, so captions fit their controls as designed.
int ClassicSansStretch() {
    static const int stretch =
        QFontDatabase::hasFamily(ToQString(kClassicSans)) ? QFont::Unstretched : 93;
    return stretch;
}

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

// The design's blue is painted by the window and the frames themselves (FormStyle) and put
// in no palette: a palette passes down to every child, and the standard controls inside must
// keep the platform's own colours, and follow them when the desktop's theme changes. Only the
// design's own controls carry a colour: white text, or the white of the line.
void ApplyPaint(QWidget& widget, ControlKind kind, Paint paint) {
    switch (paint) {
        case Paint::WhiteOnBlue:
        case Paint::WhiteOnTransparent: {
            if (kind == ControlKind::Frame) return;  // FormStyle paints its blue and caption
            // Drawn on the blue of the frame or window beneath.
            QPalette palette = widget.palette();
            palette.setColor(QPalette::WindowText, kDesignWhite);
            widget.setPalette(palette);
            return;
        }
        case Paint::White: {
            QPalette palette = widget.palette();
            palette.setColor(QPalette::Window, kDesignWhite);
            widget.setPalette(palette);
            widget.setAutoFillBackground(true);
            return;
        }
        case Paint::Standard:
            if (kind == ControlKind::Label) {
                // A label with the standard colours shows the button face, by role, so that
                // it follows the platform's palette.
                widget.setBackgroundRole(QPalette::Button);
                widget.setForegroundRole(QPalette::ButtonText);
                widget.setAutoFillBackground(true);
            }
            return;
    }
}

QWidget* MakeWidget(const ControlRow& row, QWidget& parent) {
    const QString text = ToQString(row.text);
    switch (row.kind) {
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(text, &parent);
            frame->setFocusPolicy(Qt::NoFocus);
            return frame;
        }
        case ControlKind::Label: {
            const Qt::Alignment alignment = ToQt(row.align) | Qt::AlignTop;
            QLabel* label = nullptr;
            if (row.number) {
                auto* number = new NumberLabel(MakeFont(row.font), alignment, &parent);
                number->setText(text);  // through its own writing, which fits it
                label = number;
            } else {
                label = new QLabel(&parent);
                label->setWordWrap(true);
                label->setAlignment(alignment);
                // Captions come from the catalog at run time: never read them as markup.
                label->setTextFormat(Qt::PlainText);
                label->setText(text);
            }
            if (row.border) {
                label->setFrameShape(QFrame::Box);
                label->setLineWidth(1);
            }
            if (!row.number) label->setFocusPolicy(Qt::NoFocus);
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(&parent);
            if (row.maxLength > 0) box->setMaxLength(row.maxLength);
            box->setReadOnly(row.readOnly);
            box->setAlignment(ToQt(row.align) | Qt::AlignVCenter);
            box->setText(text);
            return box;
        }
        case ControlKind::MultiLineText: {
            auto* box = new QPlainTextEdit(&parent);
            box->setReadOnly(row.readOnly);
            if (row.readOnly) {
                // Read-only, yet the caret still moves, selects and scrolls by keyboard.
                box->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
            }
            box->setFocusPolicy(Qt::StrongFocus);
            box->setVerticalScrollBarPolicy(row.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            QString lines = text;
            lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            box->setPlainText(lines);
            return box;
        }
        case ControlKind::CommandButton:
            // An "&" in the caption gives the button its Alt+letter shortcut.
            return new QPushButton(text, &parent);
        case ControlKind::OptionButton:
            return new QRadioButton(text, &parent);
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(&parent);
            // Its field is styled before the combo box takes it: another style would give
            // the field margins of its own on the way.
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
            combo->setEditText(text);
            return combo;
        }
        case ControlKind::Line: {
            auto* line = new QFrame(&parent);
            line->setFrameShape(QFrame::NoFrame);
            line->setFocusPolicy(Qt::NoFocus);
            return line;
        }
        case ControlKind::Timer:
            break;
    }
    return nullptr;
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

}  // namespace

void RegisterFontSubstitutes() {
    // The classic faces are not on a Linux desktop; these stand in for them, each list in
    // order of preference, falling back to the desktop's default sans.
    static const bool registered = [] {
        const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                               QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
        QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
        QFont::insertSubstitutions(QStringLiteral("Fairydust"),
                                   QStringList{QStringLiteral("Dancing Script")} + sans);
        return true;
    }();
    (void)registered;
}

void BuildForm(QWidget& window, const WindowRow& design, std::span<const ControlRow> rows) {
    RegisterFontSubstitutes();
    RegisterAccessibleControls(window);

    window.setStyle(FormStyle::Shared());
    window.setWindowTitle(ToQString(design.caption));
    window.setFixedSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight));
    // A fixed window offers no maximize: without this hint a window manager leaves the button
    // out. Qt 6.4's own decoration (Wayland without server-side decorations) draws it anyway.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.setFont(MakeFont(kDefaultFont));

    // Shown again, a control is new to screen readers (accessible_controls.h).
    auto* const renewOnShow = new EventFilter(&window, [](QObject* watched, QEvent* event) {
        if (event->type() == QEvent::Show) RenewAccessible(*watched);
        return false;
    });

    std::vector<QObject*> objects;
    objects.reserve(rows.size());
    std::vector<QButtonGroup*> groups;

    const auto container = [&](std::string_view name) -> QWidget& {
        if (name.empty()) return window;
        for (std::size_t i = 0; i < objects.size(); ++i) {
            if (rows[i].name == name && rows[i].kind == ControlKind::Frame) {
                return *static_cast<QWidget*>(objects[i]);
            }
        }
        throw std::logic_error("a control is listed before its frame " + std::string(name));
    };

    for (const ControlRow& row : rows) {
        QWidget& parent = container(row.container);
        if (row.kind == ControlKind::Timer) {
            auto* timer = new QTimer(&parent);
            timer->setObjectName(QString::fromStdString(ObjectName(row)));
            timer->setInterval(row.intervalMs);
            objects.push_back(timer);
            continue;
        }
        QWidget* widget = MakeWidget(row, parent);
        // One style for every widget of the window, the parts of compound controls included
        // (a style set on a widget does not pass to its children), before anything is placed
        // by its metrics.
        widget->setStyle(FormStyle::Shared());
        for (QWidget* part : widget->findChildren<QWidget*>())
            part->setStyle(FormStyle::Shared());
        widget->setObjectName(QString::fromStdString(ObjectName(row)));
        widget->setFont(MakeFont(row.font));
        ApplyPaint(*widget, row.kind, row.paint);
        Place(*widget, row);
        if (!row.accessibleName.empty()) {
            widget->setAccessibleName(ToQString(row.accessibleName));
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                combo->lineEdit()->setAccessibleName(ToQString(row.accessibleName));
                // On Linux Qt names a combo box by its text; screen readers hear its name from
                // a label for it, which here takes no room.
                auto* name = new QLabel(ToQString(row.accessibleName), &parent);
                name->setObjectName(widget->objectName() + QStringLiteral("Name"));
                name->setGeometry(widget->x(), widget->y(), 0, 0);
                name->setBuddy(combo);
            }
        }
        widget->setAccessibleDescription(ToQString(row.accessibleDescription));
        widget->setEnabled(row.enabled);
        if (!row.visible) widget->setHidden(true);
        if (row.index >= 0) {
            const QString name = ToQString(row.name);
            auto found = std::ranges::find(groups, name, &QButtonGroup::objectName);
            QButtonGroup* group = nullptr;
            if (found == groups.end()) {
                group = new QButtonGroup(&window);
                group->setObjectName(name);
                group->setExclusive(false);
                groups.push_back(group);
            } else {
                group = *found;
            }
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (button == nullptr) throw std::logic_error("only buttons form control arrays");
            group->addButton(button, row.index);
        }
        widget->installEventFilter(renewOnShow);
        objects.push_back(widget);
    }

    Stack(rows, objects);
    ChainTabOrder(rows, objects);
    // A label names the control beside it for screen readers, by its caption as it changes.
    for (const ControlRow& row : rows) {
        if (row.buddy.empty()) continue;
        QLabel* label = nullptr;
        QWidget* named = nullptr;
        FindControl(window, label, std::string(row.name));
        FindControl(window, named, std::string(row.buddy));
        label->setBuddy(named);
    }
}

}  // namespace ombrelo::window
