// Spanish descriptions of the run-time errors.
#include "toolkit/error.h"

namespace tk {

const char* Error::description() const noexcept
{
    switch (number_) {
    case ERR_INVALID_CALL: return "Llamada a procedimiento o argumento no válidos";
    case ERR_OVERFLOW: return "Desbordamiento";
    case ERR_SUBSCRIPT: return "El subíndice está fuera del intervalo";
    case ERR_DIVISION_BY_ZERO: return "División por cero";
    case ERR_TYPE_MISMATCH: return "No coinciden los tipos";
    case ERR_NO_ELEMENT: return "El elemento de la matriz de controles no existe";
    default: return "Error definido por la aplicación o el objeto";
    }
}

}  // namespace tk
