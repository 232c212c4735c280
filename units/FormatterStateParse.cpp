// The parse flow of a formatter: from text to a value in a unit, through the formatter's own
// parsing patterns first and the general reading of numbers and symbol texts second.
#include "units/FormatterState.h"

#include "units/ParseReport.h"
#include "units/UnitSymbolTable.h"
#include "units/number/NumberScanner.h"
#include "units/symbols/parse/Evaluation.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/parse/ParseArena.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <cmath>
#include <cwchar>

namespace velmar::platform::core::units {

namespace {

// A text that cuts into more pieces than this is no quantity anybody types; refusing it early
// keeps the work of a parse bounded whatever the text.
constexpr size_t kMaxSymbols = 1024;

// Reads the number at text, if one starts there, into a new number owned by the list: its
// length, or 0.
size_t AppendNumber(const NumberTokenTable& tokens, const wchar_t* text, SymbolList& list) {
    double value = 0;
    NumberFlags flags{};
    int length = ScanNumber(tokens, text, &value, &flags);
    if (length <= 0)
        return 0;
    list.emplace_back(new NumberSymbol(value, flags), true);
    return static_cast<size_t>(length);
}

// Notes for diagnostics where the last element of the list was read.
void NotePiece(ParseReport* report, const SymbolList& list, const wchar_t* text, const wchar_t* at,
               size_t length) {
    if (report != nullptr)
        report->NotePiece(list.back(), static_cast<size_t>(at - text), length);
}

// Whether the number that ends the list is beyond what a double holds («1e999», «1e-999»).
bool LastOutOfRange(const SymbolList& list) {
    return (static_cast<const NumberSymbol*>(list.back().symbol)->flags & OutOfRange) != 0;
}

// Such a number makes the text no quantity, whichever way it is read.
ErrorCode NumberOutOfRange(ParseReport* report, const SymbolList& list) {
    if (report != nullptr) {
        double value = static_cast<const NumberSymbol*>(list.back().symbol)->value;
        report->NoteProblem(value == 0 ? ppTooSmall : ppNotFinite, &list.back());
    }
    return ecNotAQuantity;
}

ErrorCode TooLong(ParseReport* report) {
    if (report != nullptr)
        report->NoteProblemAt(ppTooLong, 0, 0);
    return ecNotAQuantity;
}

// The child of a pattern node under the longest of its literals at text, and that literal's
// length; null when none starts there.
const PatternNode* Step(const PatternNode* node, const wchar_t* text, size_t* length) {
    return node->next.Lookup(text, length);
}

} // namespace

ErrorCode FormatterState::Parse(const wchar_t* text, double& value, int unit) const {
    ParseReport* report = ParseReport::Current();
    const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit);
    if (converter == nullptr) {
        if (report != nullptr)
            report->NoteProblemAt(ppUnknownUnit, 0, 0);
        return ecNotAQuantity;
    }
    double base = 0;
    double result = 0;
    if (Parse(text, base, converter->GetDimTag(), unit & 0xff000) != ecSuccess)
        return ecNotAQuantity;
    if (converter->FromBase(base, converter->GetDimTag(), &result) != ecSuccess ||
        !std::isfinite(result)) {
        if (report != nullptr)
            report->NoteProblemAt(ppNotFinite, 0, std::wcslen(text));
        return ecNotAQuantity;
    }
    value = result;
    return ecSuccess;
}

ErrorCode FormatterState::Parse(const wchar_t* text, double& value, const DimensionTag& dimension,
                                int group) const {
    ParseReport* report = ParseReport::Current();
    if (text == nullptr || *text == L'\0') {
        if (report != nullptr)
            report->NoteProblemAt(ppEmptyText, 0, 0);
        return ecNotAQuantity;
    }
    ParseArena arena;
    // The numbers that open the text, one straight after the other.
    SymbolList leading(&arena);
    const wchar_t* rest = text;
    while (*rest != L'\0' && leading.size() <= kMaxSymbols) {
        size_t length = AppendNumber(numberTokens, rest, leading);
        if (length == 0)
            break;
        NotePiece(report, leading, text, rest, length);
        if (LastOutOfRange(leading))
            return NumberOutOfRange(report, leading);
        rest += length;
    }
    if (leading.size() > kMaxSymbols)
        return TooLong(report);

    // The pattern walk: the formatter's compiled strings, literal by literal and number by
    // number, sharing the leading numbers without owning them.
    SymbolList working(&arena);
    const PatternNode* node = nullptr;
    size_t length = 0;
    if (!parseSymbols.next.IsEmpty()) {
        working.assign(leading.begin(), leading.end());
        node = leading.empty() ? &parseSymbols : Step(&parseSymbols, L"", &length);
    }
    const wchar_t* at = rest;
    while (node != nullptr && *at != L'\0') {
        node = Step(node, at, &length);
        at += length;
        if (node == nullptr || *at == L'\0' || working.size() > kMaxSymbols)
            break;
        size_t read = AppendNumber(numberTokens, at, working);
        if (read == 0 || LastOutOfRange(working))
            break;
        at += read;
    }
    bool read = false;
    if (node != nullptr && *at == L'\0' && node->symbol.symbol != nullptr) {
        working.emplace_back(node->symbol.symbol, false);
        read = EvaluateList(working, dimension) == 0;
    }

    if (!read) {
        // The general reading: numbers, and the texts of the fixed symbols and of this locale's
        // unit symbols (then en-US's), longest first.
        working = std::move(leading);
        if (report != nullptr)
            report->ClearProblems();
        const ParseSymbolRegistry& registry = ParseSymbolRegistry::Instance();
        for (at = rest; *at != L'\0';) {
            if (working.size() > kMaxSymbols)
                return TooLong(report);
            if (size_t read = AppendNumber(numberTokens, at, working)) {
                NotePiece(report, working, text, at, read);
                if (LastOutOfRange(working))
                    return NumberOutOfRange(report, working);
                at += read;
                continue;
            }
            IParseSymbol* symbol = registry.Lookup(at, &length, symbols, fallbackSymbols);
            if (symbol == nullptr) {
                if (report != nullptr)
                    report->NoteProblemAt(ppUnknownText, static_cast<size_t>(at - text), 1);
                return ecNotAQuantity;
            }
            working.emplace_back(symbol, false);
            NotePiece(report, working, text, at, length);
            at += length;
        }
        if (EvaluateList(working, dimension) != 0) {
            // A bare number is a quantity of the group's default unit.
            if (working.size() != 1 || !evaluation::Is<NumberSymbol>(working.begin()))
                return ecNotAQuantity;
            int unitGroup =
                group != 0 ? group & 0xff000 : UnitsConfig::GetInstance()->FindUnitGroup(dimension);
            const UnitSymbolTable::Slot* slot = symbols->Find(ResolveSymbolId(unitGroup));
            if (slot == nullptr || slot->parse == nullptr)
                return ecFailure;
            working.emplace_back(slot->parse, false);
            if (EvaluateList(working, dimension) != 0)
                return ecNotAQuantity;
        }
    }

    const UnitConverter* result =
        static_cast<ResultSymbol*>(working.front().symbol)->GetConverter();
    double base = 0;
    ErrorCode converted = result->ToBase(1.0, &base, dimension);
    if (converted != ecSuccess || !std::isfinite(base)) {
        if (report != nullptr) {
            report->NoteProblemAt(converted != ecSuccess ? ppWrongDimension : ppNotFinite, 0,
                                  std::wcslen(text));
            report->NoteFound(result->GetDimTag());
        }
        return ecNotAQuantity;
    }
    value = base;
    return ecSuccess;
}

} // namespace velmar::platform::core::units
