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

namespace {

using conversion::Direction;

// Convert's view of the window: the formula buttons, the two amount boxes and the
// decimal-places box it reads, the result and formula labels it writes, one at a time. The
// amounts, the places and the results are numbers: they cross between the user's digits and
// the core's here (locale_digits.h). Captions and formula texts go as they are.
class WindowConvertForm final : public conversion::ConvertForm {
  public:
    WindowConvertForm(const ConvertClick::Controls& form, char32_t zeroDigit)
        : m_form(form), m_zeroDigit(zeroDigit) {}

    bool FormulaValue(int slot) const override { return IsSelected(optForm(slot)); }
    std::string FormulaCaption(int slot) const override { return Caption(optForm(slot)); }
    std::string AmountText(Direction direction) const override {
        return ToCoreDigits(
            (direction == Direction::Forward ? m_form.txtCalc1 : m_form.txtCalc2)->text());
    }
    std::string DecimalPlacesText() const override {
        return ToCoreDigits(m_form.txtCalcDeci->text());
    }
    std::string ResultCaption(Direction direction) const override {
        return ToCoreDigits(ResultLabel(direction)->text());
    }
    void SetResultCaption(Direction direction, std::string_view text) override {
        ResultLabel(direction)->setText(ToUserDigits(text, m_zeroDigit));
    }
    void SetFormulaText(Direction direction, std::string_view text) override {
        SetCaption(direction == Direction::Forward ? m_form.lblCalcFrm1 : m_form.lblCalcFrm2, text);
    }

  private:
    QRadioButton* optForm(int slot) const { return m_form.optForm[static_cast<std::size_t>(slot)]; }
    NumberLabel* ResultLabel(Direction direction) const {
        return direction == Direction::Forward ? m_form.lblCalc3 : m_form.lblCalc6;
    }

    const ConvertClick::Controls& m_form;
    char32_t m_zeroDigit;
};

}  // namespace

ConvertClick::ConvertClick(const Form1Controls& ui, const numbers::RegionalSettingsSource& regional,
                           Announcements& announcements)
    : m_regional(regional),
      m_announcements(announcements),
      m_controls{ui.optForm,  ui.txtCalc1, ui.txtCalc2,    ui.txtCalcDeci,
                 ui.lblCalc3, ui.lblCalc6, ui.lblCalcFrm1, ui.lblCalcFrm2} {}

void ConvertClick::cmdByteConvert_Click() {
    const numbers::RegionalNumberSettings settings = m_regional.Current();
    WindowConvertForm form(m_controls, settings.zeroDigit);
    conversion::RunConvert(form, settings);
    // Not reached after a run-time error: no stale result is heard.
    m_announcements.AnnounceResult();
}

}  // namespace ombrelo::window
