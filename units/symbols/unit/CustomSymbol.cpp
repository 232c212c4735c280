#include "units/symbols/unit/CustomSymbol.h"

#include "units/symbols/parse/NumberSymbol.h"

#include <algorithm>
#include <iterator>

namespace velmar::platform::core::units {

CustomSymbol::CustomSymbol(const IFormatSymbol* prototype, std::vector<std::wstring> literals,
                           std::vector<int> placeholders, int kind)
    : placeholders(std::move(placeholders)), literals(std::move(literals)), prototype(prototype),
      kind(kind) {
    bool valid = prototype != nullptr;
    size_t count = this->placeholders.size();
    valid = valid && static_cast<int>(count) == prototype->GetLastPartIndex(kind) + 1;
    valid = valid && (this->literals.size() == count || this->literals.size() == count + 1);
    std::vector<bool> seen(count);
    for (int index : this->placeholders) {
        valid = valid && index >= 0 && static_cast<size_t>(index) < count && !seen[index];
        if (valid)
            seen[index] = true;
    }
    if (!valid) {
        this->prototype = nullptr;
        this->literals.clear();
        this->placeholders.clear();
    }
}

ErrorCode CustomSymbol::Format(double value, const DimensionTag& dimension, TextBuffer& out,
                               const NumberSettings& number) const {
    if (!IsValid())
        return ecFailure;
    for (size_t i = 0; i < literals.size(); ++i) {
        out.Put(literals[i]);
        // A part that cannot be written fails the text, whatever the reason.
        if (i < placeholders.size() &&
            FormatPart(static_cast<int>(i), value, dimension, out, number) != ecSuccess)
            return ecFailure;
    }
    return out.Terminate();
}

ErrorCode CustomSymbol::FormatPart(int index, double value, const DimensionTag& dimension,
                                   TextBuffer& out, const NumberSettings& number) const {
    if (!IsValid() || index < 0 || static_cast<size_t>(index) >= placeholders.size())
        return ecFailure;
    return prototype->FormatPart(placeholders[index], value, dimension, out, number);
}

ErrorCode CustomSymbol::BuildResult(SymbolList& list, int requested) const {
    if (!IsValid() || requested != kind)
        return ecFailure;
    auto end = std::find_if(list.begin(), list.end(), [](const SymbolRef& element) {
        return (element.symbol->kinds & NumberSymbol::kKind) == 0;
    });
    if (static_cast<size_t>(std::distance(list.begin(), end)) != placeholders.size())
        return ecFailure; // The number written for placeholder k moves to position k.
    std::vector<SymbolRef> numbers;
    for (auto element = list.begin(); element != end; ++element)
        numbers.push_back(std::move(*element));
    auto element = list.begin();
    for (size_t position = 0; position < placeholders.size(); ++position, ++element) {
        size_t from = static_cast<size_t>(
            std::find(placeholders.begin(), placeholders.end(), static_cast<int>(position)) -
            placeholders.begin());
        *element = std::move(numbers[from]);
    }
    return prototype->BuildResult(list, kind);
}

// A compiled parsing pattern that matched: the numbers it read open the list, in text order,
// and the prototype turns them into the result.
ErrorCode CustomSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool,
                                 const int*) const {
    if (BuildResult(list, kind) != ecSuccess)
        return ecFailure;
    list.erase(position);
    position = list.begin();
    return ecSuccess;
}

int CustomSymbol::GetLastPartIndex(int requested) const {
    return IsValid() && requested == kind ? prototype->GetLastPartIndex(kind) : -1;
}

// A compiled layout is not compiled again.
ErrorCode CustomSymbol::Customize(std::vector<std::unique_ptr<CustomSymbol>>&,
                                  const std::vector<std::wstring>&, const std::vector<int>&) const {
    return ecFailure;
}

const wchar_t* CustomSymbol::GetText() const {
    return IsValid() ? prototype->GetText() : nullptr;
}

} // namespace velmar::platform::core::units
