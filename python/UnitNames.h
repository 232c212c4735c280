#pragma once

#include "UnitResolver.h"

#include <pybind11/pybind11.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace velmar::platform::core::units {
class UnitsFormatter;
}

namespace vvzpy {

namespace py = pybind11;

// The id that a unit argument names: an int id of the catalogue as it is, a str as vvzunits
// reads it (a symbol text or name in the formatter's locale or in en-US, a global name, a typed
// spelling such as m2 or kg*m/s^2), through a resolver made on the first text and guarded by a
// lock; the texts found are remembered, as a script names the same few units again and again.
class UnitNames {
public:
    explicit UnitNames(const velmar::platform::core::units::UnitsFormatter& formatter);

    // The id, or 0 with the reason in error.
    int Find(py::handle key, UnitResolver::Kind kind, std::string& error) const;
    // The id; ValueError with the reason when key names nothing.
    int Resolve(py::handle key, UnitResolver::Kind kind = UnitResolver::AnyUnit) const;

private:
    const velmar::platform::core::units::UnitsFormatter& formatter;
    mutable std::mutex lock;
    mutable std::unique_ptr<UnitResolver> resolver;
    // The ids of the texts found, as units and as groups.
    mutable std::map<std::string, int, std::less<>> found[2];
};

} // namespace vvzpy
