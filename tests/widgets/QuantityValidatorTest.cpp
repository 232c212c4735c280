#include "AllocationCounter.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUIWidgets/QuantityLineEdit.h>
#include <ViVuzaZadurUIWidgets/QuantityValidator.h>

#include "QStringPrinting.h"
#include "UnitIds.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmar::platform::core::units;
using namespace widgettest;

namespace {

constexpr QValidator::State A = QValidator::Acceptable;
constexpr QValidator::State I = QValidator::Intermediate;
constexpr QValidator::State X = QValidator::Invalid;

struct StateCase {
    int unit;
    int display; // the field's display, whose typed layouts the formatter reads; 0 for none
    const char* text;
    int cursor; // -1: at the end
    QValidator::State state;
};

const char* Name(QValidator::State state) {
    return state == A ? "Acceptable" : state == I ? "Intermediate" : "Invalid";
}

TEST(QuantityValidator, StatesWhileTyping) {
    const StateCase cases[] = {
        // «5 6 1/2» typed into a feet-inch field passes no Invalid state.
        {kInch, kFeetInchFraction, "", -1, I},
        {kInch, kFeetInchFraction, "  ", -1, I},
        {kInch, kFeetInchFraction, "5", -1, A},
        {kInch, kFeetInchFraction, "5 ", -1, A},
        {kInch, kFeetInchFraction, "5 6", -1, A},
        {kInch, kFeetInchFraction, "5 6 ", -1, I},
        {kInch, kFeetInchFraction, "5 6 1", -1, I},
        {kInch, kFeetInchFraction, "5 6 1/", -1, I},
        {kInch, kFeetInchFraction, "5 6 1/2", -1, A},
        // The marks, dashes and all.
        {kInch, kFeetInchFraction, "5'", -1, A},
        {kInch, kFeetInchFraction, "5'-", -1, I},
        {kInch, kFeetInchFraction, "5'-6-1/", -1, I},
        // A unit symbol being typed, and one that ended unknown.
        {kInch, kFeetInchFraction, "5 k", -1, I},
        {kInch, kFeetInchFraction, "5 ft 6 inn", -1, I},
        {kInch, kFeetInchFraction, "5 ft 6 inn ", -1, X},
        {kInch, kFeetInchFraction, "5 x m", -1, X},
        {kInch, kFeetInchFraction, "5 x m", 3, I},
        // Parentheses: an open one waits for its partner, a stray closing one only while it
        // is being typed.
        {kInch, kFeetInchFraction, "5 (", -1, I},
        {kInch, kFeetInchFraction, "(5 m", -1, I},
        {kInch, kFeetInchFraction, "5 m)", -1, I},
        {kInch, kFeetInchFraction, "5 m) ", -1, X},
        {kInch, kFeetInchFraction, "1/0 m", -1, X},
        {kInch, kFeetInchFraction, "5 kg", -1, I},
        // The cursor counts QChars; a character beyond the BMP is two of them.
        {kInch, kFeetInchFraction, "5 m \U0001D535", -1, I},
        {kInch, kFeetInchFraction, "5 m \U0001D535 ", -1, X},
        // A grouped number passes through groups not finished yet.
        {kMeter, 0, "1,", -1, I},
        {kMeter, 0, "1,2", -1, I},
        {kMeter, 0, "1,234", -1, A},
        {kMeter, 0, "1,234,5 m", -1, I},
        // Unit expressions pass through other dimensions and trailing operators.
        {kAcceleration, 0, "9.81 m", -1, I},
        {kAcceleration, 0, "9.81 m/", -1, I},
        {kAcceleration, 0, "9.81 m/s", -1, I},
        {kAcceleration, 0, "9.81 m/s^", -1, I},
        {kAcceleration, 0, "9.81 m/s²", -1, A},
        {kAcceleration, 0, "9.81 m/(s*s", -1, I},
        {kAcceleration, 0, "9.81 m/(s*s)", -1, A},
        // A unit without its number, while the number may still go in before it.
        {kAcceleration, 0, "m/s²", -1, I},
        {kAcceleration, 0, "m/s²", 0, I},
        {kAcceleration, 0, "m/s² ", -1, X},
        {kAcceleration, 0, " m/s²", 0, I},
        // Degrees, minutes and seconds; the prime of the last part may be left out.
        {kDegree, kDegreesMinutesSeconds, "45°30", -1, A},
        {kDegree, kDegreesMinutesSeconds, "45°30 15", -1, X},
        {kDegree, kDegreesMinutesSeconds, "45°30'", -1, A},
        {kDegree, kDegreesMinutesSeconds, "45°-30'", -1, X},
        // A bearing fails at its pole until it is complete.
        {kDegree, kBearing, "N 45", -1, I},
        {kDegree, kBearing, "N 45°30", -1, I},
        {kDegree, kBearing, "45° E", -1, I},
        {kDegree, kBearing, "N 100° E", -1, X},
        // No text is a quantity of a unit that names nothing.
        {0, 0, "5 m", -1, X},
        {0, 0, "", -1, X},
    };
    for (const StateCase& c : cases) {
        QString text = QString::fromUtf8(c.text);
        SCOPED_TRACE(text.toStdString());
        UnitsFormatter formatter(L"en-US");
        if (c.display != 0)
            QuantityLineEdit::prepareFormatter(formatter, c.unit, c.display);
        QuantityValidator validator(c.unit, &formatter);
        int cursor = c.cursor < 0 ? static_cast<int>(text.size()) : c.cursor;
        QValidator::State state = validator.validate(text, cursor);
        EXPECT_STREQ(Name(state), Name(c.state));
        EXPECT_EQ(text, QString::fromUtf8(c.text)) << "validate leaves the text as it is";
    }
}

TEST(QuantityValidator, OwnFormatterFollowsTheValidatorsLocale) {
    QuantityValidator validator(0x2001);
    validator.setLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(std::wstring(validator.formatter().GetLocale()), L"de-DE");
    for (QString text : {QStringLiteral("1.234,5 m"), QStringLiteral("5 Zoll")}) {
        int cursor = 0;
        EXPECT_EQ(validator.validate(text, cursor), QValidator::Acceptable) << text.toStdString();
    }

    // A shared formatter stays, whatever the locale; sharing ends with null.
    UnitsFormatter shared(L"ru-RU");
    validator.setFormatter(&shared);
    validator.setLocale(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(&validator.formatter(), &shared);
    validator.setFormatter(nullptr);
    EXPECT_NE(&validator.formatter(), &shared);
    EXPECT_EQ(std::wstring(validator.formatter().GetLocale()), L"fr-FR");
}

// A keystroke costs the parse and nothing more: validate allocates what
// ParseDiagnostics::Parse of the same text allocates, whether the text parses or not.
TEST(QuantityValidator, AllocatesNothingBeyondTheParse) {
    UnitsFormatter formatter(L"en-US");
    QuantityLineEdit::prepareFormatter(formatter, kInch, kFeetInchFraction);
    QuantityValidator validator(kInch, &formatter);
    for (const char* typed : {"5 6 1/2", "5'6 1/2\"", "5 6 1/", "5 ft 6 inn", "9.81 m/s", "(5"}) {
        SCOPED_TRACE(typed);
        QString text = QString::fromUtf8(typed);
        std::wstring wide = text.toStdWString();
        int cursor = static_cast<int>(text.size());
        double value = 0;
        ParseDiagnosis diagnosis;
        size_t validating = 0;
        size_t parsing = 0;
        // The first round builds what the formatter builds once; count the second.
        for (int round = 0; round < 2; ++round) {
            size_t before = AllocationCount();
            validator.validate(text, cursor);
            validating = AllocationCount() - before;
            before = AllocationCount();
            // Some of the texts parse, some do not: only the allocations count here.
            (void)ParseDiagnostics::Parse(formatter, wide.c_str(), value, kInch, diagnosis);
            parsing = AllocationCount() - before;
        }
        EXPECT_EQ(validating, parsing);
    }
}

} // namespace
