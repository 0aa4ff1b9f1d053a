#include "window/form1.h"

namespace ombrelo::window {

Form1::Form1(Platform& platform, const conversion::RegionalSettingsSource& regional,
             QWidget* parent)
    : QWidget(parent), m_dispatcher(platform), m_regional(regional) {
    buildControls();
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::buildControls() {}

}  // namespace ombrelo::window
