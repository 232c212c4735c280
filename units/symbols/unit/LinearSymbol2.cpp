#include "units/symbols/unit/LinearSymbol2.h"

#include "units/symbols/parse/Evaluation.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <algorithm>
#include <iterator>

namespace velmar::platform::core::units {

using namespace evaluation;

// «100 °C» is a temperature on the scale, offset included. Inside a compound unit («W/(m²·°C)»)
// the symbol stands for a degree of its interval unit, whose zero is absolute.
ErrorCode LinearSymbol2::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                                  const int*) const {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    if (firstPass) {
        bool compound = std::any_of(list.begin(), list.end(), [&](const SymbolRef& element) {
            return &element != &*position && (element.symbol->kinds & OperandSymbol::kKind) != 0;
        });
        if (compound) {
            const UnitConverter* interval = config->FindConverter(intervalUnitId);
            if (interval == nullptr)
                return ecFailure;
            position->Reset(new GenericOperand(GenericConverter(*interval)), true);
        }
        ++position;
        return ecSuccess;
    }
    if (position == list.begin())
        return ecFailure;
    auto before = std::prev(position);
    auto* number = As<NumberSymbol>(before);
    const UnitConverter* scale = config->FindConverter(unitId);
    if (number == nullptr || scale == nullptr)
        return ecFailure;
    // A number, or a fraction or mixed number that opens the list («12 1/2 °C»).
    double value = number->value;
    if (before != list.begin() &&
        ReadMixedNumber(list.begin(), position, LaterMinus::Refused, &value) == ecSuccess)
        before = list.begin();
    double base = 0;
    if (scale->ToBase(value, &base, scale->GetDimTag()) != ecSuccess)
        return ecFailure;
    before->Reset(new ResultSymbol(base, scale->GetDimTag(), unitId, value), true);
    list.erase(std::next(before), std::next(position));
    position = before;
    return ecSuccess;
}

} // namespace velmar::platform::core::units
