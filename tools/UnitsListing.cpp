#include "UnitsListing.h"

#include "Console.h"
#include "UnitCatalogue.h"

#include <ViVuzaZadurUI/LocaleUtil.h>
#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <vector>

using namespace velmar::platform::core::units;
using velmar::platform::core::locale::LocaleUtil;

namespace {

const QString kNameFile = QStringLiteral("ViVuzaZadurUI");
const QString kEnglish = QStringLiteral("en-US");

} // namespace

void UnitsListing::WriteLine(int id, int indent, const QString& suffix) const {
    Console::WriteLine(QString(indent, QLatin1Char(' ')) + UnitCatalogue::IdText(id) +
                       QLatin1String("  ") +
                       StringUtil::GetUnitGlobalName(id).leftJustified(40 - indent) +
                       QLatin1Char(' ') + UnitCatalogue::DisplayName(formatter, id) + suffix);
}

void UnitsListing::WriteGroups() const {
    for (int group : UnitCatalogue::Groups())
        WriteLine(group, 0);
}

void UnitsListing::WriteGroup(int group) const {
    for (int unit : UnitCatalogue::Units(group)) {
        WriteLine(unit, 0);
        for (int symbol : UnitCatalogue::Symbols(unit))
            WriteLine(symbol, 2);
    }
}

int UnitsListing::WriteSearch(const QString& text) const {
    // The formatter's own locale first, so that a match is shown in it where it can be.
    std::vector<std::unique_ptr<UnitsFormatter>> others;
    std::vector<const UnitsFormatter*> formatters{&formatter};
    for (const QString& locale : ShippedLocales()) {
        if (locale == QString::fromWCharArray(formatter.GetLocale()))
            continue;
        others.push_back(std::make_unique<UnitsFormatter>(locale.toStdWString().c_str()));
        formatters.push_back(others.back().get());
    }

    auto matches = [&](const QString& candidate) {
        return candidate.contains(text, Qt::CaseInsensitive);
    };
    int found = 0;
    for (int group : UnitCatalogue::Groups()) {
        for (int unit : UnitCatalogue::Units(group)) {
            std::vector<int> ids = UnitCatalogue::Symbols(unit);
            ids.insert(ids.begin(), unit);
            QString match;
            for (const UnitsFormatter* localized : formatters) {
                for (size_t i = 0; i < ids.size() && match.isEmpty(); ++i) {
                    QString name = UnitCatalogue::DisplayName(*localized, ids[i]);
                    if (matches(name))
                        match = QString::fromWCharArray(localized->GetLocale()) +
                                QLatin1String(": ") + name;
                }
            }
            for (size_t i = 0; i < ids.size() && match.isEmpty(); ++i)
                if (matches(StringUtil::GetUnitGlobalName(ids[i])))
                    match = QLatin1String("global name: ") + StringUtil::GetUnitGlobalName(ids[i]);
            if (match.isEmpty())
                continue;
            WriteLine(unit, 0, QLatin1String("  (") + match + QLatin1Char(')'));
            ++found;
        }
    }
    return found;
}

QStringList UnitsListing::ShippedLocales() {
    QString file = LocaleUtil::ResolveTranslatorFile(kNameFile, kNameFile, kEnglish, QString());
    QDir folder = QFileInfo(file).dir();
    if (file.isEmpty() || folder.dirName() != kEnglish || !folder.cdUp())
        return {kEnglish};
    QStringList locales;
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (QFileInfo::exists(folder.filePath(name + QLatin1Char('/') + kNameFile + ".qm")))
            locales.append(name);
    return locales;
}
