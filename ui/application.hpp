#pragma once

#include <QIcon>

class QApplication;

namespace lnb {

// Name, version, desktop id and icon, as the desktop and the user see them.
void describeApplication(QApplication& application);

QIcon programIcon();

// What the credit line says of the program when the pointer rests on it.
QString versionNote();

}  // namespace lnb
