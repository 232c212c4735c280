#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Conversion;
class LineConverter;
class ProgressBar;
class QIODevice;

// How a batch reads its lines.
struct BatchSettings {
    // The input's name in messages: a file name, or "<stdin>".
    QString inputName = QStringLiteral("<stdin>");
    // The column to convert, counted from 1; 0 converts the whole line.
    int column = 0;
    std::string delimiter = ",";
    // The first line is a header, written as it is.
    bool header = false;
    // Read and write a line at a time, for input typed at a terminal.
    bool interactive = false;
    // Receives the message about each line that is not converted.
    std::function<void(const QString&)> report;
};

// Converts one quantity a line, or one column of each line, from an input to an output, and
// keeps everything else as it was: the other columns, the line ends (LF or CRLF, or none on a
// last line without one) and a UTF-8 byte order mark. A line whose text is no quantity gets an
// empty result and a message "NAME:LINE:COLUMN: REASON", COLUMN counting the line's
// characters from 1, and the batch goes on.
//
// The input is read in blocks of a megabyte; the lines of a block are shared out among the
// conversions, one thread each, and their results written in the order of the lines.
class BatchConverter {
public:
    struct Result {
        int64_t lines = 0;
        int64_t failures = 0; // lines not converted
        bool inputError = false;
        bool outputError = false;
    };

    // One conversion for each thread, every one with a formatter of its own (formatters are
    // used by one thread at a time); the first one runs on the calling thread.
    BatchConverter(const std::vector<const Conversion*>& conversions, BatchSettings settings);
    ~BatchConverter();
    BatchConverter(const BatchConverter&) = delete;
    BatchConverter& operator=(const BatchConverter&) = delete;

    // Reads the input to its end. The progress bar, when given, follows the bytes read.
    Result Run(QIODevice& input, QIODevice& output, ProgressBar* progress = nullptr);

private:
    void ConvertBlock(std::string_view lines, QIODevice& output);
    void Write(std::string_view text, QIODevice& output);

    const BatchSettings settings;
    std::vector<std::unique_ptr<LineConverter>> converters;
    Result result;
    ProgressBar* progress = nullptr;
};
