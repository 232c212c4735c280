#pragma once

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>
#include <vector>

// What the harnesses share: the application they run in (FuzzSupport.cpp defines
// LLVMFuzzerInitialize for all), formatters of the shipped locales,
// the ids of the catalogue, and the fuzzed texts, ids and number settings they feed in.
namespace vvzfuzz {

using velmar::platform::core::units::UnitsFormatter;

// A formatter of a shipped locale, made once and shared: copy it before changing settings.
const UnitsFormatter& ShippedFormatter(FuzzedDataProvider& data);
// A shipped formatter, or, when the input says so, a copy of it in own with fuzzed number
// settings.
const UnitsFormatter& ConsumeFormatter(FuzzedDataProvider& data,
                                       std::optional<UnitsFormatter>& own);

// A text: UTF-8 decoded, or raw wide characters of any value (negative ones, surrogates and
// values above U+10FFFF included). Never contains a terminator.
std::wstring ConsumeText(FuzzedDataProvider& data, size_t maxLength);

// An id: of a unit group, unit or unit symbol of the catalogue, or any int.
int ConsumeId(FuzzedDataProvider& data);
// A unit symbol id of the catalogue, or any int.
int ConsumeSymbolId(FuzzedDataProvider& data);
// A double of any bit pattern, or a value of the magnitudes people write.
double ConsumeValue(FuzzedDataProvider& data);

// Changes any of the number settings, each to a fuzzed value that may be rejected.
void ConsumeNumberSettings(FuzzedDataProvider& data, UnitsFormatter& formatter);

// Stops the run with a message when a property does not hold: libFuzzer reports the input.
void Check(bool holds, const char* what);

// Whether a text of at most size characters, terminator included, was written: the buffer
// holds a terminator within its size.
bool IsTerminatedWithin(const wchar_t* buffer, size_t size);

} // namespace vvzfuzz
