#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QObject;

// The program's catalogues (translations/glyphsmith_<language>.ts, built into every program as
// resources) and Qt's own, chosen from the user's UI languages. The English texts are the
// source texts, so English needs no catalogue: a user who prefers English over any language
// that has one sees the program as it is written.
namespace Translations {

// Where the catalogues are among the program's resources.
inline constexpr char ResourceFolder[] = ":/i18n";

// The languages the program carries a catalogue for ("de", "fr").
QStringList available();

// Of `uiLanguages`, most preferred first (as QLocale::uiLanguages() gives them: "de-DE",
// "fr_CH", "C"), the first that is English or one of `available`, trying each without its
// region too ("de-AT" finds "de"). Empty when that is English, or when none is either.
QString choose(const QStringList &uiLanguages, const QStringList &available);

// Installs the catalogue of `language` ("de") and, with `withQt`, Qt's own qtbase catalogue for
// it from Qt's translations folder (the standard buttons, the file dialog, the names of keys).
// The translators are children of `owner`: they stay installed until it is destroyed. Returns
// whether the program's catalogue was found; Qt's may be missing (qt6-translations-l10n).
bool install(QObject *owner, const QString &language, bool withQt = true);

// What every program does at start, before it builds a text: installs, as children of `app`,
// the catalogues of the user's language (QLocale::system().uiLanguages(), which follow
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG). Returns the language chosen, empty for English.
QString installForUser(QCoreApplication &app, bool withQt = true);

} // namespace Translations
