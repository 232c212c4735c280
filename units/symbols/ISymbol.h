#pragma once

namespace velmar::platform::core::units {

// The root of every symbol: the pieces of a parsed text (numbers, operators, notation marks,
// unit operands) and the writers of values with a unit symbol. Every owner deletes a symbol
// through this destructor.
class ISymbol {
public:
    virtual ~ISymbol() = default;
};

} // namespace velmar::platform::core::units
