// vvzunits as installed, run as a process: what it writes, its exit status, its batches.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status = -1; // -1: did not start, or crashed
    QByteArray output;
    QString error;
};

// The environment of a run under a process locale (LANG); the developer's own locale
// variables do not reach it.
QProcessEnvironment InLocale(const char* lang) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    return environment;
}

// Runs the tool; its standard output goes to outputFile when one is named.
Outcome RunTool(const QStringList& arguments, const QByteArray& input = QByteArray(),
                const QProcessEnvironment& environment = InLocale("C.UTF-8"),
                const QString& outputFile = QString()) {
    QProcess process;
    process.setProgram(QStringLiteral(VVZ_INSTALLED_TOOL));
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    // Away from the build tree, as a user runs it.
    process.setWorkingDirectory(QDir::tempPath());
    process.start();
    Outcome outcome;
    if (!process.waitForStarted())
        return outcome;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    if (process.exitStatus() == QProcess::NormalExit)
        outcome.status = process.exitCode();
    outcome.output = process.readAllStandardOutput();
    outcome.error = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

QString Describe(const QStringList& arguments, const Outcome& outcome) {
    return QStringLiteral("vvzunits %1\nstatus %2\nstderr: %3")
        .arg(arguments.join(QLatin1Char(' ')))
        .arg(outcome.status)
        .arg(outcome.error);
}

// One run of the tool under a process locale (LANG). A run that succeeds writes text, the whole
// of stdout, and nothing on stderr; one that fails writes no output and a message that holds
// text and starts with the program's name.
struct ToolRun {
    QStringList arguments;
    const char* text;
    int status = 0;
    const char* lang = "C.UTF-8";
};

void Check(const ToolRun& run) {
    Outcome outcome = RunTool(run.arguments, QByteArray(), InLocale(run.lang));
    SCOPED_TRACE((QLatin1String(run.lang) + QLatin1Char(' ') + Describe(run.arguments, outcome))
                     .toStdString());
    EXPECT_EQ(outcome.status, run.status);
    if (run.status == 0) {
        EXPECT_EQ(outcome.output.toStdString(), run.text);
        EXPECT_TRUE(outcome.error.isEmpty());
    } else {
        EXPECT_TRUE(outcome.output.isEmpty());
        EXPECT_TRUE(outcome.error.contains(QString::fromUtf8(run.text)));
        EXPECT_TRUE(outcome.error.startsWith(QLatin1String("vvzunits: ")));
    }
}

// What the program writes for one text or value, or the message it refuses it with.
TEST(Vvzunits, WritesTheResultOrAMessage) {
    const ToolRun runs[] = {
        {{"convert", "N 45°30' E", "degree"}, "44.50 degrees\n"},
        {{"convert", "66.5 in", "Inch", "Inch_FootPrimeInchDoublePrime_Fraction"}, "5'6 1/2\"\n"},
        {{"convert", "5 м", "ft", "--locale", "ru-RU"}, "16,40 фут\n"},
        {{"convert", "2500 N·m", "kN*m"}, "2.50 kN·m\n"},
        {{"convert", "9.81 m/s²", "0x30001", "m/s²"}, "9.81 m/s²\n"},
        {{"convert", "3 ft", "Length"}, "0.91 meters\n"},
        // A bare number is in the unit asked for; a group to display with keeps its unit.
        {{"convert", "3", "ft"}, "3.00 ft\n"},
        {{"parse", "12.5", "Inch"}, "12.5\n"},
        {{"parse", "5 1/2", "Inch"}, "5.5\n"},
        {{"convert", "5", "Length"}, "5.00 meters\n"},
        {{"convert", "5 ft", "ft", "Length"}, "1.52 meters\n"},
        {{"parse", "3", "ft", "--locale", "de-DE"}, "3\n"},
        // A symbol text or name means its unit before a global name of the same spelling.
        {{"parse", "1 kg", "lb"}, "2.20462262184878\n"},
        {{"parse", "1 kg", "lb", "--locale", "ru-RU"}, "2,20462262184878\n"},
        {{"parse", "1 kg", "PoundMeter"}, "2\n"},
        {{"parse", "90°", "Grad", "--locale", "de-DE"}, "90\n"},
        {{"parse", "90°", "Grad"}, "100\n"},
        {{"parse", "1 ch", "ch", "--locale", "fr-FR"}, "1\n"},
        {{"format", "12.5", "0x202001"}, "12.50 m\n"},
        {{"format", "2", "m", "--precision", "0"}, "2 m\n"},
        {{"format", "1234,567", "m", "--locale", "de-DE", "--format", "Number"}, "1.234,57 m\n"},
        {{"format", "1234.567", "m", "--locale=de-DE", "--c-numbers", "--format", "number"},
         "1234.57 m\n"},
        // The value reads under the same number rules as the texts.
        {{"format", "-1.234,5", "m", "--locale", "de-DE", "--format", "Number"}, "-1.234,50 m\n"},
        {{"format", "2.5e3", "m", "--c-numbers", "--format", "Number"}, "2500.00 m\n"},
        {{"format", "1234,567", "m", "--decimal", ",", "--group", " ", "--format", "Number"},
         "1 234,57 m\n"},
        {{"format", "45.50417", "Degree", "deg-min-sec (45°30'15\")", "--precision", "4"},
         "45°30'15\"\n"},
        {{"parse", "-1234,5 m", "m", "--locale", "de-DE"}, "-1234,5\n"},
        {{"parse", "-1234.5 m", "m", "--locale", "de-DE", "--c-numbers"}, "-1234.5\n"},
        {{"parse", "1 mm", "km"}, "1e-06\n"},
        {{"parse", "-45°30'", "Degree"}, "-45.5\n"},
        // Group separators between digit groups in the value, and the signs people type.
        {{"format", "1,500", "m"}, "1,500.00 m\n"},
        {{"format", "+2", "m"}, "2.00 m\n"},
        {{"format", "\u22122", "m"}, "-2.00 m\n"},
        // Texts that are no quantity give 1, usage errors 2.
        {{"convert", "5 ft 6 inn", "m"}, "vvzunits: 8: “inn”", 1},
        // The whole message in the locale's language, after the column.
        {{"parse", "5 m", "Degree", "--locale", "de-DE"},
         "vvzunits: 1: Falsche Größenart: Länge statt Winkel.",
         1},
        {{"parse", "1,5 m", "m"},
         "vvzunits: 2: The group separator “,” is out of place: did you mean 1.5?",
         1},
        {{"format", "1,5", "m"}, "“1,5” is not a number", 1},
        {{"format", "50 %", "m"}, "“50 %” is not a number", 1},
        {{"format", "1/2", "m"}, "“1/2” is not a number", 1},
        {{"format", "five", "m"}, "“five” is not a number", 1},
        {{"units", "--search", "qqqzz"}, "no unit has a name or symbol with “qqqzz”", 1},
        {{"frobnicate"}, "no command is called frobnicate", 2},
        {{"convert", "5 ft", "m", "--colour"}, "unknown option --colour", 2},
        {{"convert", "5 ft", "m", "--locale"}, "--locale needs a value", 2},
        {{"convert", "5 ft", "m", "--header=yes"}, "--header takes no value", 2},
        {{"convert", "5 ft"}, "convert takes TEXT TO [DISPLAY]", 2},
        {{"parse", "5 ft", "m", "ft"}, "parse takes TEXT UNIT", 2},
        {{"convert", "5 ft", "xyzzy"}, "“xyzzy” names no unit, group or unit symbol", 2},
        {{"convert", "5 ft", "0x7777"}, "“0x7777” names no unit", 2},
        {{"convert", "5 ft", "'"},
         "“'” is ambiguous: Foot (0x02017), AngleMinute (0x08008), Minute (0x2c016)",
         2},
        {{"format", "12", "m", "kg"}, "“kg” names no unit of that kind of quantity", 2},
        {{"format", "1", "m", "--precision", "100"}, "--precision takes a whole number", 2},
        {{"format", "1", "m", "--format", "Roman"}, "no numeric format is called Roman", 2},
        {{"format", "1", "m", "--locale", "xx-XX"}, "no locale is called xx-XX", 2},
        {{"--locale", "xx-XX"}, "no locale is called xx-XX", 2},
        {{"format", "1,2,3", "m", "--locale", "de-DE"}, "“1,2,3” is not a number", 1},
        {{"format", "1.5", "m", "--decimal", ",", "--group", " "}, "“1.5” is not a number", 1},
        {{"format", "1", "m", "--decimal", ",", "--group", ","},
         "the decimal separator and the group separator are both “,”",
         2},
        {{"format", "1", "m", "--locale", "de-DE", "--decimal", "."},
         "the decimal separator and the group separator are both “.”",
         2},
        {{"convert", "5 ft", "m", "--column", "2"}, "--column and --header are for a batch", 2},
        {{"convert", "-", "m", "--column", "0"}, "--column takes a column number from 1", 2},
        {{"convert", "-", "m", "--delimiter", ";"}, "--delimiter takes a text", 2},
        {{"convert", "--input", "/nonexistent/lengths.txt", "m"},
         "cannot read /nonexistent/lengths.txt",
         2},
        {{"units", "Length", "Area"}, "units takes [GROUP]", 2},
        {{"units", "xyzzy"}, "“xyzzy” names no unit, group or unit symbol", 2},
        // Without --locale the process locale rules names, messages and numbers alike; --locale
        // rules them in its place, and --c-numbers keeps numbers to the C conventions under
        // either.
        {{"parse", "1,5 m", "m"}, "1,5\n", 0, "de_DE.UTF-8"},
        {{"format", "1234,5", "m", "--format", "Number"}, "1.234,50 m\n", 0, "de_DE.UTF-8"},
        {{"convert", "3 Fuß", "Length"}, "0,91 Meter\n", 0, "de_DE.UTF-8"},
        // The C conventions group no digits: a comma there is no group separator.
        {{"parse", "1,5 m", "m", "--c-numbers"}, "meinten Sie 1.5?", 1, "de_DE.UTF-8"},
        {{"format", "1234.5", "m", "--locale", "en-US"}, "1,234.50 m\n", 0, "de_DE.UTF-8"},
        {{"parse", "2,5 km", "m"}, "2500\n", 0, "fr_FR.UTF-8"},
        {{"parse", "5 m", "Degree"}, "Länge statt Winkel", 1, "de_DE.UTF-8"},
        {{"parse", "1,5 m", "m"}, "did you mean 1.5?", 1, "C"},
    };
    for (const ToolRun& run : runs)
        Check(run);
}

// Lines that the listing, the search and the help hold among others.
TEST(Vvzunits, ListsUnits) {
    const ToolRun runs[] = {
        {{"units"}, "0x02000  Length                                   Length\n"},
        {{"units", "Длина", "--locale", "ru-RU"},
         "  0x0202001  m                                      м\n"},
        {{"units", "ft"}, "0x02017  Foot                                     foot\n"},
        {{"units", "0x2017"}, "  0x0302017  Foot_Prime                             ′\n"},
        {{"units", "--search", "Fuß"},
         "0x02017  Foot                                     foot  (de-DE: Fuß)\n"},
        {{"units", "--search", "фут", "--locale", "ru-RU"},
         "0x02017  Foot                                     фут  (ru-RU: фут)\n"},
        {{"--help"}, "  vvzunits convert TEXT TO [DISPLAY]\n"},
        {{"-h"}, "  --column N            convert column N"},
        {{"--version"}, "vvzunits 1."},
        {{}, "  meter per second squared         9.81 m/s²\n"},
        {{"--locale", "ru-RU"}, "ru-RU\n"},
        // Each block of the table writes numbers as its locale does.
        {{}, "  ton of refrigeration             3,517 W\n"},
        {{}, "  Kältetonne                       3.517 W\n"},
        {{}, "  тонна холода                     3\u00a0517 Вт\n"},
        {{"--c-numbers"}, "  Kältetonne                       3517 W\n"},
        {{"--help"}, "--c-numbers           read and write numbers as the C locale does"},
    };
    for (const ToolRun& run : runs) {
        Outcome outcome = RunTool(run.arguments);
        SCOPED_TRACE(Describe(run.arguments, outcome).toStdString());
        EXPECT_EQ(outcome.status, 0);
        EXPECT_TRUE(outcome.output.contains(run.text)) << outcome.output.left(2000).toStdString();
    }
}

// Output that cannot be written fails the run with status 2, for one text as for a batch.
TEST(Vvzunits, FailsWhenItsOutputCannotBeWritten) {
    const QStringList runs[] = {{"format", "1", "m"}, {"units"}, {"convert", "-", "m"}};
    for (const QStringList& arguments : runs) {
        Outcome outcome =
            RunTool(arguments, "5 ft\n", InLocale("C.UTF-8"), QStringLiteral("/dev/full"));
        SCOPED_TRACE(Describe(arguments, outcome).toStdString());
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.error.count(QLatin1String("cannot write output")), 1);
    }
}

struct Batch {
    const char* name;
    const char* arguments; // split at spaces
    QByteArray input;
    QByteArray output;
    int status;
    const char* messages; // the lines of stderr, in order
};

TEST(Vvzunits, ConvertsBatches) {
    const Batch cases[] = {
        {"lines, a bad one, a blank one, CRLF", "convert - m", "5 ft\n5 ft 6 inn\n\n12 in\r\n",
         "1.52 m\n\n\n0.30 m\r\n", 1,
         "vvzunits: <stdin>:2:8: “inn” is not a number or a unit symbol."},
        {"a byte order mark and a last line without its end", "parse - Foot",
         "\xef\xbb\xbf"
         "5'6\"\n  8 ft ",
         "\xef\xbb\xbf"
         "5.5\n8",
         0, ""},
        {"values", "format - Inch Inch_FootPrimeDashInchDoublePrime_Fraction", "66.5\n-1\nx\n",
         "5'-6-1/2\"\n-0'-1\"\n\n", 1, "vvzunits: <stdin>:3:1: “x” is not a number"},
        {"a CSV column, quoted where the result needs it, blank lines kept",
         "convert - Inch Inch_FootPrimeInchDoublePrime_Fraction --column 2 --header",
         "name,length,note\n\"a, b\",\"66.5 in\",\"x, y\"\nc,5 ft 6 inn,z\nd\ne,  ,f\n\n \r\n",
         "name,length,note\n\"a, b\",\"5'6 1/2\"\"\",\"x, y\"\nc,,z\nd\ne,  ,f\n\n \r\n", 1,
         "vvzunits: <stdin>:3:10: “inn” is not a number or a unit symbol.\n"
         "vvzunits: <stdin>:4:1: the line has no column 2"},
        {"a TSV column", "convert - m --column 2 --delimiter tab", "a\t5 ft\tb\nc\t6 ft\n",
         "a\t1.52 m\tb\nc\t1.83 m\n", 0, ""},
        {"a column in locale numbers, with a delimiter of the locale's numbers",
         "convert - m --locale de-DE --column 1 --delimiter ,", "\"5,5 ft\",x\n", "\"1,68 m\",x\n",
         0, ""},
    };
    for (const Batch& batch : cases) {
        SCOPED_TRACE(batch.name);
        Outcome outcome =
            RunTool(QString::fromUtf8(batch.arguments).split(QLatin1Char(' ')), batch.input);
        EXPECT_EQ(outcome.status, batch.status) << outcome.error.toStdString();
        EXPECT_EQ(outcome.output.toStdString(), batch.output.toStdString());
        QStringList messages = outcome.error.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(messages.join(QLatin1Char('\n')).toStdString(), batch.messages);
    }
}

// A file large enough to be shared out among threads comes back in the order of its lines,
// and the messages name the right lines.
TEST(Vvzunits, KeepsTheOrderOfALargeFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("lengths.txt"));
    QByteArray input;
    QByteArray expected;
    QStringList messages;
    for (int line = 1; line <= 40000; ++line) {
        if (line % 7 == 3) {
            input += "oops\n";
            expected += "\n";
            messages.append(QStringLiteral("vvzunits: %1:%2:1: “oops” is not a number or a unit "
                                           "symbol.")
                                .arg(path)
                                .arg(line));
        } else {
            input += QByteArray::number(line) + " mm\n";
            expected += QByteArray::number(line / 1000.0, 'f', 3) + " m\n";
        }
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(input);
    file.close();

    Outcome outcome = RunTool({"convert", "--input", path, "m", "--precision", "3"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.output == expected);
    EXPECT_EQ(outcome.error.split(QLatin1Char('\n'), Qt::SkipEmptyParts), messages);
}

// Without LANG, in the C locale, the text is the same UTF-8 as in a UTF-8 locale: no line is
// cut at its first non-ASCII character.
TEST(Vvzunits, WritesUtf8WhateverTheProcessLocale) {
    QProcessEnvironment utf8;
    utf8.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    QProcessEnvironment c;
    c.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    const QStringList runs[] = {
        {},
        {"units", "Length", "--locale", "ru-RU"},
        {"convert", "-", "°", "--locale", "ru-RU"},
    };
    const QByteArray input = "45°30'15\"\nN 45°30' E\n1 рад\n";
    for (const QStringList& arguments : runs) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        Outcome inUtf8 = RunTool(arguments, input, utf8);
        Outcome empty = RunTool(arguments, input, QProcessEnvironment());
        Outcome inC = RunTool(arguments, input, c);
        EXPECT_EQ(inUtf8.status, 0);
        EXPECT_GT(inUtf8.output.count('\n'), 2);
        EXPECT_EQ(empty.output.toStdString(), inUtf8.output.toStdString());
        EXPECT_EQ(inC.output.toStdString(), inUtf8.output.toStdString());
        EXPECT_EQ(empty.status, inUtf8.status);
    }
    EXPECT_TRUE(RunTool(runs[2], input, QProcessEnvironment()).output.contains("45,50°"));
}

} // namespace
