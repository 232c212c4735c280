#include "FuzzSupport.h"

#include "units/util/CatalogueIds.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>

namespace vvzfuzz {

using namespace velmar::platform::core::units;

namespace {

const wchar_t* const kShippedLocales[] = {L"en-US", L"de-DE", L"fr-FR", L"ru-RU"};

std::vector<std::unique_ptr<UnitsFormatter>>& Formatters() {
    static std::vector<std::unique_ptr<UnitsFormatter>> formatters;
    return formatters;
}

// Every group, unit and unit symbol id, and the unit symbol ids alone.
struct Catalogue {
    Catalogue() {
        for (int group : catalogue_ids::Groups()) {
            all.push_back(group);
            for (int unit : catalogue_ids::Units(group)) {
                all.push_back(unit);
                for (int symbol : catalogue_ids::Symbols(unit)) {
                    all.push_back(symbol);
                    symbols.push_back(symbol);
                }
            }
        }
    }
    std::vector<int> all;
    std::vector<int> symbols;
};

const Catalogue& Known() {
    static const Catalogue catalogue;
    return catalogue;
}

int ConsumeFrom(FuzzedDataProvider& data, const std::vector<int>& ids) {
    if (data.ConsumeIntegralInRange(0, 15) == 0)
        return data.ConsumeIntegral<int>();
    return ids[data.ConsumeIntegralInRange<size_t>(0, ids.size() - 1)];
}

} // namespace

const UnitsFormatter& ShippedFormatter(FuzzedDataProvider& data) {
    return *Formatters()[data.ConsumeIntegralInRange<size_t>(0, Formatters().size() - 1)];
}

const UnitsFormatter& ConsumeFormatter(FuzzedDataProvider& data,
                                       std::optional<UnitsFormatter>& own) {
    const UnitsFormatter& shipped = ShippedFormatter(data);
    if (!data.ConsumeBool())
        return shipped;
    own.emplace(shipped);
    ConsumeNumberSettings(data, *own);
    return *own;
}

std::wstring ConsumeText(FuzzedDataProvider& data, size_t maxLength) {
    std::wstring text;
    if (data.ConsumeBool()) {
        for (size_t i = 0; i < maxLength && data.remaining_bytes() >= sizeof(wchar_t); ++i) {
            auto c = data.ConsumeIntegral<int32_t>();
            if (c != 0)
                text += static_cast<wchar_t>(c);
        }
        return text;
    }
    std::string utf8 = data.ConsumeRandomLengthString(maxLength);
    text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdWString();
    text.erase(std::remove(text.begin(), text.end(), L'\0'), text.end());
    return text;
}

int ConsumeId(FuzzedDataProvider& data) {
    return ConsumeFrom(data, Known().all);
}

int ConsumeSymbolId(FuzzedDataProvider& data) {
    return ConsumeFrom(data, Known().symbols);
}

double ConsumeValue(FuzzedDataProvider& data) {
    if (data.ConsumeBool()) {
        auto bits = data.ConsumeIntegral<uint64_t>();
        double value = 0;
        static_assert(sizeof value == sizeof bits);
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    return data.ConsumeFloatingPointInRange(-1e6, 1e6);
}

void ConsumeNumberSettings(FuzzedDataProvider& data, UnitsFormatter& formatter) {
    auto nullable = [&data](const std::wstring& value) {
        return data.ConsumeIntegralInRange(0, 31) == 0 ? nullptr : value.c_str();
    };
    unsigned which = data.ConsumeIntegral<uint16_t>();
    if (which & 1) {
        std::wstring digits = ConsumeText(data, 11);
        digits.resize(10, L'\0');
        (void)formatter.SetNativeDigits(nullable(digits)); // a refused setting is tried too
    }
    // The signs and separators, bits 2 to 16.
    using TextSetter = void (*)(UnitsFormatter&, const wchar_t*);
    const TextSetter textSetters[] = {
        [](UnitsFormatter& f, const wchar_t* text) { f.SetPositiveSign(text); },
        [](UnitsFormatter& f, const wchar_t* text) { f.SetNegativeSign(text); },
        [](UnitsFormatter& f, const wchar_t* text) { (void)f.SetNumberGroupSeparator(text); },
        [](UnitsFormatter& f, const wchar_t* text) { (void)f.SetNumberDecimalSeparator(text); },
    };
    for (size_t i = 0; i < std::size(textSetters); ++i) {
        if (which & (2u << i)) {
            std::wstring value = ConsumeText(data, 6);
            textSetters[i](formatter, nullable(value));
        }
    }
    if (which & 32)
        (void)formatter.SetNumberDecimalPrecision(data.ConsumeIntegralInRange(-2, 101)); // as above
    if (which & 64) {
        std::vector<int> sizes(data.ConsumeIntegralInRange<size_t>(0, 5));
        for (int& size : sizes)
            size = data.ConsumeIntegralInRange(-1, 10);
        (void)formatter.SetNumberGroupSizes( // as above
            sizes.empty() ? nullptr : sizes.data(),
            data.ConsumeIntegralInRange(-1, static_cast<int>(sizes.size())));
    }
    if (which & 128)
        formatter.SetNumericFormat(static_cast<NumberFormat>(data.ConsumeIntegralInRange(-1, 8)));
    // The switches, bits 256 to 8192.
    using FlagSetter = void (UnitsFormatter::*)(bool);
    const FlagSetter flagSetters[] = {
        &UnitsFormatter::SetAllowTwoDigitExponent,
        &UnitsFormatter::SetIncludePositiveSignInNumber,
        &UnitsFormatter::SetIncludeNegativeSignInNumber,
        &UnitsFormatter::SetIncludePositiveSignInExponent,
        &UnitsFormatter::SetIncludeNegativeSignInExponent,
        &UnitsFormatter::SetCheckNumberGroupSizes,
    };
    for (size_t i = 0; i < std::size(flagSetters); ++i)
        if (which & (256u << i))
            (formatter.*flagSetters[i])(data.ConsumeBool());
}

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

bool IsTerminatedWithin(const wchar_t* buffer, size_t size) {
    for (size_t i = 0; i < size; ++i)
        if (buffer[i] == L'\0')
            return true;
    return false;
}

} // namespace vvzfuzz

// The application object, the units manager and the shipped formatters, made once before the
// first input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    using namespace velmar::platform::core::units;
    UnitsManager::GetInstance()->SetCurrentLocale(L"en-US");
    for (const wchar_t* locale : vvzfuzz::kShippedLocales)
        vvzfuzz::Formatters().push_back(std::make_unique<UnitsFormatter>(locale));
    return 0;
}
