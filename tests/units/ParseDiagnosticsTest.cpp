#include "FormatterTest.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitIds.h>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

struct BadText {
    const wchar_t* text;
    int unit;
    ParseProblem problem;
    size_t position;
    size_t length;
    int foundGroup = 0;
};

void PrintTo(const BadText& c, std::ostream* out) {
    *out << "«" << Narrow(c.text) << "»";
}

class Diagnoses : public FormatterTest, public ::testing::WithParamInterface<BadText> {};

// A text that is not a quantity gives the same result as Parse, leaves the value alone, and
// tells the reason and the characters it is about.
TEST_P(Diagnoses, TellWhatAndWhere) {
    const BadText& c = GetParam();
    UnitsFormatter formatter(L"en-US");
    double value = -1;
    ParseDiagnosis diagnosis;
    ErrorCode result = ParseDiagnostics::Parse(formatter, c.text, value, c.unit, diagnosis);
    double plain = -1;
    EXPECT_EQ(result, formatter.Parse(c.text, plain, c.unit));
    EXPECT_EQ(result, c.problem == ppNone ? ecSuccess : ecNotAQuantity);
    EXPECT_EQ(value, plain);
    EXPECT_EQ(diagnosis.problem, c.problem);
    if (c.problem != ppNone) {
        EXPECT_EQ(plain, -1);
        EXPECT_EQ(diagnosis.position, c.position);
        EXPECT_EQ(diagnosis.length, c.length);
        EXPECT_EQ(diagnosis.foundGroup, c.foundGroup);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Diagnoses,
    ::testing::Values(BadText{L"5 m", kMeter, ppNone, 0, 0},
                      BadText{L"", kMeter, ppEmptyText, 0, 0},
                      BadText{L"5 m", 0x45001, ppUnknownUnit, 0, 0},
                      BadText{L"5 ft 6 inn", kInch, ppUnknownText, 7, 3},
                      BadText{L"5 @", kMeter, ppUnknownText, 2, 1},
                      BadText{L"5 m", kDegree, ppWrongDimension, 0, 3, 0x2000},
                      BadText{L"5\u00b0", kInch, ppWrongDimension, 0, 2, 0x8000},
                      BadText{L"5'6\"", 0x5001, ppWrongDimension, 0, 4, 0x2000},
                      BadText{L"5 ft 6 in", kDegree, ppWrongDimension, 0, 9, 0x2000},
                      BadText{L"m", kMeter, ppMissingNumber, 0, 1},
                      BadText{L"5 m 3", kMeter, ppMissingUnit, 4, 1},
                      BadText{L"5 m\u00b7/s", kMeterPerSecond, ppMisplacedOperator, 3, 1},
                      BadText{L"5 s^2.5", kSquareMeter, ppBadExponent, 4, 3},
                      BadText{L"5 s^0", kSquareMeter, ppBadExponent, 4, 1},
                      BadText{L"5 m)", kMeter, ppUnbalancedParenthesis, 3, 1},
                      BadText{L"(5 ft", kInch, ppUnbalancedParenthesis, 0, 1},
                      BadText{L"1/0 m", kMeter, ppZeroDenominator, 2, 1},
                      BadText{L"5' 1/0\"", kInch, ppZeroDenominator, 5, 1},
                      BadText{L"45\u00b030 15", kDegree, ppMinutesWithoutPrime, 3, 2},
                      BadText{L"45\u00b0-30'", kDegree, ppNegativeMinutes, 3, 3},
                      BadText{L"N 100\u00b0 E", kDegree, ppBearingOutOfRange, 2, 3},
                      BadText{L"45\u00b0 E", kDegree, ppBearingWithoutPole, 4, 1},
                      BadText{L"1e999 m", kMeter, ppNotFinite, 0, 5},
                      BadText{L"1e-999 m", kMeter, ppTooSmall, 0, 6},
                      BadText{L"1e308 km", kMeter, ppNotFinite, 0, 8},
                      // The piece to change, not a mark or a unit that is right.
                      BadText{L"5'6 7\"", kInch, ppMissingUnit, 2, 3},
                      BadText{L"5 6'", kInch, ppMissingUnit, 0, 3},
                      BadText{L"1013.25 xPa", Units::Pascal, ppUnknownText, 8, 3},
                      BadText{L"5 m^2147483647", kSquareMeter, ppBadExponent, 4, 10},
                      BadText{L"5 m^-65", kSquareMeter, ppBadExponent, 4, 3},
                      BadText{L"5 m\u00b2^40", kSquareMeter, ppPowerOutOfRange, 4, 3},
                      BadText{
                          L"5 m/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/"
                          L"s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s/s",
                          kMeterPerSecond, ppPowerOutOfRange, 131, 2},

                      BadText{L"1,5 m", kMeter, ppMisplacedGroupSeparator, 1, 1},
                      BadText{L"1,234,5 m", kMeter, ppMisplacedGroupSeparator, 5, 1},
                      BadText{L"1.5,3 m", kMeter, ppMisplacedGroupSeparator, 3, 1},
                      BadText{L"5 ft 6,5 in", kInch, ppMisplacedGroupSeparator, 6, 1}));

struct Sentence {
    const wchar_t* locale;
    const wchar_t* text;
    int unit;
    const char* expected;
};

class Messages : public FormatterTest, public ::testing::WithParamInterface<Sentence> {};

// Messages name the text in question and the kinds of quantity, in the formatter's language.
TEST_P(Messages, AreInTheFormattersLanguage) {
    const Sentence& c = GetParam();
    UnitsFormatter formatter(c.locale);
    double value = 0;
    ParseDiagnosis diagnosis;
    ASSERT_EQ(ParseDiagnostics::Parse(formatter, c.text, value, c.unit, diagnosis), ecNotAQuantity);
    EXPECT_EQ(ParseDiagnostics::Message(formatter, c.text, c.unit, diagnosis).toStdString(),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, Messages,
    ::testing::Values(
        Sentence{L"en-US", L"5 ft 6 inn", kInch,
                 "\u201cinn\u201d is not a number or a unit symbol."},
        Sentence{L"en-US", L"5 m", kDegree, "\u201c5 m\u201d measures length, not angle."},
        Sentence{L"en-US", L"5 kg/m", kMeter,
                 "\u201c5 kg/m\u201d measures linear weight, not length."},
        Sentence{L"en-US", L"5'6 7\"", kInch, "A unit or a mark is missing at \u201c6 7\u201d."},
        Sentence{L"en-US", L"5 m^2147483647", kSquareMeter,
                 "\u201c2147483647\u201d cannot be an exponent: write a whole number from "
                 "\u221264 to 64, other than 0."},
        Sentence{L"de-DE", L"5 m", kDegree, "Falsche Größenart: Länge statt Winkel."},
        Sentence{L"de-DE", L"45\u00b030 15", kDegree,
                 "Nach den Minuten \u201e30\u201c fehlt das Minutenzeichen (')."},
        Sentence{L"fr-FR", L"1/0 m", kMeter, "Le dénominateur « 0 » doit être supérieur à zéro."},
        Sentence{L"fr-FR", L"5 kg", kMeter,
                 "Nature de grandeur incorrecte : masse ; attendu : longueur."},
        Sentence{L"de-DE", L"1e-999 m", kMeter,
                 "Die Zahl \u201e1e-999\u201c ist zu klein, um sie darzustellen."},
        Sentence{L"ru-RU", L"5 м 3", kMeter, "«3»: не хватает единицы или знака."},
        // Both kinds in the nominative, as the sentence is built: not «масса вместо длина».
        Sentence{L"ru-RU", L"5 кг", kMeter, "«5 кг» — это масса, а не длина."},

        Sentence{L"fr-FR", L"1.500,5 m", kMeter,
                 "Le séparateur de groupes « , » est mal placé : vouliez-vous dire 1,500.5 ?"},
        Sentence{L"ru-RU", L"1,5 м", kMeter,
                 "Разделитель разрядов «,» стоит не на месте: может быть, имелось в виду 1.5?"},
        Sentence{L"ru-RU", L"12,34,567 м", kMeter, "Разделитель разрядов «,» стоит не на месте."},
        Sentence{L"de-DE", L"-1,5 m", kMeter,
                 "Das Gruppentrennzeichen „,“ steht an der falschen Stelle – meinten Sie -1.5?"}));

} // namespace
