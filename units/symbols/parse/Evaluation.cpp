// Evaluation of parsed symbol lists: how each parse symbol rewrites the list of a text into one
// result. Parsing is not offered yet, so no list evaluates: every symbol fails.
#include "units/symbols/format/CustomSymbol.h"
#include "units/symbols/format/LinearSymbol2.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"

namespace velmar::platform::core::units {

namespace {
constexpr int kNotEvaluated = 1;
}

#define VVZ_NOT_EVALUATED(Class)                                                                   \
    int Class::Evaluate(SymbolList&, SymbolList::iterator&, bool, const int*) const {              \
        return kNotEvaluated;                                                                      \
    }
VVZ_NOT_EVALUATED(OperandSymbol)
VVZ_NOT_EVALUATED(OperatorSymbol)
VVZ_NOT_EVALUATED(NumberSymbol)
VVZ_NOT_EVALUATED(ResultSymbol)
VVZ_NOT_EVALUATED(SpaceSymbol)
VVZ_NOT_EVALUATED(LeftParenthesisSymbol)
VVZ_NOT_EVALUATED(RightParenthesisSymbol)
VVZ_NOT_EVALUATED(DegreeSymbol)
VVZ_NOT_EVALUATED(PrimeSymbol)
VVZ_NOT_EVALUATED(DoublePrimeSymbol)
VVZ_NOT_EVALUATED(DashSymbol)
VVZ_NOT_EVALUATED(NorthSymbol)
VVZ_NOT_EVALUATED(EastSymbol)
VVZ_NOT_EVALUATED(SouthSymbol)
VVZ_NOT_EVALUATED(WestSymbol)
VVZ_NOT_EVALUATED(DSymbol)
VVZ_NOT_EVALUATED(GSymbol)
VVZ_NOT_EVALUATED(LinearSymbol2)
VVZ_NOT_EVALUATED(CustomSymbol)
#undef VVZ_NOT_EVALUATED

#define VVZ_NOT_APPLIED(Class)                                                                     \
    int Class::Apply(SymbolList&, SymbolList::iterator&) const {                                   \
        return kNotEvaluated;                                                                      \
    }
VVZ_NOT_APPLIED(DivisionSymbol)
VVZ_NOT_APPLIED(MultiplicationSymbol)
VVZ_NOT_APPLIED(SquareSymbol)
VVZ_NOT_APPLIED(CubicSymbol)
VVZ_NOT_APPLIED(CaretSymbol)
#undef VVZ_NOT_APPLIED

} // namespace velmar::platform::core::units
