#pragma once

#include "units/symbols/IFormatSymbol.h"

#include <cstdint>
#include <string>

namespace velmar::platform::core::units {

// The text of a unit symbol, written after a number: with a space between them, or attached
// («12.50 m», «12.50°»). Writes the text only; the number is its subclasses' part.
class SimpleFormatSymbol2 : public IFormatSymbol {
public:
    enum Flags : uint32_t {
        Attached = 1, // no space between number and text
    };

    SimpleFormatSymbol2(std::wstring text, uint32_t flags) : text(std::move(text)), flags(flags) {}

    // A space unless attached, then the text. The value is not used.
    ErrorCode Format(double value, const DimensionTag& dimension, TextBuffer& out,
                     const NumberSettings& number) const override;
    const wchar_t* GetText() const override { return text.c_str(); }

    const std::wstring text;
    const uint32_t flags;
};

} // namespace velmar::platform::core::units
