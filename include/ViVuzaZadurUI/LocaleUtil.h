#pragma once

#include <ViVuzaZadurUI/Export.h>

#include <QString>

class QTranslator;

namespace velmar::platform::core::locale {

// Conversions between culture names ("en-US"), Windows LCIDs, three-letter language names and
// Qt locale names, through the library's table of 234 locales; and the search, installation
// and use of the library's translation files.
//
// The const char* results point into the locale table (or at a static empty string) and stay
// valid while the library is loaded.
class VIVUZAZADURUI_EXPORT LocaleUtil {
public:
    // The culture name of an LCID; "" when no row has it.
    static const char* LCIDToLocaleName(unsigned long lcid);
    // The LCID of a culture name (any case); the user's default LCID when the name is empty,
    // is "C" or has no row.
    static unsigned long LocaleNameToLCID(const QString& name);
    // The three-letter language name of an LCID or culture name; "" when no row matches.
    static const char* LCIDToThreeLetterISOLanguageName(unsigned long lcid);
    static const char* LocaleNameToThreeLetterISOLanguageName(const QString& name);
    // The Qt form of a culture name: dashes become underscores, and a region that repeats the
    // language collapses to the language (de-DE gives de, de-AT gives de_AT).
    static QString LocaleNameToQtLocaleName(const QString& name);
    // The culture name of the user's default LCID; empty when that LCID has no row.
    static QString GetCurrentSystemLocale();

    // The translation file of a module for a locale, or an empty string. With a translator
    // files path only that folder is looked at; otherwise the application folder, its locale
    // subfolder, the folder of the module's loaded shared library and its locale subfolder, and
    // last the installation's data folder share/vivuzazadurui/translations/LOCALE, found from
    // the library's folder as the installation lays them out, in this order. A file name without a "." gets ".qm"; an empty base name takes the module
    // name without its extension. A symbolic link is replaced by its target. Needs a
    // QCoreApplication; without one the result is empty.
    static QString ResolveTranslatorFile(const QString& moduleName, const QString& fileBaseName,
                                         const QString& localeName,
                                         const QString& translatorFilesPath);
    // The target of a symbolic link (one level, cleaned; a relative target is resolved against
    // the folder that holds the link); any other path comes back unchanged.
    static QString GetSymbolicLinkTarget(const QString& path);
    // The translation of sourceText in context by the translator, or by the application's
    // installed translators when the translator has no file loaded; sourceText when neither
    // knows it.
    static QString Translate(const QTranslator& translator, const QString& context,
                             const QString& sourceText);
    // Registers the module with the units manager, which loads and installs its translations
    // application-wide and follows every change of locale or translator files path. False only
    // when there is no units manager.
    static bool InstallTranslator(const QString& moduleName);
};

} // namespace velmar::platform::core::locale
