#include <QApplication>

#include "application.hpp"
#include "frm_main.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lnb::describeApplication();
    lnb::FrmMain frmMain;
    frmMain.Form_Load();
    frmMain.show();
    lnb::quitAfterFirstPaintWhenMeasured(frmMain);
    return QApplication::exec();
}
