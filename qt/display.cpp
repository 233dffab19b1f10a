// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/display.hpp"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "design/texts.hpp"

namespace lnb {
namespace {

bool environmentNames(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

void say(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// Qt ends its last words with the platform plugins it has, when it has any:
// "Available platform plugins are: eglfs, xcb."
QStringList availablePlugins(const QString& lastWords) {
    const QString listed =
        lastWords.section(QStringLiteral("Available platform plugins are:"), 1).trimmed();
    QString names = listed.section(QLatin1Char('\n'), 0, 0);
    if (names.endsWith(QLatin1Char('.')))
        names.chop(1);
    return names.split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

// The plugin of the session's display system, and the package that brings
// it; or the display.
void reportWhyNoWindow(const QString& lastWords) {
    const QStringList available = availablePlugins(lastWords);
    if (environmentNames("WAYLAND_DISPLAY") && !available.contains(QStringLiteral("wayland")))
        say(texts::noPlatformPlugin("Wayland", "qt6-wayland"));
    else if (environmentNames("DISPLAY") && !available.contains(QStringLiteral("xcb")))
        say(texts::noPlatformPlugin("X11", "qt6-qpa-plugins"));
    else
        reportNoGraphicalDisplay();
}

bool isAboutAMissingPlugin(const QMessageLogContext& context, const QString& text) {
    return context.category && std::strncmp(context.category, "qt.qpa", 6) == 0 &&
           text.startsWith(QLatin1String("Could not find the Qt platform plugin"));
}

void endOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        reportWhyNoWindow(text);
        std::_Exit(1);
    }
    if (isAboutAMissingPlugin(context, text))
        return;  // if no plugin works, the last words say it plainly
    const QByteArray line = qFormatLogMessage(type, context, text).toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
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
    qInstallMessageHandler(endOnFatalMessage);
}

NoDisplayGuard::~NoDisplayGuard() {
    qInstallMessageHandler(nullptr);  // Qt's own again
}

}  // namespace lnb
