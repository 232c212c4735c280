#include "CatalogueView.h"

#include "UnitCatalogue.h"
#include "UnitNames.h"
#include "UnitResolver.h"

#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <algorithm>

using namespace velmar::platform::core::units;

namespace vvzpy {

namespace {

// The en-US formatter of the names and the resolver of the keys, made on first use and never
// freed, so that nothing of them runs at the interpreter's exit.
const UnitsFormatter& English() {
    static const UnitsFormatter* english = new UnitsFormatter(u"en-US");
    return *english;
}

const UnitNames& EnglishNames() {
    static const UnitNames* names = new UnitNames(English());
    return *names;
}

std::string Text(const QString& text) {
    return text.toStdString();
}

} // namespace

int CatalogueView::IdOf(py::handle key, std::string& error) const {
    int id = EnglishNames().Find(key, kind == Groups ? UnitResolver::Group : UnitResolver::AnyUnit,
                                 error);
    if (id == 0)
        return 0;
    const UnitsFormatter& english = English();
    if (kind == Groups)
        return id & 0xff000;
    if (UnitCatalogue::IsGroup(id))
        id = english.GetDefaultUnit(id);
    if (kind == Units)
        return id & 0xfffff;
    return UnitCatalogue::IsUnit(id) ? english.GetDefaultSymbol(id) : id;
}

py::object CatalogueView::Entry(int id) const {
    const UnitsFormatter& english = English();
    std::string globalName = Text(StringUtil::GetUnitGlobalName(id));
    std::string name = Text(english.GetDisplayName(id));
    switch (kind) {
    case Groups:
        return py::cast(CatalogueGroup{id, globalName, name, UnitCatalogue::Units(id)});
    case Units: {
        std::array<int, 7> dimension{};
        if (const int* tag = UnitResolver::Dimension(id))
            std::copy_n(tag, 7, dimension.begin());
        return py::cast(CatalogueUnit{id, globalName, name, id & 0xff000,
                                      UnitCatalogue::Symbols(id), dimension});
    }
    case Symbols:
        break;
    }
    return py::cast(CatalogueSymbol{id, globalName, name, id & 0xfffff});
}

py::object CatalogueView::Get(py::handle key) const {
    std::string error;
    int id = IdOf(key, error);
    if (id == 0)
        throw py::key_error(error);
    return Entry(id);
}

py::object CatalogueView::Find(py::handle key, py::handle fallback) const {
    std::string error;
    int id = IdOf(key, error);
    return id != 0 ? Entry(id) : py::reinterpret_borrow<py::object>(fallback);
}

bool CatalogueView::Contains(py::handle key) const {
    std::string error;
    return IdOf(key, error) != 0;
}

std::vector<int> CatalogueView::Ids() const {
    std::vector<int> ids;
    for (int group : UnitCatalogue::Groups()) {
        if (kind == Groups) {
            ids.push_back(group);
            continue;
        }
        for (int unit : UnitCatalogue::Units(group)) {
            if (kind == Units) {
                ids.push_back(unit);
                continue;
            }
            for (int symbol : UnitCatalogue::Symbols(unit))
                ids.push_back(symbol);
        }
    }
    return ids;
}

} // namespace vvzpy
