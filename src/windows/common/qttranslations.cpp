#include "windows/common/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace norvex5 {

namespace {

// Qt names its translations after locales; English needs none, Qt's texts are English already.
// Portuguese is asked for without a country: Qt may ship only the Brazilian translation, which
// serves a player from Portugal better than English does.
QString localeOf(int languageCode) {
    switch (languageCode) {
        case 1: return QStringLiteral("fr_FR");
        case 3: return QStringLiteral("pt");
        case 4: return QStringLiteral("es_ES");
        case 5: return QStringLiteral("it_IT");
        case 6: return QStringLiteral("hr_HR");
        case 7: return QStringLiteral("de_DE");
        default: return {};
    }
}

// Owned by the application, so it never outlives it.
QPointer<QTranslator> applied;

}  // namespace

QLocale languageLocale(int languageCode) {
    const QString locale = localeOf(languageCode);
    return locale.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedKingdom) : QLocale(locale);
}

void applyQtTranslations(int languageCode) {
    if (applied) {
        QCoreApplication::removeTranslator(applied);
        delete applied;
    }
    const QString locale = localeOf(languageCode);
    if (locale.isEmpty()) return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    applied = translator;
}

}  // namespace norvex5
