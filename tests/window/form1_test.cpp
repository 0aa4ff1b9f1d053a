#include "window/form1.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "conversion/catalog.h"
#include "tests/window/form_driver.h"
#include "window/desktop/qt_text.h"
#include "window/form/form_table.h"

namespace ombrelo::window {
namespace {

class Form1Test : public FormTest {
  protected:
    QWidget* Control(const ControlRow& row) const {
        return form.findChild<QWidget*>(QString::fromStdString(ObjectName(row)));
    }
};

// The window starts at step 1 only, Convert disabled, the area list showing its prompt with
// the areas unselected and the focus in its field.
TEST_F(Form1Test, StartsAtStepOneWithTheAreaListPromptFocusedAndNothingSelected) {
    EXPECT_TRUE(ui.frmChoose->isHidden() && ui.frmCalc->isHidden());
    EXPECT_FALSE(ui.cmdByteConvert->isEnabled());
    QComboBox& combo = *ui.Combo1;
    EXPECT_EQ(combo.currentText(), QStringLiteral("Choose and click Select"));
    EXPECT_EQ(combo.currentIndex(), -1);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus == ui.Combo1 || focus == ui.Combo1->lineEdit());
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items.append(combo.itemText(i));
    QStringList entries;
    for (const std::string_view entry : conversion::AreaEntries())
        entries.append(ToQString(entry));
    EXPECT_EQ(items, entries);
}

TEST_F(Form1Test, TypedAreaTextStaysAsTypedAndIsNeverAddedToTheList) {
    QLineEdit& field = *ui.Combo1->lineEdit();
    for (const char* typed : {"B", "bytes", "Bytes", "Anything at all"}) {
        SCOPED_TRACE(typed);
        field.clear();
        QTest::keyClicks(&field, QString::fromLatin1(typed));
        QTest::keyClick(&field, Qt::Key_Return);
        EXPECT_EQ(ui.Combo1->currentText(), QString::fromLatin1(typed));
        EXPECT_EQ(ui.Combo1->count(), conversion::kAreaEntryCount);
    }
}

// Tab visits the focusable controls in increasing tab index, whatever their frame.
TEST_F(Form1Test, TabChainFollowsTheTabIndexes) {
    std::vector<const ControlRow*> focusable;
    for (const ControlRow& row : FormRows()) {
        if (IsWindowed(row.kind) && row.kind != ControlKind::Frame) focusable.push_back(&row);
    }
    std::ranges::sort(focusable, {}, &ControlRow::tabIndex);
    ASSERT_EQ(focusable.size(), 45U);

    std::vector<std::string> expected;
    for (const ControlRow* row : focusable)
        expected.push_back(ObjectName(*row));

    // Walk the whole chain once from the first control, keeping the form's own controls
    // (a combo box's field or a text box's viewport is part of its control).
    std::vector<std::string> chain;
    QWidget* start = Control(*focusable.front());
    QWidget* widget = start;
    do {
        const auto row = std::ranges::find_if(focusable, [&](const ControlRow* r) {
            return QString::fromStdString(ObjectName(*r)) == widget->objectName();
        });
        if (row != focusable.end() && (chain.empty() || chain.back() != ObjectName(**row))) {
            chain.push_back(ObjectName(**row));
        }
        widget = widget->nextInFocusChain();
    } while (widget != start && chain.size() <= expected.size());
    EXPECT_EQ(chain, expected);
}

TEST_F(Form1Test, AnOpenPanelCoversStepsOneToThreeButNotTheTitleOrTheButtons) {
    ui.frmChoose->show();
    ui.frmCalc->show();
    for (QGroupBox* panel : {ui.frmCalcu, ui.frmNew, ui.frmAbout}) {
        SCOPED_TRACE(panel->objectName().toStdString());
        panel->show();
        for (QGroupBox* step : {ui.frmOption, ui.frmChoose, ui.frmCalc}) {
            const QRect area = step->geometry();
            for (const QPoint point : {area.topLeft(), area.center(), area.bottomRight(),
                                       area.topRight() + QPoint(-2, 6)}) {
                QWidget* top = form.childAt(point);
                EXPECT_TRUE(top == panel || panel->isAncestorOf(top))
                    << step->objectName().toStdString() << " at " << point.x() << "," << point.y();
            }
        }
        for (QWidget* uncovered : Widgets{ui.lblTitle, ui.lblVersion, ui.frmButtons}) {
            QWidget* top = form.childAt(uncovered->geometry().center());
            EXPECT_TRUE(top == uncovered || uncovered->isAncestorOf(top));
        }
        panel->hide();
    }
}

// The design's blue shows on the window and the option buttons; it is painted, not put in
// palettes, so the standard controls carry no palette of their own: they show the platform's
// colours and follow a change of them.
TEST_F(Form1Test, TheDesignBlueIsPaintedAndStandardControlsKeepThePlatformsColours) {
    ui.frmChoose->show();
    const QImage image = form.grab().toImage();
    const QColor blue(0, 0, 255);
    const QRect option = ui.optForm[1]->geometry().translated(ui.frmChoose->pos());
    EXPECT_EQ(image.pixelColor(option.left() + option.width() * 3 / 4, option.center().y()), blue);
    EXPECT_EQ(image.pixelColor(form.width() / 2, ui.frmCalc->geometry().center().y()), blue);
    // The line between the two columns of step 3 is drawn white.
    ui.frmCalc->show();
    const QPoint line = ui.Line1->geometry().center() + ui.frmCalc->pos();
    EXPECT_EQ(form.grab().toImage().pixelColor(line), QColor(Qt::white));
    for (QWidget* control :
         Widgets{ui.cmdExit, ui.cmdSelect, ui.cmdNumber[5], ui.Combo1, ui.txtCalc1, ui.txtDisplay,
                 ui.txtNew, ui.lblCalc3, ui.lblCalc6}) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_FALSE(control->testAttribute(Qt::WA_SetPalette));
        const QPalette desktop = QApplication::palette(control);
        for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                                QPalette::ButtonText, QPalette::Base, QPalette::Text}) {
            EXPECT_EQ(control->palette().color(role), desktop.color(role)) << role;
        }
    }
    // A result label shows the button face.
    EXPECT_EQ(ui.lblCalc3->backgroundRole(), QPalette::Button);
}

}  // namespace
}  // namespace ombrelo::window
