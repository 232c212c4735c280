// Parse with a fuzzed text, target unit, locale and number settings: the result is 0 with a
// finite value, or 2 with the value untouched, and diagnostics agree with it.
#include "FuzzSupport.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>

#include <cmath>
#include <optional>

using namespace velmar::platform::core::units;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::optional<UnitsFormatter> own;
    const UnitsFormatter& formatter = vvzfuzz::ConsumeFormatter(data, own);
    int unit = vvzfuzz::ConsumeId(data);
    std::wstring text = vvzfuzz::ConsumeText(data, 4096);

    const double untouched = -1234.5;
    double value = untouched;
    ErrorCode result = formatter.Parse(text.c_str(), value, unit);
    vvzfuzz::Check(result == ecSuccess || result == ecNotAQuantity, "Parse gives 0 or 2");
    vvzfuzz::Check(result == ecSuccess ? std::isfinite(value) : value == untouched,
                   "a parsed value is finite, a failure leaves it alone");

    double diagnosed = untouched;
    ParseDiagnosis diagnosis;
    ErrorCode again = ParseDiagnostics::Parse(formatter, text.c_str(), diagnosed, unit, diagnosis);
    vvzfuzz::Check(again == result && (result != ecSuccess || diagnosed == value),
                   "diagnostics read the text as Parse does");
    vvzfuzz::Check((diagnosis.problem == ppNone) == (result == ecSuccess),
                   "a failure has a problem, a success none");
    vvzfuzz::Check(diagnosis.position + diagnosis.length <= text.size(),
                   "the problem lies within the text");
    (void)ParseDiagnostics::Message(formatter, text.c_str(), unit, diagnosis);
    return 0;
}
