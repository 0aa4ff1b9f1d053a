#include <array>
#include <functional>
#include <span>

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

#include "tests/window/form_driver.h"

namespace ombrelo::window {
namespace {

using namespace Qt::StringLiterals;

// The panel buttons in the order cmdAbout, cmdNew, cmdCalcu.
constexpr std::array<QPushButton * Form1Controls::*, 3> kPanelButtons{
    &Form1Controls::cmdAbout, &Form1Controls::cmdNew, &Form1Controls::cmdCalcu};

// Each open panel with the captions and enabled states of the panel buttons.
struct PanelRow {
    const char* panel;
    Qt::Key key;  // the access key that opens it
    QPushButton* Form1Controls::*button;
    QGroupBox* Form1Controls::*frame;
    std::array<const char*, 3> captions;
    std::array<bool, 3> enabled;
    const char* focus;  // where opening it over the area box puts the focus: into the panel
};
// clang-format off
constexpr PanelRow kPanels[] = {
    {"none", {}, nullptr, nullptr, {"&About", "&What's New", "Calc&ulator"}, {true, true, true}, nullptr},
    {"About", Qt::Key_A, &Form1Controls::cmdAbout, &Form1Controls::frmAbout, {"Back", "&What's New", "Calc&ulator"}, {true, false, false}, "txtAbout"},
    {"What's New", Qt::Key_W, &Form1Controls::cmdNew, &Form1Controls::frmNew, {"&About", "Back", "Calc&ulator"}, {false, true, false}, "txtNew"},
    {"Calculator", Qt::Key_U, &Form1Controls::cmdCalcu, &Form1Controls::frmCalcu, {"&About", "&What's New", "Back"}, {false, false, true}, "txtDisplay"},
};
// clang-format on
const std::span<const PanelRow> kOpenPanels = std::span(kPanels).subspan(1);

class SidePanels : public FormTest {
  protected:
    // True when the access key clicked the button.
    using FormTest::AccessKey;
    bool AccessKey(Qt::Key key, QPushButton* button) {
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        AccessKey(key);
        return !clicked.isEmpty();
    }

    void ExpectPanelButtons(const PanelRow& row) const {
        for (std::size_t i = 0; i < kPanelButtons.size(); ++i) {
            EXPECT_EQ((ui.*kPanelButtons[i])->text(), QString::fromUtf8(row.captions[i])) << i;
            EXPECT_EQ((ui.*kPanelButtons[i])->isEnabled(), row.enabled[i]) << i;
        }
    }

    // The control holding the focus, a combo box's field counted as the combo box.
    QString FocusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus == ui.Combo1->lineEdit() ? ui.Combo1->objectName() : focus->objectName();
    }
};

// An access key clicks its button at once (before any event is processed: Qt would animate it,
// releasing the button 100 ms later), and only where the button is enabled and not covered.
TEST_F(SidePanels, EachPanelOpensByItsKeyLocksOutTheOthersAndClosesWithBack) {
    EXPECT_FALSE(AccessKey(Qt::Key_V, ui.cmdByteConvert)) << "disabled";
    EXPECT_TRUE(AccessKey(Qt::Key_S, ui.cmdSelect));
    int quits = 0;
    for (const PanelRow& row : kOpenPanels) {
        SCOPED_TRACE(row.panel);
        ExpectPanelButtons(kPanels[0]);
        ui.Combo1->setFocus();  // not on a button the panel will disable

        ASSERT_TRUE(AccessKey(row.key, ui.*row.button));
        EXPECT_TRUE((ui.*row.frame)->isVisible());
        ExpectPanelButtons(row);
        EXPECT_EQ(FocusName(), QString::fromUtf8(row.focus));
        // Select lies hidden beneath the panel; the other panels are locked out.
        EXPECT_FALSE(AccessKey(Qt::Key_S, ui.cmdSelect));
        for (const PanelRow& other : kOpenPanels) {
            if (&other != &row) {
                EXPECT_FALSE(AccessKey(other.key, ui.*other.button));
            }
        }
        EXPECT_TRUE(AccessKey(Qt::Key_E, ui.cmdExit));
        EXPECT_EQ(platform.quits, ++quits);

        Click(ui.*row.button);
        EXPECT_TRUE((ui.*row.frame)->isHidden());
    }
    ExpectPanelButtons(kPanels[0]);
    // The window's close button or the window manager's keystroke: the program ends as by
    // Exit, without the window being taken down first.
    form.windowHandle()->close();
    EXPECT_EQ(platform.quits, ++quits);
    EXPECT_TRUE(form.isVisible());
}

// Clear All works on the steps beneath whatever panel is open, and leaves the panel, the
// hidden frames' contents and the calculator alone; Convert stays usable above them.
TEST_F(SidePanels, ClearAllResetsTheStepsBeneathAnyOpenPanel) {
    const auto contents = [this] {
        return QStringList{ui.optCalc1->text(), ui.txtCalc1->text(), ui.lblCalc3->text(),
                           ui.lblCalcFrm1->text(), ui.txtDisplay->text()};
    };
    for (const PanelRow& row : kPanels) {
        SCOPED_TRACE(row.panel);
        Convert("Bytes", 1, true, "1000");
        if (row.button != nullptr) Click(ui.*row.button);
        Type("12");  // into the calculator's display; a focused button takes no characters
        EXPECT_TRUE(AccessKey(Qt::Key_V, ui.cmdByteConvert));
        const QStringList before = contents();
        ASSERT_EQ(before[2], u"0.98"_s);

        const QString focus = FocusName();
        ASSERT_TRUE(AccessKey(Qt::Key_C, ui.cmdClearAll));
        // The area box gets the focus only where the user can see it.
        EXPECT_EQ(FocusName(), row.button == nullptr ? u"Combo1"_s : focus);
        EXPECT_EQ(ui.Combo1->currentText(), u"Choose and click Select"_s);
        EXPECT_EQ(ui.Combo1->currentIndex(), -1);
        EXPECT_TRUE(ui.frmChoose->isHidden());
        EXPECT_TRUE(ui.frmCalc->isHidden());
        EXPECT_FALSE(ui.cmdByteConvert->isEnabled());
        EXPECT_TRUE(ui.optForm[1]->isChecked());
        EXPECT_EQ(contents(), before);
        ExpectPanelButtons(row);
        if (row.button != nullptr) Click(ui.*row.button);
        EXPECT_TRUE(ui.frmOption->isVisible());
        EXPECT_FALSE(ui.frmChoose->isVisible());
    }
    EXPECT_TRUE(platform.errors.empty());
}

// Opening a panel over the focused control takes the focus into the panel, and so does any
// later focus given to a covered control (here a screen reader's focus command), so nothing
// typed then reaches a control the user cannot see.
TEST_F(SidePanels, KeysTypedUnderAnOpenPanelNeverReachACoveredControl) {
    Convert("Bytes", 1, true, "1000");
    QWidget* const covered[] = {ui.Combo1->lineEdit(), ui.cmdSelect, ui.optForm[1], ui.optForm[2],
                                ui.optCalc1,           ui.optCalc2,  ui.txtCalc1,   ui.txtCalcDeci};
    const auto steps = [this] {
        QStringList state{ui.Combo1->currentText(), ui.txtCalc1->text(), ui.txtCalcDeci->text(),
                          ui.lblCalc3->text()};
        for (const QRadioButton* option : {ui.optForm[1], ui.optForm[2], ui.optCalc1})
            state.append(option->isChecked() ? u"checked"_s : u"-"_s);
        return state;
    };
    const QStringList before = steps();
    for (const PanelRow& row : kOpenPanels) {
        for (QWidget* const control : covered) {
            SCOPED_TRACE(row.panel + (" over " + control->objectName().toStdString()));
            control->setFocus();
            ASSERT_TRUE(AccessKey(row.key, ui.*row.button));
            EXPECT_EQ(FocusName(), QString::fromUtf8(row.focus));
            QAccessibleActionInterface* const actions =
                QAccessible::queryAccessibleInterface(control)->actionInterface();
            ASSERT_NE(actions, nullptr);
            actions->doAction(QAccessibleActionInterface::setFocusAction());
            EXPECT_TRUE((ui.*row.frame)->isAncestorOf(QApplication::focusWidget()));
            Type("9 ");
            for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Down, Qt::Key_Up})
                Press(key);
            EXPECT_EQ(steps(), before);
            Click(ui.*row.button);
        }
    }
}

// Both texts open at their first line, can be read whole, scrolled, selected and copied, and
// not changed.
TEST_F(SidePanels, PanelTextsScrollAndCopyWithNothingCutOff) {
    for (const PanelRow& row : kOpenPanels.first(2)) {
        SCOPED_TRACE(row.panel);
        Click(ui.*row.button);
        auto* const box = (ui.*row.frame)->findChild<QPlainTextEdit*>();
        Click(box);
        EXPECT_EQ(box->cursorForPosition(QPoint(4, 4)).block().blockNumber(), 0);
        const QString text = box->toPlainText();
        Type("typed");
        Press(Qt::Key_Delete);
        Press(Qt::Key_Backspace);
        EXPECT_EQ(box->toPlainText(), text);
        EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << "lines wrap at the box's edge";
        QTextCursor lastLine(box->document()->lastBlock().previous());
        const auto lastLineShown = [&] {
            return box->cursorRect(lastLine).bottom() <= box->viewport()->height();
        };
        EXPECT_EQ(lastLineShown(), box == ui.txtAbout) << "About is whole; What's New scrolls";
        Press(Qt::Key_End, Qt::ControlModifier);
        EXPECT_TRUE(lastLineShown());
        Press(Qt::Key_A, Qt::ControlModifier);
        Press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), box->toPlainText());
        Click(ui.*row.button);
    }
}

TEST_F(SidePanels, TabFollowsTheTabIndexesPastHiddenAndCoveredControls) {
    const struct {
        const char* state;
        std::function<void()> reach;
        QStringList stops;  // after each Tab from the control that has the focus
    } cases[] = {
        {"forward chosen",
         [this] {
             ChooseFormula("Bytes", 1);
             Click(ui.optCalc1);
         },
         {u"optCalc1"_s, u"optCalc2"_s, u"optForm1"_s, u"optForm2"_s, u"optForm3"_s,
          u"txtCalcDeci"_s, u"Combo1"_s, u"cmdSelect"_s, u"cmdByteConvert"_s, u"cmdClearAll"_s,
          u"cmdExit"_s, u"cmdCalcu"_s, u"cmdNew"_s, u"cmdAbout"_s, u"txtCalc1"_s}},
        {"after Convert: its result follows it",
         [this] {
             Convert("Bytes", 1, true, "1000");
             ui.cmdByteConvert->setFocus();
         },
         {u"lblCalc3"_s, u"cmdClearAll"_s}},
        {"About open over the steps",
         [this] { Click(ui.cmdAbout); },
         {u"txtAbout"_s, u"cmdByteConvert"_s, u"cmdClearAll"_s, u"cmdExit"_s, u"cmdAbout"_s}},
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
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(FocusName(), c.stops[c.stops.size() - 2]) << "Shift+Tab goes back";
    }
}

}  // namespace
}  // namespace ombrelo::window
