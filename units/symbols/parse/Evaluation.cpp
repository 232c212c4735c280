// The evaluator of parsed symbol lists, and how numbers, unit operands, results and spaces
// take part in it.
#include "units/symbols/parse/Evaluation.h"
#include "units/util/CatalogueIds.h"

#include "units/number/NumberFlags.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/parse/ParseReport.h"

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

} // namespace

namespace evaluation {

bool ReadFraction(SymbolList& list, SymbolList::iterator e, double* v) {
    if (e == list.begin())
        return false;
    auto* b = As<NumberSymbol>(e);
    auto division = std::prev(e);
    if (b == nullptr || division == list.begin() || !Is<DivisionSymbol>(division))
        return false;
    auto numerator = std::prev(division);
    auto* a = As<NumberSymbol>(numerator);
    if (a == nullptr)
        return false;
    if (!(b->value > 0))
        return Fail(ppZeroDenominator, e) == 0;
    double fraction = a->value / b->value;
    if (numerator != list.begin()) {
        auto whole = std::prev(numerator);
        auto* c = As<NumberSymbol>(whole);
        if (a->value < 0 || c == nullptr || whole != list.begin())
            return false;
        fraction = IsNegative(*c) ? c->value - fraction : c->value + fraction;
    }
    *v = fraction;
    return true;
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
    const Known& known = group == Groups::Length ? length : time;
    return known.primary && std::equal(target, target + 7, known.dimension);
}

bool IsLength(const int* target) {
    return IsDimensionOf(Groups::Length, target);
}

bool IsTime(const int* target) {
    return IsDimensionOf(Groups::Time, target);
}

int ConvertWith(int unit, double value, const int* target, double* base) {
    const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit);
    return converter != nullptr && converter->ToBase(value, base, Tag(target)) == ecSuccess ? 0 : 1;
}

void Finish(SymbolList& list, double base, const int* target, SymbolList::iterator& position) {
    list.front().Reset(new ResultSymbol(base, Tag(target)), true);
    list.erase(std::next(list.begin()), list.end());
    position = list.end();
}

int FinishWith(SymbolList& list, int unit, double value, const int* target,
               SymbolList::iterator& position) {
    double base = 0;
    if (ConvertWith(unit, value, target, &base) != 0)
        return 1;
    Finish(list, base, target, position);
    return 0;
}

void ReplaceWithNumber(SymbolList::iterator element, double value, unsigned flags) {
    element->Reset(new NumberSymbol(value, static_cast<NumberFlags>(flags)), true);
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

namespace {

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

} // namespace

int EvaluateList(SymbolList& list, const int* targetDimension) {
    if (list.empty())
        return 1;
    ParseReport* report = ParseReport::Current();
    AheadScope ahead(list);
    for (bool firstPass : {true, false}) {
        size_t budget = StepBudget(list);
        for (auto position = list.begin(); position != list.end();) {
            if (budget-- == 0)
                return 1;
            // When diagnosing, a symbol that fails without saying why fails by what it is.
            const SymbolRef* element = &*position;
            ParseProblem problem = report != nullptr ? ProblemOf(*position->symbol) : ppNone;
            int count = report != nullptr ? report->Count() : 0;
            if (position->symbol->Evaluate(list, position, firstPass, targetDimension) != 0) {
                if (report != nullptr && report->Count() == count)
                    report->NoteProblem(problem, element);
                return 1;
            }
        }
    }
    if (!list.empty() && Is<ResultSymbol>(list.begin()))
        return 0;
    if (report != nullptr && !list.empty())
        report->NoteProblem(ProblemOf(*list.front().symbol), &list.front());
    return 1;
}

// A number attaches to what follows it. Standing last, it is either a lone number, which the
// parse completes with a default unit, or the denominator of a fraction without a unit: a value
// already in base terms of the target dimension.
int NumberSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                           const int* targetDimension) const {
    auto self = position++;
    if (firstPass || position != list.end())
        return 0;
    double v = 0;
    if (self == list.begin() || !ReadFraction(list, self, &v))
        return 1;
    Finish(list, v, targetDimension, position);
    return 0;
}

// A unit operand standing last takes the number, fraction or mixed number in front of it.
int OperandSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                            const int*) const {
    auto self = position++;
    if (firstPass || position != list.end())
        return 0;
    if (self == list.begin())
        return 1; // a unit without a number
    const UnitConverter* converter = GetConverter();
    if (converter == nullptr)
        return 1;
    auto before = std::prev(self);
    bool plainNumber = before == list.begin();
    double v = 0;
    if (plainNumber) {
        auto* number = As<NumberSymbol>(before);
        if (number == nullptr)
            return 1;
        v = number->value;
    } else if (!ReadFraction(list, before, &v)) {
        return 1;
    }
    double base = 0;
    if (converter->ToBase(v, &base, converter->GetDimTag()) != ecSuccess)
        return 1;
    // This symbol may be owned by the list: nothing of it is used once it is erased.
    list.front().Reset(new ResultSymbol(base, converter->GetDimTag()), true);
    list.erase(std::next(list.begin()), list.end());
    position = plainNumber ? list.begin() : list.end();
    return 0;
}

// A result is the whole quantity: it must stand alone at the front once the walk ends.
int ResultSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                           const int*) const {
    auto self = position++;
    return !firstPass && position == list.end() && self != list.begin() ? 1 : 0;
}

// A space multiplies two operands («kN m»); next to anything else it vanishes.
int SpaceSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool,
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
    return 0;
}

} // namespace velmar::platform::core::units
