#include "units/symbols/format/SimpleFormatSymbol2.h"

namespace velmar::platform::core::units {

int SimpleFormatSymbol2::Format(double, const DimensionTag&, wchar_t* buffer, size_t size,
                                const NumberSettings&) const {
    if (buffer == nullptr || size == 0)
        return -1;
    size_t at = 0;
    if (!(flags & Attached))
        buffer[at++] = L' ';
    if (at + text.size() >= size)
        return -1;
    text.copy(buffer + at, text.size());
    at += text.size();
    buffer[at] = L'\0';
    return static_cast<int>(at + 1);
}

} // namespace velmar::platform::core::units
