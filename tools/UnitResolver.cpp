#include "UnitResolver.h"

#include "UnitCatalogue.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

using namespace velmar::platform::core::units;

namespace {

const UnitConverter* ConverterOf(int id) {
    if (UnitCatalogue::IsGroup(id)) {
        std::vector<int> units = UnitCatalogue::Units(id);
        return units.empty() ? nullptr : UnitsConfig::GetInstance()->FindConverter(units[0]);
    }
    return UnitsConfig::GetInstance()->FindConverter(id);
}

bool Close(double a, double b) {
    return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

bool SameDimension(const int* a, const int* b) {
    return a != nullptr && b != nullptr && std::equal(a, a + 7, b);
}

// Whether two units convert alike, so that either serves.
bool Alike(int a, int b) {
    const UnitConverter* first = ConverterOf(a);
    const UnitConverter* second = ConverterOf(b);
    return first != nullptr && second != nullptr &&
           SameDimension(first->GetDimTag(), second->GetDimTag()) &&
           Close(first->GetFactor(), second->GetFactor()) &&
           Close(first->GetOffset(), second->GetOffset());
}

// Symbols before units, then catalogue order.
bool Preferred(int a, int b) {
    auto key = [](int id) {
        return std::make_tuple(UnitCatalogue::IsUnit(id), id & 0xfffff, id >> 20);
    };
    return key(a) < key(b);
}

// The candidates, one of each set that converts alike.
QString Candidates(const QVector<int>& ids) {
    QStringList names;
    for (int i = 0; i < ids.size(); ++i) {
        auto earlier = ids.begin() + i;
        if (UnitCatalogue::IsGroup(ids[i]) || std::none_of(ids.begin(), earlier, [&](int id) {
                return !UnitCatalogue::IsGroup(id) && Alike(id, ids[i]);
            }))
            names.append(QStringLiteral("%1 (%2)").arg(StringUtil::GetUnitGlobalName(ids[i]),
                                                       UnitCatalogue::IdText(ids[i])));
    }
    names.removeDuplicates();
    return names.join(QLatin1String(", "));
}

// The letters of a spelling: kN*m, kN·m and kN-m are all kNm, m2 and m² are m.
QString Letters(const QString& text) {
    QString letters;
    for (QChar c : text)
        if (c.isLetter())
            letters += c;
    return letters;
}

} // namespace

UnitResolver::UnitResolver(const UnitsFormatter& formatter) : formatter(formatter) {
    if (QString::fromWCharArray(formatter.GetLocale()) != QLatin1String("en-US"))
        english = std::make_unique<UnitsFormatter>(L"en-US");
}

UnitResolver::~UnitResolver() = default;

const int* UnitResolver::Dimension(int id) {
    const UnitConverter* converter = ConverterOf(id);
    return converter == nullptr ? nullptr : converter->GetDimTag();
}

int UnitResolver::Resolve(const QString& text, Kind kind, const int* dimension,
                          QString& error) const {
    QVector<int> found = Find(text.trimmed(), dimension);
    if (found.isEmpty()) {
        error =
            dimension == nullptr
                ? QStringLiteral("\u201c%1\u201d names no unit, group or unit symbol").arg(text)
                : QStringLiteral("\u201c%1\u201d names no unit of that kind of quantity").arg(text);
        return 0;
    }
    if (kind == Group) {
        for (int& id : found)
            id &= 0xff000;
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
    } else {
        // A name that is a group's and a unit's means the unit here.
        QVector<int> units;
        std::copy_if(found.begin(), found.end(), std::back_inserter(units),
                     [](int id) { return !UnitCatalogue::IsGroup(id); });
        if (!units.isEmpty())
            found = units;
        std::sort(found.begin(), found.end(), Preferred);
        if (!UnitCatalogue::IsGroup(found[0]) &&
            std::all_of(found.begin(), found.end(), [&](int id) { return Alike(found[0], id); }))
            found = {SpelledLike(text, found)};
    }
    if (found.size() > 1) {
        error = QStringLiteral("\u201c%1\u201d is ambiguous: %2; give an id or a global name")
                    .arg(text, Candidates(found));
        return 0;
    }
    return found[0];
}

QVector<int> UnitResolver::Find(const QString& text, const int* dimension) const {
    auto keep = [dimension](QVector<int> ids) {
        if (dimension != nullptr)
            ids.erase(
                std::remove_if(ids.begin(), ids.end(),
                               [&](int id) { return !SameDimension(Dimension(id), dimension); }),
                ids.end());
        return ids;
    };
    if (text.isEmpty())
        return {};
    bool isNumber = false;
    int id = text.toInt(&isNumber, 0);
    if (isNumber)
        return UnitCatalogue::Names(id) ? keep({id}) : QVector<int>();

    // What the text is the global name of.
    QVector<int> named;
    vmp::IDesignPropertyUnits::teGroup group{};
    vmp::IDesignPropertyUnits::teType type{};
    UnitSymbol symbol{};
    if (StringUtil::GetUnitGroup(text, group) == ecSuccess)
        named.append(group);
    if (StringUtil::GetUnitType(text, type) == ecSuccess)
        named.append(type);
    if (StringUtil::GetUnitSymbol(text, symbol) == ecSuccess)
        named.append(symbol);
    named = keep(named);
    // Of the ids that a text names, the one it is the global name of, if it is one of them.
    auto narrow = [&named](const QVector<int>& ids) {
        QVector<int> both;
        std::copy_if(ids.begin(), ids.end(), std::back_inserter(both),
                     [&](int id) { return named.contains(id); });
        return both.isEmpty() ? ids : both;
    };

    QVector<int> found;
    if (localeTexts.isEmpty())
        Index(formatter, localeTexts);
    if (!(found = keep(localeTexts.value(text))).isEmpty())
        return narrow(found);
    if (english != nullptr) {
        if (englishTexts.isEmpty())
            Index(*english, englishTexts);
        if (!(found = keep(englishTexts.value(text))).isEmpty())
            return narrow(found);
    }
    if (!named.isEmpty())
        return named;
    return keep(FindByParsing(text));
}

int UnitResolver::SpelledLike(const QString& text, const QVector<int>& found) const {
    const QString letters = Letters(text);
    for (int id : found) {
        std::vector<int> symbols =
            UnitCatalogue::IsUnit(id) ? UnitCatalogue::Symbols(id) : std::vector<int>{id};
        for (int symbol : symbols) {
            if (Letters(UnitCatalogue::DisplayName(formatter, symbol)) == letters ||
                (english != nullptr &&
                 Letters(UnitCatalogue::DisplayName(*english, symbol)) == letters))
                return symbol;
        }
    }
    return found[0];
}

QVector<int> UnitResolver::FindByParsing(const QString& text) const {
    const std::wstring quantity = (QLatin1String("1 ") + text).toStdWString();
    const UnitsConfig* config = UnitsConfig::GetInstance();
    QVector<int> found;
    for (int group : UnitCatalogue::Groups()) {
        std::vector<int> units = UnitCatalogue::Units(group);
        double value = 0;
        if (units.empty() || formatter.Parse(quantity.c_str(), value, units[0]) != ecSuccess)
            continue;
        const UnitConverter* first = config->FindConverter(units[0]);
        double base = 0;
        if (first->ToBase(value, &base, first->GetDimTag()) != ecSuccess)
            continue;
        for (int unit : units) {
            const UnitConverter* converter = config->FindConverter(unit);
            double one = 0;
            if (converter->ToBase(1.0, &one, converter->GetDimTag()) == ecSuccess &&
                Close(one, base))
                found.append(unit);
        }
    }
    return found;
}

void UnitResolver::Index(const UnitsFormatter& formatter, TextIndex& index) {
    auto add = [&](int id) {
        QString name = UnitCatalogue::DisplayName(formatter, id);
        if (!name.isEmpty())
            index[name].append(id);
    };
    for (int group : UnitCatalogue::Groups()) {
        add(group);
        for (int unit : UnitCatalogue::Units(group)) {
            add(unit);
            for (int symbol : UnitCatalogue::Symbols(unit))
                add(symbol);
        }
    }
}
