#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <map>
#include <string>

namespace vvztest {

// Sets locale environment variables for one test and restores them afterwards.
class LocaleEnvironment {
public:
    LocaleEnvironment() {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* value = std::getenv(name);
            saved_[name] = value != nullptr ? std::make_pair(true, std::string(value))
                                            : std::make_pair(false, std::string());
            unsetenv(name);
        }
    }
    ~LocaleEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value.first)
                setenv(name.c_str(), value.second.c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    void Set(const char* name, const char* value) {
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

private:
    std::map<std::string, std::pair<bool, std::string>> saved_;
};

// A file that exists for one test.
class ScopedFile {
public:
    ScopedFile(const QString& path, const QByteArray& content = "x") : path_(path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
    ~ScopedFile() { QFile::remove(path_); }
    const QString& Path() const { return path_; }

private:
    QString path_;
};

// Folders of the build tree that the tests use.
inline QString TestModuleDir() {
    return QStringLiteral(VVZ_TEST_MODULE_DIR);
}
inline QString TestDataDir() {
    return QStringLiteral(VVZ_TEST_DATA_DIR);
}

} // namespace vvztest
