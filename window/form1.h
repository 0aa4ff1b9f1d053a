#pragma once

#include <QWidget>

#include "calculator/calculator_engine.h"
#include "numbers/regional_settings.h"
#include "window/desktop/dispatcher.h"
#include "window/desktop/platform.h"
#include "window/form/form1_controls.h"
#include "window/handlers/announcements.h"
#include "window/handlers/calculator_panel.h"
#include "window/handlers/convert_click.h"
#include "window/handlers/keyboard_reach.h"
#include "window/handlers/panels.h"
#include "window/handlers/side_panels.h"
#include "window/handlers/step_flow.h"

class QCloseEvent;

namespace ombrelo::window {

// The one window: the composition root. It builds its controls from the form table
// (form_table.h), keeps them to itself, hands each group of handlers the few it uses and
// connects every entry point from Qt to its handler. Its state is its widgets' and the
// calculator's (calculator_engine.h); anything outside finds a control by its object name
// (form1_controls.h).
class Form1 : public QWidget {
    Q_OBJECT

  public:
    Form1(Platform& platform, const numbers::RegionalSettingsSource& regional,
          QWidget* parent = nullptr);
    ~Form1() override;

    // The calculator behind the panel, for reading its state.
    const calculator::CalculatorEngine& Calculator() const {
        return m_calculatorPanel.Calculator();
    }

  protected:
    void closeEvent(QCloseEvent* event) override;  // closing the window is Exit
    void paintEvent(QPaintEvent* event) override;  // the design's blue, beneath every control
    void changeEvent(QEvent* event) override;      // a maximize is taken back
    bool focusNextPrevChild(bool next) override;   // Tab passes over what a panel hides

  private:
    static Form1Controls BuildControls(QWidget& window);  // the table turned into widgets
    void ConnectHandlers();  // window_events.cpp: every entry point through the dispatcher

    Platform& m_platform;
    Dispatcher m_dispatcher{m_platform};
    const numbers::RegionalSettingsSource& m_regional;
    const Form1Controls m_ui;
    // The groups of handlers, each holding only the controls it uses.
    Panels m_panels{m_ui};
    KeyboardReach m_keyboardReach{*this, m_ui, m_panels};
    Announcements m_announcements{*this, m_ui, m_panels};
    StepFlow m_stepFlow{m_ui, m_regional, m_announcements};
    ConvertClick m_convertClick{m_ui, m_regional, m_announcements};
    SidePanels m_sidePanels{m_ui, m_panels, m_announcements, m_platform};
    CalculatorPanel m_calculatorPanel{m_ui, m_panels, m_platform, m_regional, m_announcements};
    // The application-wide signal of every focus change; cut before the controls go, since the
    // window's members are gone by the time Qt deletes its children.
    QMetaObject::Connection m_focusChanged;
};

}  // namespace ombrelo::window
