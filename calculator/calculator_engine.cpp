#include "calculator/calculator_engine.h"

namespace ombrelo::calculator {

CalculatorEngine::CalculatorEngine(CalculatorDisplay& display,
                                   const conversion::RegionalSettingsSource& regional)
    : m_display(display), m_regional(regional) {}

}  // namespace ombrelo::calculator
