#include "units/symbols/unit/UnitSymbolParts.h"

#include "units/number/NumberFormatter.h"
#include "units/number/NumberSettings.h"
#include "units/symbols/parse/Evaluation.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/unit/CustomSymbol.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <array>
#include <cmath>
#include <iterator>

namespace velmar::platform::core::units {

ErrorCode ConvertFromBase(const UnitConverter* converter, double value,
                          const DimensionTag& dimension, double* converted) {
    if (converter == nullptr)
        return ecFailure;
    return converter->FromBase(value, dimension, converted);
}

ErrorCode FormatInUnit(const UnitConverter* converter, double value, const DimensionTag& dimension,
                       TextBuffer& out, const NumberSettings& number, unsigned numberFlags,
                       PluralOperands* written) {
    double converted = 0;
    if (ErrorCode error = ConvertFromBase(converter, value, dimension, &converted);
        error != ecSuccess)
        return error;
    return FormatNumber(number, converted, out, numberFlags, written);
}

double PowerOfTen(int exponent) {
    static const std::array<double, 100> powers = [] {
        std::array<double, 100> table{};
        for (int i = 0; i < 100; ++i)
            table[static_cast<size_t>(i)] = std::pow(10.0, i);
        return table;
    }();
    return powers[static_cast<size_t>(exponent)];
}

double RoundingGuard(int precision) {
    static const std::array<double, 100> guards = [] {
        std::array<double, 100> table{};
        for (int i = 0; i < 100; ++i)
            table[static_cast<size_t>(i)] = 1 / (2 * PowerOfTen(i) * 100000);
        return table;
    }();
    return guards[static_cast<size_t>(precision)];
}

ErrorCode WriteInteger(const NumberSettings& number, double value, unsigned flags,
                       TextBuffer& out) {
    return FormatNumber(number, value, out, IntegerOnly | flags);
}

ErrorCode ReplaceWithResult(SymbolList& list, int unitId, double value, size_t count) {
    const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unitId);
    double base = 0;
    if (list.size() < count || converter == nullptr ||
        converter->ToBase(value, &base, converter->GetDimTag()) != ecSuccess)
        return ecFailure;
    list.front().Reset(new ResultSymbol(base, converter->GetDimTag(), unitId, value), true);
    list.erase(std::next(list.begin()), std::next(list.begin(), static_cast<long>(count)));
    return ecSuccess;
}

bool LeadingNumbers(const SymbolList& list, size_t count, double* values) {
    auto element = list.begin();
    for (size_t i = 0; i < count; ++i, ++element) {
        if (element == list.end())
            return false;
        auto* number = evaluation::As<NumberSymbol>(element);
        if (number == nullptr)
            return false;
        values[i] = number->value;
    }
    return true;
}

ErrorCode CustomizeKind0(const IFormatSymbol* prototype,
                         std::vector<std::unique_ptr<CustomSymbol>>& out,
                         const std::vector<std::wstring>& literals,
                         const std::vector<int>& placeholders) {
    out.clear();
    auto custom = std::make_unique<CustomSymbol>(prototype, literals, placeholders, 0);
    if (!custom->IsValid())
        return ecFailure;
    out.push_back(std::move(custom));
    return ecSuccess;
}

} // namespace velmar::platform::core::units
