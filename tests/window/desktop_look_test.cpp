// The window as the desktop's theme and style leave it, measured from its pixels: contrast
// under light, dark and high-contrast palettes, and one look under every installed Qt style.
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include "tests/window/form_driver.h"
#include "window/widgets/form_style.h"

namespace ombrelo::window {
namespace {

constexpr double kTextContrast = 4.5;  // WCAG 2.1, 1.4.3
constexpr double kLineContrast = 3.0;  // WCAG 2.1, 1.4.11

QPalette StandardPalette() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

// A desktop's palette by the colours it sets; Qt derives the bevel shades from the button.
struct PaletteColours {
    const char* name;
    QRgb window, windowText, base, text, button, buttonText, highlight, highlightedText;
};

// As Qt 6.4 reads them: GNOME's dark style through the gtk3 platform theme, KDE's Breeze Dark
// colour scheme, a high-contrast scheme of white on black, and a light one with a teal accent
// (whose focus ring, darkened as Fusion draws it, would fade into the blue).
constexpr PaletteColours kDesktopPalettes[] = {
    {"Adwaita-dark (gtk3)", 0x323232, 0xf0f0f0, 0x242424, 0xf0f0f0, 0x323232, 0xf0f0f0, 0x308cc6,
     0xf0f0f0},
    {"Breeze Dark", 0x2a2e32, 0xfcfcfc, 0x1b1e20, 0xfcfcfc, 0x31363b, 0xfcfcfc, 0x3daee9, 0xfcfcfc},
    {"high contrast", 0x000000, 0xffffff, 0x000000, 0xffffff, 0x000000, 0xffffff, 0x1aebff,
     0x000000},
    {"teal accent", 0xefefef, 0x000000, 0xffffff, 0x000000, 0xefefef, 0x000000, 0x00c8c8, 0xffffff},
};

QPalette MakePalette(const PaletteColours& c) {
    QPalette palette{QColor(c.button), QColor(c.window)};
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, c.windowText);
        palette.setColor(group, QPalette::Base, c.base);
        palette.setColor(group, QPalette::Text, c.text);
        palette.setColor(group, QPalette::ButtonText, c.buttonText);
        palette.setColor(group, QPalette::Highlight, c.highlight);
        palette.setColor(group, QPalette::HighlightedText, c.highlightedText);
    }
    return palette;
}

QRect InWindow(const QWidget& form, const QWidget& control, QRect area) {
    return area.translated(control.mapTo(&form, QPoint(0, 0)));
}

// A text's contrast: the commonest colour of its area is the background, and the colour
// farthest from it, met in the glyphs' stems, the text's.
double TextContrast(const QImage& image, QRect area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) std::tie(background, most) = std::tie(colour, count);
    }
    double contrast = 1.0;
    for (const auto& entry : counts)
        contrast = std::max(contrast, ContrastRatio(entry.first, background));
    return contrast;
}

// The outline of a control against the blue it stands on: its outermost pixel column, half
// way down its left edge.
double OutlineContrast(const QImage& image, QRect control) {
    return ContrastRatio(image.pixel(control.left(), control.center().y()), kDesignBlue);
}

QRect Indicator(QRadioButton& option) {
    QStyleOptionButton style;
    style.initFrom(&option);
    return option.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, &option);
}

class DesktopLook : public FormTest {
  protected:
    void TearDown() override { QApplication::setPalette(StandardPalette()); }

    // Every kind of control the window draws on its blue, shown.
    void ShowEveryKind() { Convert("Bytes", 1, true, "1000"); }

    // As the window shows active, then inactive behind another window.
    void ExpectContrastsActiveOrNot() {
        ExpectContrasts();
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        SCOPED_TRACE("inactive");
        ExpectContrasts();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void ExpectContrasts() {
        ui.txtCalc1->setFocus();  // its outline is then the focus ring
        const QImage image = form.grab().toImage();
        const auto text = [&](QWidget* control, QRect area) {
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_GE(TextContrast(image, InWindow(form, *control, area)), kTextContrast);
        };
        for (QWidget* control : Widgets{ui.lblTitle, ui.lblVersion, ui.lblCalc1, ui.lblCalc2,
                                        ui.lblCalc3, ui.txtCalc1, ui.txtCalcDeci, ui.lblCalcDeci,
                                        ui.cmdSelect, ui.cmdClearAll, ui.Combo1->lineEdit()}) {
            text(control, control->rect().adjusted(2, 2, -2, -2));
        }
        text(ui.frmOption, QRect(8, 0, 120, ui.frmOption->fontMetrics().height()));
        for (QRadioButton* option : {ui.optForm[1], ui.optCalc1}) {
            QStyleOptionButton style;
            style.initFrom(option);
            text(option,
                 option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option));
        }

        const auto line = [&](const char* what, QRgb colour) {
            SCOPED_TRACE(what);
            EXPECT_GE(ContrastRatio(colour, kDesignBlue), kLineContrast);
        };
        const QRect frame = InWindow(form, *ui.frmChoose, ui.frmChoose->rect());
        line("frame shadow line", image.pixel(frame.left(), frame.center().y()));
        line("frame light line", image.pixel(frame.left() + 1, frame.center().y()));
        for (QWidget* box : Widgets{ui.txtCalc1, ui.txtCalcDeci, ui.lblCalc3, ui.Combo1,
                                    ui.cmdSelect, ui.cmdClearAll, ui.cmdByteConvert}) {
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_GE(OutlineContrast(image, InWindow(form, *box, box->rect())), kLineContrast);
        }
        // An option's disc against the blue, and a selected option's dot against its disc.
        for (QRadioButton* option : {ui.optForm[1], ui.optForm[2], ui.optCalc2}) {
            SCOPED_TRACE(option->objectName().toStdString());
            const QRect disc = InWindow(form, *option, Indicator(*option));
            const QRgb inside = image.pixel(disc.left() + disc.width() / 5, disc.center().y());
            EXPECT_GE(ContrastRatio(inside, kDesignBlue), kLineContrast);
            if (option->isChecked()) {
                EXPECT_GE(ContrastRatio(image.pixel(disc.center()), inside), kLineContrast);
            }
        }
    }
};

// Under the standard palette, then each desktop's.
TEST_F(DesktopLook, TextsAndLinesStandOutUnderTheDesktopsPalettes) {
    ShowEveryKind();
    ExpectContrastsActiveOrNot();
    for (const PaletteColours& colours : kDesktopPalettes) {
        SCOPED_TRACE(colours.name);
        QApplication::setPalette(MakePalette(colours));
        QCoreApplication::processEvents();  // the widgets take the new palette
        ExpectContrastsActiveOrNot();
        // The standard controls still follow the desktop's palette.
        EXPECT_EQ(ui.txtCalc1->palette().color(QPalette::Base), QColor(colours.base));
    }
}

// Whatever style the desktop asks for, the window draws the same pixels as under the style
// its layout was made for: no caption cut, no indicator clipped, no arrow lost.
TEST(DesktopStyles, EveryInstalledStyleDrawsTheWindowAlike) {
    const auto render = [] {
        RecordingPlatform platform;
        numbers::FixedRegionalSettings regional;
        Form1 form(platform, regional);
        const Form1Controls ui = FindControls(form);
        ui.Combo1->setEditText(QStringLiteral("Bytes"));
        ui.cmdSelect->click();
        ui.optForm[3]->click();  // "MegaBytes <=> GigaBytes", the widest caption of its area
        ui.optCalc2->click();
        return form.grab().toImage();
    };
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(StandardPalette());
    const QImage expected = render();
    const QStringList styles = QStyleFactory::keys();
    EXPECT_GE(styles.size(), 2);
    for (const QString& name : styles) {
        SCOPED_TRACE(name.toStdString());
        QApplication::setStyle(name);
        QApplication::setPalette(StandardPalette());  // the style's own colours are not at issue
        EXPECT_TRUE(render() == expected);
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(StandardPalette());
}

}  // namespace
}  // namespace ombrelo::window
