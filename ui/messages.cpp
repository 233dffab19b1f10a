#include "messages.hpp"

namespace lnb::messages {

QString forFailure(FailureKind kind) {
    switch (kind) {
        case FailureKind::DivisionByZero:
        case FailureKind::InvalidOperation:
            // Only the depth divides: 0/0 and x/0 both come from a depth of 0.
            return QStringLiteral("La profundidad no puede ser 0.");
        case FailureKind::Overflow:
            return QStringLiteral("Las medidas son demasiado grandes.");
    }
    return {};
}

QString notANumber(const QString& fieldCaption) {
    return QStringLiteral("Escriba un número en «%1».").arg(fieldCaption);
}

}  // namespace lnb::messages
