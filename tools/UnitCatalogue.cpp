#include "UnitCatalogue.h"

#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

using namespace velmar::platform::core::units;

namespace {

std::vector<int> List(size_t (UnitsConfig::*list)(int, int*) const, int of) {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> ids((config->*list)(of, nullptr));
    (config->*list)(of, ids.data());
    return ids;
}

} // namespace

std::vector<int> UnitCatalogue::Groups() {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> groups(config->GetUnitGroups(nullptr));
    config->GetUnitGroups(groups.data());
    return groups;
}

std::vector<int> UnitCatalogue::Units(int group) {
    return List(&UnitsConfig::GetUnitTypes, group);
}

std::vector<int> UnitCatalogue::Symbols(int unit) {
    return List(&UnitsConfig::GetUnitSymbols, unit);
}

bool UnitCatalogue::Names(int id) {
    return id > 0 && !StringUtil::GetUnitGlobalName(id).isEmpty();
}

QString UnitCatalogue::IdText(int id) {
    int digits = IsGroup(id) || IsUnit(id) ? 5 : 7;
    return QStringLiteral("0x%1").arg(id, digits, 16, QLatin1Char('0'));
}

QString UnitCatalogue::DisplayName(const UnitsFormatter& formatter, int id) {
    wchar_t name[256];
    return formatter.GetDisplayName(id, name, 256) == ecSuccess ? QString::fromWCharArray(name)
                                                                : QString();
}
