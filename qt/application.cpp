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
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "assets/icon_xpm.h"
#include "design/build_config.hpp"
#include "design/measurement.hpp"
#include "design/texts.hpp"
#include "qt/quit_after_first_paint.hpp"

namespace lnb {
namespace {

bool environmentNames(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

QtMessageHandler previousHandler = nullptr;
bool waylandPluginMissing = false;
bool x11PluginMissing = false;

void say(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// Qt names a platform plugin it cannot find on a line of its own, before it
// tries the next one or gives up.
void notePluginLine(const QString& text) {
    if (!text.startsWith(QLatin1String("Could not find the Qt platform plugin")))
        return;
    if (text.contains(QLatin1String("\"wayland")))
        waylandPluginMissing = true;
    if (text.contains(QLatin1String("\"xcb\"")))
        x11PluginMissing = true;
}

// When Qt gives up, the user is told what is missing: the plugin of the
// session's display system, and the package that brings it; or the display.
void reportWhyNoWindow() {
    if (waylandPluginMissing && environmentNames("WAYLAND_DISPLAY"))
        say(texts::noPlatformPlugin("Wayland", "qt6-wayland"));
    else if (x11PluginMissing && environmentNames("DISPLAY"))
        say(texts::noPlatformPlugin("X11", "qt6-qpa-plugins"));
    else
        reportNoGraphicalDisplay();
}

// Qt's own lines about its platform plugins are replaced by plain words.
void endOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        reportWhyNoWindow();
        std::_Exit(1);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) {
        notePluginLine(text);
        return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

}  // namespace

// A platform chosen by hand is trusted; otherwise Linux needs X11 or Wayland.
bool findsGraphicalDisplay(int argc, char* argv[]) {
#if defined(Q_OS_LINUX)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "-display") == 0)
            return true;
    }
    return environmentNames("QT_QPA_PLATFORM") || environmentNames("DISPLAY") ||
           environmentNames("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

void reportNoGraphicalDisplay() {
    say(texts::kNoDisplay);
}

NoDisplayGuard::NoDisplayGuard() {
    previousHandler = qInstallMessageHandler(endOnFatalMessage);
}

NoDisplayGuard::~NoDisplayGuard() {
    qInstallMessageHandler(previousHandler);
}

void describeApplication() {
    // Also the window class on X11, which the desktop entry names.
    QApplication::setApplicationName(QStringLiteral(DISTANCIA_PROGRAM_NAME));
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
