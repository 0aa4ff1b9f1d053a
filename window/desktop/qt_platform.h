#pragma once

#include "window/desktop/platform.h"

#include <QString>

class QWidget;

namespace ombrelo::window {

// The desktop's own: a modal message box titled with the program's name, the alert beep,
// and leaving the event loop.
class QtPlatform final : public Platform {
  public:
    // The message box is modal to this window; it may be set after construction.
    void SetOwner(QWidget* owner) { m_owner = owner; }

    void ReportError(const numbers::RunTimeError& error) override;
    void Beep() override;
    void Quit() override;

  private:
    QWidget* m_owner = nullptr;
};

// The width a message box needs so that a title bar with buttons either side of the
// centred title shows the whole title.
int MessageBoxMinimumWidth(const QString& title);

// "Run-time error '6':" + blank line + "Overflow".
QString RunTimeErrorText(const numbers::RunTimeError& error);

}  // namespace ombrelo::window
