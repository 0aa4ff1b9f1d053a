#include <QApplication>

#include "app/program.h"

// Builds the one window, shows it and waits for events. The command line is not read.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ombrelo::app::Program program(application);
    program.Show();
    return QApplication::exec();
}
