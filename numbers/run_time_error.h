#pragma once

#include <stdexcept>
#include <string>

namespace ombrelo::numbers {

// The program's one kind of run-time failure: a number the user sees and its message.
// Handlers never catch it; the window's dispatcher reports it.
class RunTimeError : public std::runtime_error {
  public:
    RunTimeError(int number, const std::string& message)
        : std::runtime_error(message), m_number(number) {}

    int Number() const noexcept { return m_number; }
    std::string Message() const { return what(); }

  private:
    int m_number;
};

enum ErrorNumber : int {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kInternalError = 51,  // a fault of the program itself, not of what the user typed
};

// The standard message for each number we raise or report.
RunTimeError MakeRunTimeError(int number);

}  // namespace ombrelo::numbers
