#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace spinora {

// The languages Spinora speaks and the translation that is loaded at start:
// the one chosen in Preferences, else the first of the user's languages
// (LANGUAGE, LC_MESSAGES, LANG) that Spinora has, else English.
class Translations {
public:
    struct Language {
        QString code; // "de", "pt_BR"
        QString name; // in its own language: "Deutsch"
    };
    // English first, then the translations.
    static const std::vector<Language>& languages();

    // The setting: empty for the system's language.
    static QString chosenLanguage();
    static void chooseLanguage(const QString& code);

    // Loads the translation of the chosen or system language (and Qt's own,
    // for the standard buttons) into the application. Answers its code.
    static QString install();

    // Where the compiled translations are: SPINORA_TRANSLATIONS, else the
    // resource folder's "translations".
    static QStringList folders();
};

} // namespace spinora
