#include "units/SymbolStrings.h"

namespace velmar::platform::core::units {

namespace {

// Larger placeholder indices can name no part of any symbol.
constexpr int kMaxPlaceholder = 999999;

// The child under exactly this literal, or null.
PatternNode* Child(PatternNode& node, const std::wstring& literal) {
    size_t length = 0;
    PatternNode* child = node.next.Lookup(literal.c_str(), &length);
    return child != nullptr && length == literal.size() ? child : nullptr;
}

} // namespace

ErrorCode SplitSymbolString(const wchar_t* text, std::vector<std::wstring>& literals,
                            std::vector<int>& placeholders) {
    enum { Text, Open, Index, Close, After } state = Text;
    literals.assign(1, std::wstring());
    placeholders.clear();
    if (text == nullptr)
        return ecFailure;
    int index = 0;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        switch (state) {
        case Text:
            if (*c == L'{')
                state = Open;
            else if (*c == L'}')
                state = Close;
            else
                literals.back() += *c;
            break;
        case Open:
            if (*c == L'{') {
                literals.back() += L'{';
                state = Text;
            } else if (*c >= L'0' && *c <= L'9') {
                index = *c - L'0';
                state = Index;
            } else {
                return ecFailure;
            }
            break;
        case Index:
            if (*c >= L'0' && *c <= L'9') {
                index = index * 10 + (*c - L'0');
                if (index > kMaxPlaceholder)
                    return ecFailure;
            } else if (*c == L'}') {
                placeholders.push_back(index);
                state = After;
            } else {
                return ecFailure;
            }
            break;
        case Close:
            if (*c != L'}')
                return ecFailure;
            literals.back() += L'}';
            state = Text;
            break;
        case After:
            if (*c == L'{' || *c == L'}')
                return ecFailure;
            literals.emplace_back(1, *c);
            state = Text;
            break;
        }
    }
    return state == Text || state == After ? ecSuccess : ecFailure;
}

ErrorCode AddPattern(PatternNode& node, const std::vector<std::wstring>& literals, size_t from,
                     IParseSymbol* symbol, bool owned, bool replace) {
    if (from == literals.size()) {
        if (node.symbol.symbol != nullptr && !replace)
            return ecFailure;
        node.symbol.Reset(symbol, owned);
        return ecSuccess;
    }
    const std::wstring& literal = literals[from];
    if (PatternNode* child = Child(node, literal))
        return AddPattern(*child, literals, from + 1, symbol, owned, replace);
    auto* child = new PatternNode;
    if (node.next.Insert(literal.c_str(), child, true, false) != ecSuccess) {
        delete child;
        return ecFailure;
    }
    if (AddPattern(*child, literals, from + 1, symbol, owned, replace) != ecSuccess) {
        (void)node.next.Erase(literal.c_str()); // the child inserted just now
        return ecFailure;
    }
    return ecSuccess;
}

ErrorCode RemovePattern(PatternNode& node, const std::vector<std::wstring>& literals, size_t from) {
    if (from == literals.size()) {
        if (node.symbol.symbol == nullptr)
            return ecFailure;
        node.symbol.Release();
        return ecSuccess;
    }
    const std::wstring& literal = literals[from];
    PatternNode* child = Child(node, literal);
    if (child == nullptr)
        return ecFailure;
    ErrorCode result = RemovePattern(*child, literals, from + 1);
    if (result == ecSuccess && child->symbol.symbol == nullptr && child->next.IsEmpty())
        result = node.next.Erase(literal.c_str());
    return result;
}

ErrorCode AddPatterns(PatternNode& root,
                      const std::vector<std::unique_ptr<CustomSymbol>>& symbols) {
    for (size_t i = 0; i < symbols.size(); ++i) {
        if (AddPattern(root, symbols[i]->Literals(), 0, symbols[i].get(), false, false) ==
            ecSuccess)
            continue;
        for (size_t j = 0; j < i; ++j)
            (void)RemovePattern(root, symbols[j]->Literals(), 0); // entered just now
        return ecFailure;
    }
    return ecSuccess;
}

void RemovePatterns(PatternNode& root, const std::vector<std::unique_ptr<CustomSymbol>>& symbols) {
    for (const auto& symbol : symbols)
        (void)RemovePattern(root, symbol->Literals(), 0); // entered with the string
}

} // namespace velmar::platform::core::units
