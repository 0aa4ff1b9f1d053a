#include <memory>
#include <string>
#include <vector>

#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPointer>

#include "calculator/calculator_engine.h"
#include "tests/window/form_driver.h"
#include "window/desktop/system_regional_settings.h"

namespace ombrelo::window {
namespace {

using namespace Qt::StringLiterals;

// A key as the platform delivers it: Qt's key, its modifiers and the text it types (X11's).
struct NamedKey {
    std::string_view name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

// Keys written {Name} in a sequence; every other character is typed as itself.
constexpr NamedKey kNamedKeys[] = {
    {"Enter", Qt::Key_Return, {}, "\r"},
    {"Back", Qt::Key_Backspace, {}, "\b"},
    {"Del", Qt::Key_Delete, {}, "\x7f"},
    {"Esc", Qt::Key_Escape, {}, "\x1b"},
    {"Space", Qt::Key_Space, {}, " "},
    {"Alt+x", Qt::Key_X, Qt::AltModifier, "x"},
    {"Ctrl+x", Qt::Key_X, Qt::ControlModifier, "\x18"},
    {"Ctrl+v", Qt::Key_V, Qt::ControlModifier, "\x16"},
    // The keypad with Num Lock on.
    {"Kp1", Qt::Key_1, kKeypad, "1"},
    {"Kp2", Qt::Key_2, kKeypad, "2"},
    {"Kp3", Qt::Key_3, kKeypad, "3"},
    {"Kp5", Qt::Key_5, kKeypad, "5"},
    {"Kp+", Qt::Key_Plus, kKeypad, "+"},
    {"Kp-", Qt::Key_Minus, kKeypad, "-"},
    {"Kp*", Qt::Key_Asterisk, kKeypad, "*"},
    {"Kp/", Qt::Key_Slash, kKeypad, "/"},
    {"Kp.", Qt::Key_Period, kKeypad, "."},
    {"KpEnter", Qt::Key_Enter, kKeypad, "\r"},
    // With Num Lock off: keypad 5 and the keypad's decimal key.
    {"KpClear", Qt::Key_Clear, kKeypad, ""},
    {"KpDel", Qt::Key_Delete, kKeypad, "\x7f"},
};

// Sends each key of the sequence to the control that has the focus.
void SendKeys(std::string_view sequence) {
    while (!sequence.empty()) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (sequence.front() == '{') {
            const std::size_t end = sequence.find('}');
            const std::string_view name = sequence.substr(1, end - 1);
            const auto key = std::ranges::find(kNamedKeys, name, &NamedKey::name);
            ASSERT_NE(key, std::end(kNamedKeys)) << name;
            QTest::sendKeyEvent(QTest::Click, focus, key->key, QString::fromLatin1(key->text),
                                key->modifiers);
            sequence.remove_prefix(end + 1);
            continue;
        }
        // One whole UTF-8 character.
        std::size_t length = 1;
        while (length < sequence.size() && (sequence[length] & 0xC0) == 0x80)
            ++length;
        TypeText(focus, QString::fromUtf8(sequence.data(), static_cast<qsizetype>(length)));
        sequence.remove_prefix(length);
    }
}

class CalculatorPanel : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        QObject::connect(ui.txtDisplay, &QLineEdit::textChanged,
                         [this](const QString& text) { shown.push_back(text); });
    }

    void Open() {
        ASSERT_EQ(ui.cmdCalcu->text(), u"Calc&ulator"_s);
        Click(ui.cmdCalcu);
        ASSERT_TRUE(ui.frmCalcu->isVisible());
    }

    static void Keys(std::string_view sequence) { SendKeys(sequence); }

    void ExpectClosed() const {
        EXPECT_TRUE(ui.frmCalcu->isHidden());
        EXPECT_EQ(ui.cmdCalcu->text(), u"Calc&ulator"_s);
        EXPECT_TRUE(ui.cmdAbout->isEnabled());
        EXPECT_TRUE(ui.cmdNew->isEnabled());
    }

    std::vector<QString> shown;  // every text the display showed
};

// Keys typed with the focus on the display, and the display they leave. Typed characters never
// reach the display itself: only the calculator's operations change it.
TEST_F(CalculatorPanel, KeysTypedIntoTheDisplayActOnce) {
    const struct {
        const char* keys;
        const char* display;
        std::vector<int> errors;
    } cases[] = {
        {"12+3{Enter}", "15", {}},
        {"2x3X2*2/3-4=", "4", {}},
        {"5+3c4C=", "5", {}},  // c and C clear the entry only
        {"1234{Back}{Del}", "12", {}},
        {"5{Esc}{Space}a!", "5", {}},
        {"1.5.", "1.5", {}},
        // Every keypad key acts once; with Num Lock off the decimal key is Delete and keypad 5
        // a key that does nothing here.
        {"{Kp1}{Kp2}{Kp+}{Kp3}{Kp*}{Kp2}{Kp/}{Kp3}{Kp-}{Kp5}{KpEnter}", "5", {}},
        {"2{Kp*}{Kp3}{Kp.}{Kp5}{KpEnter}", "7", {}},
        {"123{KpDel}{KpClear}", "12", {}},
        {"5{Alt+x}3", "53", {}},  // Alt+letter matching no access key is no character
        {"٣+۴=", "7", {}},        // digits of other scripts
        {"7/0=", "0", {11}},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Click(ui.cmdClear);
        ui.txtDisplay->setFocus();
        shown.clear();
        platform.errors.clear();
        Keys(c.keys);
        EXPECT_EQ(ui.txtDisplay->text(), QString::fromUtf8(c.display));
        EXPECT_EQ(platform.errors, c.errors);
        for (const QString& text : shown) {
            EXPECT_FALSE(text.contains(u'+') || text.contains(u'\r') || text.contains(u'x'))
                << text.toStdString();
        }
    }
}

// Under the settings the program reads from the locale: its decimal separator is the point
// key, and a locale with digits of its own types and reads them in the display.
TEST_F(CalculatorPanel, TheRegionalDecimalSeparatorIsThePointKeyAndItsDigitsAreShown) {
    const struct {
        const char* locale;
        const char* keys;
        const char* shown;
    } cases[] = {
        {"de_DE", "1,5+1.25=", "2,75"},
        {"ar_EG", "١٫٥+1.25=", "٢٫٧٥"},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        regional.Set(SystemRegionalSettings(QLocale(QString::fromLatin1(c.locale))).Current());
        Keys("{Esc}C");
        Keys(c.keys);
        EXPECT_EQ(ui.txtDisplay->text(), QString::fromUtf8(c.shown));
    }
}

// The panel's buttons take the focus when clicked; the keys still drive the calculator, Enter
// performs Equals once without pressing the focused button, and Space presses it.
TEST_F(CalculatorPanel, KeysActWhileAPanelButtonHasTheFocus) {
    Open();
    Click(ui.cmdNumber[1]);
    Click(ui.cmdOperator[1]);
    Click(ui.cmdNumber[2]);
    ASSERT_TRUE(ui.cmdNumber[2]->hasFocus());
    Keys("{Enter}");
    EXPECT_EQ(ui.txtDisplay->text(), u"3"_s);
    Keys("x4=");
    EXPECT_EQ(ui.txtDisplay->text(), u"12"_s);
    Click(ui.cmdNumber[5]);
    Keys("{Space}");
    EXPECT_EQ(ui.txtDisplay->text(), u"55"_s);
    Keys("{Back}{KpEnter}");
    EXPECT_EQ(ui.txtDisplay->text(), u"5"_s);
}

// The display keeps as many characters as the engine counts on, and drops a digit past them.
TEST_F(CalculatorPanel, AFullDisplayDropsTheNextDigit) {
    Open();
    Keys(std::string(calculator::kDisplayMaxLength + 1, '7'));
    EXPECT_EQ(ui.txtDisplay->text(), QString(calculator::kDisplayMaxLength, u'7'));
}

TEST_F(CalculatorPanel, HeldKeysRepeatTheirCharacterButReleaseOnce) {
    Open();
    // A press, then release/press pairs marked as repeats, as X11 sends them, then the real
    // release.
    const auto hold = [display = ui.txtDisplay](Qt::Key key, const QString& text) {
        const auto send = [&](QEvent::Type type, bool repeat) {
            QKeyEvent event(type, key, Qt::NoModifier, text, repeat);
            QApplication::sendEvent(display, &event);
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 2; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        send(QEvent::KeyRelease, false);
    };
    hold(Qt::Key_5, u"5"_s);
    EXPECT_EQ(ui.txtDisplay->text(), u"555"_s);
    hold(Qt::Key_Backspace, u"\b"_s);  // acts on its one physical release
    EXPECT_EQ(ui.txtDisplay->text(), u"55"_s);
}

// The amount boxes keep what is typed into them, and the calculator never sees it. (With the
// panel open, the focus never rests in them: see the side panels' tests.)
TEST_F(CalculatorPanel, KeysTypedElsewhereStayTheirs) {
    ChooseFormula("Bytes", 1);
    Click(ui.optCalc1);
    for (QLineEdit* box : {ui.txtCalc1, ui.txtCalcDeci, ui.Combo1->lineEdit()}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        box->clear();
        Keys("12+3{Enter}c");
        EXPECT_EQ(box->text(), u"12+3c"_s);
    }
    EXPECT_EQ(ui.txtDisplay->text(), u""_s);
    EXPECT_TRUE(shown.empty());
}

TEST_F(CalculatorPanel, OnlyTheCalculatorChangesTheDisplay) {
    Open();
    Keys("42");
    QApplication::clipboard()->setText(QStringLiteral("999"));
    Keys("{Ctrl+v}");
    ui.txtDisplay->selectAll();
    Keys("{Ctrl+x}{Del}");
    QTest::keyClick(ui.txtDisplay, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(ui.txtDisplay, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ui.txtDisplay->text(), u"4"_s) << "only Delete's release, as Backspace";
    ui.txtDisplay->selectAll();
    QTest::keyClick(ui.txtDisplay, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), u"4"_s);
}

TEST_F(CalculatorPanel, ClosingKeepsOrErasesTheDisplayAndKeepsThePendingOperation) {
    const struct {
        QPushButton* Form1Controls::*close;
        const char* after;   // the display on reopening
        const char* result;  // after 3 =
    } cases[] = {
        {&Form1Controls::cmdCalcuHide2, "", "8"},
        {&Form1Controls::cmdCalcuHide1, "5", "8"},
        {&Form1Controls::cmdCalcu, "5", "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        Open();
        Keys("{Esc}C5+");
        Click(ui.*c.close);
        ExpectClosed();
        EXPECT_EQ(QApplication::focusWidget(), ui.cmdCalcu) << "never on a hidden control";
        Open();
        EXPECT_EQ(ui.txtDisplay->text(), QString::fromUtf8(c.after));
        EXPECT_EQ(ui.txtDisplay->cursorPosition(), ui.txtDisplay->text().size());
        Keys("3=");
        EXPECT_EQ(ui.txtDisplay->text(), QString::fromUtf8(c.result));
        Click(ui.cmdClear);
        Click(ui.cmdCalcu);
    }
}

TEST_F(CalculatorPanel, TheCaretGoesToTheEndOnFocusByTab) {
    Open();
    Keys("123");
    ui.cmdCalcuHide2->setFocus();
    QTest::keyClick(ui.cmdCalcuHide2, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(ui.cmdCalcuHide1, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(ui.txtDisplay->hasFocus());
    EXPECT_FALSE(ui.txtDisplay->hasSelectedText());
    EXPECT_EQ(ui.txtDisplay->cursorPosition(), 3);
}

TEST_F(CalculatorPanel, KeypadButtonsClickTheirOperations) {
    Open();
    for (QPushButton* button : {ui.cmdNumber[9], ui.cmdPlusMinus, ui.cmdDecimal, ui.cmdNumber[5],
                                ui.cmdOperator[3], ui.cmdNumber[2], ui.cmdEquals}) {
        Click(button);
    }
    EXPECT_EQ(ui.txtDisplay->text(), u"-19"_s);
    Click(ui.cmdClearEntry);
    EXPECT_EQ(ui.txtDisplay->text(), u""_s);
    Click(ui.cmdDecimal);
    Click(ui.cmdDecimal);
    EXPECT_EQ(platform.beeps, 1);
}

// Deleting a shown window with the focus in the display must not reach the window's members
// from the focus changes and signals of its children's teardown.
TEST(CalculatorPanelTeardown, DestroysAShownWindowWithTheFocusInTheDisplay) {
    RecordingPlatform platform;
    numbers::FixedRegionalSettings regional;
    auto form = std::make_unique<Form1>(platform, regional);
    const Form1Controls ui = FindControls(*form);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(ui.cmdCalcu, Qt::LeftButton);
    ASSERT_TRUE(ui.txtDisplay->hasFocus());
    QTest::keyClicks(ui.txtDisplay, QStringLiteral("12"));
    const QPointer<QLineEdit> display = ui.txtDisplay;
    form.reset();
    EXPECT_TRUE(display.isNull());
    EXPECT_TRUE(platform.errors.empty());
}

}  // namespace
}  // namespace ombrelo::window
