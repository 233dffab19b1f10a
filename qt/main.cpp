// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <optional>

#include "qt/application.hpp"
#include "qt/display.hpp"
#include "qt/frm_main.hpp"

int main(int argc, char* argv[]) {
    if (!lnb::findsGraphicalDisplay(argc, argv)) {
        lnb::reportNoGraphicalDisplay();
        return 1;
    }
    std::optional<lnb::NoDisplayGuard> guard(std::in_place);
    QApplication application(argc, argv);
    guard.reset();
    lnb::describeApplication();
    lnb::speakSpanish();
    lnb::useOwnStyle();
    lnb::FrmMain frmMain(QLocale().decimalPoint().toStdString());
    QSettings settings;
    frmMain.keepIn(settings);
    frmMain.Form_Load();
    frmMain.show();
    lnb::quitAfterFirstPaintWhenMeasured(frmMain);
    return QApplication::exec();
}
