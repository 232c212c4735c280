#include "TestEnvironment.h"

#include "locale/TranslationLookup.h"

#include <ViVuzaZadurUI/LocaleUtil.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <unistd.h>

#include <memory>
#include <vector>

using velmar::platform::core::locale::LocaleUtil;
using velmar::platform::core::locale::ResolveStampedTranslatorFile;
namespace os = velmar::platform::core::os;
using velmar::platform::core::units::UnitsManager;

extern "C" int VvzTestModuleMarker();

namespace {

const QString kModule = QStringLiteral("VvzTestModule");
const QString kLocale = QStringLiteral("de-DE");

// A file base name no other test (or test process) uses.
QString UniqueBaseName() {
    static int counter = 0;
    return QStringLiteral("vvz_resolve_%1_%2").arg(getpid()).arg(++counter);
}

QString ApplicationDir() {
    return QCoreApplication::applicationDirPath();
}

// The file of a base name in a folder.
QString Qm(const QString& folder, const QString& baseName) {
    return folder + QLatin1Char('/') + baseName + QStringLiteral(".qm");
}

// The file the search finds for the test module's locale (or another module or locale).
QString Resolve(const QString& baseName, const QString& path, const QString& module = kModule,
                const QString& locale = kLocale) {
    return LocaleUtil::ResolveTranslatorFile(module, baseName, locale, path);
}

// The four folders searched without a translator files path, in search order.
QString SearchFolder(int index) {
    QString folder = index < 2 ? ApplicationDir() : vvztest::TestModuleDir();
    return index % 2 == 0 ? folder : folder + QLatin1Char('/') + kLocale;
}

// The search that also stamps the file finds what ResolveTranslatorFile finds, and stamps it as
// StampOf does.
void ExpectStampedSearchAgrees(const QString& baseName, const QString& path) {
    os::FileStamp stamp;
    stamp.size = 12345;
    QString found = ResolveStampedTranslatorFile(kModule, baseName, kLocale, path, &stamp);
    QString expected = Resolve(baseName, path);
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(stamp == os::StampOf(expected)) << found.toStdString();
}

// Every combination of the four places holding the file: the first in search order wins.
TEST(ResolveTranslatorFile, FirstFolderHoldingTheFileWins) {
    for (int present = 0; present < 16; ++present) {
        SCOPED_TRACE(present);
        QString baseName = UniqueBaseName();
        std::vector<std::unique_ptr<vvztest::ScopedFile>> files;
        int expected = -1;
        for (int i = 0; i < 4; ++i)
            if (present & (1 << i)) {
                files.push_back(
                    std::make_unique<vvztest::ScopedFile>(Qm(SearchFolder(i), baseName)));
                if (expected < 0)
                    expected = i;
            }
        EXPECT_EQ(Resolve(baseName, QString()),
                  expected < 0 ? QString() : Qm(SearchFolder(expected), baseName));
        ExpectStampedSearchAgrees(baseName, QString());
    }
}

// A translator files path is the only folder searched, whatever the locale; names with a dot
// are used unchanged, an empty name takes the module's, and a symbolic link gives its target.
TEST(ResolveTranslatorFile, TranslatorFilesPathAndFileNameRules) {
    QTemporaryDir folder;
    QString path = folder.path();
    QString baseName = UniqueBaseName();
    vvztest::ScopedFile inApplication(Qm(ApplicationDir(), baseName));
    EXPECT_TRUE(Resolve(baseName, path).isEmpty());
    ExpectStampedSearchAgrees(baseName, path);
    vvztest::ScopedFile inPath(Qm(path, baseName));
    ExpectStampedSearchAgrees(baseName, path);
    for (const char* locale : {"de-DE", "fr-FR", ""})
        EXPECT_EQ(Resolve(baseName, path, kModule, QString::fromLatin1(locale)), inPath.Path());

    vvztest::ScopedFile versioned(path + QStringLiteral("/names.v2"));
    vvztest::ScopedFile dotted(path + QStringLiteral("/names.v2.qm"));
    vvztest::ScopedFile fromModule(path + QStringLiteral("/Plugin.qm"));
    EXPECT_EQ(Resolve(QStringLiteral("names.v2"), path), versioned.Path());
    EXPECT_EQ(Resolve(QString(), path, QStringLiteral("Plugin.dll")), fromModule.Path());
    EXPECT_EQ(Resolve(QString(), path, QStringLiteral("Plugin")), fromModule.Path());
    EXPECT_TRUE(Resolve(QStringLiteral("Plugin"), path, QString()).isEmpty());

    QString target = path + QStringLiteral("/real/strings.qm");
    vvztest::ScopedFile file(target);
    ASSERT_TRUE(
        QFile::link(QStringLiteral("real/strings.qm"), path + QStringLiteral("/linked.qm")));
    EXPECT_EQ(Resolve(QStringLiteral("linked"), path), target);
    ASSERT_TRUE(QFile::link(QStringLiteral("gone.qm"), path + QStringLiteral("/dangling.qm")));
    EXPECT_TRUE(Resolve(QStringLiteral("dangling"), path).isEmpty());
    ASSERT_TRUE(
        QFile::link(path + QStringLiteral("/loop2.qm"), path + QStringLiteral("/loop1.qm")));
    ASSERT_TRUE(
        QFile::link(path + QStringLiteral("/loop1.qm"), path + QStringLiteral("/loop2.qm")));
    EXPECT_TRUE(Resolve(QStringLiteral("loop1"), path).isEmpty());
    for (const char* name : {"linked", "dangling", "loop1"})
        ExpectStampedSearchAgrees(QString::fromLatin1(name), path);
}

TEST(ResolveTranslatorFile, ModuleNamesThatMatchNoLoadedLibrary) {
    // The test module is a real shared library loaded from its own folder (the call keeps the
    // linker from dropping it).
    ASSERT_EQ(VvzTestModuleMarker(), 42);
    QString baseName = UniqueBaseName();
    vvztest::ScopedFile inModule(Qm(vvztest::TestModuleDir(), baseName));
    // The module's library is found with or without ".dll", in any case of the suffix.
    EXPECT_EQ(Resolve(baseName, QString(), kModule + QStringLiteral(".DLL")), inModule.Path());
    for (const QString& module :
         {QStringLiteral("VvzTestModul"), QStringLiteral("NoSuchModule.dll"), QString(5000, 'x')})
        EXPECT_TRUE(Resolve(baseName, QString(), module).isEmpty());
}

// A file rewritten in place, or replaced by another, is stamped anew.
TEST(FileStamp, ChangesWhenTheFileIsRewrittenOrReplaced) {
    QTemporaryDir folder;
    QString path = folder.path() + QStringLiteral("/names.qm");
    EXPECT_TRUE(os::StampOf(path) == os::FileStamp()) << "no file";
    auto write = [&](const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    };
    write("first");
    os::FileStamp first = os::StampOf(path);
    EXPECT_FALSE(first == os::FileStamp());
    EXPECT_TRUE(os::StampOf(path) == first);
    write("second");
    os::FileStamp rewritten = os::StampOf(path);
    EXPECT_FALSE(rewritten == first) << "another size";
    QString other = folder.path() + QStringLiteral("/other.qm");
    ASSERT_TRUE(QFile::copy(path, other));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(other, path));
    EXPECT_FALSE(os::StampOf(path) == rewritten) << "another file of the same size";
}

QString Greeting() {
    return QCoreApplication::translate("Greeting", "hello");
}

class InstalledTranslator : public ::testing::Test {
protected:
    void TearDown() override { UnitsManager::Uninitialize(); }
    static void SetLocale(const wchar_t* locale) {
        ASSERT_TRUE(UnitsManager::GetInstance()->SetCurrentLocale(locale));
    }
    static void SetPath(const QString& path) {
        ASSERT_TRUE(
            UnitsManager::GetInstance()->SetTranslatorFilesPath(path.toStdWString().c_str()));
    }
};

TEST_F(InstalledTranslator, TranslatesAndFollowsLocaleAndFolder) {
    SetLocale(L"de-DE");
    EXPECT_EQ(Greeting(), QStringLiteral("hello"));
    ASSERT_TRUE(LocaleUtil::InstallTranslator(kModule));
    EXPECT_EQ(Greeting(), QStringLiteral("hallo"));
    SetLocale(L"fr-FR");
    EXPECT_EQ(Greeting(), QStringLiteral("bonjour"));
    // No file for Italian: what was loaded stays installed.
    SetLocale(L"it-IT");
    EXPECT_EQ(Greeting(), QStringLiteral("bonjour"));
    SetPath(vvztest::TestModuleDir() + QStringLiteral("/alt"));
    EXPECT_EQ(Greeting(), QStringLiteral("servus"));
    SetLocale(L"de-DE");
    SetPath(QString());
    EXPECT_EQ(Greeting(), QStringLiteral("hallo"));
    // Uninitialize removes the translator from the application.
    UnitsManager::Uninitialize();
    EXPECT_EQ(Greeting(), QStringLiteral("hello"));
    // Module names differing in case share one translator.
    SetLocale(L"fr-FR");
    ASSERT_TRUE(LocaleUtil::InstallTranslator(kModule));
    // A translator created for this spelling would look for libvvztestmodule.so and find
    // nothing; the first registration keeps serving.
    ASSERT_TRUE(LocaleUtil::InstallTranslator(kModule.toLower()));
    SetLocale(L"de-DE");
    EXPECT_EQ(Greeting(), QStringLiteral("hallo"));
}

TEST_F(InstalledTranslator, NoReloadWhenTheFileStaysTheSame) {
    QTemporaryDir first;
    QTemporaryDir second;
    QString module = vvztest::TestModuleDir();
    ASSERT_TRUE(
        QFile::copy(Qm(module + QStringLiteral("/de-DE"), kModule), Qm(first.path(), kModule)));
    ASSERT_TRUE(
        QFile::copy(Qm(module + QStringLiteral("/fr-FR"), kModule), Qm(second.path(), kModule)));
    SetLocale(L"de-DE");
    SetPath(first.path());
    ASSERT_TRUE(LocaleUtil::InstallTranslator(kModule));
    EXPECT_EQ(Greeting(), QStringLiteral("hallo"));
    // Same folder, new content: a change of locale resolves the same file and does not load it
    // again.
    ASSERT_TRUE(QFile::remove(Qm(first.path(), kModule)));
    ASSERT_TRUE(
        QFile::copy(Qm(module + QStringLiteral("/alt"), kModule), Qm(first.path(), kModule)));
    SetLocale(L"fr-FR");
    EXPECT_EQ(Greeting(), QStringLiteral("hallo"));
    SetPath(second.path());
    EXPECT_EQ(Greeting(), QStringLiteral("bonjour"));
}

TEST(Translate, UsesTheTranslatorThenTheApplicationThenTheSource) {
    QTranslator loaded;
    ASSERT_TRUE(loaded.load(vvztest::TestModuleDir() + QStringLiteral("/fr-FR/VvzTestModule.qm")));
    QTranslator empty;
    auto translate = [](const QTranslator& translator, const char* context, const char* source) {
        return LocaleUtil::Translate(translator, QString::fromLatin1(context),
                                     QString::fromLatin1(source));
    };
    EXPECT_EQ(translate(loaded, "Greeting", "hello"), QStringLiteral("bonjour"));
    EXPECT_EQ(translate(loaded, "Greeting", "bye"), QStringLiteral("bye"));
    EXPECT_EQ(translate(empty, "Greeting", "hello"), QStringLiteral("hello"));
    QTranslator application;
    ASSERT_TRUE(
        application.load(vvztest::TestModuleDir() + QStringLiteral("/de-DE/VvzTestModule.qm")));
    QCoreApplication::installTranslator(&application);
    EXPECT_EQ(translate(empty, "Greeting", "hello"), QStringLiteral("hallo"));
    // A translator with a file does not consult the application.
    EXPECT_EQ(translate(loaded, "Greeting", "hello"), QStringLiteral("bonjour"));
    EXPECT_EQ(translate(empty, "Other", "hello"), QStringLiteral("hello"));
    QCoreApplication::removeTranslator(&application);
}

} // namespace
