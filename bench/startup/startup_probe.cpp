// The real program's start-up, ended at its first painted frame.
#include <QApplication>

#include "app/program.h"
#include "bench/startup/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ombrelo::app::Program program(application);
    ombrelo::bench::FirstPaintReporter reporter(program.Window());
    program.Show();
    return QApplication::exec();
}
