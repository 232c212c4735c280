#include "platform/LocaleTable.h"

#include <QStringList>

namespace velmar::platform::core::os {

// Culture name, three-letter language name, LCID. No two rows share a name (in any case) or
// an LCID.
const LocaleRecord kLocaleTable[kLocaleCount] = {
    {"af", "afr", 0x0036},         {"af-ZA", "afr", 0x0436},      {"ar", "ara", 0x0001},
    {"ar-AE", "ara", 0x3801},      {"ar-BH", "ara", 0x3C01},      {"ar-DZ", "ara", 0x1401},
    {"ar-EG", "ara", 0x0C01},      {"ar-IQ", "ara", 0x0801},      {"ar-JO", "ara", 0x2C01},
    {"ar-KW", "ara", 0x3401},      {"ar-LB", "ara", 0x3001},      {"ar-LY", "ara", 0x1001},
    {"ar-MA", "ara", 0x1801},      {"arn-CL", "arn", 0x047A},     {"ar-OM", "ara", 0x2001},
    {"ar-QA", "ara", 0x4001},      {"ar-SA", "ara", 0x0401},      {"ar-SY", "ara", 0x2801},
    {"ar-TN", "ara", 0x1C01},      {"ar-YE", "ara", 0x2401},      {"az", "aze", 0x002C},
    {"az-Cyrl-AZ", "aze", 0x082C}, {"az-Latn-AZ", "aze", 0x042C}, {"be", "bel", 0x0023},
    {"be-BY", "bel", 0x0423},      {"bg", "bul", 0x0002},         {"bg-BG", "bul", 0x0402},
    {"bs-Cyrl-BA", "bs", 0x201A},  {"bs-Latn-BA", "bs", 0x141A},  {"ca", "cat", 0x0003},
    {"ca-ES", "cat", 0x0403},      {"cs", "csy", 0x0005},         {"cs-CZ", "csy", 0x0405},
    {"cy-GB", "cy", 0x0452},       {"da", "dan", 0x0006},         {"da-DK", "dan", 0x0406},
    {"de", "deu", 0x0007},         {"de-AT", "deu", 0x0C07},      {"de-CH", "deu", 0x0807},
    {"de-DE", "deu", 0x0407},      {"de-LI", "deu", 0x1407},      {"de-LU", "deu", 0x1007},
    {"dv", "div", 0x0065},         {"dv-MV", "div", 0x0465},      {"el", "ell", 0x0008},
    {"el-GR", "ell", 0x0408},      {"en", "eng", 0x0009},         {"en-029", "eng", 0x2409},
    {"en-AU", "eng", 0x0C09},      {"en-BZ", "eng", 0x2809},      {"en-CA", "eng", 0x1009},
    {"en-GB", "eng", 0x0809},      {"en-IE", "eng", 0x1809},      {"en-JM", "eng", 0x2009},
    {"en-NZ", "eng", 0x1409},      {"en-PH", "eng", 0x3409},      {"en-TT", "eng", 0x2C09},
    {"en-US", "eng", 0x0409},      {"en-ZA", "eng", 0x1C09},      {"en-ZW", "eng", 0x3009},
    {"es", "esp", 0x000A},         {"es-AR", "esp", 0x2C0A},      {"es-BO", "esp", 0x400A},
    {"es-CL", "esp", 0x340A},      {"es-CO", "esp", 0x240A},      {"es-CR", "esp", 0x140A},
    {"es-DO", "esp", 0x1C0A},      {"es-EC", "esp", 0x300A},      {"es-ES", "esp", 0x0C0A},
    {"es-GT", "esp", 0x100A},      {"es-HN", "esp", 0x480A},      {"es-MX", "esp", 0x080A},
    {"es-NI", "esp", 0x4C0A},      {"es-PA", "esp", 0x180A},      {"es-PE", "esp", 0x280A},
    {"es-PR", "esp", 0x500A},      {"es-PY", "esp", 0x3C0A},      {"es-SV", "esp", 0x440A},
    {"es-UY", "esp", 0x380A},      {"es-VE", "esp", 0x200A},      {"et", "est", 0x0025},
    {"et-EE", "est", 0x0425},      {"eu", "eus", 0x002D},         {"eu-ES", "eus", 0x042D},
    {"fa", "fas", 0x0029},         {"fa-IR", "fas", 0x0429},      {"fi", "fin", 0x000B},
    {"fi-FI", "fin", 0x040B},      {"fil-PH", "fil", 0x0464},     {"fo", "fao", 0x0038},
    {"fo-FO", "fao", 0x0438},      {"fr", "fra", 0x000C},         {"fr-BE", "fra", 0x080C},
    {"fr-CA", "fra", 0x0C0C},      {"fr-CH", "fra", 0x100C},      {"fr-FR", "fra", 0x040C},
    {"fr-LU", "fra", 0x140C},      {"fr-MC", "fra", 0x180C},      {"fy-NL", "fy", 0x0462},
    {"ga-IE", "ga", 0x083C},       {"gl", "glg", 0x0056},         {"gl-ES", "glg", 0x0456},
    {"gu", "guj", 0x0047},         {"gu-IN", "guj", 0x0447},      {"he", "heb", 0x000D},
    {"he-IL", "heb", 0x040D},      {"hi", "hin", 0x0039},         {"hi-IN", "hin", 0x0439},
    {"hr", "hrv", 0x001A},         {"hr-BA", "hr", 0x101A},       {"hr-HR", "hrv", 0x041A},
    {"hu", "hun", 0x000E},         {"hu-HU", "hun", 0x040E},      {"hy", "hye", 0x002B},
    {"hy-AM", "hye", 0x042B},      {"id", "ind", 0x0021},         {"id-ID", "ind", 0x0421},
    {"is", "isl", 0x000F},         {"is-IS", "isl", 0x040F},      {"it", "ita", 0x0010},
    {"it-CH", "ita", 0x0810},      {"it-IT", "ita", 0x0410},      {"iu-Latn-CA", "iu", 0x085D},
    {"ja", "jpn", 0x0011},         {"ja-JP", "jpn", 0x0411},      {"ka", "kat", 0x0037},
    {"ka-GE", "kat", 0x0437},      {"kk", "kaz", 0x003F},         {"kk-KZ", "kaz", 0x043F},
    {"kn", "kan", 0x004B},         {"kn-IN", "kan", 0x044B},      {"ko", "kor", 0x0012},
    {"kok", "kok", 0x0057},        {"kok-IN", "kok", 0x0457},     {"ko-KR", "kor", 0x0412},
    {"ky", "kir", 0x0040},         {"ky-KG", "kir", 0x0440},      {"lb-LU", "lb", 0x046E},
    {"lt", "lit", 0x0027},         {"lt-LT", "lit", 0x0427},      {"lv", "lav", 0x0026},
    {"lv-LV", "lav", 0x0426},      {"mi-NZ", "mi", 0x0481},       {"mk", "mkd", 0x002F},
    {"mk-MK", "mkd", 0x042F},      {"mn", "mon", 0x0050},         {"mn-MN", "mon", 0x0450},
    {"moh-CA", "moh", 0x047C},     {"mr", "mar", 0x004E},         {"mr-IN", "mar", 0x044E},
    {"ms", "msa", 0x003E},         {"ms-BN", "msa", 0x083E},      {"ms-MY", "msa", 0x043E},
    {"mt-MT", "mt", 0x043A},       {"nb-NO", "nob", 0x0414},      {"nl", "nld", 0x0013},
    {"nl-BE", "nld", 0x0813},      {"nl-NL", "nld", 0x0413},      {"nn-NO", "nno", 0x0814},
    {"no", "nor", 0x0014},         {"ns-ZA", "ns", 0x046C},       {"pa", "pan", 0x0046},
    {"pa-IN", "pan", 0x0446},      {"pl", "plk", 0x0015},         {"pl-PL", "plk", 0x0415},
    {"pt", "ptb", 0x0016},         {"pt-BR", "ptb", 0x0416},      {"pt-PT", "ptb", 0x0816},
    {"quz-BO", "quz", 0x046B},     {"quz-EC", "quz", 0x086B},     {"quz-PE", "quz", 0x0C6B},
    {"rm-CH", "rm", 0x0417},       {"ro", "ron", 0x0018},         {"ro-RO", "ron", 0x0418},
    {"ru", "rus", 0x0019},         {"ru-RU", "rus", 0x0419},      {"sa", "san", 0x004F},
    {"sa-IN", "san", 0x044F},      {"se-FI", "se", 0x0C3B},       {"se-NO", "se", 0x043B},
    {"se-SE", "se", 0x083B},       {"sk", "slk", 0x001B},         {"sk-SK", "slk", 0x041B},
    {"sl", "slv", 0x0024},         {"sl-SI", "slv", 0x0424},      {"sma-NO", "sma", 0x183B},
    {"sma-SE", "sma", 0x1C3B},     {"smj-NO", "smj", 0x103B},     {"smj-SE", "smj", 0x143B},
    {"smn-FI", "smn", 0x243B},     {"sms-FI", "sms", 0x203B},     {"sq", "sqi", 0x001C},
    {"sq-AL", "sqi", 0x041C},      {"sr", "srp", 0x7C1A},         {"sr-Cyrl-BA", "sr", 0x1C1A},
    {"sr-Cyrl-CS", "srp", 0x0C1A}, {"sr-Latn-BA", "sr", 0x181A},  {"sr-Latn-CS", "srp", 0x081A},
    {"sv", "swe", 0x001D},         {"sv-FI", "swe", 0x081D},      {"sv-SE", "swe", 0x041D},
    {"sw", "swa", 0x0041},         {"sw-KE", "swa", 0x0441},      {"syr", "syr", 0x005A},
    {"syr-SY", "syr", 0x045A},     {"ta", "tam", 0x0049},         {"ta-IN", "tam", 0x0449},
    {"te", "tel", 0x004A},         {"te-IN", "tel", 0x044A},      {"th", "tha", 0x001E},
    {"th-TH", "tha", 0x041E},      {"tn-ZA", "tn", 0x0432},       {"tr", "tur", 0x001F},
    {"tr-TR", "tur", 0x041F},      {"tt", "tat", 0x0044},         {"tt-RU", "tat", 0x0444},
    {"uk", "ukr", 0x0022},         {"uk-UA", "ukr", 0x0422},      {"ur", "urd", 0x0020},
    {"ur-PK", "urd", 0x0420},      {"uz", "uzb", 0x0043},         {"uz-Cyrl-UZ", "uzb", 0x0843},
    {"uz-Latn-UZ", "uzb", 0x0443}, {"vi", "vie", 0x002A},         {"vi-VN", "vie", 0x042A},
    {"xh-ZA", "xh", 0x0434},       {"zh-CHS", "chs", 0x0004},     {"zh-CHT", "cht", 0x7C04},
    {"zh-CN", "chs", 0x0804},      {"zh-HK", "cht", 0x0C04},      {"zh-MO", "cht", 0x1404},
    {"zh-SG", "cht", 0x1004},      {"zh-TW", "cht", 0x0404},      {"zu-ZA", "zu", 0x0435},
};

const LocaleRecord* FindLocaleByName(const QString& name) {
    for (const LocaleRecord& record : kLocaleTable)
        if (name.compare(QLatin1String(record.cultureName), Qt::CaseInsensitive) == 0)
            return &record;
    return nullptr;
}

const LocaleRecord* FindLocaleByLcid(unsigned long lcid) {
    for (const LocaleRecord& record : kLocaleTable)
        if (record.lcid == lcid)
            return &record;
    return nullptr;
}

QString QtLocaleName(const QString& cultureName) {
    QString qtName = cultureName;
    qtName.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList parts = qtName.split(QLatin1Char('_'));
    if (parts.size() >= 2 && parts[0].compare(parts[1], Qt::CaseInsensitive) == 0)
        return parts[0];
    return qtName;
}

} // namespace velmar::platform::core::os
