#pragma once

#include <QString>

#include <cstddef>
#include <memory>
#include <string>

namespace velmar::platform::core::units {
class UnitsFormatter;
}

// What a command does to one text: convert reads a quantity and writes it in a unit, parse
// reads a quantity and writes its value, format reads a plain number and writes it as a
// quantity. Single arguments and batch lines go through the same conversion.
class Conversion {
public:
    // Why a text gave no result: a sentence, and the index of the character it is about.
    struct Failure {
        size_t position = 0;
        QString message;
    };

    virtual ~Conversion() = default;

    // Converts the terminated text into result; false with failure filled when the text is
    // not what the conversion reads.
    virtual bool Run(const wchar_t* text, std::wstring& result, Failure& failure) const = 0;

    // The formatter must outlive the conversion. unit is a unit id, display 0 or any id that
    // UnitsFormatter::Format takes.
    static std::unique_ptr<Conversion>
    QuantityToQuantity(const velmar::platform::core::units::UnitsFormatter& formatter, int unit,
                       int display);
    // The value as a plain number under the formatter's number settings (PlainNumber).
    static std::unique_ptr<Conversion>
    QuantityToValue(const velmar::platform::core::units::UnitsFormatter& formatter, int unit);
    // Reads a plain number under the formatter's number settings (PlainNumber): «-1234.5»,
    // «1e-3», «1,5» under de-DE numbers.
    static std::unique_ptr<Conversion>
    ValueToQuantity(const velmar::platform::core::units::UnitsFormatter& formatter, int unit,
                    int display);
};
