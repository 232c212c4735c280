#pragma once

#include <QString>

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

} // namespace velmar::platform::core::os
