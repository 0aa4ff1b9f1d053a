#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QToolTip>
#include <QtMath>

#include "tests/window/form_driver.h"
#include "window/desktop/system_regional_settings.h"
#include "window/widgets/form_style.h"
#include "window/widgets/number_label.h"

namespace ombrelo::window {
namespace {

using namespace Qt::StringLiterals;

// The blank columns left and right of what the label draws within its contents.
std::pair<int, int> BlankSides(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QRect contents = label->contentsRect();
    const QRgb blank = image.pixel(contents.topLeft());
    int first = contents.right();
    int last = contents.left();
    for (int x = contents.left(); x <= contents.right(); ++x) {
        for (int y = contents.top(); y <= contents.bottom(); ++y) {
            if (image.pixel(x, y) == blank) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    return {first - contents.left(), contents.right() - last};
}

class ConvertClick : public FormTest {
  protected:
    // What lies on top at the centre of the label, within step 3.
    QWidget* TopAt(QLabel* label) const { return ui.frmCalc->childAt(label->geometry().center()); }

    // Right-clicks the label and chooses the entry of its menu, as the user would.
    static void ChooseFromContextMenu(QLabel* label, const QString& entry) {
        const QPoint at = label->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
        QApplication::sendEvent(label, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().remove(u'&').startsWith(entry)) chosen = action;
        }
        ASSERT_NE(chosen, nullptr) << entry.toStdString();
        chosen->trigger();
        menu->close();
        // The offscreen platform hands activation back only once the menu is gone.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        label->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(label->window()));
    }
};

// The window's part of a conversion: the formula button and direction chosen reach the right
// formula, result label and formula texts (the numbers themselves are the core's, tested
// there). The hidden box of the other direction holds "0", so its result is the conversion of 0.
TEST_F(ConvertClick, ConvertsBothDirectionsAndShowsTheFormulaTexts) {
    const struct {
        const char* area;
        int slot;
        bool forward;
        const char* amount;
        const char* result;       // in the chosen direction's result label
        const char* otherResult;  // in the hidden direction's one
        const char* forwardFormula;
        const char* reverseFormula;
    } cases[] = {
        {"Bytes", 1, true, "1000", "0.98", "0.00", "(bytes) / 1024", "(kbytes) × 1024"},
        {"Measurements (U.S. <=> Metric)", 6, true, "10", "254.00", "0.00", "(inches) × 25.4",
         "(millimeters) / 25.4"},
        {"Temperature", 1, true, "100", "212.00", "-17.78", "(C° × 1.8) + 32",
         "(F° - 32) × (5 / 9)"},
        {"Weight (Metric <=> Metric)", 5, false, "1500", "1.50", "0.00", "(µgrams) × 1000",
         "(ngrams) / 1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.area << " " << c.slot << (c.forward ? " ->" : " <-") << " " << c.amount);
        Convert(c.area, c.slot, c.forward, c.amount);
        QLabel* const result = c.forward ? ui.lblCalc3 : ui.lblCalc6;
        QLabel* const otherResult = c.forward ? ui.lblCalc6 : ui.lblCalc3;
        EXPECT_EQ(result->text(), QString::fromUtf8(c.result));
        EXPECT_TRUE(result->isVisible());
        EXPECT_EQ(otherResult->text(), QString::fromUtf8(c.otherResult));
        EXPECT_EQ(ui.lblCalcFrm1->text(), QString::fromUtf8(c.forwardFormula));
        EXPECT_EQ(ui.lblCalcFrm2->text(), QString::fromUtf8(c.reverseFormula));
        // The chosen direction's formula text shows in the other column; its own column's
        // formula label lies under the amount box.
        QLabel* const shownFormula = c.forward ? ui.lblCalcFrm1 : ui.lblCalcFrm2;
        QLabel* const coveredFormula = c.forward ? ui.lblCalcFrm2 : ui.lblCalcFrm1;
        EXPECT_EQ(TopAt(shownFormula), shownFormula);
        EXPECT_EQ(TopAt(coveredFormula), AmountBox(c.forward));
        EXPECT_TRUE(platform.errors.empty());
    }
}

// An error ends the click where it is raised (each error is the core's, tested there): here the
// forward result is rewritten with 3 places before the reverse product overflows; the error is
// reported once, and the next conversion works.
TEST_F(ConvertClick, ARunTimeErrorKeepsEarlierWritesAndTheWindowWorking) {
    Convert("Bytes", 1, false, "5");
    TypeInto(ui.txtCalc2, "1E+306");
    TypeInto(ui.txtCalcDeci, "3");
    Click(ui.cmdByteConvert);
    EXPECT_EQ(platform.errors, std::vector<int>{6});
    EXPECT_EQ(Caption(ui.lblCalc3), "0.000");
    EXPECT_EQ(Caption(ui.lblCalc6), "5,120.00");
    EXPECT_EQ(Caption(ui.lblCalcFrm1), "(bytes) / 1024");

    TypeInto(ui.txtCalc2, "5");
    Click(ui.cmdByteConvert);
    EXPECT_EQ(Caption(ui.lblCalc6), "5,120.000");
    EXPECT_EQ(platform.errors.size(), 1U);
}

// Convert under the settings the program reads from each locale. A locale with digits of its
// own shows them in the boxes it fills and in the results, and reads them as typed; an amount
// not written in the locale's format ("-1234.56789" in Germany) is read by its leading number.
TEST_F(ConvertClick, ConvertsInTheNumberFormatOfTheUsersLocale) {
    const struct {
        const char* locale;
        const char* amount;  // as typed, into the forward box of "Meters <=> Millimeters"
        const char* places;  // as typed
        const char* result;
        const char* reverseResult;  // of the "0" put into the hidden box
        const char* zeroAndTwo;     // the hidden box's "0" and Decimal Places' "2", as shown
    } cases[] = {
        {"de_DE", "-1234.56789", "2", "-1.234.567,89", "0,00", "02"},
        {"ar_EG", "-١٢٣٤.٥٦٧٨٩", "٣", "-١٬٢٣٤٬٥٦٧٫٨٩٠", "٠٫٠٠٠", "٠٢"},
        {"ar_EG", "12.5", "0", "١٢٬٥٠٠", "٠", "٠٢"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.locale << " " << c.amount << " d=" << c.places);
        regional.Set(SystemRegionalSettings(QLocale(QString::fromLatin1(c.locale))).Current());
        Convert("Measurements (Metric <=> Metric)", 3, true, c.amount);
        EXPECT_EQ(Text(ui.txtCalc2) + Text(ui.txtCalcDeci), c.zeroAndTwo);
        TypeInto(ui.txtCalcDeci, c.places);
        Click(ui.cmdByteConvert);
        EXPECT_EQ(Caption(ui.lblCalc3), c.result);
        EXPECT_EQ(Caption(ui.lblCalc6), c.reverseResult);
        EXPECT_EQ(Caption(ui.lblCalcFrm1), "(meters) × 1000");  // captions keep their digits
        EXPECT_TRUE(platform.errors.empty());
    }
}

// An amount written the locale's way is read so; a shown result put into the other
// direction's box converts back to the amount it came from, grouping and all (every format's
// reading back is the number rules' to test; here, the copy and paste between the boxes).
TEST_F(ConvertClick, AResultPastedBackConvertsToTheAmountItCameFrom) {
    const struct {
        const char* locale;
        const char* kiloBytes;  // typed
        const char* bytes;      // shown
        const char* back;       // shown, from the bytes put into the forward box
    } cases[] = {
        {"de_DE", "1.024,5", "1.049.088,00", "1.024,50"},
        {"ar_EG", "٢٫٥", "٢٬٥٦٠٫٠٠", "٢٫٥٠"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.locale << " " << c.kiloBytes);
        regional.Set(SystemRegionalSettings(QLocale(QString::fromLatin1(c.locale))).Current());
        Convert("Bytes", 1, false, c.kiloBytes);
        EXPECT_EQ(ui.lblCalc6->text(), QString::fromUtf8(c.bytes));

        // Copied from the result, pasted into the other direction's (focused, empty) box.
        const auto pasteInto = [this](QLabel* result, bool forward) {
            ChooseFromContextMenu(result, QStringLiteral("Copy"));
            Click(Direction(forward));
            Press(Qt::Key_V, Qt::ControlModifier);
            Click(ui.cmdByteConvert);
        };
        pasteInto(ui.lblCalc6, true);
        EXPECT_EQ(ui.lblCalc3->text(), QString::fromUtf8(c.back));
        pasteInto(ui.lblCalc3, false);
        EXPECT_EQ(ui.lblCalc6->text(), QString::fromUtf8(c.bytes));
        EXPECT_TRUE(platform.errors.empty());
    }
}

// A result is never wrapped or cut silently: it shows whole at the design size, else whole at
// a smaller size, else cut at its end with an ellipsis; whichever, the tooltip, the name a
// screen reader announces and what the mouse copies are the whole result.
TEST_F(ConvertClick, ALongResultShowsWholeOrPlainlyCutAndAlwaysCopiesWhole) {
    enum class Shown { AtDesignSize, Smaller, Cut };
    // The largest amount that converts: its 15-digit result is just below the double limit.
    std::string largest = "179,769,313,486,231";
    for (int i = 0; i < 98; ++i)
        largest += ",000";
    const struct {
        const char* area;
        int slot;
        bool forward;
        const char* amount;
        const char* places;
        std::string result;
        Shown shown;
    } cases[] = {
        {"Bytes", 1, true, "1000", "2", "0.98", Shown::AtDesignSize},
        {"Bytes", 1, true, "123456789123.457", "9", "120,563,270.628376000", Shown::Smaller},
        {"Bytes", 1, false, "123456789123.457", "9", "126,419,752,062,420.000000000", Shown::Cut},
        {"Measurements (Metric <=> Metric)", 4, true, "1.79769313486231E+305", "9",
         largest + ".000000000", Shown::Cut},
        {"Bytes", 1, false, "1000", "2", "1,024,000.00", Shown::AtDesignSize},  // after a cut one
    };
    const double designPoints = ui.lblCalc3->font().pointSizeF();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area << " " << c.slot << (c.forward ? " ->" : " <-")
                                        << " " << c.amount << " d=" << c.places);
        Convert(c.area, c.slot, c.forward, c.amount);
        TypeInto(ui.txtCalcDeci, c.places);
        Click(ui.cmdByteConvert);
        ASSERT_TRUE(platform.errors.empty());
        auto* label = dynamic_cast<NumberLabel*>(c.forward ? ui.lblCalc3 : ui.lblCalc6);
        ASSERT_NE(label, nullptr);
        const QString whole = ToQString(c.result);
        (void)form.grab();  // drawn as the user sees it
        const QString shown = label->ShownText();
        const double points = label->font().pointSizeF();
        EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(shown),
                  label->contentsRect().width());
        EXPECT_EQ(points == designPoints, c.shown == Shown::AtDesignSize) << points;
        EXPECT_GE(points, NumberLabel::kFloorPoints);
        const QString cut = whole.left(shown.size() - 1) + QChar(0x2026);  // beginning and "…"
        EXPECT_EQ(shown, c.shown == Shown::Cut ? cut : whole);
        // Centred when whole; whole or cut, the padding inside the border stays clear on both
        // sides (an ellipsis drawn anywhere but right after the kept digits runs into it).
        const auto [left, right] = BlankSides(label);
        if (c.shown != Shown::Cut) {
            EXPECT_LE(std::abs(left - right), 2) << left << " | " << right;
        }
        EXPECT_GE(std::min(left, right), 2) << left << " | " << right;

        const QPoint at = label->rect().center();
        QHelpEvent hover(QEvent::ToolTip, at, label->mapToGlobal(at));
        QApplication::sendEvent(label, &hover);
        EXPECT_EQ(QToolTip::text(), whole);
        QToolTip::hideText();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), whole);

        Click(label);
        ASSERT_EQ(QApplication::focusWidget(), label);
        QApplication::clipboard()->clear();
        Press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), whole) << "Ctrl+C, with nothing selected";
        for (const QString& entry : {QStringLiteral("Copy"), QStringLiteral("Select All")}) {
            QApplication::clipboard()->clear();
            if (entry != QStringLiteral("Copy")) ChooseFromContextMenu(label, entry);
            ChooseFromContextMenu(label, QStringLiteral("Copy"));
            EXPECT_EQ(QApplication::clipboard()->text(), whole) << "after " << entry.toStdString();
        }
        label->setSelection(1, 3);
        Press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), whole.mid(1, 3)) << "Ctrl+C, a part selected";
    }
}

// A result that fits only once made smaller, as small as the smallest size, is drawn whole and
// centred, with no ellipsis; at 144 dpi with the desktop's scaling off, every size is smaller
// than at 96 dpi, the smallest too.
TEST_F(ConvertClick, AResultFittingOnlyAtTheSmallestSizeShowsWholeAndCentred) {
    auto* label = dynamic_cast<NumberLabel*>(ui.lblCalc3);
    ASSERT_NE(label, nullptr);
    const QString whole = u"126,419,752,062,420.000000000"_s;
    const double designPoints = label->font().pointSizeF();
    QFont smallest = label->font();
    smallest.setPointSizeF(NumberLabel::kFloorPoints * DesignPointScale());
    const int needed = qCeil(QFontMetricsF(smallest).horizontalAdvance(whole));
    // Two pixels stay clear inside the contents on either side.
    label->setFixedWidth(label->width() - label->contentsRect().width() + needed + 4);
    ASSERT_GT(QFontMetricsF(label->font()).horizontalAdvance(whole), needed);
    ui.frmCalc->show();
    label->setText(whole);

    const auto [left, right] = BlankSides(label);
    EXPECT_EQ(label->ShownText(), whole);
    EXPECT_LT(label->font().pointSizeF(), designPoints);
    EXPECT_LE(std::abs(left - right), 2) << "centred: " << left << " | " << right;
    // A pixel narrower, the padding would not stay clear: the result is cut.
    label->setFixedWidth(label->width() - 1);
    label->setText(whole);
    EXPECT_TRUE(label->ShownText().endsWith(QChar(0x2026)));
}

}  // namespace
}  // namespace ombrelo::window
