#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

#include <QAccessible>

#include "tests/window/form_driver.h"
#include "window/widgets/accessible_controls.h"
#include "window/widgets/event_filter.h"
#include "window/widgets/notice.h"

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
        auto* const notice = form.findChild<Notice*>();
        ASSERT_NE(notice, nullptr);
        notice->installEventFilter(new EventFilter(notice, [this](QObject* shown, QEvent* event) {
            if (event->type() != QEvent::Show) return false;
            QAccessibleInterface* const heard = Accessible(shown);
            EXPECT_EQ(heard->role(), QAccessible::Notification);
            notices.append(heard->text(QAccessible::Name));
            return false;
        }));
    }

    static QAccessibleInterface* Accessible(QObject* control) {
        return QAccessible::queryAccessibleInterface(control);
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

// The window's accessibility serves every label and option button of the process, also those
// of no container, such as a message box's parts would be before they are placed.
TEST(AccessibleControls, ControlsWithoutAContainerAreNamedByTheirOwnText) {
    RegisterAccessibleControls();
    QLabel label(QStringLiteral("12"));
    QRadioButton uncaptioned;
    for (QWidget* control : std::initializer_list<QWidget*>{&label, &uncaptioned}) {
        control->show();
        QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name),
                  control == &label ? QStringLiteral("12") : QString());
    }
}

}  // namespace
}  // namespace ombrelo::window
