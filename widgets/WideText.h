#pragma once

#include <QString>

#include <cstddef>
#include <memory>

namespace velmar::platform::core::units {

// A QString as the terminated wide text that the library reads, kept on the stack for the
// lengths of an input field: a field converts its text on every keystroke.
class WideText {
public:
    // cursor: a position in text (QChar units), or -1; Cursor() gives it in wide characters.
    explicit WideText(const QString& text, qsizetype cursor = -1);
    WideText(const WideText&) = delete;
    WideText& operator=(const WideText&) = delete;

    const wchar_t* Get() const { return text; }
    size_t Cursor() const { return cursor; }

private:
    static constexpr qsizetype kLocalSize = 256;
    wchar_t local[kLocalSize];
    std::unique_ptr<wchar_t[]> heap; // for longer texts
    wchar_t* text;
    size_t cursor = 0;
};

} // namespace velmar::platform::core::units
