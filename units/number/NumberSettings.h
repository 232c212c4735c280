#pragma once

#include <ViVuzaZadur/UnitsTypes.h>

#include <string>
#include <vector>

namespace velmar::platform::core::units {

// The number settings of a formatter: how number text is written and read.
struct NumberSettings {
    wchar_t nativeDigits[10] = {L'0', L'1', L'2', L'3', L'4', L'5', L'6', L'7', L'8', L'9'};
    std::wstring positiveSign;
    std::wstring negativeSign = L"-";
    std::wstring groupSeparator = L",";
    std::wstring decimalSeparator = L".";
    NumberFormat numericFormat = nfNumber;
    int decimalPrecision = 2; // 0 to 99
    // Digit-group sizes from the decimal separator outward; the last one repeats, and a last
    // size of 0 ends the grouping.
    std::vector<int> groupSizes{3};
    // Whether reading checks that group separators stand between digit groups of these sizes
    // (see DigitGrouping); without the check one may stand anywhere among the integer digits.
    bool checkGroupSizes = true;
    bool allowTwoDigitExponent = true;
    bool includePositiveSignInNumber = true;
    bool includeNegativeSignInNumber = true;
    bool includePositiveSignInExponent = false;
    bool includeNegativeSignInExponent = true;

    // The settings of a new formatter.
    static const NumberSettings& Defaults() {
        static const NumberSettings defaults;
        return defaults;
    }
};

} // namespace velmar::platform::core::units
