#include "units/symbols/format/SimpleFormatSymbol2.h"

namespace velmar::platform::core::units {

ErrorCode SimpleFormatSymbol2::Format(double, const DimensionTag&, TextBuffer& out,
                                      const NumberSettings&) const {
    if (!(flags & Attached))
        out.Put(L' ');
    out.Put(text);
    return out.Terminate();
}

} // namespace velmar::platform::core::units
