// Writes the named ids of the unit catalogue: every group, unit and unit symbol as a constant
// named by its global name, for the public header UnitIds.h and, when a second file is named,
// for the Python module's ids.py. Run by the build, so that the names come from the catalogue
// itself and exist nowhere else, and both languages spell them alike.
//
//     vvz_unit_ids_generator HEADER [PYTHON]
#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadur/UnitsUtilities.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

// The English names of the catalogue, for the comment beside each constant.
std::map<int, std::string> EnglishNames() {
    std::map<int, std::string> names;
#define GROUP(id, globalName, primary, name) names[id] = name;
#include "catalogue/Groups.inc"
#undef GROUP
#define UNIT(id, globalName, factor, offset, dimension, symbols, name) names[id] = name;
#include "catalogue/Units.inc"
#undef UNIT
    return names;
}

std::vector<int> List(size_t (UnitsConfig::*list)(int, int*) const, int of) {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> ids((config->*list)(of, nullptr));
    (config->*list)(of, ids.data());
    return ids;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end()); // global names are ASCII
}

std::string GlobalName(int id) {
    size_t length = 0;
    if (UnitsUtilities::GetGlobalNameLength(id, length) != ecSuccess || length == 0)
        return "";
    std::wstring name(length, L'\0');
    if (UnitsUtilities::GetGlobalName(id, name.data(), length) != ecSuccess)
        return "";
    name.resize(length - 1);
    return Narrow(name);
}

const std::set<std::string> kCppKeywords = {
    "and",     "auto",   "bool",     "break",  "case",     "char",      "class",  "const",
    "default", "delete", "do",       "double", "else",     "enum",      "false",  "float",
    "for",     "if",     "int",      "long",   "new",      "not",       "or",     "private",
    "public",  "return", "short",    "signed", "sizeof",   "static",    "struct", "switch",
    "this",    "true",   "typedef",  "union",  "unsigned", "using",     "void",   "while",
    "xor",     "inline", "operator", "friend", "template", "namespace", "virtual"};
const std::set<std::string> kPythonKeywords = {
    "False", "None",     "True",  "and",    "as",   "assert", "async",  "await",    "break",
    "class", "continue", "def",   "del",    "elif", "else",   "except", "finally",  "for",
    "from",  "global",   "if",    "import", "in",   "is",     "lambda", "nonlocal", "not",
    "or",    "pass",     "raise", "return", "try",  "while",  "with",   "yield"};

// A global name as an identifier: every character other than a letter, digit or underscore
// becomes an underscore, a name that starts with a digit gets an underscore in front, and a
// keyword of the language one behind (Symbols::in in C++ is Symbols.in_ in Python).
std::string Identifier(const std::string& name, const std::set<std::string>& keywords) {
    std::string identifier;
    for (char c : name)
        identifier += std::isalnum(static_cast<unsigned char>(c)) || c == '_' ? c : '_';
    if (identifier.empty() || std::isdigit(static_cast<unsigned char>(identifier[0])))
        identifier.insert(0, "_");
    if (keywords.count(identifier))
        identifier += '_';
    return identifier;
}

std::string Hex(int id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", id);
    return text;
}

// One named id: its section (Groups, Units, Symbols), global name, value and English comment.
struct NamedId {
    std::string section;
    std::string name;
    int id;
    std::string comment;
};

// Every group, unit and symbol in catalogue order.
std::vector<NamedId> NamedIds() {
    std::map<int, std::string> english = EnglishNames();
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> groups(config->GetUnitGroups(nullptr));
    config->GetUnitGroups(groups.data());
    std::vector<NamedId> ids;
    for (int group : groups)
        ids.push_back({"Groups", GlobalName(group), group, english[group]});
    for (int group : groups)
        for (int unit : List(&UnitsConfig::GetUnitTypes, group))
            ids.push_back({"Units", GlobalName(unit), unit, english[unit]});
    for (int group : groups)
        for (int unit : List(&UnitsConfig::GetUnitTypes, group))
            for (int symbol : List(&UnitsConfig::GetUnitSymbols, unit))
                ids.push_back({"Symbols", Narrow(config->GetGlobalName(symbol)), symbol,
                               "a symbol of the " + english[unit]});
    return ids;
}

const char* const kSections[][2] = {
    {"Groups", "The unit groups."}, {"Units", "The units."}, {"Symbols", "The unit symbols."}};

bool WriteHeader(const std::vector<NamedId>& ids, const char* path) {
    std::ofstream out(path);
    out << R"(#pragma once

// The ids of the unit catalogue, named by their global names (as StringUtil and vvzunits know
// them): Groups::Length, Units::Inch, Symbols::Inch_FootPrimeInchDoublePrime_Fraction.
//
// Generated from the catalogue when the library is built; do not edit. A global name that is
// not a C++ identifier is spelled with an underscore for every character other than a letter, a
// digit or an underscore, with an underscore in front when it starts with a digit, and one
// behind when it is a C++ keyword.

namespace velmar::platform::core::units {
)";
    for (const auto& section : kSections) {
        out << "\n/// " << section[1] << "\nnamespace " << section[0] << " {\n";
        for (const NamedId& id : ids)
            if (id.section == section[0])
                out << "constexpr int " << Identifier(id.name, kCppKeywords) << " = " << Hex(id.id)
                    << "; ///< " << id.comment << "\n";
        out << "} // namespace " << section[0] << "\n";
    }
    out << "\n} // namespace velmar::platform::core::units\n";
    out.close();
    return static_cast<bool>(out);
}

bool WritePython(const std::vector<NamedId>& ids, const char* path) {
    std::ofstream out(path);
    out << R"("""The ids of the unit catalogue, named by their global names: Groups.Length, Units.Inch,
Symbols.Inch_FootPrimeInchDoublePrime_Fraction. The same names as the C++ header UnitIds.h,
but that a Python keyword gets an underscore behind it (Symbols.in_).

Generated from the catalogue when the library is built; do not edit.
"""
)";
    for (const auto& section : kSections) {
        out << "\n\nclass " << section[0] << ":\n    \"\"\"" << section[1] << "\"\"\"\n\n";
        for (const NamedId& id : ids)
            if (id.section == section[0])
                out << "    " << Identifier(id.name, kPythonKeywords) << " = " << Hex(id.id)
                    << "  #: " << id.comment << "\n";
    }
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: vvz_unit_ids_generator HEADER [PYTHON]\n";
        return 2;
    }
    std::vector<NamedId> ids = NamedIds();
    bool written = WriteHeader(ids, argv[1]) && (argc == 2 || WritePython(ids, argv[2]));
    return written ? 0 : 1;
}
