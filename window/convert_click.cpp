#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "conversion/convert.h"
#include "window/control_ops.h"
#include "window/form1.h"

namespace ombrelo::window {

namespace {

using conversion::Direction;

// Convert's view of the window: the formula buttons, the two amount boxes and the
// decimal-places box it reads, the result and formula labels it writes, one at a time.
class WindowConvertForm final : public conversion::ConvertForm {
  public:
    explicit WindowConvertForm(Form1& form) : m_form(form) {}

    bool FormulaValue(int slot) const override { return IsSelected(optForm(slot)); }
    std::string FormulaCaption(int slot) const override { return Caption(optForm(slot)); }
    std::string AmountText(Direction direction) const override {
        return Text(direction == Direction::Forward ? m_form.txtCalc1 : m_form.txtCalc2);
    }
    std::string DecimalPlacesText() const override { return Text(m_form.txtCalcDeci); }
    std::string ResultCaption(Direction direction) const override {
        return Caption(resultLabel(direction));
    }
    void SetResultCaption(Direction direction, std::string_view text) override {
        SetCaption(resultLabel(direction), text);
    }
    void SetFormulaText(Direction direction, std::string_view text) override {
        SetCaption(direction == Direction::Forward ? m_form.lblCalcFrm1 : m_form.lblCalcFrm2, text);
    }

  private:
    QRadioButton* optForm(int slot) const { return m_form.optForm[static_cast<std::size_t>(slot)]; }
    QLabel* resultLabel(Direction direction) const {
        return direction == Direction::Forward ? m_form.lblCalc3 : m_form.lblCalc6;
    }

    Form1& m_form;
};

}  // namespace

void Form1::cmdByteConvert_Click() {
    WindowConvertForm form(*this);
    conversion::RunConvert(form, m_regional.Current());
}

}  // namespace ombrelo::window
