#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The fields of one line of a CSV or TSV file, as bytes. A field may be quoted in double
// quotes, with a doubled quote for a quote inside, whatever the delimiter. Records are lines:
// a quoted field does not go on past the end of its line.
class DelimitedLine {
public:
    // Where a field is in its line, quotes included.
    struct Field {
        size_t begin = 0;
        size_t end = 0;
        bool quoted = false;
    };

    // Finds field column (counted from 1). False when the line has fewer fields.
    static bool Find(std::string_view line, std::string_view delimiter, int column, Field& field);
    // The text of a field: without its quotes, doubled quotes made single. Text after the
    // closing quote, which CSV does not allow, is kept.
    static void Text(std::string_view line, const Field& field, std::string& text);
    // Appends text as a field: quoted when it holds the delimiter, a double quote or a line
    // break, as CSV writers do.
    static void Append(std::string_view text, std::string_view delimiter, std::string& line);
};
