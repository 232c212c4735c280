#include "units/symbols/format/SimpleFormatSymbol2.h"

namespace velmar::platform::core::units {

ErrorCode SimpleFormatSymbol2::WriteText(const PluralOperands& number, TextBuffer& out) const {
    if (!(flags & Attached))
        out.Put(L' ');
    out.Put(forms != nullptr ? forms->For(number) : text);
    return out.Terminate();
}

} // namespace velmar::platform::core::units
