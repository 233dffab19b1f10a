#pragma once

#include <QIcon>

class QWidget;

namespace lnb {

// Name, version, desktop id and icon, as the desktop and the user see them.
void describeApplication();

QIcon programIcon();

// For the start-up benchmark: with DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT set in
// the environment, the program ends once `window` has painted its first frame.
void quitAfterFirstPaintWhenMeasured(QWidget& window);

// What the credit line says of the program when the pointer rests on it.
QString versionNote();

}  // namespace lnb
