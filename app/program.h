#pragma once

#include "window/desktop/qt_platform.h"
#include "window/desktop/system_regional_settings.h"
#include "window/form1.h"

class QApplication;

namespace ombrelo::app {

// The running program: its identity, the desktop's services, the user's number format and
// the one window, wired together. The program and the start-up probe both build this, so
// what the probe times is what the user starts.
class Program {
  public:
    explicit Program(QApplication& application);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    window::Form1& Window() { return m_form; }
    void Show() { m_form.show(); }

  private:
    window::QtPlatform m_platform;
    window::SystemRegionalSettings m_regional;
    window::Form1 m_form;
};

}  // namespace ombrelo::app
