#pragma once

#include "units/symbols/unit/GenericSymbol2.h"

#include <optional>

namespace velmar::platform::core::units {

// A unit symbol that writes one text and shows another: the unitless unit writes the bare
// number (empty, attached text) and is named by its translated symbol.
class GenericSymbolEx2 : public GenericSymbol2 {
public:
    GenericSymbolEx2(std::wstring text, int unitId, uint32_t flags,
                     std::optional<std::wstring> alternateText = std::nullopt)
        : GenericSymbol2(std::move(text), unitId, flags), alternateText(std::move(alternateText)) {}

    // The alternate text when there is one, else the text.
    const wchar_t* GetText() const override {
        return alternateText ? alternateText->c_str() : GenericSymbol2::GetText();
    }

    const std::optional<std::wstring> alternateText;
};

} // namespace velmar::platform::core::units
