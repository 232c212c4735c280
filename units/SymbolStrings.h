#pragma once

#include "units/symbols/IParseSymbol.h"
#include "units/symbols/unit/CustomSymbol.h"
#include "units/util/TextTrie.h"

#include <memory>
#include <string>
#include <vector>

namespace velmar::platform::core::units {

// Symbol strings: per-formatter layouts of unit symbols, literal texts around numbered
// placeholders ("{0} ft {1} in"). "{{" and "}}" stand for literal braces.

// A stored symbol string: its text as set, and the symbols compiled from it (owned); the
// first one is the one that formats.
struct SymbolStringEntry {
    std::wstring text;
    std::vector<std::unique_ptr<CustomSymbol>> symbols;
};

// A node of a formatter's pattern tree. A path from the root spells a sequence of literal
// texts; the node at its end holds the compiled symbol whose literals are that sequence.
// Symbols are referenced, never owned; child nodes are owned by next.
struct PatternNode {
    SymbolRef symbol;
    TextTrie<PatternNode> next;
};

// Splits a symbol string into its literals (literals[0] before the first placeholder,
// literals[i + 1] after placeholder i; no final literal when the string ends with a
// placeholder) and placeholder indices: ecFailure for a syntax error. Errors: "{" followed by
// neither "{" nor a digit; anything but digits before the closing brace of a placeholder; a
// single "}"; any brace right after a placeholder; a text that ends inside a brace sequence; a
// placeholder index of more than six digits.
ErrorCode SplitSymbolString(const wchar_t* text, std::vector<std::wstring>& literals,
                            std::vector<int>& placeholders);

// Enters symbol at the end of the path of literals: ecFailure when another symbol holds that
// path already (unless replace). Nodes made for a failed entry are taken out again.
ErrorCode AddPattern(PatternNode& node, const std::vector<std::wstring>& literals, size_t from,
                     IParseSymbol* symbol, bool owned, bool replace);

// Clears the symbol at the end of the path, and removes the nodes it leaves empty: ecFailure
// when no symbol is there.
ErrorCode RemovePattern(PatternNode& node, const std::vector<std::wstring>& literals, size_t from);

// Enters every compiled symbol of a symbol string at its literal path. When a path is taken,
// the symbols entered so far are taken out again and the result is ecFailure.
ErrorCode AddPatterns(PatternNode& root, const std::vector<std::unique_ptr<CustomSymbol>>& symbols);

// Takes the compiled symbols of a symbol string out of the tree.
void RemovePatterns(PatternNode& root, const std::vector<std::unique_ptr<CustomSymbol>>& symbols);

} // namespace velmar::platform::core::units
