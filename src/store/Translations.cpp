#include "Translations.h"

#include "AppSettings.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace spinora {

namespace {

const char* const kLanguageKey = "interface/language";

// The first language of the list that Spinora has, as its code.
QString firstAvailable(const QStringList& wanted)
{
    for (QString language : wanted) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const Translations::Language& known : Translations::languages()) {
            if (language == known.code || language.section(QLatin1Char('_'), 0, 0) == known.code)
                return known.code;
        }
        // "pt" asks for Brazilian Portuguese, the only Portuguese there is.
        for (const Translations::Language& known : Translations::languages()) {
            if (known.code.section(QLatin1Char('_'), 0, 0) == language.section(QLatin1Char('_'), 0, 0))
                return known.code;
        }
    }
    return QStringLiteral("en");
}

bool load(QTranslator& translator, const QString& name)
{
    for (const QString& folder : Translations::folders()) {
        if (translator.load(name, folder))
            return true;
    }
    return false;
}

} // namespace

const std::vector<Translations::Language>& Translations::languages()
{
    static const std::vector<Language> all = {
        {QStringLiteral("en"), QStringLiteral("English")},       {QStringLiteral("cs"), QStringLiteral("Čeština")},
        {QStringLiteral("da"), QStringLiteral("Dansk")},         {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},       {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},      {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},       {QStringLiteral("sv"), QStringLiteral("Svenska")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
    };
    return all;
}

QString Translations::chosenLanguage()
{
    return appSettings()->value(QLatin1String(kLanguageKey)).toString();
}

void Translations::chooseLanguage(const QString& code)
{
    const auto settings = appSettings();
    if (code.isEmpty())
        settings->remove(QLatin1String(kLanguageKey));
    else
        settings->setValue(QLatin1String(kLanguageKey), code);
    settings->sync();
}

QStringList Translations::folders()
{
    QStringList folders;
    if (const QString given = qEnvironmentVariable("SPINORA_TRANSLATIONS"); !given.isEmpty())
        folders << given;
    folders << Resources::directory() + QStringLiteral("/translations");
    return folders;
}

QString Translations::install()
{
    const QString chosen = chosenLanguage();
    const QString code = firstAvailable(chosen.isEmpty() ? QLocale().uiLanguages() : QStringList{chosen});
    // English has its plural forms in a translation of its own.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (load(*own, QStringLiteral("spinora_") + code))
        QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (code != QLatin1String("en") && qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // Dates, numbers and money keep following the user's locale: a grower
    // may read German and still count in their own currency.
    return code;
}

} // namespace spinora
