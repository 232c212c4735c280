#include "TestEnvironment.h"

#include <ViVuzaZadurUI/LCIDUtil.h>
#include <ViVuzaZadurUI/LocaleUtil.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTextStream>

using velmar::platform::core::locale::LCIDUtil;
using velmar::platform::core::locale::LocaleUtil;

namespace {

struct ListedLocale {
    QString name;
    unsigned long lcid;
    QString threeLetterName;
};

// The locale listing kept with the test data, read independently of the library's table.
std::vector<ListedLocale> ReadListing() {
    std::vector<ListedLocale> rows;
    QFile file(vvztest::TestDataDir() + QStringLiteral("/locales.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    QTextStream in(&file);
    while (!in.atEnd()) {
        QString line = in.readLine();
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 3)
            rows.push_back({fields[0], fields[1].toULong(nullptr, 16), fields[2]});
    }
    return rows;
}

TEST(LocaleTable, EveryListedLocaleConvertsBothWays) {
    vvztest::LocaleEnvironment environment;
    environment.Set("LANG", "C");
    std::vector<ListedLocale> rows = ReadListing();
    ASSERT_EQ(rows.size(), 234u);
    QSet<QString> names;
    QSet<unsigned long> lcids;
    for (const ListedLocale& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        names.insert(row.name.toLower());
        lcids.insert(row.lcid);
        EXPECT_EQ(QString::fromLatin1(LocaleUtil::LCIDToLocaleName(row.lcid)), row.name);
        EXPECT_EQ(QString::fromLatin1(LCIDUtil::LCIDToLocaleName(row.lcid)), row.name);
        EXPECT_EQ(LocaleUtil::LocaleNameToLCID(row.name), row.lcid);
        EXPECT_EQ(LocaleUtil::LocaleNameToLCID(row.name.toUpper()), row.lcid);
        EXPECT_EQ(QString::fromLatin1(LocaleUtil::LCIDToThreeLetterISOLanguageName(row.lcid)),
                  row.threeLetterName);
        EXPECT_EQ(QString::fromLatin1(
                      LocaleUtil::LocaleNameToThreeLetterISOLanguageName(row.name.toLower())),
                  row.threeLetterName);
    }
    EXPECT_EQ(names.size(), 234);
    EXPECT_EQ(lcids.size(), 234);
}

TEST(LocaleTable, NamesAndLcidsWithoutRow) {
    vvztest::LocaleEnvironment environment;
    environment.Set("LANG", "fr_CA.UTF-8");
    EXPECT_STREQ(LocaleUtil::LCIDToLocaleName(0x1234), "");
    EXPECT_STREQ(LCIDUtil::LCIDToLocaleName(0x0C00), "");
    EXPECT_STREQ(LocaleUtil::LCIDToThreeLetterISOLanguageName(0x1234), "");
    EXPECT_STREQ(LocaleUtil::LocaleNameToThreeLetterISOLanguageName(QStringLiteral("xx-YY")), "");
    EXPECT_STREQ(LocaleUtil::LocaleNameToThreeLetterISOLanguageName(QString()), "");
    // The user's default (fr-CA) stands in for names without a row.
    for (const char* name : {"", "C", "c", "xx-YY", "en-US-extra"})
        EXPECT_EQ(LocaleUtil::LocaleNameToLCID(QString::fromLatin1(name)), 0x0C0Cu) << name;
}

} // namespace
