#pragma once

#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QString>

#include <string>

namespace vvztest {

using velmar::platform::core::units::ErrorCode;
using velmar::platform::core::units::UnitsFormatter;
using velmar::platform::core::units::UnitsManager;

// Unit and group ids the formatter tests use most.
constexpr int kLength = 0x2000;
constexpr int kMeter = 0x2001;
constexpr int kInch = 0x2016;
constexpr int kFoot = 0x2017;
constexpr int kSquareMeter = 0x3001;
constexpr int kDegree = 0x8002;
constexpr int kSecond = 0x2c001;
constexpr int kMeterPerSecond = 0x28001;

// The translation files of one locale's folder.
inline const char* const kTranslationFiles[] = {
    "ViVuzaZadurUI.qm", "ViVuzaZadurUI_units_symbols.qm",
    "ViVuzaZadurUI_units_parsing_alternate_symbols.qm"};

// The manager is made on the main thread with en-US as its locale before a suite's first test,
// and dropped after its last, so that no suite sees another's translations or settings.
class FormatterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { UnitsManager::GetInstance()->SetCurrentLocale(L"en-US"); }
    static void TearDownTestSuite() { UnitsManager::Uninitialize(); }
};

// A wide text as UTF-8, for test names and traces.
inline std::string Narrow(const wchar_t* text) {
    return text == nullptr ? "(null)" : QString::fromWCharArray(text).toStdString();
}

// How a call's failure shows where a text was expected: "<code>".
inline std::wstring Error(ErrorCode code) {
    return L"<" + std::to_wstring(code) + L">";
}

// The text Format writes into a roomy buffer, or Error(result).
inline std::wstring Written(const UnitsFormatter& formatter, double value, int unit, int display) {
    wchar_t buffer[128];
    ErrorCode result = formatter.Format(value, unit, buffer, 128, display);
    return result == velmar::platform::core::units::ecSuccess ? std::wstring(buffer)
                                                              : Error(result);
}

// The display name of a group, unit or symbol, or Error(result).
inline std::wstring DisplayName(const UnitsFormatter& formatter, int id) {
    wchar_t buffer[64];
    ErrorCode result = formatter.GetDisplayName(id, buffer, 64);
    return result == velmar::platform::core::units::ecSuccess ? std::wstring(buffer)
                                                              : Error(result);
}

} // namespace vvztest
