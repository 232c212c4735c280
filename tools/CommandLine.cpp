#include "CommandLine.h"

namespace {

struct OptionRow {
    const char* name;
    const char* value; // the value's placeholder, null for an option without one
    const char* help;
};

// clang-format off
const OptionRow kOptions[] = {
    {"locale",            "NAME", "names, symbols, messages and numbers of this locale (en-US, de-DE,\n"
                                  "fr-FR, ru-RU); default: the process locale (LC_ALL,\n"
                                  "LC_MESSAGES, LANG)"},
    {"c-numbers",         nullptr, "read and write numbers as the C locale does, whatever the locale:\n"
                                   "a point, no digit groups («1234.5»); for scripts"},
    {"precision",         "N",    "digits after the decimal separator, 0 to 99 (default 2)"},
    {"format",            "NAME", "numeric format: FixedPoint, General, GeneralLowerCase, Exponential,\n"
                                  "ExponentialLowerCase, Number, Fraction"},
    {"decimal",           "TEXT", "the decimal separator, read and written"},
    {"group",             "TEXT", "the digit-group separator, read and written; another text than\n"
                                  "the decimal separator"},
    {"input",             "FILE", "read one quantity a line from FILE (- for standard input)"},
    {"column",            "N",    "convert column N (from 1) of each line and keep the other columns"},
    {"delimiter",         "TEXT", "the column delimiter (default ,); \\t or tab for TSV"},
    {"header",            nullptr, "the first line is a header: written as it is"},
    {"search",            "TEXT", "units: the units whose name or symbol contains TEXT, in any\n"
                                  "shipped locale"},
    {"help",              nullptr, "show this help"},
    {"version",           nullptr, "show the version"},
};
// clang-format on

const OptionRow* FindOption(const QString& name) {
    for (const OptionRow& row : kOptions)
        if (name == QLatin1String(row.name))
            return &row;
    return nullptr;
}

bool IsOperand(const QString& argument) {
    if (argument.size() < 2 || argument[0] != QLatin1Char('-'))
        return true;
    return argument[1].isDigit() || argument[1] == QLatin1Char('.');
}

} // namespace

bool CommandLine::Parse(const QStringList& arguments) {
    bool onlyOperands = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (onlyOperands || IsOperand(argument)) {
            operands.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            onlyOperands = true;
            continue;
        }
        if (argument == QLatin1String("-h")) {
            options.insert(QStringLiteral("help"), QString());
            continue;
        }
        int equals = argument.indexOf(QLatin1Char('='));
        QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const OptionRow* row =
            argument.startsWith(QLatin1String("--")) ? FindOption(name) : nullptr;
        if (row == nullptr) {
            error = QStringLiteral("unknown option %1").arg(argument);
            return false;
        }
        QString value;
        if (row->value != nullptr && equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (row->value != nullptr && i + 1 < arguments.size()) {
            value = arguments[++i];
        } else if (row->value != nullptr || equals >= 0) {
            error = row->value != nullptr ? QStringLiteral("--%1 needs a value").arg(name)
                                          : QStringLiteral("--%1 takes no value").arg(name);
            return false;
        }
        options.insert(name, value);
    }
    return true;
}

QString CommandLine::Command() const {
    return operands.value(0);
}

QStringList CommandLine::Operands() const {
    return operands.mid(1);
}

bool CommandLine::IsSet(const char* option) const {
    return options.contains(QLatin1String(option));
}

QString CommandLine::Value(const char* option) const {
    return options.value(QLatin1String(option));
}

QString CommandLine::Help() {
    QString help = QStringLiteral(
        "usage: vvzunits [OPTION]... [COMMAND ARGUMENT...]\n"
        "\n"
        "Writes quantities with units as localized text and reads such text back.\n"
        "\n"
        "  vvzunits                          shows what the library does, in every shipped locale\n"
        "  vvzunits convert TEXT TO [DISPLAY]\n"
        "                                    reads TEXT as a quantity of TO's kind and writes it\n"
        "                                    in TO, or in DISPLAY: convert \"5'6 1/2\\\"\" m\n"
        "  vvzunits format VALUE UNIT [DISPLAY]\n"
        "                                    writes VALUE, a plain number in UNIT, as a quantity\n"
        "  vvzunits parse TEXT UNIT          writes the value of TEXT in UNIT, a plain number\n"
        "  vvzunits units [GROUP]            lists the unit groups, or the units and symbols of\n"
        "                                    GROUP, with their ids, names and symbol texts\n"
        "  vvzunits units --search TEXT      finds units by name or symbol text\n"
        "\n"
        "A TEXT that is not a quantity gets the message COLUMN: REASON on standard error,\n"
        "COLUMN counting the characters of TEXT from 1, REASON in the locale's language.\n"
        "\n"
        "Batch: with TEXT or VALUE \"-\" (standard input), or with --input FILE in its place,\n"
        "one quantity is read a line and one result written a line. A line that is not a\n"
        "quantity gets an empty result and a message FILE:LINE:COLUMN: REASON on standard\n"
        "error, and the run goes on. Blank lines and blank fields stay blank. With --column,\n"
        "the other columns are written as they were; a result that holds the delimiter or a\n"
        "double quote is quoted as in CSV. Input and output are UTF-8.\n"
        "\n"
        "Numbers, read and written, follow the locale: «1.234,5» under de-DE, whether the\n"
        "locale comes from --locale or from the process locale. A group separator is read\n"
        "only between digit groups: «1,500» is a number under en-US, «1,5» none. VALUE and\n"
        "the plain number that parse writes follow the same rules, without digit groups.\n"
        "--c-numbers keeps the C conventions instead, which scripts can rely on.\n"
        "\n"
        "TO, DISPLAY, UNIT and GROUP are ids (0x2017), global names (Foot, Length,\n"
        "Inch_FootPrimeInchDoublePrime_Fraction), names or symbol texts of the locale or of\n"
        "en-US (ft, kN·m, °C, м), or typed spellings that read as one unit (m2, kN*m). A name\n"
        "or symbol text means what it means in a quantity, before a global name of the same\n"
        "spelling: lb is the pound (global name lbav), not the metric pound (lb), and Grad\n"
        "under de-DE the degree, not the gon. A text that names units of different value is\n"
        "refused: give an id or a global name.\n"
        "\n"
        "A bare number, TEXT without a unit, is in TO (in UNIT for parse): convert 3 ft\n"
        "writes 3.00 ft, parse 12.5 Inch writes 12.5.\n"
        "\n"
        "Options:\n");
    for (const OptionRow& row : kOptions) {
        QString name = QStringLiteral("  --%1").arg(QLatin1String(row.name));
        if (row.value != nullptr)
            name += QLatin1Char(' ') + QLatin1String(row.value);
        QString text = QString::fromUtf8(row.help);
        text.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(24, QLatin1Char(' ')));
        help += name.leftJustified(23) + QLatin1Char(' ') + text + QLatin1Char('\n');
    }
    help += QStringLiteral(
        "\n"
        "Exit status: 0 success, 1 some input was not a quantity, 2 usage error, unreadable\n"
        "input or output that cannot be written.\n");
    return help;
}
