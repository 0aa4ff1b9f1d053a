#include "conversion/run_time_error.h"

#include <gtest/gtest.h>

namespace ombrelo::conversion {
namespace {

TEST(RunTimeError, StandardMessagesByNumber) {
    struct Case {
        int number;
        const char* message;
    };
    static constexpr Case kCases[] = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.number);
        const RunTimeError error = MakeRunTimeError(c.number);
        EXPECT_EQ(error.Number(), c.number);
        EXPECT_EQ(error.Message(), c.message);
    }
}

}  // namespace
}  // namespace ombrelo::conversion
