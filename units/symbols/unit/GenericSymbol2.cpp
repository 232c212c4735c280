#include "units/symbols/unit/GenericSymbol2.h"

namespace velmar::platform::core::units {

const UnitConverter* GenericSymbol2::GetConverter() const {
    return converter;
}

} // namespace velmar::platform::core::units
