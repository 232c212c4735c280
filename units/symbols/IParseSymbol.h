#pragma once

#include "units/symbols/ISymbol.h"
#include "units/symbols/SymbolRef.h"

namespace velmar::platform::core::units {

// A piece of a parsed text. Evaluation walks the list of a text twice; at each element it asks
// the symbol there to evaluate itself, which either advances position or rewrites the list
// around itself and sets position where the walk goes on. 0 success, 1 failure. A symbol
// shared between parses keeps no state of a parse.
class IParseSymbol : public virtual ISymbol {
public:
    virtual int Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                         const int* targetDimension) const = 0;
};

inline void SymbolRef::Release() {
    if (owned)
        delete symbol;
    symbol = nullptr;
    owned = false;
}

} // namespace velmar::platform::core::units
