#include "LineConverter.h"

#include "BatchConverter.h"
#include "DelimitedLine.h"
#include "Utf8.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

LineConverter::LineConverter(const Conversion& conversion, const BatchSettings& settings)
    : conversion(conversion), settings(settings) {}

void LineConverter::Clear() {
    out.clear();
    problems.clear();
    lines = 0;
}

void LineConverter::Convert(std::string_view text) {
    while (!text.empty()) {
        size_t newline = text.find('\n');
        size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        size_t end = newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r'
                         ? newline - 1
                         : std::min(newline, text.size());
        ConvertLine(text.substr(0, end), text.substr(end, next - end));
        text.remove_prefix(next);
    }
}

void LineConverter::ConvertLine(std::string_view line, std::string_view end) {
    ++lines;
    DelimitedLine::Field place{0, line.size(), false};
    std::string_view quantity = line;
    if (settings.column > 0) {
        if (DelimitedLine::Find(line, settings.delimiter, settings.column, place)) {
            DelimitedLine::Text(line, place, field);
            quantity = field;
        } else {
            // A blank line has no fields to convert: it stays blank, as a blank field does.
            if (!std::all_of(line.begin(), line.end(), IsBlank))
                problems.push_back(
                    {lines, 1, QStringLiteral("the line has no column %1").arg(settings.column)});
            quantity = std::string_view();
        }
    }
    size_t leading = 0;
    while (leading < quantity.size() && IsBlank(quantity[leading]))
        ++leading;
    while (quantity.size() > leading && IsBlank(quantity.back()))
        quantity.remove_suffix(1);
    quantity.remove_prefix(leading);
    if (quantity.empty()) {
        out.append(line);
        out.append(end);
        return;
    }

    out.append(line.substr(0, place.begin));
    Utf8::Decode(quantity.data(), quantity.size(), text);
    if (conversion.Run(text.c_str(), converted, failure)) {
        if (settings.column > 0) {
            encoded.clear();
            Utf8::Append(converted.data(), converted.size(), encoded);
            DelimitedLine::Append(encoded, settings.delimiter, out);
        } else {
            Utf8::Append(converted.data(), converted.size(), out);
        }
    } else {
        size_t column = Utf8::CharacterCount(line.data(), place.begin) + (place.quoted ? 1 : 0) +
                        leading + failure.position + 1;
        problems.push_back({lines, column, failure.message});
    }
    out.append(line.substr(place.end));
    out.append(end);
}
