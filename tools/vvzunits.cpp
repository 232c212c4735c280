// vvzunits: writes quantities with units as localized text and reads such text back, from the
// command line. vvzunits --help tells how; CommandLine.cpp holds that text.
#include "CommandLine.h"
#include "Console.h"
#include "Demo.h"
#include "FormatterSettings.h"
#include "QuantityCommand.h"
#include "UnitResolver.h"
#include "UnitsListing.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <QCoreApplication>
#include <QFile>

#include <memory>

using velmar::platform::core::units::UnitsFormatter;
using velmar::platform::core::units::UnitsManager;

namespace {

int UnitsCommand(const CommandLine& line) {
    const QStringList operands = line.Operands();
    if (operands.size() > (line.IsSet("search") ? 0 : 1))
        return Console::UsageError(QStringLiteral("units takes [GROUP], or --search TEXT"));
    QString error;
    std::unique_ptr<UnitsFormatter> formatter = FormatterSettings::Create(line, error);
    if (formatter == nullptr)
        return Console::UsageError(error);
    UnitsListing listing(*formatter);
    if (line.IsSet("search")) {
        if (listing.WriteSearch(line.Value("search")) > 0)
            return 0;
        Console::Report(QStringLiteral("no unit has a name or symbol with \u201c%1\u201d")
                            .arg(line.Value("search")));
        return 1;
    }
    if (operands.isEmpty()) {
        listing.WriteGroups();
        return 0;
    }
    int group = UnitResolver(*formatter).Resolve(operands[0], UnitResolver::Group, nullptr, error);
    if (group == 0)
        return Console::UsageError(error);
    listing.WriteGroup(group);
    return 0;
}

int Run(const QStringList& arguments) {
    CommandLine line;
    if (!line.Parse(arguments))
        return Console::UsageError(line.Error());
    if (line.IsSet("help")) {
        Console::Output().write(CommandLine::Help().toUtf8());
        return 0;
    }
    if (line.IsSet("version")) {
        Console::WriteLine(QStringLiteral("vvzunits " VVZ_VERSION));
        return 0;
    }
    const QString command = line.Command();
    if (command.isEmpty()) {
        if (Demo::Write(line.IsSet("locale") ? QStringList{line.Value("locale")} : Demo::Locales(),
                        line.IsSet("c-numbers")))
            return 0;
        return Console::UsageError(
            QStringLiteral("no locale is called %1").arg(line.Value("locale")));
    }
    if (command == QLatin1String("units"))
        return UnitsCommand(line);
    return QuantityCommand::Run(line);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    UnitsManager::Initialize();
    // Arguments are UTF-8 whatever the process locale.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    int status = Run(arguments);
    // Output that did not reach its file fails the run, as unreadable input does.
    if (!Console::FlushOutput())
        status = 2;
    UnitsManager::Uninitialize();
    return status;
}
