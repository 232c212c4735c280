// The parse flow of a formatter: from text to a value in a unit, through the formatter's own
// parsing patterns first and the general reading of numbers and symbol texts second.
#include "units/FormatterState.h"
#include "units/util/CatalogueIds.h"

#include "units/LocaleSymbolTables.h"
#include "units/number/DigitGrouping.h"
#include "units/number/NumberScanner.h"
#include "units/symbols/parse/Evaluation.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/parse/ParseArena.h"
#include "units/symbols/parse/ParseReport.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <cmath>
#include <cwchar>
#include <optional>
#include <vector>

namespace velmar::platform::core::units {

namespace {

// A text that cuts into more pieces than this is no quantity anybody types; refusing it early
// keeps the work of a parse bounded whatever the text.
constexpr size_t kMaxSymbols = 1024;

// Reads the number at text, if one starts there, into a new number owned by the list: its
// length, or 0.
size_t AppendNumber(const FormatterState& state, const wchar_t* text, SymbolList& list) {
    double value = 0;
    NumberFlags flags{};
    size_t length =
        ScanNumber(state.NumberTokens(), DigitGrouping(state.Number()), text, &value, &flags);
    if (length > 0)
        list.emplace_back(new NumberSymbol(value, flags), true);
    return length;
}

// Notes for diagnostics where the last element of the list was read.
void NotePiece(ParseReport* report, const SymbolList& list, const wchar_t* text, const wchar_t* at,
               size_t length) {
    if (report != nullptr)
        report->NotePiece(list.back(), static_cast<size_t>(at - text), length);
}

// Whether the number that ends the list makes the text no quantity, whichever way it is read:
// it is beyond what a double holds («1e999», «1e-999»), or a group separator that separates no
// digit groups follows it («1,5» under the default settings).
bool LastRefused(const SymbolList& list) {
    return (static_cast<const NumberSymbol*>(list.back().symbol)->flags &
            (OutOfRange | MisplacedGroupSeparator)) != 0;
}

// Notes why such a number, which ends at `end` of the text, makes the text no quantity.
ErrorCode RefuseNumber(ParseReport* report, const SymbolList& list, const wchar_t* text,
                       const wchar_t* end, const NumberSettings& number) {
    if (report != nullptr) {
        const auto* read = static_cast<const NumberSymbol*>(list.back().symbol);
        if (read->flags & MisplacedGroupSeparator)
            report->NoteProblemAt(ppMisplacedGroupSeparator, static_cast<size_t>(end - text),
                                  number.groupSeparator.size());
        else
            report->NoteProblem(read->value == 0 ? ppTooSmall : ppNotFinite, &list.back());
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
    if (Parse(text, base, converter->GetDimTag(), ids::GroupOf(unit)) != ecSuccess)
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
        size_t length = AppendNumber(*this, rest, leading);
        if (length == 0)
            break;
        NotePiece(report, leading, text, rest, length);
        rest += length;
        if (LastRefused(leading))
            return RefuseNumber(report, leading, text, rest, number);
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
        size_t read = AppendNumber(*this, at, working);
        if (read == 0 || LastRefused(working))
            break;
        at += read;
    }
    bool matched = false;
    if (node != nullptr && *at == L'\0' && node->symbol.symbol != nullptr) {
        working.emplace_back(node->symbol.symbol, false);
        matched = EvaluateList(working, dimension) == ecSuccess;
    }

    if (!matched) {
        // The general reading: numbers, and the texts of the fixed symbols and of this locale's
        // unit symbols (then en-US's), longest first.
        working = std::move(leading);
        if (report != nullptr)
            report->ClearProblems();
        if (ErrorCode read = ReadSymbols(text, rest, working); read != ecSuccess)
            return read;
        if (EvaluateList(working, dimension) != ecSuccess) {
            double sum = 0;
            if (ReadSum(text, dimension, &sum) == ecSuccess) {
                working.clear();
                working.emplace_back(new ResultSymbol(sum, dimension), true);
                return Convert(working, text, value, dimension);
            }
            // A bare number is a quantity of the group's default unit.
            if (working.size() != 1 || !evaluation::Is<NumberSymbol>(working.begin()))
                return ecNotAQuantity;
            int unitGroup = group != 0 ? ids::GroupOf(group)
                                       : UnitsConfig::GetInstance()->FindUnitGroup(dimension);
            const UnitSymbolTable::Slot* slot = symbols->Find(ResolveSymbolId(unitGroup));
            if (slot == nullptr || slot->parse == nullptr)
                return ecFailure;
            working.emplace_back(slot->parse, false);
            if (EvaluateList(working, dimension) != ecSuccess)
                return ecNotAQuantity;
        }
    }

    return Convert(working, text, value, dimension);
}

// The general reading, from `from` on: numbers, and the texts of the fixed symbols and of this
// locale's unit symbols (then en-US's), longest first, appended to the list.
ErrorCode FormatterState::ReadSymbols(const wchar_t* text, const wchar_t* from,
                                      SymbolList& list) const {
    ParseReport* report = ParseReport::Current();
    for (const wchar_t* at = from; *at != L'\0';) {
        if (list.size() > kMaxSymbols)
            return TooLong(report);
        if (size_t read = AppendNumber(*this, at, list)) {
            NotePiece(report, list, text, at, read);
            at += read;
            if (LastRefused(list))
                return RefuseNumber(report, list, text, at, number);
            continue;
        }
        size_t length = 0;
        IParseSymbol* symbol = LocaleSymbolTables::Lookup(at, &length, symbols, fallbackSymbols);
        if (symbol == nullptr) {
            if (report != nullptr)
                report->NoteProblemAt(ppUnknownText, static_cast<size_t>(at - text), 1);
            return ecNotAQuantity;
        }
        list.emplace_back(symbol, false);
        NotePiece(report, list, text, at, length);
        at += length;
    }
    return ecSuccess;
}

// A quantity written as a sum of parts, each a number with its unit: «5 ft 6 in», «1 h 30 min»,
// «2 m 30 cm». The text is read again and cut where a number follows a unit; every part must
// be a quantity of the dimension by itself. A minus before the first number governs the whole
// («-5 ft 6 in» is −66 in), as a minus before feet does; later parts may not have one, and a
// temperature on a scale with an offset cannot be a part. The base value of the sum.
ErrorCode FormatterState::ReadSum(const wchar_t* text, const DimensionTag& dimension,
                                  double* base) const {
    std::optional<ParseReport> quiet; // the parts' failures are no reason of the whole text
    if (ParseReport::Current() != nullptr)
        quiet.emplace();
    ParseArena arena;
    SymbolList symbols(&arena);
    if (ReadSymbols(text, text, symbols) != ecSuccess)
        return ecFailure;
    bool angle = evaluation::IsAngle(dimension);
    // Whether an element ends a part: a unit, or a letter that stands for one here.
    auto endsPart = [angle](const SymbolRef& element) {
        unsigned kinds = element.symbol->kinds;
        if (kinds & (IParseSymbol::OperandKind | IParseSymbol::RightParenthesisKind))
            return true;
        return !angle && (kinds & (IParseSymbol::UnitLetterKind | IParseSymbol::WestKind)) != 0;
    };
    std::vector<SymbolList> parts;
    parts.emplace_back(&arena);
    bool afterUnit = false;
    for (auto element = symbols.begin(); element != symbols.end();) {
        if (element->symbol->kinds & IParseSymbol::OffsetScaleKind)
            return ecFailure;
        bool isNumber = evaluation::Is<NumberSymbol>(element);
        if (isNumber && afterUnit) {
            if (evaluation::IsNegative(*evaluation::As<NumberSymbol>(element)))
                return ecFailure;
            parts.emplace_back(&arena);
        }
        if (!evaluation::Is<SpaceSymbol>(element))
            afterUnit = endsPart(*element);
        auto next = std::next(element);
        parts.back().splice(parts.back().end(), symbols, element);
        element = next;
    }
    if (parts.size() < 2)
        return ecFailure;
    double sum = 0;
    bool negative = false;
    for (size_t i = 0; i < parts.size(); ++i) {
        SymbolList& part = parts[i];
        if (i == 0 && evaluation::Is<NumberSymbol>(part.begin()))
            negative = evaluation::IsNegative(*evaluation::As<NumberSymbol>(part.begin()));
        double partBase = 0;
        if (EvaluateList(part, dimension) != ecSuccess ||
            static_cast<ResultSymbol*>(part.front().symbol)
                    ->GetConverter()
                    ->ToBase(1.0, &partBase, dimension) != ecSuccess)
            return ecFailure;
        sum += i == 0 || !negative ? partBase : -partBase;
    }
    *base = sum;
    return ecSuccess;
}

// The value of the result at the front of the list, in base terms of the dimension: 2 when it
// is of another dimension or not finite.
ErrorCode FormatterState::Convert(const SymbolList& working, const wchar_t* text, double& value,
                                  const DimensionTag& dimension) const {
    ParseReport* report = ParseReport::Current();
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
