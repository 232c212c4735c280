#pragma once

#include "Conversion.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct BatchSettings;

// Converts the lines of a batch that one thread is given, one after another, into its own
// output: the text of each line, or one column of it, and everything else of the line as it
// was. A blank line or field is written as it was, without a problem: missing data is not bad
// data.
class LineConverter {
public:
    // A line that gave no result: its number among the lines given since Clear, counted from
    // 1, the column of the character in question, counted from 1, and why.
    struct Problem {
        int64_t line;
        size_t column;
        QString message;
    };

    // The conversion is used from this converter's thread alone.
    LineConverter(const Conversion& conversion, const BatchSettings& settings);

    // Converts every line of text, each ended by LF or CRLF, the last one maybe by nothing.
    void Convert(std::string_view text);
    // Forgets the output, the problems and the count of lines.
    void Clear();

    const std::string& Output() const { return out; }
    const std::vector<Problem>& Problems() const { return problems; }
    int64_t Lines() const { return lines; }

private:
    void ConvertLine(std::string_view line, std::string_view end);

    const Conversion& conversion;
    const BatchSettings& settings;
    std::string out;
    std::vector<Problem> problems;
    int64_t lines = 0;
    // Reused from line to line, so that a line costs no allocation.
    std::string field;
    std::string encoded;
    std::wstring text;
    std::wstring converted;
    Conversion::Failure failure;
};
