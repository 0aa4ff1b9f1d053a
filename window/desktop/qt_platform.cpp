#include "window/desktop/qt_platform.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace ombrelo::window {

QString RunTimeErrorText(const numbers::RunTimeError& error) {
    return QStringLiteral("Run-time error '%1':\n\n%2")
        .arg(error.Number())
        .arg(QString::fromStdString(error.Message()));
}

int MessageBoxMinimumWidth(const QString& title) {
    constexpr int kTitleFontPixels = 14;  // about what decorations draw titles in
    constexpr int kButtonsRoom = 90;      // for up to three title-bar buttons on a side
    QFont font = QApplication::font();
    font.setPixelSize(kTitleFontPixels);
    return QFontMetrics(font).horizontalAdvance(title) + 2 * kButtonsRoom;
}

void QtPlatform::ReportError(const numbers::RunTimeError& error) {
    // With the window as its parent the box is transient for it: placed over it, and
    // minimized and raised with it. Its title is the program's name, as start-up gave it.
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), RunTimeErrorText(error),
                    QMessageBox::Ok, m_owner);
    // A decoration drawn by the program itself (Qt's on Wayland) centres the title between
    // its buttons and cuts what does not fit; the box sizes itself by its text alone.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(box.windowTitle()), 0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
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
