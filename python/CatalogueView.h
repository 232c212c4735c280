#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <string>
#include <vector>

namespace vvzpy {

namespace py = pybind11;

// One group, unit or unit symbol of the catalogue, with its names in en-US.
struct CatalogueGroup {
    int id;
    std::string globalName;
    std::string name;
    std::vector<int> units;
};

struct CatalogueUnit {
    int id;
    std::string globalName;
    std::string name;
    int group;
    std::vector<int> symbols;
    std::array<int, 7> dimension; // length, mass, time, current, temperature, amount, light
};

struct CatalogueSymbol {
    int id;
    std::string globalName;
    std::string text;
    int unit;
};

// vivuzazadur.groups, units and symbols: the catalogue's entries of one kind, looked up by id,
// global name or symbol text (as vvzunits reads them, in en-US), in catalogue order when
// iterated. A key of another kind stands for the entry it belongs to or chooses: a unit's or
// symbol's group, a group's default unit, a symbol's unit, a unit's default symbol.
class CatalogueView {
public:
    enum Kind { Groups, Units, Symbols };

    explicit CatalogueView(Kind kind) : kind(kind) {}

    // The entry; KeyError when key names nothing.
    py::object Get(py::handle key) const;
    // The entry, or fallback when key names nothing.
    py::object Find(py::handle key, py::handle fallback) const;
    bool Contains(py::handle key) const;
    // Every id of the kind, in catalogue order.
    std::vector<int> Ids() const;

private:
    // The id of the kind that key stands for, or 0 with the reason in error.
    int IdOf(py::handle key, std::string& error) const;
    py::object Entry(int id) const;

    Kind kind;
};

} // namespace vvzpy
