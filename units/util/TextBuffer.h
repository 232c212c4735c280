#pragma once

#include <ViVuzaZadur/UnitsTypes.h>

#include <cstddef>
#include <string>

namespace velmar::platform::core::units {

// A caller's buffer that text is written into, front to back, always with room kept for the
// terminator. Writers append pieces and end with Terminate(). A piece that does not fit is not
// written, and from then on nothing is: the text's result is ecFailure, and Overflowed() tells
// that a larger buffer would take it. A null buffer or a size of 0 takes nothing.
class TextBuffer {
public:
    TextBuffer(wchar_t* buffer, size_t size)
        : begin_(buffer), at_(buffer),
          end_(buffer != nullptr && size > 0 ? buffer + size - 1 : buffer),
          fits_(buffer != nullptr && size > 0) {}

    void Put(wchar_t c) {
        if (fits_ && at_ < end_)
            *at_++ = c;
        else
            Overflow();
    }
    void Put(const wchar_t* text, size_t length) {
        if (fits_ && length <= Room())
            at_ = std::char_traits<wchar_t>::copy(at_, text, length) + length;
        else
            Overflow();
    }
    void Put(const std::wstring& text) { Put(text.data(), text.size()); }

    // Marks the text as one that has no text at all (a value without number text), or as one
    // that would not fit, for a writer that knows so before it writes.
    void Refuse() { fits_ = false; }
    void Overflow() {
        overflowed_ = fits_ || overflowed_;
        fits_ = false;
    }

    // Ends the text where it stands: ecSuccess, or ecFailure when a piece did not fit. More
    // pieces may follow, in place of the terminator.
    ErrorCode Terminate() {
        if (begin_ != nullptr)
            *at_ = L'\0';
        return fits_ ? ecSuccess : ecFailure;
    }

    bool Fits() const { return fits_; }
    bool Overflowed() const { return overflowed_; }
    // The characters that still fit before the terminator.
    size_t Room() const { return fits_ ? static_cast<size_t>(end_ - at_) : 0; }
    // The characters written so far, and the text they make.
    size_t Length() const { return static_cast<size_t>(at_ - begin_); }
    const wchar_t* Text() const { return begin_; }

private:
    wchar_t* begin_;
    wchar_t* at_;
    wchar_t* end_;
    bool fits_;
    bool overflowed_ = false;
};

} // namespace velmar::platform::core::units
