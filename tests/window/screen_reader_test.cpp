#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

#include <QAccessible>

#include "tests/window/form_driver.h"
#include "window/widgets/accessible_controls.h"

// What a screen reader gets from the window: the notices it speaks without the focus moving,
// the checked state of the option buttons, and the names it reads.

namespace ombrelo::window {
namespace {

using namespace Qt::StringLiterals;

// What the window tells a screen reader of its own accord: each notification it shows, by the
// text the screen reader reads when told it is shown. (Offscreen, Qt has no accessibility bridge
// to send events to; the notification's showing is the event.)
class ScreenReader : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        RecordNotices(form, notices);
    }

    static QAccessibleInterface* Accessible(QObject* control) {
        return QAccessible::queryAccessibleInterface(control);
    }
    // What a braille display shows of a control: its text, read by offsets.
    static QString WholeText(QAccessibleInterface* accessible) {
        QAccessibleTextInterface* const text = accessible->textInterface();
        return text == nullptr ? u"(no text)"_s : text->text(0, text->characterCount());
    }
    // The control's place on screen.
    static QRect OnScreen(const QWidget* control) {
        return {control->mapToGlobal(QPoint(0, 0)), control->size()};
    }

    QStringList notices;
};

// Each step the user takes, and what is said of it, once, in order. A panel that takes the
// focus is heard through the focus; a result under a panel or after an error is not said.
TEST_F(ScreenReader, NewStepsResultsAndPanelsAreSaidWithoutMovingTheFocus) {
    const struct {
        const char* step;
        std::function<void()> take;
        QStringList said;
    } steps[] = {
        {"an unknown area",
         [&] { SelectArea("[x] Liquid Measures (U.S. <=> U.S.)"); },
         {u"2. Choose a formula. No formulas for this area."_s}},
        {"an area of one formula",
         [&] { SelectArea("Temperature"); },
         {u"2. Choose a formula. 1 formula."_s}},
        {"a formula",
         [&] { ChooseFormula("Bytes", 1); },
         {u"2. Choose a formula. 3 formulas."_s,
          u"3. Calculations. Bytes -> KiloBytes or KiloBytes -> Bytes."_s}},
        {"Convert",
         [&] { Click(ui.optCalc1), Type("1000"), Click(ui.cmdByteConvert); },
         {u"KiloBytes: 0.98"_s}},
        {"Convert again, with new places",
         [&] { TypeInto(ui.txtCalcDeci, "3"), Click(ui.cmdByteConvert); },
         {u"KiloBytes: 0.977"_s}},
        {"an error", [&] { TypeInto(ui.txtCalcDeci, "x"), Click(ui.cmdByteConvert); }, {}},
        {"the reverse",
         [&] { Click(ui.optCalc2), Type("5"), Click(ui.cmdByteConvert); },
         {u"Bytes: 5,120.00"_s}},
        {"About over the amount", [&] { ui.txtCalc2->setFocus(), AccessKey(Qt::Key_A); }, {}},
        {"Convert under About", [&] { AccessKey(Qt::Key_V); }, {}},
        {"Back", [&] { Click(ui.cmdAbout); }, {u"About panel closed. Focus on About button."_s}},
        {"What's New from Exit",
         [&] { ui.cmdExit->setFocus(), AccessKey(Qt::Key_W); },
         {u"What's New panel open."_s}},
        {"Back",
         [&] { Click(ui.cmdNew); },
         {u"What's New panel closed. Focus on What's New button."_s}},
        {"the calculator", [&] { AccessKey(Qt::Key_U); }, {}},
        {"Hide (Store Answer)",
         [&] { Click(ui.cmdCalcuHide1); },
         {u"Calculator panel closed. Focus on Calculator button."_s}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        notices.clear();
        step.take();
        EXPECT_EQ(notices, step.said);
    }
    EXPECT_EQ(platform.errors, std::vector<int>{13});
}

// Each option reports checked to a screen reader exactly while it is selected.
TEST_F(ScreenReader, OptionButtonsReportTheirCheckedStateAsItChanges) {
    ChooseFormula("Bytes", 1);
    QRadioButton* const options[] = {ui.optForm[1], ui.optForm[2], ui.optCalc1, ui.optCalc2};
    const struct {
        QRadioButton* clicked;
        std::vector<const QRadioButton*> checked;
    } clicks[] = {
        {ui.optCalc1, {ui.optForm[1], ui.optCalc1}},
        {ui.optCalc2, {ui.optForm[1], ui.optCalc2}},
        {ui.optForm[2], {ui.optForm[2]}},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.clicked->objectName().toStdString());
        Click(click.clicked);
        for (QRadioButton* option : options) {
            EXPECT_EQ(Accessible(option)->state().checked,
                      std::ranges::count(click.checked, option) == 1)
                << option->objectName().toStdString();
        }
    }
}

// The names a screen reader reads after a conversion: the window as a frame with its title,
// the area box by its name, each text box whole, the result with its caption, and nothing of
// a label that a text box covers.
TEST_F(ScreenReader, ControlsAreReadWholeByTheNamesTheWindowShows) {
    Convert("Bytes", 1, true, "1000");
    EXPECT_EQ(Accessible(&form)->role(), QAccessible::Window);
    EXPECT_EQ(Accessible(&form)->text(QAccessible::Name), form.windowTitle());

    // The first label that names a control, before the frame's title.
    const auto labelledBy = [](QWidget* control) {
        const auto labels = Accessible(control)->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    };
    EXPECT_EQ(labelledBy(ui.Combo1), u"Area of conversion"_s);
    EXPECT_EQ(labelledBy(ui.lblCalc3), u"KiloBytes:"_s);
    // The result as text that can be read and selected but not changed.
    QAccessibleInterface* const result = Accessible(ui.lblCalc3);
    EXPECT_EQ(WholeText(result), u"0.98"_s);
    EXPECT_TRUE(result->state().readOnly);
    EXPECT_EQ(result->editableTextInterface(), nullptr);
    result->textInterface()->setSelection(0, 2, 4);
    EXPECT_EQ(ui.lblCalc3->selectedText(), u"98"_s);
    EXPECT_EQ(labelledBy(ui.optCalc2), u""_s) << "its label is no group's title";
    EXPECT_EQ(Accessible(ui.lblCalcFrm1)->text(QAccessible::Name), u"(bytes) / 1024"_s);
    EXPECT_EQ(Accessible(ui.lblCalcFrm2)->text(QAccessible::Name), u""_s) << "beneath txtCalc1";

    for (QLineEdit* box : {ui.txtCalc1, ui.txtCalcDeci, ui.Combo1->lineEdit()}) {
        SCOPED_TRACE(box->objectName().toStdString());
        QAccessibleTextInterface* const text = Accessible(box)->textInterface();
        ASSERT_NE(text, nullptr);
        const int length = static_cast<int>(box->text().size());
        EXPECT_EQ(text->text(0, text->characterCount()), box->text());
        for (int offset = 0; offset < length; ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(std::pair(start, end), std::pair(0, length)) << "one run at " << offset;
        }
    }
}

// Voice control, dictation and test automation fill a box through its editable text, as the
// user would type it: within its maximum length, and never into the calculator's display.
TEST_F(ScreenReader, AssistiveTechnologyEditsTheBoxesAsTypingWould) {
    ChooseFormula("Bytes", 1);
    Click(ui.optCalc1);
    const auto editable = [](QWidget* box) { return Accessible(box)->editableTextInterface(); };
    for (QWidget* box : Widgets{ui.Combo1->lineEdit(), ui.txtCalc1, ui.txtCalc2, ui.txtCalcDeci})
        EXPECT_NE(editable(box), nullptr) << box->objectName().toStdString();

    Accessible(ui.txtCalc1)->setText(QAccessible::Value, u"10"_s);
    editable(ui.txtCalc1)->insertText(2, u"00"_s);
    editable(ui.txtCalcDeci)->replaceText(0, 1, u"3"_s);
    Click(ui.cmdByteConvert);
    EXPECT_EQ(ui.lblCalc3->text(), u"0.977"_s);

    editable(ui.txtCalcDeci)->replaceText(0, 1, QString(5000, u'7'));
    EXPECT_EQ(ui.txtCalcDeci->text().size(), ui.txtCalcDeci->maxLength());
    editable(ui.txtCalcDeci)->deleteText(1, ui.txtCalcDeci->maxLength());
    EXPECT_EQ(ui.txtCalcDeci->text(), u"7"_s);

    AccessKey(Qt::Key_U);
    Type("5");
    QAccessibleInterface* const display = Accessible(ui.txtDisplay);
    EXPECT_EQ(display->editableTextInterface(), nullptr);
    EXPECT_TRUE(display->state().readOnly);
    EXPECT_FALSE(display->state().editable);
    display->setText(QAccessible::Value, u"12345"_s);
    EXPECT_EQ(ui.txtDisplay->text(), u"5"_s);
}

// Magnifiers and braille cursor routing follow where each character is drawn: in a box
// scrolled to its caret, and in a centred box, over the ink of the character.
TEST_F(ScreenReader, CharactersAreReportedWhereTheyAreDrawn) {
    ChooseFormula("Bytes", 1);
    Click(ui.optCalc1);
    Type(std::string(60, '9'));
    ui.txtCalc1->repaint();  // a box scrolls to its caret as it is drawn
    QAccessibleTextInterface* const text = Accessible(ui.txtCalc1)->textInterface();
    ASSERT_NE(text, nullptr);
    const QRect caretCharacter = text->characterRect(text->cursorPosition() - 1);
    EXPECT_TRUE(OnScreen(ui.txtCalc1).contains(caretCharacter))
        << caretCharacter.x() << ".." << caretCharacter.right();
    EXPECT_EQ(text->offsetAtPoint(caretCharacter.center()), 59);

    // A centred box and a centred result, with no caret drawn among their digits.
    TypeInto(ui.txtCalc1, "1000");
    Click(ui.cmdByteConvert);
    for (QWidget* control : Widgets{ui.txtCalc1, ui.lblCalc3}) {
        QAccessibleTextInterface* const shown = Accessible(control)->textInterface();
        ASSERT_NE(shown, nullptr);
        const QImage drawn = control->grab().toImage();
        const int middle = drawn.height() / 2;
        const QColor paper = drawn.pixelColor(drawn.width() / 8, middle);
        for (int offset = 0; offset < shown->characterCount(); ++offset) {
            SCOPED_TRACE(control->objectName().toStdString() + " " + std::to_string(offset));
            const QRect character =
                shown->characterRect(offset).translated(-OnScreen(control).topLeft());
            int ink = 0;
            for (int x = character.left(); x <= character.right(); ++x) {
                for (int y = middle - 3; y <= middle + 3; ++y)
                    ink += drawn.pixelColor(x, y) != paper ? 1 : 0;
            }
            EXPECT_GT(ink, 2) << "nothing drawn at " << character.x() << ".." << character.right();
        }
    }
}

// A key whose handler hides the control with the focus moves the focus once, to a control that
// stays: each move is an event a screen reader speaks and a magnifier follows.
TEST_F(ScreenReader, AKeyThatHidesTheFocusedControlMovesTheFocusOnce) {
    const struct {
        const char* from;
        std::function<QWidget*()> focus;
        Qt::Key accessKey;
    } cases[] = {
        {"the amount", [&] { return ui.txtCalc1; }, Qt::Key_S},
        {"a formula", [&] { return ui.optForm[2]; }, Qt::Key_S},
        {"Convert", [&] { return ui.cmdByteConvert; }, Qt::Key_S},
        {"the places", [&] { return ui.txtCalcDeci; }, Qt::Key_C},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        Convert("Bytes", 1, true, "1000");
        c.focus()->setFocus();
        int moves = 0;
        const auto counting = QObject::connect(qApp, &QApplication::focusChanged,
                                               [&moves](QWidget*, QWidget*) { ++moves; });
        AccessKey(c.accessKey);
        QObject::disconnect(counting);
        EXPECT_EQ(moves, 1);
        EXPECT_TRUE(QApplication::focusWidget()->isVisible());
        EXPECT_TRUE(QApplication::focusWidget()->isEnabled());
    }
}

// With the accessibility bridge on (a desktop session that a screen reader listens to; the
// offscreen platform has none): what assistive technology is told as the window changes.
class WithBridge : public FormTest {
  protected:
    void SetUp() override {
        // The bridge turns itself on once the event loop has run, on a desktop platform only.
        if (QGuiApplication::platformName() == u"offscreen"_s ||
            !QTest::qWaitFor([] { return QAccessible::isActive(); }))
            GTEST_SKIP() << "no accessibility bridge on this platform";
        FormTest::SetUp();
        events().clear();
        m_listening = true;
        m_previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::NameChanged)
                events().append(
                    {event->object(), event->accessibleInterface()->text(QAccessible::Name)});
        });
    }
    void TearDown() override {
        if (m_listening) QAccessible::installUpdateHandler(m_previous);
        FormTest::TearDown();
    }
    struct Renamed {
        QObject* control;
        QString name;
        bool operator==(const Renamed&) const = default;
    };
    static QList<Renamed>& events() {
        static QList<Renamed> recorded;
        return recorded;
    }

  private:
    bool m_listening = false;
    QAccessible::UpdateHandler m_previous = nullptr;
};

TEST_F(WithBridge, ABoxIsRenamedAsItsPromptChanges) {
    ChooseFormula("Bytes", 1);
    Click(ui.optCalc1);
    EXPECT_TRUE(events().contains(Renamed{ui.txtCalc1, u"Enter Byte Amount"_s}));
    events().clear();
    Click(ui.optCalc2);
    EXPECT_TRUE(events().contains(Renamed{ui.txtCalc2, u"Enter KiloByte Amount"_s}));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(ui.txtDisplay)->state().readOnly);
}

// Other windows of the program, such as the message box that reports an error, keep Qt's own
// accessible objects, with all they offer.
TEST(AccessibleControls, OtherWindowsKeepQtsOwnObjects) {
    QWidget served;
    RegisterAccessibleControls(served);
    QWidget window;
    QLineEdit box(&window);
    QLabel label(QStringLiteral("12"), &window);
    window.show();
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(accessible, nullptr);
    EXPECT_NE(accessible->editableTextInterface(), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name), u"12"_s);
}

}  // namespace
}  // namespace ombrelo::window
