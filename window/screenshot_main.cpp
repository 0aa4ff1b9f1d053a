// Renders the window as it looks at start into a PNG, for the documentation and for checking
// the look without a desktop:  ombrelo_screenshot OUTPUT.png [CONTROL...]
// Each CONTROL named after the output (a frame, say) is shown first, to see other states.
#include <cstdio>

#include <QApplication>
#include <QPixmap>

#include "numbers/regional_settings.h"
#include "window/desktop/platform.h"
#include "window/form1.h"

namespace {

// Nothing runs a handler here; errors and beeps have nowhere to go.
class SilentPlatform final : public ombrelo::window::Platform {
  public:
    void ReportError(const ombrelo::numbers::RunTimeError& /*error*/) override {}
    void Beep() override {}
    void Quit() override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: ombrelo_screenshot OUTPUT.png [CONTROL...]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SilentPlatform platform;
    ombrelo::numbers::FixedRegionalSettings regional;
    ombrelo::window::Form1 form(platform, regional);
    for (int i = 2; i < argc; ++i) {
        auto* control = form.findChild<QWidget*>(QString::fromLocal8Bit(argv[i]));
        if (control == nullptr) {
            std::fprintf(stderr, "ombrelo_screenshot: no control %s\n", argv[i]);
            return 2;
        }
        control->show();
    }
    form.show();
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "ombrelo_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
