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

} // namespace velmar::platform::core::os
