#pragma once

#include "units/symbols/ISymbol.h"
#include "units/symbols/SymbolRef.h"

#include <ViVuzaZadur/UnitsTypes.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace velmar::platform::core::units {

class CustomSymbol;
struct NumberSettings;

// Writes a value, given as the base value of its dimension, with one unit symbol; and, for
// symbol strings, compiles custom layouts of the symbol and turns the numbers that such a
// layout matched back into a value.
//
// Text writers return a signed count: negative on failure (-1, or the negated ErrorCode of a
// failed conversion), positive on success. FormatPart returns the characters written including
// the terminator, so that a caller continues at buffer + count - 1.
class IFormatSymbol : public virtual ISymbol {
public:
    // The whole text of the value with this symbol.
    virtual int Format(double value, const DimensionTag& dimension, wchar_t* buffer, size_t size,
                       const NumberSettings& number) const = 0;
    // The number that fills the placeholder index of a custom layout, without symbol text.
    virtual int FormatPart(int index, double value, const DimensionTag& dimension, wchar_t* buffer,
                           size_t size, const NumberSettings& number) const = 0;
    // Turns the numbers of the layout kind, at the front of the list in placeholder order,
    // into one result at the front: 0, or 1 on failure.
    virtual int BuildResult(SymbolList& list, int kind) const = 0;
    // The largest placeholder index of the layout kind; -1 when the symbol has no such layout.
    virtual int GetLastPartIndex(int kind) const = 0;
    // Appends to out the compiled symbols of a custom layout (literals around placeholders):
    // 0 accepted, 1 rejected (out left empty), 3 not supported.
    virtual int Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                          const std::vector<std::wstring>& literals,
                          const std::vector<int>& placeholders) const = 0;
    // The symbol's text; null when it has none.
    virtual const wchar_t* GetText() const = 0;
};

} // namespace velmar::platform::core::units
