#include "WideText.h"

#include <algorithm>

namespace velmar::platform::core::units {

WideText::WideText(const QString& source, qsizetype at) {
    // A wide character holds a whole code point, so the text never needs more of them than
    // it has QChars.
    if (source.size() < kLocalSize) {
        text = local;
    } else {
        heap.reset(new wchar_t[source.size() + 1]);
        text = heap.get();
    }
    text[source.toWCharArray(text)] = L'\0';
    if (at < 0)
        return;
    at = std::min(at, source.size());
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < at; ++i)
        if (source[i - 1].isHighSurrogate() && source[i].isLowSurrogate())
            ++pairs;
    cursor = static_cast<size_t>(at - pairs);
}

} // namespace velmar::platform::core::units
