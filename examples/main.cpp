// A host program of ViVuzaZadurUI: it formats a few quantities as text and reads texts back
// as quantities, in English and in German, with the translations installed with the library.
#include <ViVuzaZadurUI/ViVuzaZadurUI.h>

#include <QCoreApplication>
#include <QString>

#include <cstdio>

using namespace velmar::platform::core::units;

namespace {

// Ids of the catalogue; `vvzunits units Length` lists a group's units and symbols with theirs.
constexpr int kLength = 0x2000;
constexpr int kMeter = 0x2001;
constexpr int kMeterSymbol = 0x202001; // «m»
constexpr int kInch = 0x2016;
constexpr int kFeetAndInches = 0x702016; // «5'6 1/2"»
constexpr int kDegree = 0x8002;
constexpr int kDegreesMinutesSeconds = 0x408002; // «45°30'15"»
constexpr int kBearing = 0x508002;               // «N 45°30' E»
constexpr int kKilonewtonMeter = 0x13016;
constexpr int kNameVariant = 0x100000; // a unit's first symbol, its name: 0x102001 «meter»

void Print(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
}

// The display name of an id in the formatter's language.
QString Name(const UnitsFormatter& formatter, int id) {
    wchar_t name[128];
    return formatter.GetDisplayName(id, name, 128) == ecSuccess ? QString::fromWCharArray(name)
                                                                : QString();
}

// A value of a unit written with a display symbol: with the unit's name by default, in the form
// that agrees with the number («1 meter», «1.50 meters»).
QString Written(const UnitsFormatter& formatter, double value, int unit, int display = 0) {
    if (display == 0)
        display = kNameVariant | unit;
    wchar_t text[64];
    return formatter.Format(value, unit, text, 64, display) == ecSuccess
               ? QString::fromWCharArray(text)
               : QString();
}

// Writes a value of a unit with its name and with a display symbol.
void Show(const UnitsFormatter& formatter, double value, int unit, int display) {
    Print(QString("  %1: %2")
              .arg(Written(formatter, value, unit), Written(formatter, value, unit, display)));
}

// Reads a text as a quantity of a unit, or tells why it is none.
void Read(const UnitsFormatter& formatter, const wchar_t* text, int unit) {
    double value = 0;
    ParseDiagnosis diagnosis;
    QString line = QString("  %1: ").arg(QString::fromWCharArray(text));
    if (ParseDiagnostics::Parse(formatter, text, value, unit, diagnosis) == ecSuccess)
        line += Written(formatter, value, unit);
    else
        line += ParseDiagnostics::Message(formatter, text, unit, diagnosis);
    Print(line);
}

} // namespace

int main(int argc, char** argv) {
    // The library finds its translation files through the application object.
    QCoreApplication application(argc, argv);

    UnitsFormatter english(L"en-US");
    Print("en-US");
    Show(english, 1234.5, kMeter, kMeterSymbol);
    Show(english, 66.5, kInch, kFeetAndInches);
    Show(english, 44.5, kDegree, kBearing);
    english.SetNumberDecimalPrecision(4); // degrees, minutes and seconds
    Show(english, 45.504167, kDegree, kDegreesMinutesSeconds);
    english.SetNumberDecimalPrecision(2);
    Read(english, L"5' 6 1/2\"", kInch);
    Read(english, L"45°30'15\"", kDegree);
    Read(english, L"N 45°30' E", kDegree);
    Read(english, L"12 kN·m", kKilonewtonMeter);
    Read(english, L"5 ft 6 inn", kInch);

    // German names and symbols, and German number conventions: «1.234,5».
    UnitsFormatter german(L"de-DE");
    NumberConventions::Apply(german);
    Print(QString("de-DE, %1").arg(Name(german, kLength)));
    Show(german, 1234.5, kMeter, kMeterSymbol);
    Read(german, L"1,5 km", kMeter);
    Read(german, L"5 m", kDegree);
    return 0;
}
