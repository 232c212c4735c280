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
#include "units/symbols/parse/ParseSymbolRegistry.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <iterator>
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
    // Most places of a text start no number: those cost one look at their first character.
    if (state.NumberTokens().StartsNoNumber(*text))
        return 0;
    double value = 0;
    NumberFlags flags{};
    size_t length = ScanNumber(state.NumberTokens(), state.Grouping(), text, &value, &flags);
    if (length > 0) {
        bool joined = !list.empty() && evaluation::Is<NumberSymbol>(std::prev(list.end()));
        list.emplace_back(new NumberSymbol(value, flags, joined), true);
    }
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

// Whether the list holds only numbers and spaces.
bool OnlyNumbers(const SymbolList& list) {
    for (const SymbolRef& element : list)
        if ((element.symbol->kinds & (IParseSymbol::NumberKind | IParseSymbol::SpaceKind)) == 0)
            return false;
    return true;
}

bool IsAsciiDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool IsProductOrQuotient(wchar_t c) {
    return c == L'/' || c == L'\u00b7' || c == L'*' || c == L'\u00d7' || c == L'\u22c5' ||
           c == L' ' || c == L'-';
}

// The length of the first part of a symbol text of the given length at text that is a unit
// expression of its own («km» of «km/s», «kg» of «kg·m/s»); 0 for any other text.
size_t FirstPart(const wchar_t* text, size_t length) {
    for (size_t i = 1; i < length; ++i)
        if (IsProductOrQuotient(text[i]))
            return i;
    return 0;
}

// Whether a power starts at text; *alone tells whether nothing follows it.
bool BeforePower(const wchar_t* text, bool* alone) {
    size_t length = 0;
    IParseSymbol* power = ParseSymbolRegistry::Instance().Lookup(text, &length);
    if (power == nullptr || (power->kinds & IParseSymbol::PowerKind) == 0)
        return false;
    *alone = text[length] == L'\0';
    return true;
}

// Reads everything after the one slash of a unit expression as the denominator: «W/m·K» as
// «W/(m·K)». ecFailure where that changes nothing: nothing but one unit follows the slash, or
// the text groups its parts itself.
ErrorCode WrapDenominator(SymbolList& list) {
    auto slash = list.end();
    size_t operands = 0;
    for (auto element = list.begin(); element != list.end(); ++element) {
        unsigned kinds = element->symbol->kinds;
        if (kinds & (IParseSymbol::LeftParenthesisKind | IParseSymbol::RightParenthesisKind))
            return ecFailure;
        if (kinds & IParseSymbol::DivisionKind)
            slash = element;
        else if (slash != list.end() && (kinds & IParseSymbol::OperandKind))
            ++operands;
    }
    if (slash == list.end() || slash == list.begin() ||
        !evaluation::Is<OperandSymbol>(std::prev(slash)) || operands < 2)
        return ecFailure;
    list.emplace(std::next(slash), Shared<LeftParenthesisSymbol>(), false);
    list.emplace_back(Shared<RightParenthesisSymbol>(), false);
    return ecSuccess;
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
    Written written;
    if (Parse(text, base, converter->GetDimTag(), ids::GroupOf(unit), &written) != ecSuccess)
        return ecNotAQuantity;
    // A number written in the very unit asked for is that number, exactly.
    if (written.unit != 0 && written.unit == ids::UnitOf(unit)) {
        value = written.value;
        return ecSuccess;
    }
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
                                int group, Written* written) const {
    ParseReport* report = ParseReport::Current();
    if (text == nullptr || *text == L'\0') {
        if (report != nullptr)
            report->NoteProblemAt(ppEmptyText, 0, 0);
        return ecNotAQuantity;
    }
    ParseArena arena;
    int unitGroup =
        group != 0 ? ids::GroupOf(group) : UnitsConfig::GetInstance()->FindUnitGroup(dimension);
    Written none;
    Written& writtenIn = written != nullptr ? *written : none;

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
    if (node != nullptr && *at == L'\0' && node->symbol.symbol != nullptr) {
        working.emplace_back(node->symbol.symbol, false);
        if (EvaluateList(working, dimension) == ecSuccess)
            return Convert(working, text, value, dimension, unitGroup, writtenIn);
    }

    // The general reading: numbers, and the texts of the fixed symbols and of this locale's
    // unit symbols (then en-US's), longest first.
    if (report != nullptr)
        report->ClearProblems();
    bool unevaluated = false;
    ErrorCode read =
        ReadGeneral(text, leading, rest, dimension, unitGroup, &unevaluated, value, writtenIn);
    if (!unevaluated)
        return read;

    // A sum of parts, each with its unit.
    double sum = 0;
    if (ReadSum(text, dimension, &sum) == ecSuccess) {
        working.clear();
        working.emplace_back(new ResultSymbol(sum, dimension), true);
        return Convert(working, text, value, dimension, unitGroup, writtenIn);
    }
    // A bare number, fraction or mixed number is a quantity of the group's default unit.
    working.clear();
    if (ReadBareNumber(text, working) != ecSuccess)
        return ecNotAQuantity;
    const UnitSymbolTable::Slot* slot = symbols->Find(ResolveSymbolId(unitGroup));
    if (slot == nullptr || slot->parse == nullptr)
        return ecFailure;
    working.emplace_back(slot->parse, false);
    if (EvaluateList(working, dimension) != ecSuccess)
        return ecNotAQuantity;
    return Convert(working, text, value, dimension, unitGroup, writtenIn);
}

// The general reading of a text, in the ways it can be meant, tried in order until one gives a
// quantity of the dimension:
// - left to right as written, a symbol text that is a unit expression of its own («km/s»,
//   «kg·m») read by its parts where a power follows it, since the power binds the unit written
//   just before it («km/s²» is km/s², not (km/s)²);
// - such a text read whole where it is the text's one unit («5 km/s²» as (km/s)²);
// - every such text read by its parts («kg·m/s²» as kg·m/s², where «kg·m» alone is the
//   kilogram-force meter);
// - everything after a single slash read as the denominator («W/m·K» as W/(m·K)), as handbooks
//   write;
// each of the later ways only when the earlier ones give a quantity of another dimension.
// A text that names units of other values (fr-FR «ch», the chain and the metric horsepower) is
// read with each of them; the one of the dimension asked is taken, and the text is refused when
// more than one is. The reason noted for a text that is no quantity is the first reading's.
// leading holds the numbers that open the text, read up to rest. *unevaluated is set when the
// text was read into symbols but no reading evaluated to a quantity, so that the caller may try
// the readings of last resort.
ErrorCode FormatterState::ReadGeneral(const wchar_t* text, SymbolList& leading, const wchar_t* rest,
                                      const DimensionTag& dimension, int unitGroup,
                                      bool* unevaluated, double& value, Written& written) const {
    ParseReport* report = ParseReport::Current();
    // The first reading, as written, goes on from the numbers read already.
    ReadFacts facts;
    if (ErrorCode read = ReadSymbols(text, rest, leading, ReadWay{}, &facts); read != ecSuccess)
        return read; // no reading gets further than the symbols
    bool evaluated = EvaluateList(leading, dimension) == ecSuccess;
    ErrorCode result =
        evaluated ? Convert(leading, text, value, dimension, unitGroup, written) : ecNotAQuantity;
    if (result == ecSuccess && facts.choices == 1)
        return ecSuccess;

    // The other readings, read anew; only the first reading says why a text is no quantity.
    static const ReadWay kWays[] = {
        {0, Compounds::SplitBeforePower, false}, {0, Compounds::Whole, false},
        {0, Compounds::ByParts, false},          {0, Compounds::SplitBeforePower, true},
        {0, Compounds::ByParts, true},
    };
    facts.oneSlash = std::count(text, text + std::wcslen(text), L'/') == 1;
    std::optional<ParseReport> quiet;
    if (report != nullptr)
        quiet.emplace();
    size_t found = result == ecSuccess ? 1 : 0;
    for (int choice = 0; choice < facts.choices; ++choice) {
        for (const ReadWay& way : kWays) {
            ReadWay how = way;
            how.choice = choice;
            // The first way of the first choice was the first reading.
            if ((choice == 0 && &way == &kWays[0]) || !facts.Allow(how))
                continue;
            if (choice == 0 && found > 0)
                break;
            SymbolList list(leading.get_allocator());
            if (ReadSymbols(text, text, list, how, nullptr) != ecSuccess ||
                (how.slashDenominator && WrapDenominator(list) != ecSuccess) ||
                EvaluateList(list, dimension) != ecSuccess)
                continue;
            evaluated = true;
            double base = 0;
            Written in;
            if (Convert(list, text, base, dimension, unitGroup, in) != ecSuccess)
                continue;
            if (found > 0 && base != value) {
                if (report != nullptr)
                    report->NoteProblemAt(ppAmbiguousUnit, 0, std::wcslen(text));
                return ecNotAQuantity;
            }
            value = base;
            written = in;
            ++found;
            break; // the first way that fits is this choice's reading
        }
    }
    *unevaluated = !evaluated;
    return found > 0 ? ecSuccess : result;
}

// The general reading, from `from` on: numbers, and the texts of the fixed symbols and of this
// locale's unit symbols (then en-US's), longest first, appended to the list. how tells which
// of several readings to make; facts tell what the text holds that other readings may take.
ErrorCode FormatterState::ReadSymbols(const wchar_t* text, const wchar_t* from, SymbolList& list,
                                      const ReadWay& how, ReadFacts* facts) const {
    ParseReport* report = ParseReport::Current();
    bool firstAmbiguous = true;
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
        LocaleSymbolTables::Candidates candidates;
        IParseSymbol* symbol =
            LocaleSymbolTables::Lookup(at, &length, symbols, fallbackSymbols, &candidates);
        // A symbol text that ends in a digit leaves a number that goes on to itself:
        // «m^2147483647» is m to the power 2147483647, not m^2 and 147483647.
        while (symbol != nullptr && length > 1 && IsAsciiDigit(at[length - 1]) &&
               IsAsciiDigit(at[length]))
            symbol = LookupWithin(at, length - 1, &length, &candidates);
        if (symbol == nullptr) {
            if (report != nullptr)
                report->NoteProblemAt(ppUnknownText, static_cast<size_t>(at - text), 1);
            return ecNotAQuantity;
        }
        // A unit expression written as one symbol text is read by its parts before a power,
        // which binds the unit written just before it. It is read whole where that power
        // follows the text's one unit, and by its parts everywhere, only as the last resort of
        // readings that are of another dimension.
        bool alone = false;
        size_t part = FirstPart(at, length);
        bool beforePower = part > 0 && BeforePower(at + length, &alone);
        bool byParts = part > 0 && (how.compounds == Compounds::ByParts ||
                                    (beforePower && how.compounds != Compounds::Whole));
        if (facts != nullptr && beforePower && alone && OnlyNumbers(list))
            facts->splitAlone = true;
        if (facts != nullptr && part > 0 && !byParts)
            facts->wholeCompound = true;
        if (byParts) {
            symbol = LookupWithin(at, part, &length, &candidates);
            if (symbol == nullptr)
                return ecNotAQuantity;
        }
        if (candidates.count > 1 && firstAmbiguous) {
            firstAmbiguous = false;
            if (facts != nullptr)
                facts->choices = static_cast<int>(candidates.count);
            if (how.choice < static_cast<int>(candidates.count))
                symbol = candidates.symbols[how.choice];
        }
        list.emplace_back(symbol, false);
        NotePiece(report, list, text, at, length);
        at += length;
    }
    return ecSuccess;
}

// The symbol of the longest text within the first length characters at text, as Lookup finds
// it, with its candidates.
IParseSymbol* FormatterState::LookupWithin(const wchar_t* text, size_t length, size_t* found,
                                           LocaleSymbolTables::Candidates* candidates) const {
    wchar_t part[64];
    if (length >= std::size(part))
        return nullptr;
    std::copy_n(text, length, part);
    part[length] = L'\0';
    return LocaleSymbolTables::Lookup(part, found, symbols, fallbackSymbols, candidates);
}

// Reads the text into the list when it is a number, a fraction or a mixed number and nothing
// else: ecFailure otherwise. A fraction over zero says so.
ErrorCode FormatterState::ReadBareNumber(const wchar_t* text, SymbolList& list) const {
    if (ReadSymbols(text, text, list, ReadWay{}, nullptr) != ecSuccess)
        return ecFailure;
    list.remove_if([](const SymbolRef& element) {
        return (element.symbol->kinds & IParseSymbol::SpaceKind) != 0;
    });
    double ignored = 0;
    return ReadMixedNumber(list.begin(), list.end(), evaluation::LaterMinus::Refused, &ignored);
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
    if (ReadSymbols(text, text, symbols, ReadWay{}, nullptr) != ecSuccess)
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

// The value of the result at the front of the list, in base terms of the dimension, and the
// number and unit it was written in, if it was written in one: ecNotAQuantity when it is of
// another dimension or not finite. Among the groups without a dimension (angles, solid angles,
// ratios, storage sizes) a quantity written in a unit of one is no quantity of another: «5 MB»
// or «5 ppm» is no angle.
ErrorCode FormatterState::Convert(const SymbolList& working, const wchar_t* text, double& value,
                                  const DimensionTag& dimension, int group,
                                  Written& written) const {
    ParseReport* report = ParseReport::Current();
    auto* result = static_cast<const ResultSymbol*>(working.front().symbol);
    const UnitConverter* converter = result->GetConverter();
    double base = 0;
    ErrorCode converted = converter->ToBase(1.0, &base, dimension);
    int foundGroup = 0;
    if (converted == ecSuccess && result->writtenUnit != 0 &&
        ids::GroupOf(result->writtenUnit) != group && evaluation::IsAngle(dimension)) {
        foundGroup = ids::GroupOf(result->writtenUnit);
        converted = ecDimensionMismatch;
    }
    if (converted != ecSuccess || !std::isfinite(base)) {
        if (report != nullptr) {
            report->NoteProblemAt(converted != ecSuccess ? ppWrongDimension : ppNotFinite, 0,
                                  std::wcslen(text));
            report->NoteFound(converter->GetDimTag(), foundGroup);
        }
        return ecNotAQuantity;
    }
    value = base;
    written = {result->writtenUnit, result->written};
    return ecSuccess;
}

} // namespace velmar::platform::core::units
