#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The arguments of one run: the command, its operands and the options. Options may stand
// anywhere, as --name VALUE or --name=VALUE; "--" ends them. An argument that starts with a
// minus and a digit or a point ("-5", "-.5") is an operand, so that negative values need no
// "--", and so is "-" (standard input). That is why the program reads its arguments itself
// rather than with QCommandLineParser, which takes "-5" for an option.
class CommandLine {
public:
    // Reads the arguments that follow the program name. False for an unknown option or an
    // option without its value; Error() tells which.
    bool Parse(const QStringList& arguments);

    // The first operand ("convert", "units", ...), empty when there is none.
    QString Command() const;
    // The operands after the command.
    QStringList Operands() const;
    bool IsSet(const char* option) const;
    // The value of an option, empty when it is not set.
    QString Value(const char* option) const;
    QString Error() const { return error; }

    // The text of --help.
    static QString Help();

private:
    QStringList operands;
    QMap<QString, QString> options;
    QString error;
};
