#include "Utf8.h"

#include <QByteArray>
#include <QString>

void Utf8::Decode(const char* bytes, size_t size, std::wstring& wide) {
    wide.resize(size);
    for (size_t i = 0; i < size; ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            QString text = QString::fromUtf8(bytes, static_cast<qsizetype>(size));
            wide.resize(static_cast<size_t>(text.size()));
            wide.resize(static_cast<size_t>(text.toWCharArray(wide.data())));
            return;
        }
        wide[i] = static_cast<wchar_t>(byte);
    }
}

void Utf8::Append(const wchar_t* wide, size_t size, std::string& bytes) {
    size_t start = bytes.size();
    bytes.resize(start + size);
    for (size_t i = 0; i < size; ++i) {
        if (static_cast<unsigned long>(wide[i]) >= 0x80) {
            bytes.resize(start);
            QByteArray encoded =
                QString::fromWCharArray(wide, static_cast<qsizetype>(size)).toUtf8();
            bytes.append(encoded.constData(), static_cast<size_t>(encoded.size()));
            return;
        }
        bytes[start + i] = static_cast<char>(wide[i]);
    }
}

size_t Utf8::CharacterCount(const char* bytes, size_t size) {
    size_t count = 0;
    for (size_t i = 0; i < size; ++i)
        count += (static_cast<unsigned char>(bytes[i]) & 0xc0) != 0x80;
    return count;
}
