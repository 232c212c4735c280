#pragma once

class CommandLine;

// The convert, format and parse commands, on one text of the arguments or on a batch of lines
// from standard input or a file.
class QuantityCommand {
public:
    // The exit status: 0 success, 1 some text was not a quantity, 2 a usage error or input
    // that cannot be read.
    static int Run(const CommandLine& line);
};
