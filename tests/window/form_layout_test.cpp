// Every row of the form table against the widget the window built for it.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include "conversion/catalog.h"
#include "tests/window/test_platform.h"
#include "window/desktop/qt_text.h"
#include "window/form/form_table.h"
#include "window/form1.h"

namespace ombrelo::window {
namespace {

// Computed apart from the builder: 15 twips to the pixel, to nearest.
int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// The Qt class of each kind, in the order of ControlKind.
constexpr const char* kClassOfKind[] = {"QGroupBox",      "QLabel",      "QLineEdit",
                                        "QPlainTextEdit", "QPushButton", "QRadioButton",
                                        "QComboBox",      "QFrame",      "QTimer"};
static_assert(std::size(kClassOfKind) == static_cast<std::size_t>(ControlKind::Timer) + 1);

// The caption or text a control shows, with the multi-line boxes' lines ended as stored.
QString ShownText(const QObject& object) {
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(&object))
        return box->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    for (const char* property : {"text", "title", "currentText"}) {
        if (const QVariant value = object.property(property); value.isValid())
            return value.toString();
    }
    return {};
}

// A label's or a text box's; left for the rest.
Qt::Alignment HorizontalAlignment(const QObject& object) {
    const QVariant alignment = object.property("alignment");
    return alignment.isValid() ? alignment.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask
                               : Qt::AlignLeft;
}

// Where a control draws its caption; a frame's stands inside its border.
QRect CaptionArea(QWidget& control) {
    QStyleOptionButton option;
    option.initFrom(&control);
    const bool radio = qobject_cast<QRadioButton*>(&control) != nullptr;
    if (radio || qobject_cast<QPushButton*>(&control) != nullptr) {
        return control.style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option,
            &control);
    }
    if (qobject_cast<QGroupBox*>(&control) != nullptr) return control.rect().adjusted(8, 0, -8, 0);
    return control.contentsRect();
}

class FormLayout : public ::testing::Test {
  protected:
    RecordingPlatform m_platform;
    numbers::FixedRegionalSettings m_regional;
    Form1 m_form{m_platform, m_regional};
    const Form1Controls m_ui = FindControls(m_form);
};

TEST_F(FormLayout, TheWindowIsFixedSizeWithItsTitleAndStaysSo) {
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("Ombrelo v1.1 ~by Vesk"));
    EXPECT_EQ(m_form.minimumSize(), QSize(321, 481));
    EXPECT_EQ(m_form.maximumSize(), QSize(321, 481));
    EXPECT_FALSE(m_form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(m_form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(m_form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // A maximize request is taken back.
    m_form.show();
    m_form.setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(m_form.isMaximized());
    EXPECT_EQ(m_form.size(), QSize(321, 481));
}

TEST_F(FormLayout, EveryRowIsAWidgetOfItsKindWhereTheTableSays) {
    for (const ControlRow& row : FormRows()) {
        const QString name = QString::fromStdString(ObjectName(row));
        SCOPED_TRACE(name.toStdString());
        const QList<QObject*> found = m_form.findChildren<QObject*>(name);
        ASSERT_EQ(found.size(), 1);
        const QObject& object = *found.front();

        EXPECT_STREQ(object.metaObject()->className(),
                     kClassOfKind[static_cast<std::size_t>(row.kind)]);
        const QObject* parent = object.parent();
        ASSERT_NE(parent, nullptr);
        if (row.container.empty()) {
            EXPECT_EQ(parent, &m_form);
        } else {
            EXPECT_EQ(parent->objectName(), ToQString(row.container));
        }
        if (row.kind == ControlKind::Timer) {
            const auto& timer = static_cast<const QTimer&>(object);
            EXPECT_FALSE(timer.isActive());
            EXPECT_EQ(timer.interval(), row.intervalMs);
            continue;
        }

        const auto& widget = static_cast<const QWidget&>(object);
        QRect expected(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
        if (row.kind == ControlKind::Line) expected.setWidth(std::max(expected.width(), 1));
        EXPECT_EQ(widget.geometry(), expected);
        EXPECT_EQ(ShownText(widget), ToQString(row.text));
        EXPECT_EQ(widget.isHidden(), !row.visible);
        EXPECT_EQ(widget.isEnabled(), row.enabled);
        EXPECT_EQ(widget.font().family(), ToQString(row.font.family));
        EXPECT_DOUBLE_EQ(widget.font().pointSizeF(), row.font.points);
        EXPECT_EQ(widget.font().bold(), row.font.bold);
        EXPECT_EQ(widget.font().italic(), row.font.italic);
        EXPECT_EQ(HorizontalAlignment(widget) == Qt::AlignHCenter, row.align == Align::Centre);
        EXPECT_EQ(HorizontalAlignment(widget) == Qt::AlignRight, row.align == Align::Right);
        EXPECT_EQ(widget.accessibleName(), ToQString(row.accessibleName));
        if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) {
            EXPECT_EQ(box->maxLength(), row.maxLength > 0 ? row.maxLength : 32767);
        }
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(&widget)) {
            EXPECT_EQ(box->isReadOnly(), row.readOnly);
            EXPECT_EQ(box->verticalScrollBarPolicy(),
                      row.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        }
        // A result is reached by Tab, as a box is.
        const bool takesFocus =
            (IsWindowed(row.kind) && row.kind != ControlKind::Frame) || row.number;
        EXPECT_EQ(widget.focusPolicy() != Qt::NoFocus, takesFocus);
    }
}

// The captions are the table's (checked above); the groups hand out each member by its index.
TEST_F(FormLayout, ControlArraysAreButtonGroupsKeyedByIndex) {
    ASSERT_EQ(m_ui.cmdNumberGroup->buttons().size(), 10);
    ASSERT_EQ(m_ui.cmdOperatorGroup->buttons().size(), 4);
    for (int index = 0; index <= 9; ++index) {
        EXPECT_EQ(m_ui.cmdNumberGroup->button(index), m_ui.cmdNumber.at(std::size_t(index)));
        if (index >= 1 && index <= 4) {
            EXPECT_EQ(m_ui.cmdOperatorGroup->button(index),
                      m_ui.cmdOperator.at(std::size_t(index)));
        }
    }
}

// What a screen reader announces: a text box by what it holds or by the label that names it,
// anything captioned by its caption as it stands now (without the access key's "&"), and a
// label or option button hidden, or with no caption, by nothing (not by its frame's caption).
TEST_F(FormLayout, ScreenReadersReadEveryControlByItsCurrentText) {
    const auto row = [](std::string_view name) {
        return *std::ranges::find(FormRows(), name, &ControlRow::name);
    };
    for (const ControlRow& r : FormRows()) {
        if (r.kind == ControlKind::Timer || r.kind == ControlKind::Line) continue;
        SCOPED_TRACE(ObjectName(r));
        auto* widget = m_form.findChild<QWidget*>(QString::fromStdString(ObjectName(r)));
        ASSERT_NE(widget, nullptr);
        // The combo box itself is announced by its text; its field by what it holds.
        if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        const bool holdsText = r.kind == ControlKind::TextBox ||
                               r.kind == ControlKind::MultiLineText ||
                               r.kind == ControlKind::ComboBox;
        const auto namer = std::ranges::find(FormRows(), r.name, &ControlRow::buddy);
        QString expected = ToQString(holdsText ? r.accessibleName : r.text).remove(u'&');
        if (expected.isEmpty() && namer != FormRows().end()) expected = ToQString(namer->text);
        if (!holdsText && r.kind != ControlKind::Frame && r.kind != ControlKind::CommandButton) {
            const bool shown = r.visible && (r.container.empty() || row(r.container).visible);
            if (!shown) expected.clear();
        }
        EXPECT_EQ(accessible->text(QAccessible::Name), expected);
        EXPECT_EQ(accessible->text(QAccessible::Description), ToQString(r.accessibleDescription));
    }

    // A name follows its caption, or its label's, as it changes.
    const auto name = [](QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    m_ui.frmCalc->show();
    m_ui.cmdAbout->setText(QStringLiteral("Back"));
    m_ui.lblCalcDeci->setText(QStringLiteral("Places"));
    m_ui.lblOptCalc2->setText(QStringLiteral("Feet -> Yards"));
    EXPECT_EQ(name(m_ui.cmdAbout), QStringLiteral("Back"));
    EXPECT_EQ(name(m_ui.txtCalcDeci), QStringLiteral("Places"));
    EXPECT_EQ(name(m_ui.optCalc2), QStringLiteral("Feet -> Yards"));
}

// Nothing the window can caption a control with wraps or is cut at the design font, in the
// faces the package depends on (the classic faces' stand-ins).
TEST_F(FormLayout, EveryCaptionFitsItsControlInThePackagedFaces) {
    std::multimap<std::string, std::string_view> captions;  // every caption a control can show
    for (const ControlRow& row : FormRows()) {
        const bool captioned = row.kind == ControlKind::Frame || row.kind == ControlKind::Label ||
                               row.kind == ControlKind::CommandButton ||
                               row.kind == ControlKind::OptionButton;
        if (captioned && !row.number && !row.text.empty())
            captions.emplace(ObjectName(row), row.text);
    }
    for (const conversion::ConversionFormula& formula : conversion::AllFormulas()) {
        captions.emplace("optForm" + std::to_string(formula.slot), formula.caption);
        for (const auto& [direction, caption, prompt, result, text] :
             {std::tuple{&formula.forward, "optCalc1", "lblCalc1", "lblCalc2", "lblCalcFrm1"},
              std::tuple{&formula.reverse, "lblOptCalc2", "lblCalc4", "lblCalc5", "lblCalcFrm2"}}) {
            captions.emplace(caption, direction->caption);
            captions.emplace(prompt, direction->prompt);
            captions.emplace(result, direction->resultLabel);
            captions.emplace(text, direction->formulaText);
        }
    }
    for (const char* panelButton : {"cmdCalcu", "cmdNew", "cmdAbout"})
        captions.emplace(panelButton, "Back");

    for (const auto& [name, caption] : captions) {
        SCOPED_TRACE(name + " \"" + std::string(caption) + "\"");
        auto* control = m_form.findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(control, nullptr);
        const QString face = QFontInfo(control->font()).family();
        EXPECT_TRUE(face == u"Liberation Sans" || face == u"Dancing Script") << face.toStdString();
        const QFontMetrics metrics(control->font());
        const QRect area = CaptionArea(*control);
        EXPECT_LE(metrics.horizontalAdvance(ToQString(caption).remove(u'&')), area.width());
        EXPECT_LE(metrics.height(), area.height());
    }
}

}  // namespace
}  // namespace ombrelo::window
