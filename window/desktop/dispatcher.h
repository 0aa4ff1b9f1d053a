#pragma once

#include <exception>
#include <new>
#include <string>
#include <utility>

#include "window/desktop/platform.h"

namespace ombrelo::window {

// The one way from Qt into a handler. Qt treats an exception leaving a slot or an event
// handler as undefined behaviour, so every entry point runs its handler through here: an
// error ends the handler where it was raised and goes to the platform's reporter, and the
// program goes back to waiting for events with the controls as the handler left them.
// Run-time errors are reported as they are; anything else is a fault of the program, reported
// as an internal error with its text so that it is seen and not lost.
class Dispatcher {
  public:
    explicit Dispatcher(Platform& platform)
        : m_platform(platform), m_outOfMemory(numbers::MakeRunTimeError(numbers::kOutOfMemory)) {}

    template <typename Handler>
    void Run(Handler&& handler) noexcept {
        try {
            std::forward<Handler>(handler)();
        } catch (const numbers::RunTimeError& error) {
            m_platform.ReportError(error);
        } catch (const std::bad_alloc&) {
            // Made up front, so that the report itself takes no memory to make. A reporter
            // that still runs out (the message box) ends the program: Run is noexcept.
            m_platform.ReportError(m_outOfMemory);
        } catch (const std::exception& error) {
            ReportInternalError(error.what());
        } catch (...) {
            ReportInternalError("an exception of unknown type");
        }
    }

  private:
    void ReportInternalError(const char* what) {
        const numbers::RunTimeError internal = numbers::MakeRunTimeError(numbers::kInternalError);
        m_platform.ReportError(numbers::RunTimeError(
            internal.Number(), internal.Message() + ": " + std::string(what)));
    }

    Platform& m_platform;
    const numbers::RunTimeError m_outOfMemory;
};

}  // namespace ombrelo::window
