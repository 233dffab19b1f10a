// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/application.hpp"

#include <QApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>
#include <QWidget>

#include "assets/icon_xpm.h"
#include "design/build_config.hpp"
#include "design/measurement.hpp"
#include "design/texts.hpp"
#include "qt/quit_after_first_paint.hpp"

namespace lnb {

void describeApplication() {
    // Also the window class on X11, which the desktop entry names.
    QApplication::setApplicationName(QStringLiteral(DISTANCIA_PROGRAM_NAME));
    // Where the window keeps what it keeps: ~/.config/PROGRAM/PROGRAM.conf.
    QApplication::setOrganizationName(QStringLiteral(DISTANCIA_PROGRAM_NAME));
    QApplication::setApplicationVersion(QStringLiteral(DISTANCIA_VERSION_TEXT));
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DISTANCIA_APP_ID));
}

void speakSpanish() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;  // not installed: Qt's own words stay as Qt has them
}

void useOwnStyle() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void quitAfterFirstPaintWhenMeasured(QWidget& window) {
    if (qEnvironmentVariableIsSet(kQuitAfterFirstPaint))
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

}  // namespace lnb
