#include <QApplication>

#include "app/program.h"

// Builds the one window, shows it and waits for events. The command line is not read.
int main(int argc, char* argv[]) {
    // Only the program's own name reaches Qt, so not even the toolkit's options (-style,
    // -qwindowtitle, -reverse, ...) change the window.
    int programNameOnly = argc > 0 ? 1 : 0;
    QApplication application(programNameOnly, argv);
    ombrelo::app::Program program(application);
    program.Show();
    return QApplication::exec();
}
