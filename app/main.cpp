#include <QApplication>

#include "application.hpp"
#include "frm_main.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lnb::describeApplication(application);
    lnb::FrmMain frmMain;
    frmMain.Form_Load();
    frmMain.show();
    return QApplication::exec();
}
