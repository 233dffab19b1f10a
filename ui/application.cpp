#include "application.hpp"

#include <QApplication>

#include "build_config.hpp"

namespace lnb {

void describeApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("distancia-lnb"));
    QApplication::setApplicationVersion(QStringLiteral(DISTANCIA_VERSION_TEXT));
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DISTANCIA_APP_ID));
    application.setWindowIcon(programIcon());
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/icon.svg"));
}

QString versionNote() {
    return QStringLiteral("Distancia LNB, versión %1").arg(QStringLiteral(DISTANCIA_VERSION_TEXT));
}

}  // namespace lnb
