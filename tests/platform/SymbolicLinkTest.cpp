#include "TestEnvironment.h"

#include <ViVuzaZadurUI/LocaleUtil.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using velmar::platform::core::locale::LocaleUtil;

namespace {

class SymbolicLinkTarget : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        root = QDir::cleanPath(folder.path());
        QDir(root).mkpath(QStringLiteral("sub/deeper"));
        target = root + QStringLiteral("/target.qm");
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString Link(const QString& name, const QString& stored) {
        QString path = root + QLatin1Char('/') + name;
        EXPECT_TRUE(QFile::link(stored, path));
        return path;
    }

    QTemporaryDir folder;
    QString root;
    QString target;
};

TEST_F(SymbolicLinkTarget, TargetIsReturnedCleanedOneLevelDeep) {
    QString link = Link(QStringLiteral("absolute.qm"), root + QStringLiteral("/sub/../target.qm"));
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(link), target);
    // A relative target resolves against the link's folder.
    QString relative =
        Link(QStringLiteral("sub/deeper/relative.qm"), QStringLiteral("../../target.qm"));
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(relative), target);
    QString sibling = Link(QStringLiteral("sub/sibling.qm"), QStringLiteral("./deeper/x.qm"));
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(sibling),
              root + QStringLiteral("/sub/deeper/x.qm"));
    // Only one level is followed.
    QString first = Link(QStringLiteral("first.qm"), target);
    QString second = Link(QStringLiteral("second.qm"), first);
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(second), first);
}

TEST_F(SymbolicLinkTarget, AnythingButALinkComesBackUnchanged) {
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(target), target);
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(root), root);
    QString missing = root + QStringLiteral("/missing/../none.qm");
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(missing), missing);
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(QString()), QString());
}

TEST_F(SymbolicLinkTarget, DanglingLoopingAndLongLinksGiveTheirStoredTarget) {
    QString dangling = Link(QStringLiteral("dangling.qm"), QStringLiteral("nowhere.qm"));
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(dangling), root + QStringLiteral("/nowhere.qm"));
    QString a = root + QStringLiteral("/a.qm");
    QString b = root + QStringLiteral("/b.qm");
    ASSERT_TRUE(QFile::link(b, a));
    ASSERT_TRUE(QFile::link(a, b));
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(a), b);
    // A very long stored target is read whole.
    QString longName = root + QLatin1Char('/') + QString(200, QLatin1Char('n')) + QLatin1Char('/') +
                       QString(200, QLatin1Char('m')) + QStringLiteral(".qm");
    QString link = Link(QStringLiteral("long.qm"), longName);
    EXPECT_EQ(LocaleUtil::GetSymbolicLinkTarget(link), longName);
}

} // namespace
