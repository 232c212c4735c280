// vvzunits: formats quantities with the library from the command line.
//
//   vvzunits                          shows what the library does, in every shipped locale
//   vvzunits format VALUE UNIT [DISPLAY] [--locale NAME] [--precision N] [--format NAME]
//   vvzunits parse TEXT UNIT [--locale NAME]
//                                     reads TEXT as a quantity and writes its value in UNIT
//   vvzunits units [GROUP]            lists the unit groups, or the units and symbols of one
//
// UNIT, DISPLAY and GROUP are ids (0x2016) or global names (Inch, Length, ft,
// Inch_FootPrimeInchDoublePrime_Fraction); --format takes a numeric format's global name
// (FixedPoint, Fraction, ...).
#include <ViVuzaZadurUI/ViVuzaZadurUI.h>

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace velmar::platform::core;
using units::ErrorCode;
using units::StringUtil;
using units::UnitsFormatter;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: vvzunits\n"
                 "       vvzunits format VALUE UNIT [DISPLAY] [--locale NAME] [--precision N]"
                 " [--format NAME]\n"
                 "       vvzunits parse TEXT UNIT [--locale NAME]\n"
                 "       vvzunits units [GROUP]\n");
    return 2;
}

// An id given as a number (0x2016, 8214) or as a group, unit or symbol global name; 0 when it
// names nothing.
int IdOf(const QString& text) {
    bool isNumber = false;
    int id = text.toInt(&isNumber, 0);
    if (isNumber)
        return id;
    vmp::IDesignPropertyUnits::teGroup group{};
    vmp::IDesignPropertyUnits::teType type{};
    units::UnitSymbol symbol{};
    if (StringUtil::GetUnitGroup(text, group) == units::ecSuccess)
        return group;
    if (StringUtil::GetUnitType(text, type) == units::ecSuccess)
        return type;
    if (StringUtil::GetUnitSymbol(text, symbol) == units::ecSuccess)
        return symbol;
    return 0;
}

std::wstring DisplayName(const UnitsFormatter& formatter, int id) {
    wchar_t name[256];
    return formatter.GetDisplayName(id, name, 256) == units::ecSuccess ? name : L"";
}

std::vector<int> List(size_t (units::UnitsConfig::*list)(int, int*) const, int of) {
    const units::UnitsConfig* config = units::UnitsConfig::GetInstance();
    std::vector<int> ids((config->*list)(of, nullptr));
    (config->*list)(of, ids.data());
    return ids;
}

int Demo() {
    struct Example {
        double value;
        int unit;
        int display;
        int precision;
    };
    const Example examples[] = {
        {12.5, 0x2001, 0x202001, 2},     // meters
        {9.81, 0x30001, 0x230001, 2},    // meters per second squared
        {5, 0x13016, 0x213016, 2},       // kilonewton meters
        {66.5, 0x2016, 0x702016, 2},     // feet and inches with a fraction
        {66.5, 0x2016, 0x802016, 2},     // the same with dashes
        {45.50417, 0x8002, 0x408002, 4}, // degrees, minutes and seconds
        {30, 0x8002, 0x508002, 2},       // a surveyor's bearing
        {21.5, 0x2a002, 0x22a003, 1},    // degrees Celsius shown in Fahrenheit
        {100, 0x21012, 0x221008, 3},     // psi shown in kilopascals
        {1, 0x1d017, 0x21d001, 0},       // a ton of refrigeration in watts
    };
    for (const wchar_t* locale : {L"en-US", L"de-DE", L"fr-FR", L"ru-RU"}) {
        UnitsFormatter formatter(locale);
        std::printf("%ls\n", locale);
        for (const Example& example : examples) {
            formatter.SetNumberDecimalPrecision(example.precision);
            wchar_t text[128];
            if (formatter.Format(example.value, example.unit, text, 128, example.display) !=
                units::ecSuccess)
                continue;
            std::wstring name = DisplayName(formatter, example.unit);
            name.resize(std::max<size_t>(name.size(), 32), L' ');
            std::printf("  %ls %ls\n", name.c_str(), text);
        }
    }
    return 0;
}

int FormatCommand(const QStringList& arguments) {
    QStringList positional;
    QString locale, precision, format;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString* option = argument == QLatin1String("--locale")      ? &locale
                          : argument == QLatin1String("--precision") ? &precision
                          : argument == QLatin1String("--format")    ? &format
                                                                     : nullptr;
        if (option == nullptr)
            positional.append(argument);
        else if (i + 1 < arguments.size())
            *option = arguments[++i];
        else
            return Usage();
    }
    if (positional.size() < 2 || positional.size() > 3)
        return Usage();
    bool isNumber = false;
    double value = positional[0].toDouble(&isNumber);
    int unit = IdOf(positional[1]);
    int display = positional.size() == 3 ? IdOf(positional[2]) : 0;
    if (!isNumber || unit == 0 || (positional.size() == 3 && display == 0)) {
        std::fprintf(stderr, "vvzunits: not a value, or a unit that names nothing\n");
        return 1;
    }
    UnitsFormatter formatter(locale.toStdWString().c_str());
    if (!precision.isEmpty() && formatter.SetNumberDecimalPrecision(precision.toInt()) != 0) {
        std::fprintf(stderr, "vvzunits: precision must be 0 to 99\n");
        return 1;
    }
    if (!format.isEmpty()) {
        units::NumberFormat numberFormat{};
        if (StringUtil::GetNumberFormatId(format, numberFormat) != units::ecSuccess) {
            std::fprintf(stderr, "vvzunits: unknown numeric format\n");
            return 1;
        }
        formatter.SetNumericFormat(numberFormat);
    }
    wchar_t text[512];
    ErrorCode result = formatter.Format(value, unit, text, 512, display);
    if (result != units::ecSuccess) {
        std::fprintf(stderr, "vvzunits: cannot format (error %d)\n", result);
        return 1;
    }
    std::printf("%ls\n", text);
    return 0;
}

// Writes the value of TEXT in UNIT, as the shortest text that reads back as the same double;
// exit status 1 with the reason on stderr when TEXT is not such a quantity.
int ParseCommand(const QStringList& arguments) {
    QStringList positional;
    QString locale;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--locale"))
            positional.append(arguments[i]);
        else if (i + 1 < arguments.size())
            locale = arguments[++i];
        else
            return Usage();
    }
    if (positional.size() != 2)
        return Usage();
    int unit = IdOf(positional[1]);
    UnitsFormatter formatter(locale.toStdWString().c_str());
    std::wstring text = positional[0].toStdWString();
    double value = 0;
    units::ParseDiagnosis diagnosis;
    if (units::ParseDiagnostics::Parse(formatter, text.c_str(), value, unit, diagnosis) !=
        units::ecSuccess) {
        QString message =
            units::ParseDiagnostics::Message(formatter, text.c_str(), unit, diagnosis);
        std::fprintf(stderr, "vvzunits: %s\n", message.toUtf8().constData());
        return 1;
    }
    std::printf("%s\n", QByteArray::number(value, 'g', QLocale::FloatingPointShortest).constData());
    return 0;
}

int UnitsCommand(const QStringList& arguments) {
    UnitsFormatter formatter;
    if (arguments.isEmpty()) {
        std::vector<int> groups(units::UnitsConfig::GetInstance()->GetUnitGroups(nullptr));
        units::UnitsConfig::GetInstance()->GetUnitGroups(groups.data());
        for (int group : groups)
            std::printf("0x%05x  %-40s %ls\n", group,
                        qPrintable(StringUtil::GetUnitGlobalName(group)),
                        DisplayName(formatter, group).c_str());
        return 0;
    }
    int group = IdOf(arguments[0]) & 0xff000;
    std::vector<int> unitIds = List(&units::UnitsConfig::GetUnitTypes, group);
    if (unitIds.empty()) {
        std::fprintf(stderr, "vvzunits: no such group\n");
        return 1;
    }
    for (int unit : unitIds) {
        std::printf("0x%05x  %-40s %ls\n", unit, qPrintable(StringUtil::GetUnitGlobalName(unit)),
                    DisplayName(formatter, unit).c_str());
        for (int symbol : List(&units::UnitsConfig::GetUnitSymbols, unit))
            std::printf("  0x%07x  %-38s %ls\n", symbol,
                        qPrintable(StringUtil::GetUnitGlobalName(symbol)),
                        DisplayName(formatter, symbol).c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    units::UnitsManager::Initialize();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    int result;
    if (arguments.isEmpty())
        result = Demo();
    else if (arguments[0] == QLatin1String("format"))
        result = FormatCommand(arguments.mid(1));
    else if (arguments[0] == QLatin1String("parse"))
        result = ParseCommand(arguments.mid(1));
    else if (arguments[0] == QLatin1String("units"))
        result = UnitsCommand(arguments.mid(1));
    else
        result = Usage();
    units::UnitsManager::Uninitialize();
    return result;
}
