#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Placeholder until the program's platform and settings are wired.
    return 0;
}
