#pragma once

#include <QString>

class QFile;

// The program's standard output and standard error. Text goes out as UTF-8 through Qt whatever
// the process locale: wide stdio drops every character after the first non-ASCII one in the
// C locale, which is what a fresh system without LANG has.
class Console {
public:
    // Standard output, buffered; flushed when the program ends.
    static QFile& Output();
    // Standard error, unbuffered.
    static QFile& Error();
    // Flushes standard output. False, with a message on standard error, when anything written
    // to it was lost (a full disk, a closed file).
    static bool FlushOutput();
    // Writes text and a line end to standard output.
    static void WriteLine(const QString& text);
    // Writes "vvzunits: " text and a line end to standard error.
    static void Report(const QString& text);
    // Reports a usage error with a pointer to --help; returns the exit status of one, 2.
    static int UsageError(const QString& text);
    // Whether standard input (0), output (1) or error (2) is a terminal.
    static bool IsTerminal(int stream);
};
