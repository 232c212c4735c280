// Writes the named ids of the unit catalogue, for the public header UnitIds.h: every group, unit
// and unit symbol as a constant named by its global name. Run by the build, so that the names
// come from the catalogue itself and exist nowhere else.
//
//     vvz_unit_ids_generator OUTPUT
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

// A global name as a C++ identifier: every character other than a letter, digit or underscore
// becomes an underscore, a name that starts with a digit gets an underscore in front, and a
// keyword one behind.
std::string Identifier(const std::string& name) {
    static const std::set<std::string> keywords = {
        "and",     "auto",   "bool",     "break",  "case",     "char",      "class",  "const",
        "default", "delete", "do",       "double", "else",     "enum",      "false",  "float",
        "for",     "if",     "int",      "long",   "new",      "not",       "or",     "private",
        "public",  "return", "short",    "signed", "sizeof",   "static",    "struct", "switch",
        "this",    "true",   "typedef",  "union",  "unsigned", "using",     "void",   "while",
        "xor",     "inline", "operator", "friend", "template", "namespace", "virtual"};
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

void Constant(std::ostream& out, const std::string& name, int id, const std::string& comment) {
    out << "constexpr int " << Identifier(name) << " = " << Hex(id) << "; ///< " << comment << "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vvz_unit_ids_generator OUTPUT\n";
        return 2;
    }
    std::map<int, std::string> english = EnglishNames();
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> groups(config->GetUnitGroups(nullptr));
    config->GetUnitGroups(groups.data());

    std::ofstream out(argv[1]);
    out << R"(#pragma once

// The ids of the unit catalogue, named by their global names (as StringUtil and vvzunits know
// them): Groups::Length, Units::Inch, Symbols::Inch_FootPrimeInchDoublePrime_Fraction.
//
// Generated from the catalogue when the library is built; do not edit. A global name that is
// not a C++ identifier is spelled with an underscore for every character other than a letter, a
// digit or an underscore, with an underscore in front when it starts with a digit, and one
// behind when it is a C++ keyword.

namespace velmar::platform::core::units {

/// The unit groups.
namespace Groups {
)";
    for (int group : groups)
        Constant(out, GlobalName(group), group, english[group]);
    out << "} // namespace Groups\n\n/// The units.\nnamespace Units {\n";
    for (int group : groups)
        for (int unit : List(&UnitsConfig::GetUnitTypes, group))
            Constant(out, GlobalName(unit), unit, english[unit]);
    out << "} // namespace Units\n\n/// The unit symbols.\nnamespace Symbols {\n";
    for (int group : groups)
        for (int unit : List(&UnitsConfig::GetUnitTypes, group))
            for (int symbol : List(&UnitsConfig::GetUnitSymbols, unit))
                Constant(out, Narrow(config->GetGlobalName(symbol)), symbol,
                         "a symbol of the " + english[unit]);
    out << "} // namespace Symbols\n\n} // namespace velmar::platform::core::units\n";
    out.close();
    return out ? 0 : 1;
}
