#pragma once

#include <cstddef>
#include <string>

// UTF-8 bytes to and from the library's wide characters (UTF-32 on Linux). Plain ASCII, the
// common case of a batch, is copied character by character; any other text goes through
// QString. Malformed bytes become U+FFFD, which no quantity contains.
class Utf8 {
public:
    // Replaces wide with the characters of the bytes.
    static void Decode(const char* bytes, size_t size, std::wstring& wide);
    // Appends the wide characters to bytes.
    static void Append(const wchar_t* wide, size_t size, std::string& bytes);
    // The count of characters that the bytes encode: the column of what follows them.
    static size_t CharacterCount(const char* bytes, size_t size);
};
