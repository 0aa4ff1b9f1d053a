#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QGroupBox>

#include "conversion/catalog.h"
#include "tests/window/form_driver.h"

namespace ombrelo::window {
namespace {

class StepFlow : public FormTest {
  protected:
    void ExpectSteps(bool chooseShown, bool calcShown, bool convertEnabled) const {
        EXPECT_EQ(ui.frmChoose->isVisible(), chooseShown);
        EXPECT_EQ(ui.frmCalc->isVisible(), calcShown);
        EXPECT_EQ(ui.cmdByteConvert->isEnabled(), convertEnabled);
    }
    int SelectedFormulaButtons() const {
        int selected = 0;
        for (std::size_t n = 1; n <= 8; ++n)
            selected += ui.optForm[n]->isChecked() ? 1 : 0;
        return selected;
    }

    // Formula chosen: the two direction buttons and nothing else of step 3, all emptied.
    void ExpectFormulaChosen(const char* forwardCaption, const char* reverseCaption) const {
        ExpectSteps(true, true, false);
        EXPECT_EQ(ui.optCalc1->text(), ToQString(forwardCaption));
        EXPECT_EQ(ui.lblOptCalc2->text(), ToQString(reverseCaption));
        EXPECT_FALSE(ui.optCalc1->isChecked() || ui.optCalc2->isChecked());
        for (QWidget* control :
             Widgets{ui.lblCalc1, ui.txtCalc1, ui.lblCalc2, ui.lblCalc3, ui.lblCalc4, ui.txtCalc2,
                     ui.lblCalc5, ui.lblCalc6, ui.lblCalcDeci, ui.txtCalcDeci}) {
            EXPECT_TRUE(control->isHidden()) << control->objectName().toStdString();
        }
        EXPECT_EQ(Text(ui.txtCalc1) + Text(ui.txtCalc2) + Caption(ui.lblCalc3) +
                      Caption(ui.lblCalc6) + Caption(ui.lblCalcFrm1) + Caption(ui.lblCalcFrm2),
                  "");
    }

    // A chosen direction: its column shown with the catalog's prompt and result label, an
    // empty focused amount, "0" in the other box, no results, and "2" places under the column.
    void ExpectDirectionChosen(bool forward, std::string_view prompt,
                               std::string_view resultLabel) const {
        ExpectSteps(true, true, true);
        EXPECT_EQ(ui.optCalc1->isChecked(), forward);
        EXPECT_EQ(ui.optCalc2->isChecked(), !forward);
        QLabel* const shownPrompt = forward ? ui.lblCalc1 : ui.lblCalc4;
        QLabel* const shownResultLabel = forward ? ui.lblCalc2 : ui.lblCalc5;
        QLineEdit* const amount = AmountBox(forward);
        QLineEdit* const otherAmount = AmountBox(!forward);
        for (QWidget* shown :
             Widgets{shownPrompt, amount, shownResultLabel, forward ? ui.lblCalc3 : ui.lblCalc6,
                     ui.lblCalcDeci, ui.txtCalcDeci})
            EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
        for (QWidget* hidden : Widgets{forward ? ui.lblCalc4 : ui.lblCalc1, otherAmount,
                                       forward ? ui.lblCalc6 : ui.lblCalc3})
            EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
        EXPECT_EQ(shownPrompt->text(), ToQString(prompt));
        EXPECT_EQ(shownResultLabel->text(), ToQString(resultLabel));
        EXPECT_EQ(QApplication::focusWidget(), amount);
        EXPECT_EQ(Text(amount) + "|" + Text(otherAmount) + "|" + Caption(ui.lblCalc3) +
                      Caption(ui.lblCalc6) + "|" + Text(ui.txtCalcDeci),
                  "|0||2");
        // Under the chosen column: from its amount box's left edge to its right one.
        EXPECT_EQ(ui.lblCalcDeci->x(), amount->x());
        EXPECT_EQ(ui.txtCalcDeci->geometry().right(), amount->geometry().right());
    }
};

// Select shows step 2 with the formula buttons of the area the list's text names, none
// selected: every entry of the list (the "[x]" ones offer none), the untouched prompt, and a
// text that names no area.
TEST_F(StepFlow, SelectShowsTheAreasFormulaButtonsNoneSelected) {
    std::vector<std::string_view> texts = {"", "Volume"};  // "": "Choose and click Select"
    texts.insert(texts.end(), conversion::AreaEntries().begin(), conversion::AreaEntries().end());
    for (const std::string_view text : texts) {
        SCOPED_TRACE(text);
        const conversion::ConversionArea* const area = conversion::FindArea(text);
        const std::size_t offered = area == nullptr ? 0 : area->formulas.size();
        if (ui.optForm[1]->isVisible()) Click(ui.optForm[1]);  // a formula chosen before
        if (!text.empty()) TypeArea(text);
        Click(ui.cmdSelect);
        ExpectSteps(true, false, false);
        EXPECT_EQ(SelectedFormulaButtons(), 0);
        for (std::size_t n = 1; n <= 8; ++n) {
            EXPECT_EQ(ui.optForm[n]->isVisible(), n <= offered) << n;
            if (n <= offered) {
                EXPECT_EQ(ui.optForm[n]->text(), ToQString(area->formulas[n - 1].caption));
            }
        }
    }
}

TEST_F(StepFlow, AnAreaChosenFromTheListIsTheTextSelectReads) {
    // A closed list steps through its items with the arrow keys.
    Click(ui.Combo1->lineEdit());
    Press(Qt::Key_Down);
    EXPECT_EQ(Text(ui.Combo1), "Bytes");
    Click(ui.cmdSelect);
    EXPECT_EQ(Caption(ui.optForm[3]), "MegaBytes <=> GigaBytes");

    // The open list: the fifth item is chosen with Return.
    Click(ui.Combo1->lineEdit());
    Press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ui.Combo1->view()->window()));
    for (int i = 0; i < 4; ++i)
        Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(ui.Combo1), "Temperature");
    Click(ui.cmdSelect);
    EXPECT_EQ(Caption(ui.optForm[1]), "C° <=> F°");
    EXPECT_TRUE(ui.optForm[2]->isHidden());
}

TEST_F(StepFlow, FormulaClickFromEveryStateShowsOnlyTheDirectionButtons) {
    const struct {
        const char* from;
        std::function<void()> reach;
    } cases[] = {
        {"area shown", [this] { SelectArea("Bytes"); }},
        {"formula chosen", [this] { ChooseFormula("Bytes", 1); }},
        {"forward chosen, the selected button clicked again",
         [this] {
             ChooseFormula("Bytes", 2);
             Click(ui.optCalc1);
             Type("7");
         }},
        {"forward chosen after a conversion",
         [this] {
             Convert("Bytes", 1, true, "1000");
             TypeInto(ui.txtCalcDeci, "5");
         }},
        {"reverse chosen after a conversion",
         [this] {
             Convert("Bytes", 3, false, "1000");
             TypeInto(ui.txtCalcDeci, "5");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        c.reach();
        const QString decimalPlaces = ui.txtCalcDeci->text();
        Click(ui.optForm[2]);
        ExpectFormulaChosen("KiloBytes -> MegaBytes", "MegaBytes -> KiloBytes");
        EXPECT_EQ(ui.txtCalcDeci->text(), decimalPlaces);  // until a direction is chosen
        EXPECT_TRUE(platform.errors.empty());
    }
}

// From a formula just chosen or either direction with an amount typed, a click on either
// direction button or on the reverse one's label chooses that direction afresh.
TEST_F(StepFlow, DirectionClickFromEveryStateChoosesThatDirection) {
    const auto forward = conversion::FindForwardDirection("Microgram -> Nanogram");
    const auto reverse = conversion::FindReverseDirection("Nanogram -> Microgram");
    ASSERT_TRUE(forward && reverse);
    for (const char* from : {"formula", "forward", "reverse"}) {
        for (QWidget* via : Widgets{ui.optCalc1, ui.optCalc2, ui.lblOptCalc2}) {
            SCOPED_TRACE(from + (" via " + via->objectName().toStdString()));
            ChooseFormula("Weight (Metric <=> Metric)", 5);
            if (from != std::string_view("formula")) {
                Click(Direction(from == std::string_view("forward")));
                Type("12");
                TypeInto(ui.txtCalcDeci, "5");
            }
            Click(via);
            const bool toForward = via == ui.optCalc1;
            const auto& chosen = *(toForward ? forward : reverse)->direction;
            ExpectDirectionChosen(toForward, chosen.prompt, chosen.resultLabel);
        }
    }
}

// The reverse direction's label acts as its button: a press released off it chooses nothing.
TEST_F(StepFlow, APressOnTheReverseLabelReleasedOffItChoosesNothing) {
    ChooseFormula("Bytes", 1);
    QTest::mousePress(ui.lblOptCalc2, Qt::LeftButton);
    QTest::mouseRelease(ui.lblOptCalc2, Qt::LeftButton, {}, QPoint(-4, -4));
    EXPECT_FALSE(ui.optCalc2->isChecked());
    ExpectSteps(true, true, false);
}

// With no formula chosen Convert has nothing to convert: Select disables it, as a formula
// click does, rather than leave a button that does nothing and says nothing.
TEST_F(StepFlow, SelectFromAChosenDirectionDisablesConvert) {
    Convert("Bytes", 1, true, "1000");
    Click(ui.optCalc1);
    Type("2048");
    SelectArea("Bytes");
    ExpectSteps(true, false, false);
    EXPECT_EQ(SelectedFormulaButtons(), 0);
    EXPECT_EQ(Caption(ui.lblCalcFrm1), "");
}

TEST_F(StepFlow, SwitchingDirectionAfterConvertUncoversTheOtherFormulaText) {
    Convert("Bytes", 1, true, "1000");
    ASSERT_EQ(Caption(ui.lblCalc3), "0.98");
    Click(ui.optCalc2);
    EXPECT_EQ(Caption(ui.lblCalcFrm1), "");
    EXPECT_EQ(Caption(ui.lblCalcFrm2), "(kbytes) × 1024");
    EXPECT_EQ(ui.frmCalc->childAt(ui.lblCalcFrm2->geometry().center()), ui.lblCalcFrm2);
}

// The arrow keys move through an option group and click each button they reach, also where
// nothing is chosen yet; the click's handler has the last word on the focus, as for a mouse
// click.
TEST_F(StepFlow, ArrowKeyInAnOptionGroupActsAsAClickOnTheButtonReached) {
    const QString kSecondFormula =
        QStringLiteral("3. Calculations. KiloBytes -> MegaBytes or MegaBytes -> KiloBytes.");
    const struct {
        QRadioButton* from;
        bool chosen;  // the button the key starts from is selected
        Qt::Key key;
        QRadioButton* reached;
        QWidget* focus;
        QStringList heard;  // said of the new step, once
    } cases[] = {
        {ui.optCalc1, true, Qt::Key_Right, ui.optCalc2, ui.txtCalc2, {}},
        {ui.optCalc2, true, Qt::Key_Left, ui.optCalc1, ui.txtCalc1, {}},
        {ui.optForm[1], true, Qt::Key_Down, ui.optForm[2], ui.optForm[2], {kSecondFormula}},
        {ui.optCalc1, false, Qt::Key_Right, ui.optCalc2, ui.txtCalc2, {}},
        {ui.optForm[1], false, Qt::Key_Down, ui.optForm[2], ui.optForm[2], {kSecondFormula}},
    };
    QStringList heard;
    RecordNotices(form, heard);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reached->objectName().toStdString() + (c.chosen ? "" : ", none chosen"));
        ChooseFormula("Bytes", 1);
        if (c.chosen) Click(c.from);
        if (!c.chosen && c.from->parentWidget() == ui.frmChoose) Click(ui.cmdSelect);
        c.from->setFocus();
        heard.clear();
        Press(c.key);
        EXPECT_TRUE(c.reached->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
        EXPECT_EQ(heard, c.heard);
    }
    EXPECT_EQ(Caption(ui.lblOptCalc2), "MegaBytes -> KiloBytes");
}

}  // namespace
}  // namespace ombrelo::window
