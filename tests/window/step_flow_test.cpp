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

using Widgets = std::initializer_list<QWidget*>;

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
        EXPECT_FALSE(ui.optCalc1->isChecked());
        EXPECT_FALSE(ui.optCalc2->isChecked());
        for (QWidget* control :
             Widgets{ui.lblCalc1, ui.txtCalc1, ui.lblCalc2, ui.lblCalc3, ui.lblCalc4, ui.txtCalc2,
                     ui.lblCalc5, ui.lblCalc6, ui.lblCalcDeci, ui.txtCalcDeci}) {
            EXPECT_TRUE(control->isHidden()) << control->objectName().toStdString();
        }
        EXPECT_EQ(Text(ui.txtCalc1), "");
        EXPECT_EQ(Text(ui.txtCalc2), "");
        EXPECT_EQ(Caption(ui.lblCalc3), "");
        EXPECT_EQ(Caption(ui.lblCalc6), "");
        EXPECT_EQ(Caption(ui.lblCalcFrm1), "");
        EXPECT_EQ(Caption(ui.lblCalcFrm2), "");
    }

    // A chosen direction: its column shown with the catalog's prompt and result label, an
    // empty focused amount, "0" in the other box, and "2" places under the column.
    void ExpectDirectionChosen(bool forward, std::string_view prompt,
                               std::string_view resultLabel) const {
        ExpectSteps(true, true, true);
        EXPECT_EQ(ui.optCalc1->isChecked(), forward);
        EXPECT_EQ(ui.optCalc2->isChecked(), !forward);
        QLabel* const shownPrompt = forward ? ui.lblCalc1 : ui.lblCalc4;
        QLabel* const shownResultLabel = forward ? ui.lblCalc2 : ui.lblCalc5;
        QLabel* const shownResult = forward ? ui.lblCalc3 : ui.lblCalc6;
        QLabel* const hiddenPrompt = forward ? ui.lblCalc4 : ui.lblCalc1;
        QLabel* const hiddenResult = forward ? ui.lblCalc6 : ui.lblCalc3;
        QLineEdit* const amount = AmountBox(forward);
        QLineEdit* const otherAmount = AmountBox(!forward);
        for (QWidget* shown : Widgets{shownPrompt, amount, shownResultLabel, shownResult}) {
            EXPECT_TRUE(shown->isVisible());
        }
        for (QWidget* hidden : Widgets{hiddenPrompt, otherAmount, hiddenResult}) {
            EXPECT_TRUE(hidden->isHidden());
        }
        EXPECT_EQ(shownPrompt->text(), ToQString(prompt));
        EXPECT_EQ(shownResultLabel->text(), ToQString(resultLabel));
        EXPECT_EQ(Text(amount), "");
        EXPECT_EQ(QApplication::focusWidget(), amount);
        EXPECT_EQ(Text(otherAmount), "0");
        EXPECT_EQ(Caption(ui.lblCalc3), "");
        EXPECT_EQ(Caption(ui.lblCalc6), "");
        EXPECT_EQ(Text(ui.txtCalcDeci), "2");
        EXPECT_TRUE(ui.txtCalcDeci->isVisible());
        EXPECT_TRUE(ui.lblCalcDeci->isVisible());
        // 360 / 1560 twips under the left column, 2640 / 3840 under the right one.
        EXPECT_EQ(ui.lblCalcDeci->x(), forward ? 24 : 176);
        EXPECT_EQ(ui.txtCalcDeci->x(), forward ? 104 : 256);
    }
};

TEST_F(StepFlow, SelectWithATextNamingNoAreaShowsStepTwoWithoutButtons) {
    const std::vector<std::string> texts = {
        "",  // the initial "Choose and click Select", left as it is
        "[x] Liquid Measures (U.S. <=> Metric)",
        "[x] Liquid Measures (U.S. <=> U.S.)",
        "[x] Liquid Measures (Metric <=> Metric)",
        " Bytes",
        "Bytes ",
        "Volume",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        if (!text.empty()) TypeArea(text);
        EXPECT_EQ(Text(ui.Combo1), text.empty() ? "Choose and click Select" : text);
        Click(ui.cmdSelect);
        ExpectSteps(true, false, false);
        for (std::size_t n = 1; n <= 8; ++n)
            EXPECT_TRUE(ui.optForm[n]->isHidden()) << n;
    }
}

TEST_F(StepFlow, SelectShowsTheAreasFormulaButtonsNoneSelected) {
    const struct {
        const char* area;
        std::size_t buttons;
    } cases[] = {
        {"Bytes", 3},
        {"Measurements (U.S. <=> Metric)", 6},
        {"Measurements (U.S. <=> U.S.)", 2},
        {"Measurements (Metric <=> Metric)", 4},
        {"Temperature", 1},
        {"Weight (U.S. <=> Metric)", 3},
        {"Weight (U.S. <=> U.S.)", 2},
        {"Weight (Metric <=> Metric)", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.area);
        if (ui.optForm[1]->isVisible()) Click(ui.optForm[1]);  // a formula chosen before
        SelectArea(c.area);
        ExpectSteps(true, false, false);
        EXPECT_EQ(SelectedFormulaButtons(), 0);
        const auto formulas = conversion::FindArea(c.area)->formulas;
        ASSERT_EQ(formulas.size(), c.buttons);
        for (std::size_t n = 1; n <= 8; ++n) {
            EXPECT_EQ(ui.optForm[n]->isVisible(), n <= c.buttons) << n;
            if (n <= c.buttons) {
                EXPECT_EQ(ui.optForm[n]->text(), ToQString(formulas[n - 1].caption));
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

TEST_F(StepFlow, DirectionClickFromEveryStateChoosesThatDirection) {
    enum class From { Formula, Forward, Reverse };
    enum class Via { OptCalc1, OptCalc2, Label };
    const struct {
        From from;
        Via via;
    } cases[] = {
        {From::Formula, Via::OptCalc1}, {From::Forward, Via::OptCalc1},
        {From::Reverse, Via::OptCalc1}, {From::Formula, Via::OptCalc2},
        {From::Forward, Via::OptCalc2}, {From::Reverse, Via::OptCalc2},
        {From::Formula, Via::Label},    {From::Forward, Via::Label},
        {From::Reverse, Via::Label},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "from " << static_cast<int>(c.from) << " via " << static_cast<int>(c.via));
        ChooseFormula("Weight (Metric <=> Metric)", 5);
        if (c.from != From::Formula) {
            Click(Direction(c.from == From::Forward));
            Type("12");
            TypeInto(ui.txtCalcDeci, "5");
        }
        switch (c.via) {
            case Via::OptCalc1:
                Click(ui.optCalc1);
                break;
            case Via::OptCalc2:
                Click(ui.optCalc2);
                break;
            case Via::Label:
                Click(ui.lblOptCalc2);
                break;
        }
        const bool forward = c.via == Via::OptCalc1;
        const auto found = forward ? conversion::FindForwardDirection("Microgram -> Nanogram")
                                   : conversion::FindReverseDirection("Nanogram -> Microgram");
        ASSERT_TRUE(found);
        EXPECT_EQ(found->direction->resultLabel, forward ? "Nanograms:" : "Micrograms:");
        ExpectDirectionChosen(forward, found->direction->prompt, found->direction->resultLabel);
    }
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
    const struct {
        QRadioButton* from;
        bool chosen;  // the button the key starts from is selected
        Qt::Key key;
        QRadioButton* reached;
        QWidget* focus;
    } cases[] = {
        {ui.optCalc1, true, Qt::Key_Right, ui.optCalc2, ui.txtCalc2},
        {ui.optCalc2, true, Qt::Key_Left, ui.optCalc1, ui.txtCalc1},
        {ui.optForm[1], true, Qt::Key_Down, ui.optForm[2], ui.optForm[2]},
        {ui.optCalc1, false, Qt::Key_Right, ui.optCalc2, ui.txtCalc2},
        {ui.optForm[1], false, Qt::Key_Down, ui.optForm[2], ui.optForm[2]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reached->objectName().toStdString() + (c.chosen ? "" : ", none chosen"));
        ChooseFormula("Bytes", 1);
        if (c.chosen) Click(c.from);
        if (!c.chosen && c.from->parentWidget() == ui.frmChoose) Click(ui.cmdSelect);
        c.from->setFocus();
        Press(c.key);
        EXPECT_TRUE(c.reached->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
    }
    EXPECT_EQ(Caption(ui.lblOptCalc2), "MegaBytes -> KiloBytes");
}

}  // namespace
}  // namespace ombrelo::window
