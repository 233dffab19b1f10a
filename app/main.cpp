#include <QApplication>

#include "frm_main.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lnb::FrmMain frmMain;
    frmMain.Form_Load();
    frmMain.show();
    return QApplication::exec();
}
