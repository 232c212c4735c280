#pragma once

#include <QString>
#include <QTranslator>

namespace velmar::platform::core::units {

// An application-wide translator of one module, owned by the units manager. It follows the
// manager's current locale and translator files path: Reinstall loads the file that fits them
// and installs the translator in the application.
class Translator : public QTranslator {
public:
    Translator(const QString& moduleName, const QString& fileBaseName);
    ~Translator() override;

    // Loads the module's file for the manager's current locale and path, and installs the
    // translator again. Does nothing without a QCoreApplication or a units manager, when no
    // file is found (what was loaded stays), or when that file is the one loaded last.
    void Reinstall();

    const QString& LoadedFile() const { return loadedFile; }

private:
    bool loaded = false;
    QString moduleName;
    QString fileBaseName;
    QString loadedFile;
};

} // namespace velmar::platform::core::units
