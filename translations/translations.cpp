#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

constexpr char CataloguePrefix[] = "glyphsmith_";

bool isEnglish(const QString &language)
{
    // "C" and "POSIX" are what uiLanguages() gives for a locale that names no language.
    return language == QLatin1String("en") || language == QLatin1String("C") ||
           language == QLatin1String("POSIX");
}

} // namespace

namespace Translations {

QStringList available()
{
    QStringList languages;
    const QStringList files =
        QDir(QLatin1String(ResourceFolder))
            .entryList({QLatin1String(CataloguePrefix) + QLatin1String("*.qm")}, QDir::Files,
                       QDir::Name);
    for (QString file : files) {
        file.chop(3);
        languages.append(file.mid(qsizetype(sizeof CataloguePrefix) - 1));
    }
    return languages;
}

QString choose(const QStringList &uiLanguages, const QStringList &available)
{
    for (QString tag : uiLanguages) {
        tag.replace(u'_', u'-');
        // A locale's codeset or modifier ("de_DE.UTF-8", "ca@valencia") is no part of its name.
        tag = tag.section(u'.', 0, 0).section(u'@', 0, 0);
        while (!tag.isEmpty()) {
            if (isEnglish(tag))
                return {};
            if (available.contains(tag))
                return tag;
            const qsizetype dash = tag.lastIndexOf(u'-');
            tag.truncate(dash < 0 ? 0 : dash);
        }
    }
    return {};
}

bool install(QObject *owner, const QString &language, bool withQt)
{
    auto *own = new QTranslator(owner);
    if (!own->load(QLatin1String(CataloguePrefix) + language, QLatin1String(ResourceFolder))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    if (withQt) {
        auto *qt = new QTranslator(owner);
        if (qt->load(QLatin1String("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    return true;
}

QString installForUser(QCoreApplication &app, bool withQt)
{
    const QString language = choose(QLocale::system().uiLanguages(), available());
    if (!language.isEmpty() && !install(&app, language, withQt))
        return {};
    return language;
}

} // namespace Translations
