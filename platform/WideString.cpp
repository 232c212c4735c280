#include "platform/WideString.h"

#include <algorithm>
#include <string>

namespace velmar::platform::core::os {

QString ToQString(const wchar_t* text) {
    return text == nullptr ? QString() : QString::fromWCharArray(text);
}

int CopyToWide(const QString& text, wchar_t* buffer, int size) {
    std::wstring wide = text.toStdWString();
    int length = static_cast<int>(wide.size());
    if (buffer == nullptr)
        return length;
    if (size == 0 || size < -1)
        return 0;
    int count = size == -1 || size > length ? length : size - 1;
    std::copy_n(wide.data(), count, buffer);
    buffer[count] = L'\0';
    return count;
}

WideText::WideText(QStringView text) {
    // A NUL in text needs no search: the terminated copy is read up to its first NUL anyway.
    wchar_t* into = stack_;
    if (static_cast<size_t>(text.size()) >= sizeof stack_ / sizeof stack_[0]) {
        heap_.resize(static_cast<size_t>(text.size()) + 1);
        into = heap_.data();
    }
    into[text.toWCharArray(into)] = L'\0';
    text_ = into;
}

size_t Utf16Position(QStringView text, size_t widePosition) {
    size_t position = 0;
    for (size_t wide = 0; wide < widePosition && position < static_cast<size_t>(text.size());
         ++wide)
        position +=
            text[position].isHighSurrogate() && position + 1 < static_cast<size_t>(text.size()) ? 2
                                                                                                : 1;
    return position;
}

size_t WidePosition(QStringView text, size_t utf16Position) {
    size_t wide = 0;
    for (size_t position = 0;
         position < utf16Position && position < static_cast<size_t>(text.size()); ++wide)
        position +=
            text[position].isHighSurrogate() && position + 1 < static_cast<size_t>(text.size()) ? 2
                                                                                                : 1;
    return wide;
}

} // namespace velmar::platform::core::os
