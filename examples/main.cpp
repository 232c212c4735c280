// A host program of ViVuzaZadurUI: it formats a few quantities as text and reads texts back
// as quantities, in English and in German, with the translations installed with the library.
#include <ViVuzaZadurUI/ViVuzaZadurUI.h>

#include <QCoreApplication>
#include <QString>

#include <cstdio>

using namespace velmar::platform::core::units;

namespace {

// A unit's first symbol, variant 1 of its id, is its name: 1 << 20 | Units::Meter, «meter».
constexpr int kName = 1 << 20;

void Print(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
}

// A value of a unit written with a display symbol, by default the unit's name, which takes the
// form that agrees with the number («1 meter», «1.50 meters»).
QString Written(const UnitsFormatter& formatter, double value, int unit, int display = 0) {
    ErrorCode error = ecSuccess;
    QString text = formatter.Format(value, unit, display != 0 ? display : kName | unit, &error);
    return error == ecSuccess ? text : QString();
}

// Writes a value of a unit with its name and with a display symbol.
void Show(const UnitsFormatter& formatter, double value, int unit, int display) {
    Print(QString("  %1: %2")
              .arg(Written(formatter, value, unit), Written(formatter, value, unit, display)));
}

// Reads a text as a quantity of a unit, or tells why it is none.
void Read(const UnitsFormatter& formatter, const QString& text, int unit) {
    double value = 0;
    ParseDiagnosis diagnosis;
    QString line = QString("  %1: ").arg(text);
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

    UnitsFormatter english(u"en-US");
    Print("en-US");
    Show(english, 1234.5, Units::Meter, Symbols::m);
    Show(english, 66.5, Units::Inch, Symbols::Inch_FootPrimeInchDoublePrime_Fraction);
    Show(english, 44.5, Units::Degree,
         Symbols::Degree_DegreeDegreeMinutePrimeSecondDoublePrime_Surveyor);
    // Degrees, minutes and seconds.
    if (english.SetNumberDecimalPrecision(4) != ecSuccess)
        return 1;
    Show(english, 45.504167, Units::Degree,
         Symbols::Degree_DegreeDegreeMinutePrimeSecondDoublePrime);
    if (english.SetNumberDecimalPrecision(2) != ecSuccess)
        return 1;
    Read(english, "5' 6 1/2\"", Units::Inch);
    Read(english, "45°30'15\"", Units::Degree);
    Read(english, "N 45°30' E", Units::Degree);
    Read(english, "12 kN·m", Units::KilonewtonMeter);
    Read(english, "5 ft 6 inn", Units::Inch);

    // German names and symbols, and German number conventions: «1.234,5».
    UnitsFormatter german(u"de-DE");
    if (NumberConventions::Apply(german) != ecSuccess)
        return 1;
    Print(QString("de-DE, %1").arg(german.GetDisplayName(Groups::Length)));
    Show(german, 1234.5, Units::Meter, Symbols::m);
    Read(german, "1,5 km", Units::Meter);
    Read(german, "5 m", Units::Degree);
    return 0;
}
