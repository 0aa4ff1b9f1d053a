#pragma once

// Drives Form1 the way a user does: mouse clicks delivered to the window (so whatever lies on
// top at that point receives them) and keys typed into the control that has the focus.

#include <initializer_list>
#include <string_view>

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "numbers/regional_settings.h"
#include "tests/window/test_platform.h"
#include "window/form1.h"
#include "window/handlers/control_ops.h"
#include "window/widgets/event_filter.h"
#include "window/widgets/notice.h"

// Failures show texts, not UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ombrelo::window {

using Widgets = std::initializer_list<QWidget*>;

// Types each character of the text as its own key, whatever its script (QTest::keyClicks takes
// Latin-1 only), to the given control or, with none, to the one that has the focus.
inline void TypeText(QWidget* control, const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        const QString typed = QString::fromUcs4(&character, 1);
        const Qt::Key key = character >= U' ' && character < 0x7F
                                ? QTest::asciiToKey(static_cast<char>(character))
                                : Qt::Key_unknown;
        QWidget* target = control != nullptr ? control : QApplication::focusWidget();
        if (target == nullptr) return;
        QTest::sendKeyEvent(QTest::Click, target, key, typed, Qt::NoModifier);
    }
}

// Appends to `heard` what a screen reader reads of each notice the window shows, in order.
inline void RecordNotices(QWidget& form, QStringList& heard) {
    auto* const notice = form.findChild<Notice*>();
    ASSERT_NE(notice, nullptr);
    notice->installEventFilter(new EventFilter(notice, [&heard](QObject* shown, QEvent* event) {
        if (event->type() != QEvent::Show) return false;
        // A screen reader speaks, and puts on a braille display, the labels inside a
        // notification that have no relations and do not repeat the notification's own name.
        QAccessibleInterface* const notification = QAccessible::queryAccessibleInterface(shown);
        EXPECT_EQ(notification->role(), QAccessible::Notification);
        EXPECT_EQ(notification->text(QAccessible::Name), QString());
        EXPECT_EQ(notification->childCount(), 1);
        QAccessibleInterface* const label = notification->child(0);
        if (label == nullptr) return false;
        EXPECT_EQ(label->role(), QAccessible::StaticText);
        EXPECT_TRUE(label->relations().isEmpty());
        heard.append(label->text(QAccessible::Name));
        return false;
    }));
}

// A shown, active window under fixed regional settings: "." decimal, "," in groups of three.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        form.activateWindow();  // where no window manager does it (a bare X server)
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // An option button at its circle (a click elsewhere in a wide button may miss its text),
    // anything else at its centre.
    static void Click(QWidget* control) {
        QPoint at = control->rect().center();
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton style;
            style.initFrom(option);
            at = option->style()
                     ->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option)
                     .center();
        }
        QTest::mouseClick(control, Qt::LeftButton, {}, at);
    }

    // Keys go to the window that has the focus, and there to its focused control. Texts are
    // UTF-8, as the catalog's.
    static void Type(std::string_view text) { TypeText(nullptr, ToQString(text)); }
    // Alt with the letter, as typed into the window.
    void AccessKey(Qt::Key key) { QTest::keyClick(form.windowHandle(), key, Qt::AltModifier); }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
    }

    // Clicks into the box, selects what it holds and types over it.
    static void TypeInto(QLineEdit* box, std::string_view text) {
        Click(box);
        ASSERT_TRUE(box->hasFocus());
        Press(Qt::Key_A, Qt::ControlModifier);
        Press(Qt::Key_Delete);
        Type(text);
    }

    void TypeArea(std::string_view text) { TypeInto(ui.Combo1->lineEdit(), text); }
    void SelectArea(std::string_view text) {
        TypeArea(text);
        Click(ui.cmdSelect);
    }
    void ChooseFormula(std::string_view area, int slot) {
        SelectArea(area);
        Click(ui.optForm[static_cast<std::size_t>(slot)]);
    }
    QRadioButton* Direction(bool forward) const { return forward ? ui.optCalc1 : ui.optCalc2; }
    QLineEdit* AmountBox(bool forward) const { return forward ? ui.txtCalc1 : ui.txtCalc2; }

    // Area, formula button and direction, then the amount typed into the focused box.
    void Convert(std::string_view area, int slot, bool forward, std::string_view amount) {
        ChooseFormula(area, slot);
        Click(Direction(forward));
        Type(amount);
        Click(ui.cmdByteConvert);
    }

    RecordingPlatform platform;
    numbers::FixedRegionalSettings regional;
    Form1 form{platform, regional};
    const Form1Controls ui = FindControls(form);
};

}  // namespace ombrelo::window
