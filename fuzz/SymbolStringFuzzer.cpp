// The symbol formatting and parsing string setters with fuzzed ids and texts, then Format and
// Parse through what they set. A string that was taken reads back as it was set.
#include "FuzzSupport.h"

#include <cmath>
#include <vector>

using namespace velmar::platform::core::units;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    UnitsFormatter formatter = vvzfuzz::ShippedFormatter(data);
    std::vector<int> symbols;
    for (int calls = data.ConsumeIntegralInRange(1, 6); calls > 0; --calls) {
        int symbol = vvzfuzz::ConsumeSymbolId(data);
        bool parsing = data.ConsumeBool();
        bool null = data.ConsumeIntegralInRange(0, 15) == 0;
        std::wstring text = vvzfuzz::ConsumeText(data, 512);
        const wchar_t* given = null ? nullptr : text.c_str();
        ErrorCode result = parsing ? formatter.SetSymbolParsingString(symbol, given)
                                   : formatter.SetSymbolFormattingString(symbol, given);
        vvzfuzz::Check(result == ecSuccess || result == ecFailure, "a setter gives 0 or 1");
        std::vector<wchar_t> stored(text.size() + 1);
        ErrorCode read =
            parsing ? formatter.GetSymbolParsingString(symbol, stored.data(), stored.size())
                    : formatter.GetSymbolFormattingString(symbol, stored.data(), stored.size());
        if (result == ecSuccess && !null && !text.empty())
            vvzfuzz::Check(read == ecSuccess && text == stored.data(),
                           "a string that was taken reads back as set");
        if (result == ecSuccess && text.empty())
            vvzfuzz::Check(read == ecNotFound, "an empty string removes the string");
        symbols.push_back(symbol);
    }
    double value = vvzfuzz::ConsumeValue(data);
    for (int symbol : symbols) {
        int unit = symbol & 0xfffff;
        wchar_t buffer[2048];
        ErrorCode formatted = formatter.Format(value, unit, buffer, 2048, symbol);
        double read = -1234.5;
        if (formatted == ecSuccess) {
            ErrorCode parsed = formatter.Parse(buffer, read, unit);
            vvzfuzz::Check(parsed == ecSuccess ? std::isfinite(read) : read == -1234.5,
                           "a parsed value is finite, a failure leaves it alone");
        }
    }
    std::wstring text = vvzfuzz::ConsumeText(data, 512);
    double read = -1234.5;
    ErrorCode parsed =
        formatter.Parse(text.c_str(), read, symbols.empty() ? 0x2001 : symbols.front() & 0xfffff);
    vvzfuzz::Check(parsed == ecSuccess ? std::isfinite(read) : read == -1234.5,
                   "a parsed value is finite, a failure leaves it alone");
    return 0;
}
