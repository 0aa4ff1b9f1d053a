#include <array>
#include <functional>
#include <vector>

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QWheelEvent>

#include "conversion/catalog.h"
#include "tests/window/form_driver.h"

namespace ombrelo::window {
namespace {

using Button = QPushButton* Form1::*;
using Frame = QGroupBox* Form1::*;

// The panel buttons in the order cmdAbout, cmdNew, cmdCalcu.
constexpr std::array<Button, 3> kPanelButtons{&Form1::cmdAbout, &Form1::cmdNew, &Form1::cmdCalcu};
constexpr std::array<const char*, 3> kClosedCaptions{"&About", "&What's New", "Calc&ulator"};

struct PanelRow {
    const char* panel;
    Qt::Key key;  // the access key that opens it
    Button button;
    Frame frame;
    std::array<const char*, 3> captions;  // of the panel buttons while it is open
    std::array<bool, 3> enabled;
    const char* focus;  // the control opening it gives the focus; none moves it
};
constexpr PanelRow kPanels[] = {
    {"About",
     Qt::Key_A,
     &Form1::cmdAbout,
     &Form1::frmAbout,
     {"Back", "&What's New", "Calc&ulator"},
     {true, false, false},
     nullptr},
    {"What's New",
     Qt::Key_W,
     &Form1::cmdNew,
     &Form1::frmNew,
     {"&About", "Back", "Calc&ulator"},
     {false, true, false},
     nullptr},
    {"Calculator",
     Qt::Key_U,
     &Form1::cmdCalcu,
     &Form1::frmCalcu,
     {"&About", "&What's New", "Back"},
     {false, false, true},
     "txtDisplay"},
};

class SidePanels : public FormTest {
  protected:
    // Alt with the letter, as typed; true when it clicked the button (a moment later, as Qt
    // animates a click by access key).
    bool AccessKey(Qt::Key key, QPushButton* button) {
        QSignalSpy pressed(button, &QAbstractButton::pressed);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keyClick(form.windowHandle(), key, Qt::AltModifier);
        return !pressed.isEmpty() && QTest::qWaitFor([&] { return !clicked.isEmpty(); });
    }

    void ExpectPanelButtons(const std::array<const char*, 3>& captions,
                            const std::array<bool, 3>& enabled) const {
        for (std::size_t i = 0; i < kPanelButtons.size(); ++i) {
            EXPECT_EQ((form.*kPanelButtons[i])->text(), QString::fromUtf8(captions[i])) << i;
            EXPECT_EQ((form.*kPanelButtons[i])->isEnabled(), enabled[i]) << i;
        }
    }

    // The control holding the focus, a combo box's field counted as the combo box.
    QString FocusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus == form.Combo1->lineEdit() ? form.Combo1->objectName() : focus->objectName();
    }
};

TEST_F(SidePanels, EachPanelOpensByItsKeyLocksOutTheOthersAndClosesWithBack) {
    int quits = 0;
    for (const PanelRow& row : kPanels) {
        SCOPED_TRACE(row.panel);
        ExpectPanelButtons(kClosedCaptions, {true, true, true});
        form.Combo1->setFocus();  // not on a button the panel will disable

        ASSERT_TRUE(AccessKey(row.key, form.*row.button));
        EXPECT_TRUE((form.*row.frame)->isVisible());
        ExpectPanelButtons(row.captions, row.enabled);
        EXPECT_EQ(FocusName(), row.focus != nullptr ? row.focus : "Combo1");
        // Select lies hidden beneath the panel; the other panels are locked out.
        EXPECT_FALSE(AccessKey(Qt::Key_S, form.cmdSelect));
        for (const PanelRow& other : kPanels) {
            if (&other != &row) {
                EXPECT_FALSE(AccessKey(other.key, form.*other.button));
            }
        }
        EXPECT_TRUE(AccessKey(Qt::Key_E, form.cmdExit));
        EXPECT_EQ(platform.quits, ++quits);

        Click(form.*row.button);
        EXPECT_TRUE((form.*row.frame)->isHidden());
        ExpectPanelButtons(kClosedCaptions, {true, true, true});
    }
    EXPECT_FALSE(form.frmOption->isHidden());
}

// Clear All works on the steps beneath whatever panel is open, and leaves the panel, the
// list and the hidden frames' contents alone; Convert stays usable above them.
TEST_F(SidePanels, ClearAllResetsTheStepsBeneathAnyOpenPanel) {
    const auto contents = [this] {
        return QStringList{form.optForm[1]->isChecked() ? "1" : "0",
                           form.optCalc1->text(),
                           form.txtCalc1->text(),
                           form.lblCalc3->text(),
                           form.lblCalcFrm1->text(),
                           form.txtCalcDeci->text(),
                           form.txtDisplay->text()};
    };
    std::vector<const PanelRow*> rows{nullptr};
    for (const PanelRow& row : kPanels)
        rows.push_back(&row);
    for (const PanelRow* row : rows) {
        SCOPED_TRACE(row != nullptr ? row->panel : "no panel");
        Convert("Bytes", 1, true, "1000");
        if (row != nullptr) Click(form.*row->button);
        Type("12");  // into the calculator's display; a focused button takes no characters
        EXPECT_TRUE(AccessKey(Qt::Key_V, form.cmdByteConvert));
        const QStringList before = contents();
        ASSERT_EQ(before[3], "0.98");

        ASSERT_TRUE(AccessKey(Qt::Key_C, form.cmdClearAll));
        EXPECT_EQ(FocusName(), "Combo1");
        EXPECT_EQ(form.Combo1->currentText(), "Choose and click Select");
        EXPECT_EQ(form.Combo1->currentIndex(), -1);
        EXPECT_EQ(form.Combo1->count(), conversion::kAreaEntryCount);
        EXPECT_TRUE(form.frmChoose->isHidden());
        EXPECT_TRUE(form.frmCalc->isHidden());
        EXPECT_FALSE(form.cmdByteConvert->isEnabled());
        EXPECT_EQ(contents(), before);
        if (row != nullptr) {
            EXPECT_TRUE((form.*row->frame)->isVisible());
            ExpectPanelButtons(row->captions, row->enabled);
            Click(form.*row->button);
        }
        EXPECT_TRUE(form.frmOption->isVisible());
        EXPECT_FALSE(form.frmChoose->isVisible());
    }
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(SidePanels, ClosingTheWindowEndsTheProgramAsExitDoes) {
    form.windowHandle()->close();
    EXPECT_EQ(platform.quits, 1);
    EXPECT_TRUE(form.isVisible()) << "nothing is taken down before the program ends";
}

// Both texts can be read whole, scrolled, selected and copied, but not changed.
TEST_F(SidePanels, PanelTextsScrollAndCopyWithNothingCutOff) {
    const struct {
        Button button;
        QPlainTextEdit* Form1::*box;
        bool scrolls;
    } cases[] = {{&Form1::cmdNew, &Form1::txtNew, true},
                 {&Form1::cmdAbout, &Form1::txtAbout, false}};
    for (const auto& c : cases) {
        QPlainTextEdit* const box = form.*c.box;
        SCOPED_TRACE(box->objectName().toStdString());
        Click(form.*c.button);
        Click(box);
        EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << "lines wrap at the box's edge";
        QScrollBar* const bar = box->verticalScrollBar();
        QTextCursor lastLine(box->document()->lastBlock().previous());
        EXPECT_EQ(box->cursorRect(lastLine).bottom() > box->viewport()->height(), c.scrolls);
        if (c.scrolls) {
            Press(Qt::Key_End, Qt::ControlModifier);
            EXPECT_EQ(bar->value(), bar->maximum());
            QWheelEvent wheel(QPointF(10, 10), box->mapToGlobal(QPointF(10, 10)), {}, {0, 120},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box->viewport(), &wheel);
            EXPECT_LT(bar->value(), bar->maximum());
        }
        Press(Qt::Key_A, Qt::ControlModifier);
        Press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), box->toPlainText());
        Click(form.*c.button);
    }
}

TEST_F(SidePanels, TabFollowsTheTabIndexesPastHiddenAndCoveredControls) {
    const struct {
        const char* state;
        std::function<void()> reach;
        QStringList stops;  // after each Tab from the control that has the focus
    } cases[] = {
        {"at start",
         [] {},
         {"cmdSelect", "cmdClearAll", "cmdExit", "cmdCalcu", "cmdNew", "cmdAbout", "Combo1"}},
        {"forward chosen",
         [this] {
             ChooseFormula("Bytes", 1);
             Click(form.optCalc1);
         },
         {"optCalc1", "optCalc2", "optForm1", "optForm2", "optForm3", "txtCalcDeci", "Combo1",
          "cmdSelect", "cmdByteConvert", "cmdClearAll", "cmdExit", "cmdCalcu", "cmdNew", "cmdAbout",
          "txtCalc1"}},
        {"About open over the steps",
         [this] { Click(form.cmdAbout); },
         {"txtAbout", "cmdByteConvert", "cmdClearAll", "cmdExit", "cmdAbout"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        c.reach();
        QStringList forward;
        for (qsizetype i = 0; i < c.stops.size(); ++i) {
            Press(Qt::Key_Tab);
            forward.append(FocusName());
        }
        EXPECT_EQ(forward, c.stops);
        QStringList backward{FocusName()};
        for (qsizetype i = 1; i < c.stops.size(); ++i) {
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(FocusName());
        }
        EXPECT_EQ(backward, c.stops);
    }
}

// What a screen reader hears: a box by the prompt beside it, the reverse direction by its
// label, and nothing from a hidden or empty label.
TEST_F(SidePanels, ScreenReadersHearEachControlAsTheWindowShowsIt) {
    const auto name = [](QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(form.optCalc1), "") << "uncaptioned, in a hidden frame";
    ChooseFormula("Temperature", 1);
    Click(form.optCalc1);
    const struct {
        QWidget* control;
        const char* name;
        const char* description;
    } cases[] = {
        {form.txtCalc1, "Enter C°", "Forward amount"},
        {form.txtCalcDeci, "Decimal Places", "Decimal places"},
        {form.txtDisplay, "Calculator display", "Calculator display"},
        {form.optCalc1, "C° -> F°", ""},
        {form.optCalc2, "F° -> C°", ""},
        {form.lblCalc2, "F°:", ""},
        {form.lblCalc3, "", ""},     // empty
        {form.lblCalcFrm1, "", ""},  // empty, beneath the reverse box
        {form.lblCalc4, "", ""},     // hidden
        {form.lblCalcFrm2, "", ""},  // empty, covered
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(name(c.control), QString::fromUtf8(c.name));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(c.control)->text(QAccessible::Description),
                  QString::fromUtf8(c.description));
    }
    Click(form.optCalc2);
    EXPECT_EQ(name(form.txtCalc2), "Enter F°") << "kept current as the prompt changes";
    EXPECT_EQ(name(form.lblCalc2), "") << "hidden now";
}

}  // namespace
}  // namespace ombrelo::window
