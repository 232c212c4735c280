#include "FormatterSettings.h"

#include "CommandLine.h"
#include "Console.h"
#include "PlainNumber.h"

#include <ViVuzaZadurUI/NumberConventions.h>
#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <string>

using namespace velmar::platform::core::units;

namespace {

// A numeric format by its global name, in any case and with or without spaces ("FixedPoint",
// "fixed point").
bool FindNumberFormat(QString name, NumberFormat& format) {
    name.remove(QLatin1Char(' '));
    for (int i = nfExponential; i <= nfFraction; ++i) {
        auto candidate = static_cast<NumberFormat>(i);
        if (name.compare(StringUtil::GetGlobalName(candidate), Qt::CaseInsensitive) == 0) {
            format = candidate;
            return true;
        }
    }
    return false;
}

struct Separator {
    const char* option;
    ErrorCode (UnitsFormatter::*set)(const wchar_t*);
};
const Separator kSeparators[] = {
    {"decimal", &UnitsFormatter::SetNumberDecimalSeparator},
    {"group", &UnitsFormatter::SetNumberGroupSeparator},
};

// The process locale as the library reads it: the units manager's current locale.
QString ProcessLocale() {
    wchar_t name[64];
    int length = UnitsManager::GetInstance()->GetCurrentLocale(name, 64);
    return QString::fromWCharArray(name, length);
}

} // namespace

std::unique_ptr<UnitsFormatter> FormatterSettings::Create(const CommandLine& line, QString& error) {
    const QString locale = line.Value("locale");
    const std::wstring localeName = locale.toStdWString();
    auto formatter = std::make_unique<UnitsFormatter>(localeName.c_str());
    // The conventions of a locale that Qt knows are taken even where the library has no
    // translations: de-CH writes the fallback locale's names with Swiss numbers.
    const std::wstring numberLocale = (locale.isEmpty() ? ProcessLocale() : locale).toStdWString();
    if (NumberConventions::Apply(*formatter, numberLocale.c_str()) != ecSuccess &&
        !locale.isEmpty()) {
        error = QStringLiteral("no locale is called %1").arg(locale);
        return nullptr;
    }
    if (line.IsSet("c-numbers"))
        SetCNumbers(*formatter);
    if (!locale.isEmpty() &&
        locale.compare(QString::fromWCharArray(formatter->GetLocale()), Qt::CaseInsensitive) != 0)
        Console::Report(QStringLiteral("no translations for %1: names and symbols are in %2")
                            .arg(locale, QString::fromWCharArray(formatter->GetLocale())));
    if (line.IsSet("precision")) {
        bool isNumber = false;
        int precision = line.Value("precision").toInt(&isNumber);
        if (!isNumber || formatter->SetNumberDecimalPrecision(precision) != ecSuccess) {
            error = QStringLiteral("--precision takes a whole number from 0 to 99");
            return nullptr;
        }
    }
    if (line.IsSet("format")) {
        NumberFormat format{};
        if (!FindNumberFormat(line.Value("format"), format)) {
            error = QStringLiteral("no numeric format is called %1").arg(line.Value("format"));
            return nullptr;
        }
        formatter->SetNumericFormat(format);
    }
    for (const Separator& separator : kSeparators) {
        if (!line.IsSet(separator.option))
            continue;
        std::wstring text = line.Value(separator.option).toStdWString();
        if (((*formatter).*separator.set)(text.c_str()) != ecSuccess) {
            error = QStringLiteral("--%1 takes a text that is not empty")
                        .arg(QLatin1String(separator.option));
            return nullptr;
        }
    }
    PlainNumber number(*formatter);
    if (number.DecimalSeparator() == number.GroupSeparator()) {
        error = QStringLiteral("the decimal separator and the group separator are both "
                               "\u201c%1\u201d: give --decimal and --group different texts")
                    .arg(number.DecimalSeparator());
        return nullptr;
    }
    return formatter;
}

void FormatterSettings::SetCNumbers(UnitsFormatter& formatter) {
    const int ungrouped = 0;
    // Separators that are not empty and a group size of 0: no call refuses.
    (void)formatter.SetNumberDecimalSeparator(L".");
    (void)formatter.SetNumberGroupSeparator(L",");
    (void)formatter.SetNumberGroupSizes(&ungrouped, 1);
    formatter.SetNegativeSign(L"-");
}
