#pragma once

#include <QString>

#include "calc_failure.hpp"

// What the window tells the user, in Spanish.
namespace lnb::messages {

QString forFailure(FailureKind kind);

// fieldCaption: the caption of the field's label ("Vertical", "Horizontal")
// or frame ("Profundidad").
QString notANumber(const QString& fieldCaption);

}  // namespace lnb::messages
