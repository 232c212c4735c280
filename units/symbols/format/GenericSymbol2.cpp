#include "units/symbols/format/GenericSymbol2.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

namespace velmar::platform::core::units {

const UnitConverter* GenericSymbol2::GetConverter() const {
    return UnitsConfig::GetInstance()->FindConverter(unitId);
}

} // namespace velmar::platform::core::units
