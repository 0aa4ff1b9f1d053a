#include "window/handlers/convert_click.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "conversion/convert.h"
#include "window/desktop/locale_digits.h"
#include "window/form/form1_controls.h"
#include "window/handlers/announcements.h"
#include "window/handlers/control_ops.h"

namespace ombrelo::window {

using conversion::Direction;

// Convert's view of the window: the formula buttons, the two amount boxes and the
// decimal-places box it reads, the result and formula labels it writes, one at a time. The
// amounts, the places and the results are numbers: they cross between the user's digits and
// the core's here (locale_digits.h). Captions and formula texts go as they are.
class ConvertClick::WindowForm final : public conversion::ConvertForm {
  public:
    WindowForm(const ConvertClick& controls, char32_t zeroDigit)
        : m_controls(controls), m_zeroDigit(zeroDigit) {}

    bool FormulaValue(int slot) const override { return IsSelected(optForm(slot)); }
    std::string FormulaCaption(int slot) const override { return Caption(optForm(slot)); }
    std::string AmountText(Direction direction) const override {
        return ToCoreDigits(AmountBox(direction)->text());
    }
    std::string DecimalPlacesText() const override {
        return ToCoreDigits(m_controls.txtCalcDeci->text());
    }
    std::string ResultCaption(Direction direction) const override {
        return ToCoreDigits(ResultLabel(direction)->text());
    }
    void SetResultCaption(Direction direction, std::string_view text) override {
        ResultLabel(direction)->setText(ToUserDigits(text, m_zeroDigit));
    }
    void SetFormulaText(Direction direction, std::string_view text) override {
        SetCaption(
            direction == Direction::Forward ? m_controls.lblCalcFrm1 : m_controls.lblCalcFrm2,
            text);
    }

  private:
    QRadioButton* optForm(int slot) const {
        return m_controls.optForm[static_cast<std::size_t>(slot)];
    }
    QLineEdit* AmountBox(Direction direction) const {
        return direction == Direction::Forward ? m_controls.txtCalc1 : m_controls.txtCalc2;
    }
    QLabel* ResultLabel(Direction direction) const {
        return direction == Direction::Forward ? m_controls.lblCalc3 : m_controls.lblCalc6;
    }

    const ConvertClick& m_controls;
    char32_t m_zeroDigit;
};

ConvertClick::ConvertClick(const Form1Controls& ui, const numbers::RegionalSettingsSource& regional,
                           Announcements& announcements)
    : m_regional(regional),
      m_announcements(announcements),
      optForm(ui.optForm),
      txtCalc1(ui.txtCalc1),
      txtCalc2(ui.txtCalc2),
      txtCalcDeci(ui.txtCalcDeci),
      lblCalc3(ui.lblCalc3),
      lblCalc6(ui.lblCalc6),
      lblCalcFrm1(ui.lblCalcFrm1),
      lblCalcFrm2(ui.lblCalcFrm2) {}

void ConvertClick::cmdByteConvert_Click() {
    const numbers::RegionalNumberSettings settings = m_regional.Current();
    WindowForm form(*this, settings.zeroDigit);
    conversion::RunConvert(form, settings);
    // Not reached after a run-time error: no stale result is heard.
    m_announcements.AnnounceResult();
}

}  // namespace ombrelo::window
