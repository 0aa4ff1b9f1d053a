#pragma once

#include <new>
#include <utility>

#include "window/platform.h"

namespace ombrelo::window {

// The one way from Qt into a handler. Qt treats an exception leaving a slot or an event
// handler as undefined behaviour, so every entry point runs its handler through here: a
// run-time error ends the handler where it was raised and goes to the platform's reporter,
// and the program goes back to waiting for events with the controls as the handler left them.
class Dispatcher {
  public:
    explicit Dispatcher(Platform& platform) : m_platform(platform) {}

    template <typename Handler>
    void Run(Handler&& handler) noexcept {
        try {
            std::forward<Handler>(handler)();
        } catch (const conversion::RunTimeError& error) {
            m_platform.ReportError(error);
        } catch (const std::bad_alloc&) {
            m_platform.ReportError(conversion::RunTimeError(7, "Out of memory"));
        }
    }

    Platform& platform() const { return m_platform; }

  private:
    Platform& m_platform;
};

}  // namespace ombrelo::window
