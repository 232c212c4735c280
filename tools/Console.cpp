#include "Console.h"

#include <QFile>

#include <unistd.h>

// The files close, and standard output is flushed, when the program's static objects go.
QFile& Console::Output() {
    static QFile file;
    static const bool opened = file.open(1, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    (void)opened;
    return file;
}

QFile& Console::Error() {
    static QFile file;
    static const bool opened =
        file.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    (void)opened;
    return file;
}

bool Console::FlushOutput() {
    QFile& output = Output();
    if (output.flush() && output.error() == QFileDevice::NoError)
        return true;
    Report(QStringLiteral("cannot write output: %1").arg(output.errorString()));
    return false;
}

void Console::WriteLine(const QString& text) {
    Output().write((text + QLatin1Char('\n')).toUtf8());
}

void Console::Report(const QString& text) {
    Output().flush();
    Error().write((QLatin1String("vvzunits: ") + text + QLatin1Char('\n')).toUtf8());
}

int Console::UsageError(const QString& text) {
    Report(text + QLatin1String(" (vvzunits --help tells more)"));
    return 2;
}

bool Console::IsTerminal(int stream) {
    return isatty(stream) == 1;
}
