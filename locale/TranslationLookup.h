#pragma once

#include "platform/FileStamp.h"

#include <QString>

class QTranslator;

namespace velmar::platform::core::locale {

// The translation lookup behind LocaleUtil::Translate, for callers that already hold UTF-8
// texts: the translator, or the application's installed translators when the translator has
// no file loaded; sourceText when neither knows it.
QString TranslateUtf8(const QTranslator& translator, const char* context, const char* sourceText);

// The same lookup of the numerus form that the integer n takes (form 0, the dictionary form,
// for n = -1), with the answer as it comes: a translator gives an empty text for a text it does
// not know, and for a text of one form for every number when n takes another form.
QString TranslateFormUtf8(const QTranslator& translator, const char* context,
                          const char* sourceText, int n);

// LocaleUtil::ResolveTranslatorFile of a ".qm" file (fileBaseName without extension), with the
// stamp of the file found, or the empty stamp when none is. The same search with fewer looks:
// a plain file or its absence in the translator files path or the application's folders is
// seen by one look at it; a symbolic link, or a search that goes on to the module's folder,
// takes the full way.
QString ResolveStampedTranslatorFile(const QString& moduleName, const QString& fileBaseName,
                                     const QString& localeName, const QString& translatorFilesPath,
                                     os::FileStamp* stamp);

} // namespace velmar::platform::core::locale
