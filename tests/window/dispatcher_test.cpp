#include "window/dispatcher.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ombrelo::window {
namespace {

class MessageRecorder final : public Platform {
  public:
    void ReportError(const conversion::RunTimeError& error) override {
        reports.push_back(std::to_string(error.Number()) + " " + error.Message());
    }
    void Beep() override {}
    void Quit() override {}

    std::vector<std::string> reports;
};

// Whatever a handler throws is reported once through the one reporter, and the next handler
// runs as usual.
TEST(Dispatcher, ReportsEveryKindOfFailureAndKeepsRunning) {
    struct Case {
        const char* what;
        std::function<void()> handler;
        const char* report;
    };
    const Case cases[] = {
        {"run-time error", [] { throw conversion::MakeRunTimeError(conversion::kOverflow); },
         "6 Overflow"},
        {"out of memory", [] { throw std::bad_alloc(); }, "7 Out of memory"},
        {"standard exception", [] { throw std::out_of_range("vector index 9"); },
         "51 Internal error: vector index 9"},
        {"anything else", [] { throw 42; }, "51 Internal error: an exception of unknown type"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder platform;
        Dispatcher dispatcher(platform);
        dispatcher.Run(c.handler);
        bool ranNext = false;
        dispatcher.Run([&] { ranNext = true; });
        EXPECT_EQ(platform.reports, std::vector<std::string>{c.report});
        EXPECT_TRUE(ranNext);
    }
}

}  // namespace
}  // namespace ombrelo::window
