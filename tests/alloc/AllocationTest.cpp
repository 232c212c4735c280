// Number text allocates nothing per call. This program counts every operator new.
#include "AllocationCounter.h"

#include "units/FormatterState.h"
#include "units/number/DigitGrouping.h"
#include "units/number/NumberFormatter.h"
#include "units/number/NumberScanner.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace velmar::platform::core::units;

namespace {

TEST(Allocations, NumberTextAllocatesNothingPerCall) {
    FormatterState state(L"en-US");
    NumberSettings settings = state.Number();
    wchar_t buffer[128];
    double value = 0;
    NumberFlags flags;
    // The first fraction builds the default settings once; count the second round.
    size_t before = 0;
    for (int round = 0; round < 2; ++round) {
        before = AllocationCount();
        for (NumberFormat format : {nfExponential, nfExponentialLower, nfFixedPoint, nfGeneral,
                                    nfGeneralLower, nfNumber, nfFraction}) {
            settings.numericFormat = format;
            TextBuffer out(buffer, 128);
            EXPECT_EQ(FormatNumber(settings, 1234567.891, out, 0), ecSuccess);
            TextBuffer again(buffer, 128);
            EXPECT_EQ(FormatNumber(settings, -0.375, again, SignedZero), ecSuccess);
        }
        for (const wchar_t* text : {L"1,234.5", L"-12", L"2e-3", L"x", L".5", L"1,5", L"1,234,5"})
            ScanNumber(state.NumberTokens(), DigitGrouping(state.Number()), text, &value, &flags);
    }
    EXPECT_EQ(AllocationCount() - before, 0u);
    UnitsManager::Uninitialize();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
