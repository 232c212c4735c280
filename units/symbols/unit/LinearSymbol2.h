#pragma once

#include "units/symbols/IParseSymbol.h"
#include "units/symbols/unit/UnitFormatSymbol.h"

namespace velmar::platform::core::units {

// A temperature scale with an offset (degree Celsius, degree Fahrenheit). It writes and reads
// values on its own scale; inside a compound unit it stands for a degree of its interval unit
// (kelvin, degree Rankine), whose zero is absolute.
class LinearSymbol2 : public IParseSymbol, public UnitFormatSymbol {
public:
    LinearSymbol2(std::wstring text, int unitId, int intervalUnitId, uint32_t flags,
                  std::unique_ptr<const NameForms> forms = nullptr)
        : IParseSymbol(OffsetScaleKind),
          UnitFormatSymbol(std::move(text), unitId, flags, std::move(forms)),
          intervalUnitId(intervalUnitId) {}

    ErrorCode Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                       const int* targetDimension) const override;

    int UnitId() const override { return unitId; }

    const int intervalUnitId;
};

} // namespace velmar::platform::core::units
