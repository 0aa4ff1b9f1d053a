#include "window/desktop/qt_platform.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include "tests/window/test_platform.h"
#include "window/desktop/dispatcher.h"

namespace ombrelo::window {
namespace {

TEST(QtPlatform, ReportsRunTimeErrorInModalBoxTitledWithProgramName) {
    struct Case {
        int number;
        const char* text;
    };
    static constexpr Case kCases[] = {
        {6, "Run-time error '6':\n\nOverflow"},
        {11, "Run-time error '11':\n\nDivision by zero"},
        {13, "Run-time error '13':\n\nType mismatch"},
        {5, "Run-time error '5':\n\nInvalid procedure call or argument"},
    };
    QApplication::setApplicationName(QStringLiteral("Ombrelo"));  // as start-up names it
    QWidget owner;
    owner.show();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.number);
        QString title;
        QString text;
        bool wasModal = false;
        bool overOwner = false;
        int width = 0;
        // The box blocks in its own loop: read it and press OK from inside that loop.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            wasModal = box->isModal();
            overOwner = box->windowHandle()->transientParent() == owner.windowHandle();
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        // Should the box not be closed above, close every modal and fail rather than hang.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the message box was still open after 5 s";
            while (QWidget* modal = QApplication::activeModalWidget())
                modal->hide();  // ends a dialog's own event loop, whatever its buttons
        });
        watchdog.start(5000);
        QtPlatform platform;
        platform.SetOwner(&owner);
        platform.ReportError(numbers::MakeRunTimeError(c.number));
        EXPECT_TRUE(wasModal);
        EXPECT_TRUE(overOwner);
        EXPECT_GE(width, MessageBoxMinimumWidth(title));
        EXPECT_EQ(title, QStringLiteral("Ombrelo"));
        EXPECT_EQ(text, QString::fromUtf8(c.text));
    }
}

// Exit ends the program at once: the event loop returns 0 without asking the window to close
// first, as quit() would (its close is itself a way to quit).
TEST(QtPlatform, QuitEndsTheEventLoopWithStatusZeroWithoutClosingTheWindow) {
    struct Window final : QWidget {
        void closeEvent(QCloseEvent* event) override {
            ++closes;
            QWidget::closeEvent(event);
        }
        int closes = 0;
    } window;
    window.show();
    QtPlatform platform;
    QTimer::singleShot(0, [&platform] { platform.Quit(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window.closes, 0);
}

// Whatever a handler throws is reported once through the one reporter, as it is or as an
// internal error with its text, and the next handler runs as usual.
TEST(Dispatcher, ReportsEveryKindOfFailureAndKeepsRunning) {
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { throw numbers::MakeRunTimeError(numbers::kOverflow); }, "6 Overflow"},
        {[] { throw std::bad_alloc(); }, "7 Out of memory"},
        {[] { throw std::out_of_range("vector index 9"); }, "51 Internal error: vector index 9"},
        {[] { throw 42; }, "51 Internal error: an exception of unknown type"},
    };
    for (const auto& [handler, report] : cases) {
        SCOPED_TRACE(report);
        RecordingPlatform platform;
        Dispatcher dispatcher(platform);
        dispatcher.Run(handler);
        bool ranNext = false;
        dispatcher.Run([&] { ranNext = true; });
        EXPECT_EQ(platform.reports, std::vector<std::string>{report});
        EXPECT_TRUE(ranNext);
    }
}

}  // namespace
}  // namespace ombrelo::window
