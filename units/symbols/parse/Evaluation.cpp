// The evaluator of parsed symbol lists, and how numbers, unit operands, results and spaces
// take part in it.
#include "units/symbols/parse/Evaluation.h"

#include "units/number/NumberFlags.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NotationGrammar.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/parse/ParseReport.h"
#include "units/util/CatalogueIds.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <algorithm>
#include <iterator>

namespace velmar::platform::core::units {

using namespace evaluation;

namespace {

const DimensionTag& Tag(const int* target) {
    return *reinterpret_cast<const DimensionTag*>(target);
}

// A walk may revisit elements, but every rewrite shrinks the list; a walk that takes more steps
// than this has gone wrong and fails rather than run on.
size_t StepBudget(const SymbolList& list) {
    return 8 * list.size() + 64;
}

// A quantity's operators evaluate ahead about once per element and enclosing parenthesis, and
// parentheses nest 64 deep at most: this leaves room to spare.
size_t AheadBudget(const SymbolList& list) {
    return 64 * list.size() + 64;
}

// The evaluations ahead left to the evaluation running on this thread.
thread_local size_t aheadLeft = 0;

// Gives an evaluation its budget of evaluations ahead, and the enclosing one its own back.
class AheadScope {
public:
    explicit AheadScope(const SymbolList& list) : saved_(aheadLeft) {
        aheadLeft = AheadBudget(list);
    }
    ~AheadScope() { aheadLeft = saved_; }
    AheadScope(const AheadScope&) = delete;
    AheadScope& operator=(const AheadScope&) = delete;

private:
    size_t saved_;
};

// Why a symbol fails that did not say so itself, by what it is.
ParseProblem ProblemOf(const IParseSymbol& symbol) {
    if (symbol.kinds & (IParseSymbol::NumberKind | IParseSymbol::ResultKind))
        return ppMissingUnit;
    if (symbol.kinds & IParseSymbol::OperandKind)
        return ppMissingNumber;
    if (symbol.kinds & (IParseSymbol::LeftParenthesisKind | IParseSymbol::RightParenthesisKind))
        return ppUnbalancedParenthesis;
    if (symbol.kinds & IParseSymbol::OperatorKind)
        return ppMisplacedOperator;
    return ppMisplacedMark;
}

// One walk over the list: each element evaluates itself and says where the walk goes on.
ErrorCode Walk(SymbolList& list, bool firstPass, const int* target, ParseReport* report) {
    size_t budget = StepBudget(list);
    for (auto position = list.begin(); position != list.end();) {
        if (budget-- == 0)
            return ecFailure;
        // When diagnosing, a symbol that fails without saying why fails by what it is.
        const SymbolRef* element = &*position;
        ParseProblem problem = report != nullptr ? ProblemOf(*position->symbol) : ppNone;
        int count = report != nullptr ? report->Count() : 0;
        if (position->symbol->Evaluate(list, position, firstPass, target) != ecSuccess) {
            if (report != nullptr && report->Count() == count)
                report->NoteProblem(problem, element);
            return ecFailure;
        }
    }
    return ecSuccess;
}

} // namespace

namespace evaluation {

ErrorCode ReadMixedNumber(SymbolList::const_iterator first, SymbolList::const_iterator end,
                          LaterMinus laterMinus, double* value) {
    if (first != end && std::next(first) == end) {
        auto* number = As<NumberSymbol>(first);
        if (number == nullptr)
            return ecFailure;
        *value = number->value;
        return ecSuccess;
    }
    // The elements, at most four: a whole number, a fraction, or both.
    SymbolList::const_iterator at[4];
    size_t count = 0;
    for (auto element = first; element != end; ++element) {
        if (count == 4)
            return ecFailure;
        at[count++] = element;
    }
    const NumberSymbol* whole = nullptr;
    const NumberSymbol* numerator = nullptr;
    const NumberSymbol* denominator = nullptr;
    if (count == 1) {
        whole = As<NumberSymbol>(at[0]);
    } else if (count >= 3 && Is<DivisionSymbol>(at[count - 2])) {
        whole = count == 4 ? As<NumberSymbol>(at[0]) : nullptr;
        numerator = As<NumberSymbol>(at[count - 3]);
        denominator = As<NumberSymbol>(at[count - 1]);
        if (numerator == nullptr || denominator == nullptr || (count == 4 && whole == nullptr))
            return ecFailure;
    }
    if (denominator == nullptr) {
        if (whole == nullptr)
            return ecFailure;
        *value = whole->value;
        return ecSuccess;
    }
    if (!(denominator->value > 0)) {
        auto at = std::prev(end);
        return Fail(ppZeroDenominator, at);
    }
    if (whole == nullptr) {
        *value = numerator->value / denominator->value;
        return ecSuccess;
    }
    if (IsNegative(*numerator) && laterMinus == LaterMinus::Refused && !numerator->joined)
        return ecFailure;
    double magnitude = std::abs(numerator->value) / denominator->value;
    *value = IsNegative(*whole) ? whole->value - magnitude : whole->value + magnitude;
    return ecSuccess;
}

bool IsAngle(const int* target) {
    return std::all_of(target, target + 7, [](int exponent) { return exponent == 0; });
}

// Whether the catalogue gives the target's dimension to the group. The dimension of the group's
// first unit is the only one it can be, so the answer is an equality of tags, once the
// catalogue has been asked whether the group is that dimension's group at all.
bool IsDimensionOf(int group, const int* target) {
    struct Known {
        explicit Known(int group) {
            const UnitsConfig* config = UnitsConfig::GetInstance();
            const UnitConverter* first = config->FindConverter(group | 1);
            if (first != nullptr) {
                std::copy_n(first->GetDimTag(), 7, dimension);
                primary = config->FindUnitGroup(dimension) == group;
            }
        }
        DimensionTag dimension{};
        bool primary = false;
    };
    static const Known length(Groups::Length);
    static const Known time(Groups::Time);
    static const Known acceleration(Groups::Acceleration);
    const Known& known = group == Groups::Length ? length
                         : group == Groups::Time ? time
                                                 : acceleration;
    return known.primary && std::equal(target, target + 7, known.dimension);
}

bool IsLength(const int* target) {
    return IsDimensionOf(Groups::Length, target);
}

bool IsTime(const int* target) {
    return IsDimensionOf(Groups::Time, target);
}

bool IsAcceleration(const int* target) {
    return IsDimensionOf(Groups::Acceleration, target);
}

ErrorCode ConvertWith(int unit, double value, const int* target, double* base) {
    const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit);
    return converter != nullptr && converter->ToBase(value, base, Tag(target)) == ecSuccess
               ? ecSuccess
               : ecFailure;
}

ErrorCode FinishWith(SymbolList& list, int unit, double value, const int* target,
                     SymbolList::iterator& position) {
    double base = 0;
    if (ConvertWith(unit, value, target, &base) != ecSuccess)
        return ecFailure;
    list.front().Reset(new ResultSymbol(base, Tag(target), unit, value), true);
    list.erase(std::next(list.begin()), list.end());
    position = list.end();
    return ecSuccess;
}

bool IsNegative(const NumberSymbol& number) {
    return (number.flags & MantissaMinus) != 0;
}

bool EvaluateAhead() {
    if (aheadLeft == 0)
        return false;
    --aheadLeft;
    return true;
}

} // namespace evaluation

ErrorCode EvaluateList(SymbolList& list, const int* targetDimension) {
    if (list.empty())
        return ecFailure;
    ParseReport* report = ParseReport::Current();
    AheadScope ahead(list);
    if (Walk(list, true, targetDimension, report) != ecSuccess)
        return ecFailure;
    if (IsNotation(list))
        return ReadNotation(list, targetDimension);
    if (Walk(list, false, targetDimension, report) != ecSuccess)
        return ecFailure;
    if (!list.empty() && Is<ResultSymbol>(list.begin()))
        return ecSuccess;
    if (report != nullptr && !list.empty())
        report->NoteProblem(ProblemOf(*list.front().symbol), &list.front());
    return ecFailure;
}

// A number attaches to what follows it. Standing last, without a unit, it is no quantity yet:
// the parse completes a lone number, fraction or mixed number with a default unit.
ErrorCode NumberSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                                 const int*) const {
    ++position;
    return firstPass || position != list.end() ? ecSuccess : ecFailure;
}

// A unit operand standing last takes the number, fraction or mixed number in front of it.
ErrorCode OperandSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                                  const int*) const {
    auto self = position++;
    if (firstPass || position != list.end())
        return ecSuccess;
    if (self == list.begin())
        return ecFailure; // a unit without a number
    const UnitConverter* converter = GetConverter();
    double v = 0;
    if (converter == nullptr ||
        ReadMixedNumber(list.begin(), self, LaterMinus::Refused, &v) != ecSuccess)
        return ecFailure;
    bool plainNumber = std::next(list.begin()) == self;
    double base = 0;
    if (converter->ToBase(v, &base, converter->GetDimTag()) != ecSuccess)
        return ecFailure;
    // This symbol may be owned by the list: nothing of it is used once it is erased.
    list.front().Reset(new ResultSymbol(base, converter->GetDimTag(), UnitId(), v), true);
    list.erase(std::next(list.begin()), list.end());
    position = plainNumber ? list.begin() : list.end();
    return ecSuccess;
}

// A result is the whole quantity: it must stand alone at the front once the walk ends.
ErrorCode ResultSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                                 const int*) const {
    auto self = position++;
    return !firstPass && position == list.end() && self != list.begin() ? ecFailure : ecSuccess;
}

// A space multiplies two operands («kN m»); next to anything else it vanishes.
ErrorCode SpaceSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool,
                                const int*) const {
    auto next = std::next(position);
    bool left = position == list.begin() || Is<OperandSymbol>(std::prev(position));
    bool right = next != list.end() && Is<OperandSymbol>(next);
    if (left && right) {
        position->Reset(Shared<MultiplicationSymbol>(), false);
        position = next;
    } else {
        position = list.erase(position);
    }
    return ecSuccess;
}

} // namespace velmar::platform::core::units
