#include "window/qt_platform.h"

#include <QApplication>
#include <QMessageBox>

#include "app_identity.h"

namespace ombrelo::window {

QString RunTimeErrorText(const conversion::RunTimeError& error) {
    return QStringLiteral("Run-time error '%1':\n\n%2")
        .arg(error.Number())
        .arg(QString::fromStdString(error.Message()));
}

void QtPlatform::ReportError(const conversion::RunTimeError& error) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(identity::kProgramName),
                    RunTimeErrorText(error), QMessageBox::Ok, m_owner);
    box.exec();
}

void QtPlatform::Beep() {
    QApplication::beep();
}

// Ends the event loop with status 0 at once: quit() would first close the window, whose
// close is itself a way to quit.
void QtPlatform::Quit() {
    QCoreApplication::exit(0);
}

}  // namespace ombrelo::window
