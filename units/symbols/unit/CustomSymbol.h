#pragma once

#include "units/symbols/IFormatSymbol.h"
#include "units/symbols/IParseSymbol.h"

namespace velmar::platform::core::units {

// A symbol string compiled for one unit symbol (its prototype): literal texts around numbered
// placeholders, whose meaning the prototype gives. It writes values in that layout, and, as a
// parse symbol, completes a text that matched its literals.
class CustomSymbol : public IParseSymbol, public IFormatSymbol {
public:
    // Valid when the prototype is given, the placeholders are the prototype's layout kind
    // (each index from 0 to its last part index exactly once) and there are as many literals
    // as placeholders, or one more. An invalid symbol has no prototype and no parts.
    CustomSymbol(const IFormatSymbol* prototype, std::vector<std::wstring> literals,
                 std::vector<int> placeholders, int kind);

    bool IsValid() const { return prototype != nullptr; }

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;

    ErrorCode Format(double value, const DimensionTag& dimension, TextBuffer& out,
                     const NumberSettings& number) const override;
    ErrorCode FormatPart(int index, double value, const DimensionTag& dimension, TextBuffer& out,
                         const NumberSettings& number) const override;
    ErrorCode BuildResult(SymbolList& list, int kind) const override;
    int GetLastPartIndex(int kind) const override;
    ErrorCode Customize(std::vector<std::unique_ptr<CustomSymbol>>& out,
                        const std::vector<std::wstring>& literals,
                        const std::vector<int>& placeholders) const override;
    const wchar_t* GetText() const override;

    const std::vector<std::wstring>& Literals() const { return literals; }
    const std::vector<int>& Placeholders() const { return placeholders; }
    int Kind() const { return kind; }

private:
    std::vector<int> placeholders;      // placeholder indices in text order
    std::vector<std::wstring> literals; // literals[i] stands before placeholder i
    const IFormatSymbol* prototype;     // not owned; null when invalid
    int kind;
};

} // namespace velmar::platform::core::units
