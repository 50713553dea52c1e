#include "windowlanguage.h"

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace {

bool prefersEnglish(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        // "en", "en-US" and "en_GB" alike; a language we have no texts for is passed over.
        const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en"))
            return true;
        if (code == QLatin1String("de"))
            return false;
    }
    return false;
}

} // namespace

bool loadWindowTranslation(QTranslator &translator)
{
    // Read here and nowhere else: LANGUAGE, LC_ALL, LC_MESSAGES and LANG on
    // Linux, the display languages on Windows.
    return prefersEnglish(QLocale::system().uiLanguages())
           && translator.load(QStringLiteral(":/translations/function-mapping_en.qm"));
}
