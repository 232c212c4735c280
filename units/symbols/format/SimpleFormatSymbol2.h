#pragma once

#include "units/symbols/IFormatSymbol.h"
#include "units/symbols/format/NameForms.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velmar::platform::core::units {

// The text of a unit symbol, written after a number: with a space between them, or attached
// («12.50 m», «12.50°»). A unit's name agrees with the number («1 meter», «2.00 meters»).
// Writes the text only; the number is its subclasses' part.
class SimpleFormatSymbol2 : public IFormatSymbol {
public:
    enum Flags : uint32_t {
        Attached = 1, // no space between number and text
    };

    // forms: those of a name that changes with its number, text being its dictionary form.
    SimpleFormatSymbol2(std::wstring text, uint32_t flags,
                        std::unique_ptr<const NameForms> forms = nullptr)
        : text(std::move(text)), flags(flags), forms(std::move(forms)) {}

    // A space unless attached, then the text, or the form of the name that agrees with the
    // number written before it, whose operands are given.
    ErrorCode WriteText(const PluralOperands& number, TextBuffer& out) const;
    // The text: a name's dictionary form, as names are shown without a number.
    const wchar_t* GetText() const override { return text.c_str(); }

    const std::wstring text;
    const uint32_t flags;
    // Null for a text that does not change with the number.
    const std::unique_ptr<const NameForms> forms;
};

} // namespace velmar::platform::core::units
