#pragma once

#include "units/symbols/ISymbol.h"
#include "units/symbols/SymbolRef.h"
#include "units/util/TextBuffer.h"

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
// Writers append their text to the buffer and terminate it: ecSuccess; ecFailure when it does
// not fit or the value has no text; the ErrorCode of a failed conversion (ecDimensionMismatch
// for a value of another dimension).
class IFormatSymbol : public virtual ISymbol {
public:
    // The whole text of the value with this symbol.
    virtual ErrorCode Format(double value, const DimensionTag& dimension, TextBuffer& out,
                             const NumberSettings& number) const = 0;
    // The number that fills the placeholder index of a custom layout, without symbol text.
    virtual ErrorCode FormatPart(int index, double value, const DimensionTag& dimension,
                                 TextBuffer& out, const NumberSettings& number) const = 0;
    // Turns the numbers of the layout kind, at the front of the list in placeholder order,
    // into one result at the front.
    virtual ErrorCode BuildResult(SymbolList& list, int kind) const = 0;
    // The largest placeholder index of the layout kind; -1 when the symbol has no such layout.
    virtual int GetLastPartIndex(int kind) const = 0;
    // Appends to out the compiled symbols of a custom layout (literals around placeholders):
    // ecSuccess, or ecFailure when the layout does not fit the symbol or the symbol takes none
    // (out left empty).
    virtual ErrorCode Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                                const std::vector<std::wstring>& literals,
                                const std::vector<int>& placeholders) const = 0;
    // The symbol's text; null when it has none.
    virtual const wchar_t* GetText() const = 0;
};

} // namespace velmar::platform::core::units
