#pragma once

#include "units/symbols/parse/OperandSymbol.h"
#include "units/symbols/unit/UnitFormatSymbol.h"

namespace velmar::platform::core::units {

// A unit symbol: writes a value in its unit with its text («12.50 m»), and is a unit operand
// in parsed expressions.
class GenericSymbol2 : public OperandSymbol, public UnitFormatSymbol {
public:
    GenericSymbol2(std::wstring text, int unitId, uint32_t flags,
                   std::unique_ptr<const NameForms> forms = nullptr)
        : UnitFormatSymbol(std::move(text), unitId, flags, std::move(forms)) {}

    const UnitConverter* GetConverter() const override;
    int UnitId() const override { return unitId; }
};

} // namespace velmar::platform::core::units
