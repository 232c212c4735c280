#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>
#include <string>

namespace velmar::platform::core::os {

// Conversions between zero-terminated wide character texts and QString.
//
// Buffer rule of the copy: size is the capacity in characters, terminator included; -1 means
// that the caller guarantees room for the whole text. A longer text is cut to size - 1
// characters; the result is always terminated. A size of 0 or below -1 writes nothing.

// The whole zero-terminated text; a null pointer gives an empty string.
QString ToQString(const wchar_t* text);

// Copies text into buffer; returns the characters written, terminator not counted. With a null
// buffer, returns the length of text in wide characters and writes nothing.
int CopyToWide(const QString& text, wchar_t* buffer, int size);

// A QString text as a terminated wide text, up to its first NUL, as a wide text is read. Short
// texts stay on the stack.
class WideText {
public:
    explicit WideText(QStringView text);
    WideText(const WideText&) = delete;
    WideText& operator=(const WideText&) = delete;
    operator const wchar_t*() const { return text_; }

private:
    wchar_t stack_[128];
    std::wstring heap_;
    const wchar_t* text_;
};

// Where the character at a position of text, counted in wide characters, stands in the text
// counted in UTF-16 units, and the reverse: a character beyond the Basic Multilingual Plane is
// one wide character and two UTF-16 units.
size_t Utf16Position(QStringView text, size_t widePosition);
size_t WidePosition(QStringView text, size_t utf16Position);

} // namespace velmar::platform::core::os
