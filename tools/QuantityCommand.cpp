#include "QuantityCommand.h"

#include "BatchConverter.h"
#include "CommandLine.h"
#include "Console.h"
#include "Conversion.h"
#include "FormatterSettings.h"
#include "ProgressBar.h"
#include "UnitCatalogue.h"
#include "UnitResolver.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QFile>

#include <algorithm>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

struct Syntax {
    const char* command;
    const char* operands;
    int count;    // operands with the text, DISPLAY left out
    bool display; // takes a DISPLAY after its unit
};

constexpr unsigned kMaxThreads = 8;

const Syntax kSyntaxes[] = {
    {"convert", "TEXT TO [DISPLAY]", 2, true},
    {"format", "VALUE UNIT [DISPLAY]", 2, true},
    {"parse", "TEXT UNIT", 2, false},
};

std::unique_ptr<Conversion> MakeConversion(const QString& command, const UnitsFormatter& formatter,
                                           int unit, int display) {
    if (command == QLatin1String("convert"))
        return Conversion::QuantityToQuantity(formatter, unit, display);
    if (command == QLatin1String("format"))
        return Conversion::ValueToQuantity(formatter, unit, display);
    return Conversion::QuantityToValue(formatter, unit);
}

// The batch options, checked; false with the reason for a value that is none.
bool ReadBatchSettings(const CommandLine& line, BatchSettings& settings, QString& error) {
    settings.header = line.IsSet("header");
    if (line.IsSet("column")) {
        bool isNumber = false;
        settings.column = line.Value("column").toInt(&isNumber);
        if (!isNumber || settings.column < 1) {
            error = QStringLiteral("--column takes a column number from 1");
            return false;
        }
    }
    if (line.IsSet("delimiter")) {
        QString delimiter = line.Value("delimiter");
        if (delimiter == QLatin1String("\\t") || delimiter == QLatin1String("tab"))
            delimiter = QStringLiteral("\t");
        if (delimiter.isEmpty() || settings.column == 0) {
            error = QStringLiteral("--delimiter takes a text that is not empty, with --column");
            return false;
        }
        settings.delimiter = delimiter.toStdString();
    }
    return true;
}

int RunBatch(const std::vector<const Conversion*>& conversions, const QString& source,
             BatchSettings settings) {
    QFile input;
    bool opened = false;
    if (source == QLatin1String("-")) {
        // Typed lines are read unbuffered, so that each gets its result when it is typed.
        settings.interactive = Console::IsTerminal(0);
        opened = input.open(0,
                            settings.interactive ? QIODevice::ReadOnly | QIODevice::Unbuffered
                                                 : QIODevice::ReadOnly,
                            QFileDevice::DontCloseHandle);
    } else {
        input.setFileName(source);
        opened = input.open(QIODevice::ReadOnly);
        settings.inputName = source;
    }
    if (!opened) {
        Console::Report(QStringLiteral("cannot read %1: %2").arg(source, input.errorString()));
        return 2;
    }
    settings.report = &Console::Report;
    ProgressBar progress(input.isSequential() ? 0 : input.size());
    BatchConverter::Result result =
        BatchConverter(settings.interactive ? std::vector<const Conversion*>{conversions[0]}
                                            : conversions,
                       settings)
            .Run(input, Console::Output(), settings.interactive ? nullptr : &progress);
    progress.Clear();
    if (result.inputError) {
        Console::Report(
            QStringLiteral("cannot read %1: %2").arg(settings.inputName, input.errorString()));
        return 2;
    }
    // A failed write is reported when the program flushes its output.
    if (result.outputError)
        return 2;
    return result.failures > 0 ? 1 : 0;
}

int RunOnce(const Conversion& conversion, const QString& argument) {
    QString text = argument.trimmed();
    std::wstring wide = text.toStdWString();
    std::wstring result;
    Conversion::Failure failure;
    if (!conversion.Run(wide.c_str(), result, failure)) {
        // The column as a number only: the reason is in the locale's language.
        Console::Report(QStringLiteral("%1: %2")
                            .arg(argument.indexOf(text) + static_cast<int>(failure.position) + 1)
                            .arg(failure.message));
        return 1;
    }
    Console::WriteLine(QString::fromStdWString(result));
    return 0;
}

} // namespace

int QuantityCommand::Run(const CommandLine& line) {
    const QString command = line.Command();
    const Syntax* syntax = nullptr;
    for (const Syntax& row : kSyntaxes)
        if (command == QLatin1String(row.command))
            syntax = &row;
    if (syntax == nullptr)
        return Console::UsageError(QStringLiteral("no command is called %1").arg(command));

    // --input FILE stands for the text operand.
    QStringList operands = line.Operands();
    if (line.IsSet("input"))
        operands.prepend(line.Value("input"));
    if (operands.size() < syntax->count || operands.size() > syntax->count + syntax->display)
        return Console::UsageError(
            line.IsSet("input")
                ? QStringLiteral("%1 --input FILE takes %2 without its text")
                      .arg(command, QLatin1String(syntax->operands))
                : QStringLiteral("%1 takes %2").arg(command, QLatin1String(syntax->operands)));
    const bool batch = line.IsSet("input") || operands[0] == QLatin1String("-");
    BatchSettings settings;
    QString error;
    if (!ReadBatchSettings(line, settings, error))
        return Console::UsageError(error);
    if (!batch && (settings.column > 0 || settings.header))
        return Console::UsageError(
            QStringLiteral("--column and --header are for a batch (TEXT - or "
                           "--input FILE)"));

    std::unique_ptr<UnitsFormatter> formatter = FormatterSettings::Create(line, error);
    if (formatter == nullptr)
        return Console::UsageError(error);

    UnitResolver resolver(*formatter);
    int to = resolver.Resolve(operands[1], UnitResolver::AnyUnit, nullptr, error);
    if (to == 0)
        return Console::UsageError(error);
    int unit = UnitCatalogue::IsGroup(to) ? formatter->GetDefaultUnit(to) : to & 0xfffff;
    int display = to;
    if (operands.size() > syntax->count) {
        display = resolver.Resolve(operands[2], UnitResolver::AnyUnit,
                                   UnitResolver::Dimension(unit), error);
        if (display == 0)
            return Console::UsageError(error);
    }
    if (command != QLatin1String("format")) {
        // A bare number is in the unit asked for: it becomes the default unit of its group,
        // which Parse takes a bare number in. A group to display with keeps the unit it had.
        if (UnitCatalogue::IsGroup(display))
            display = formatter->GetDefaultUnit(display);
        (void)formatter->SetDefaultUnit(unit); // a unit of the catalogue: never refused
    }

    if (!batch)
        return RunOnce(*MakeConversion(command, *formatter, unit, display), operands[0]);
    // A batch converts on every core, each thread with a copy of the formatter.
    std::vector<std::unique_ptr<UnitsFormatter>> copies;
    std::vector<std::unique_ptr<Conversion>> conversions;
    std::vector<const Conversion*> threads;
    for (unsigned i = 0; i < std::clamp(std::thread::hardware_concurrency(), 1u, kMaxThreads);
         ++i) {
        copies.push_back(std::make_unique<UnitsFormatter>(*formatter));
        conversions.push_back(MakeConversion(command, *copies.back(), unit, display));
        threads.push_back(conversions.back().get());
    }
    return RunBatch(threads, operands[0], settings);
}
