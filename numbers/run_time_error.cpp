#include "numbers/run_time_error.h"

namespace ombrelo::numbers {

RunTimeError MakeRunTimeError(int number) {
    switch (number) {
        case kInvalidProcedureCall:
            return RunTimeError(number, "Invalid procedure call or argument");
        case kOverflow:
            return RunTimeError(number, "Overflow");
        case kOutOfMemory:
            return RunTimeError(number, "Out of memory");
        case kDivisionByZero:
            return RunTimeError(number, "Division by zero");
        case kTypeMismatch:
            return RunTimeError(number, "Type mismatch");
        case kInternalError:
            return RunTimeError(number, "Internal error");
        default:
            return RunTimeError(number, "Application-defined or object-defined error");
    }
}

}  // namespace ombrelo::numbers
