#include <QApplication>

#include "app/program_identity.h"
#include "window/form1.h"
#include "window/qt_platform.h"
#include "window/system_regional_settings.h"

// Builds the one window, shows it and waits for events. The command line is not read.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ombrelo::app::ApplyProgramIdentity(application);
    ombrelo::window::QtPlatform platform;
    ombrelo::window::SystemRegionalSettings regional;
    ombrelo::window::Form1 form(platform, regional);
    platform.SetOwner(&form);
    form.show();
    return QApplication::exec();
}
