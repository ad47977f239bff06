#include "wording/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace lumeris {

namespace {

// Named here rather than through the application's organisation name, which would also move
// the program's data folder: ~/.config/lumeris/lumeris.conf.
const char* const SettingsOwner = "lumeris";
const char* const LanguageKey = "language";

void install(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication& app, Language language) {
    const QString code = languageCode(language);
    install(app, "qt_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // The wordings are written in Russian: only other languages need the program's own.
    if (language != Language::Russian)
        install(app, "lumeris_" + code, ":/i18n");
}

std::vector<std::string> systemUiLanguages() {
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages())
        languages.push_back(language.toStdString());
    return languages;
}

std::optional<Language> storedLanguage() {
    const QSettings settings(SettingsOwner, SettingsOwner);
    return languageNamed(settings.value(LanguageKey).toString().toStdString());
}

void storeLanguage(Language language) {
    QSettings settings(SettingsOwner, SettingsOwner);
    settings.setValue(LanguageKey, languageCode(language));
}

} // namespace lumeris
