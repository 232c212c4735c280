#include "DelimitedLine.h"

bool DelimitedLine::Find(std::string_view line, std::string_view delimiter, int column,
                         Field& field) {
    size_t position = 0;
    for (int index = 1;; ++index) {
        field.begin = position;
        field.quoted = position < line.size() && line[position] == '"';
        size_t search = position;
        if (field.quoted) {
            // The closing quote is a quote that no second quote follows.
            search = position + 1;
            while (search < line.size()) {
                size_t quote = line.find('"', search);
                if (quote == std::string_view::npos) {
                    search = line.size();
                } else if (quote + 1 < line.size() && line[quote + 1] == '"') {
                    search = quote + 2;
                    continue;
                } else {
                    search = quote + 1;
                }
                break;
            }
        }
        size_t next = line.find(delimiter, search);
        field.end = next == std::string_view::npos ? line.size() : next;
        if (index == column)
            return true;
        if (next == std::string_view::npos)
            return false;
        position = next + delimiter.size();
    }
}

void DelimitedLine::Text(std::string_view line, const Field& field, std::string& text) {
    std::string_view raw = line.substr(field.begin, field.end - field.begin);
    if (!field.quoted) {
        text.assign(raw);
        return;
    }
    text.clear();
    for (size_t i = 1; i < raw.size(); ++i) {
        if (raw[i] != '"') {
            text += raw[i];
        } else if (i + 1 < raw.size() && raw[i + 1] == '"') {
            text += '"';
            ++i;
        } else {
            text.append(raw.substr(i + 1));
            return;
        }
    }
}

void DelimitedLine::Append(std::string_view text, std::string_view delimiter, std::string& line) {
    if (text.find(delimiter) == std::string_view::npos &&
        text.find_first_of("\"\r\n") == std::string_view::npos) {
        line.append(text);
        return;
    }
    line += '"';
    for (char c : text) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}
