#include "app/program_identity.h"

#include <QApplication>
#include <QIcon>
#include <QSize>
#include <QString>

#include "app_identity.h"

// The icon resource lives in a static library, where nothing would pull it in; the
// registration macro has to be used outside any namespace.
static void RegisterIconResource() {
    Q_INIT_RESOURCE(ombrelo);
}

namespace ombrelo::app {

void ApplyProgramIdentity(QApplication& application) {
    RegisterIconResource();
    QApplication::setApplicationName(QString::fromUtf8(identity::kProgramName));
    QApplication::setApplicationVersion(QString::fromUtf8(identity::kDisplayVersion));
    QApplication::setOrganizationName(QString::fromUtf8(identity::kCompanyName));
    QApplication::setOrganizationDomain(QString::fromUtf8(identity::kOrganizationDomain));
    // Lets the desktop match the window to its desktop entry and icon.
    QApplication::setDesktopFileName(QString::fromUtf8(identity::kDesktopId));
    // No display name: Qt would append it to every window title, and the title is fixed.

    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/ombrelo-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/ombrelo-32.png"), QSize(32, 32));
    application.setWindowIcon(icon);
}

}  // namespace ombrelo::app
