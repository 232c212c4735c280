#pragma once

#include <QString>

class QTranslator;

namespace velmar::platform::core::locale {

// The translation lookup behind LocaleUtil::Translate, for callers that already hold UTF-8
// texts: the translator, or the application's installed translators when the translator has
// no file loaded; sourceText when neither knows it.
QString TranslateUtf8(const QTranslator& translator, const char* context, const char* sourceText);

} // namespace velmar::platform::core::locale
