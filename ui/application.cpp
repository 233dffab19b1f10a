#include "application.hpp"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "build_config.hpp"
#include "icon_xpm.h"
#include "quit_after_first_paint.hpp"

namespace lnb {

void describeApplication() {
    QApplication::setApplicationName(QStringLiteral("distancia-lnb"));
    QApplication::setApplicationVersion(QStringLiteral(DISTANCIA_VERSION_TEXT));
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DISTANCIA_APP_ID));
}

void quitAfterFirstPaintWhenMeasured(QWidget& window) {
    if (qEnvironmentVariableIsSet("DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT"))
        window.installEventFilter(new QuitAfterFirstPaint(&window));
}

// Drawn pixel for pixel at 16 and 32 pixels and enlarged without smoothing,
// so that its steps stay sharp. XPM arrays need no image plugin, which would
// cost more at start-up than drawing the whole window.
QIcon programIcon() {
    const QImage small(kIcon16);
    const QImage large(kIcon32);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(small));
    icon.addPixmap(QPixmap::fromImage(large));
    for (const int factor : {2, 4})
        icon.addPixmap(QPixmap::fromImage(large.scaled(large.size() * factor)));
    return icon;
}

QString versionNote() {
    return QStringLiteral("Distancia LNB, versión %1").arg(QStringLiteral(DISTANCIA_VERSION_TEXT));
}

}  // namespace lnb
