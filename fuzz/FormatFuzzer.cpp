// Format with a fuzzed value, unit, display id, number settings and buffer size. The buffer is
// exactly as large as its size, so that AddressSanitizer sees any write past it; a success
// leaves a terminated text in it.
#include "FuzzSupport.h"

#include <cmath>
#include <memory>
#include <optional>

using namespace velmar::platform::core::units;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::optional<UnitsFormatter> own;
    const UnitsFormatter& formatter = vvzfuzz::ConsumeFormatter(data, own);
    double value = vvzfuzz::ConsumeValue(data);
    int unit = vvzfuzz::ConsumeId(data);
    int display = data.ConsumeBool() ? 0 : vvzfuzz::ConsumeId(data);
    size_t bufferSize = data.ConsumeIntegralInRange<size_t>(0, 1200);
    bool nullBuffer = data.ConsumeIntegralInRange(0, 63) == 0;

    std::unique_ptr<wchar_t[]> buffer(nullBuffer ? nullptr : new wchar_t[bufferSize]);
    double shown = -1234.5;
    ErrorCode result = formatter.Format(value, unit, buffer.get(), bufferSize, display, &shown);
    vvzfuzz::Check(result == ecSuccess || result == ecFailure || result == ecDimensionMismatch,
                   "Format gives 0, 1 or the dimension mismatch");
    if (result == ecSuccess) {
        vvzfuzz::Check(buffer != nullptr && vvzfuzz::IsTerminatedWithin(buffer.get(), bufferSize),
                       "a formatted text is terminated within the buffer");
        vvzfuzz::Check(std::isfinite(value), "only finite values have a text");
    }
    return 0;
}
