#include "designtext.h"
#include "frmconfig.h"
#include "frmmain.h"
#include "testsupport.h"
#include "translations.h"
#include "workspace.h"

#include "characterscontroller.h"
#include "characterswindow.h"
#include "framescontroller.h"
#include "frameswindow.h"
#include "librarycontroller.h"
#include "librarywindow.h"
#include "spanscontroller.h"
#include "spanwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

#include <map>
#include <memory>

using namespace TestSupport;

namespace {

// One message of a .ts file: what lupdate found in the sources and what a translator wrote.
struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;             // "unfinished", "vanished", "obsolete" or empty
    QStringList translations; // one, or one per plural form
};

using Key = std::tuple<QString, QString, QString>; // context, source, comment

struct Catalogue
{
    QString language;
    std::map<Key, Message> messages;
    QString error;
};

Catalogue readTs(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                catalogue.messages[{message.context, message.source, message.comment}] = message;
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{};
            message.context = context;
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus)
                message.translations = {xml.readElementText()};
        } else if (name == QLatin1String("numerusform")) {
            message.translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        catalogue.error = xml.errorString();
    return catalogue;
}

QString shippedTs(const QString &language)
{
    return QStringLiteral(GLYPHSMITH_SOURCE_DIR "/translations/glyphsmith_%1.ts").arg(language);
}

QString describe(const Message &m)
{
    return QStringLiteral("%1: \"%2\"").arg(m.context, m.source);
}

// %1..%9 as a sorted list (a placeholder may be used twice), and whether %n is there.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression arg(QStringLiteral("%([1-9n])"));
    QStringList found;
    for (auto it = arg.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(1));
    found.sort();
    found.removeDuplicates();
    return found;
}

// The letters a text gives Alt: each single '&' before a letter ("&&" is an ampersand).
QStringList mnemonics(const QString &text)
{
    QStringList letters;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (text.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        letters.append(text.at(i + 1).toLower());
    }
    return letters;
}

// The texts that share Alt and a letter: those of one menu (each submenu on its own), or those
// a window shows at once (its menu titles, buttons, labels of other controls, group boxes).
struct Scope
{
    QString name;
    QStringList texts;
};

void menuScopes(const QMenu *menu, const QString &name, QList<Scope> &scopes)
{
    Scope scope{name, {}};
    for (QAction *action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        scope.texts.append(action->text());
        if (action->menu())
            menuScopes(action->menu(), name + QStringLiteral(" > ") + action->text(), scopes);
    }
    scopes.append(scope);
}

QList<Scope> windowScopes(QWidget *window)
{
    QList<Scope> scopes;
    Scope shown{window->windowTitle(), {}};
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        for (QAction *action : main->menuBar()->actions()) {
            shown.texts.append(action->text());
            if (action->menu())
                menuScopes(action->menu(), shown.name + QStringLiteral(" > ") + action->text(),
                           scopes);
        }
    }
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        auto *tool = qobject_cast<QToolButton *>(widget);
        if (tool && tool->defaultAction())
            continue; // its action's letter belongs to the action's menu
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown.texts.append(button->text());
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            shown.texts.append(label->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            shown.texts.append(group->title());
    }
    scopes.append(shown);
    return scopes;
}

bool shareLetter(const QString &a, const QString &b)
{
    for (const QString &letter : mnemonics(a)) {
        if (mnemonics(b).contains(letter))
            return true;
    }
    return false;
}

// Two texts of a scope that share a letter in `translated` where their English texts do not (the
// English design has a few such pairs of its own, which a translation may keep).
QStringList newClashes(const QList<Scope> &english, const QList<Scope> &translated)
{
    QStringList clashes;
    if (english.size() != translated.size())
        return {QStringLiteral("the windows differ in their menus")};
    for (qsizetype s = 0; s < english.size(); ++s) {
        const QStringList &e = english.at(s).texts;
        const QStringList &t = translated.at(s).texts;
        if (e.size() != t.size()) {
            clashes.append(translated.at(s).name + QStringLiteral(": differs from English"));
            continue;
        }
        for (qsizetype i = 0; i < t.size(); ++i) {
            for (qsizetype j = i + 1; j < t.size(); ++j) {
                if (shareLetter(t.at(i), t.at(j)) && !shareLetter(e.at(i), e.at(j)))
                    clashes.append(QStringLiteral("%1: \"%2\" and \"%3\"")
                                       .arg(translated.at(s).name, t.at(i), t.at(j)));
            }
        }
    }
    return clashes;
}

struct Translator
{
    std::unique_ptr<QObject> owner = std::make_unique<QObject>();
};

} // namespace

// The catalogues against the sources, and the program in German and French.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lupdateSeesEveryText();
    void everySourceTextTranslated_data();
    void everySourceTextTranslated();
    void everyMessageFinished_data();
    void everyMessageFinished();
    void placeholdersKept_data();
    void placeholdersKept();
    void acceleratorsKept_data();
    void acceleratorsKept();
    void builtCatalogueAsWritten_data();
    void builtCatalogueAsWritten();
    void chooseLanguage_data();
    void chooseLanguage();
    void qtOwnCatalogue_data();
    void qtOwnCatalogue();

    void designFitsItsPlace_data();
    void designFitsItsPlace();
    void windowsTranslated();
    void portMessageInTheLanguage_data();
    void portMessageInTheLanguage();
    void acceleratorsUniquePerWindow_data();
    void acceleratorsUniquePerWindow();

private:
    QTemporaryDir m_probeDir;
    Catalogue m_probe;
    QString m_lupdateOutput;
    int m_lupdateExit = -1;
    QStringList m_messages;
    QStringList m_details;
};

// lupdate over the sources as the build's update_translations runs it, into a .ts of its own:
// what the shipped catalogues must hold, no more and no less.
void TestTranslations::initTestCase()
{
    useTemporarySettings();
    QVERIFY(m_probeDir.isValid());
    const QString probe = m_probeDir.filePath(QStringLiteral("probe.ts"));
    QStringList arguments = QStringLiteral(GLYPHSMITH_LUPDATE_OPTIONS).split(u'|');
    arguments += QStringLiteral(GLYPHSMITH_TRANSLATED_DIRS).split(u'|');
    arguments << QStringLiteral("-ts") << probe;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(GLYPHSMITH_SOURCE_DIR));
    lupdate.start(QStringLiteral(GLYPHSMITH_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    m_lupdateExit = lupdate.exitCode();
    m_lupdateOutput =
        QString::fromLocal8Bit(lupdate.readAllStandardOutput() + lupdate.readAllStandardError());
    m_probe = readTs(probe);
    QVERIFY2(m_probe.error.isEmpty(), qPrintable(m_probe.error));
    QVERIFY(m_probe.messages.size() > 500);
}

void TestTranslations::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_messages.clear();
    m_details.clear();
    prompter().onMessageDetail = [this](QWidget *, const QString &text, const QString &detail) {
        m_messages.append(text);
        m_details.append(detail);
    };
}

void TestTranslations::cleanup()
{
    prompter().reset();
}

// A tr() in a free function without a context, a QT_TR_NOOP outside a class: lupdate says so
// and leaves the text out, so it could never be translated.
void TestTranslations::lupdateSeesEveryText()
{
    QCOMPARE(m_lupdateExit, 0);
    QVERIFY2(m_lupdateOutput.trimmed().isEmpty(), qPrintable(m_lupdateOutput));
}

// Every language the programs carry a catalogue for.
static void languageRows()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = Translations::available();
    QVERIFY(languages.contains(QStringLiteral("de")));
    QVERIFY(languages.contains(QStringLiteral("fr")));
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everySourceTextTranslated_data()
{
    languageRows();
}

void TestTranslations::everySourceTextTranslated()
{
    QFETCH(QString, language);
    const Catalogue shipped = readTs(shippedTs(language));
    QVERIFY2(shipped.error.isEmpty(), qPrintable(shipped.error));
    QCOMPARE(shipped.language, language);
    QStringList missing;
    for (const auto &[key, message] : m_probe.messages) {
        if (!shipped.messages.count(key))
            missing.append(describe(message));
    }
    QStringList stale;
    for (const auto &[key, message] : shipped.messages) {
        if (!m_probe.messages.count(key))
            stale.append(describe(message));
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("texts of the sources that glyphsmith_%1.ts lacks (run "
                                       "cmake --build build --target update_translations):\n")
                            .arg(language) +
                        missing.join(u'\n')));
    QVERIFY2(stale.isEmpty(),
             qPrintable(QStringLiteral("texts the sources no longer have:\n") + stale.join(u'\n')));
}

void TestTranslations::everyMessageFinished_data()
{
    languageRows();
}

// lupdate makes as many plural forms as the language has, each to be filled in.
void TestTranslations::everyMessageFinished()
{
    QFETCH(QString, language);
    const Catalogue shipped = readTs(shippedTs(language));
    QStringList unfinished;
    for (const auto &[key, m] : shipped.messages) {
        bool empty = m.translations.isEmpty() || (!m.numerus && m.translations.size() != 1);
        for (const QString &t : m.translations)
            empty = empty || t.isEmpty();
        if (!m.type.isEmpty() || empty)
            unfinished.append(describe(m) + (m.type.isEmpty() ? QString() : u' ' + m.type));
    }
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(u'\n')));
}

void TestTranslations::placeholdersKept_data()
{
    languageRows();
}

void TestTranslations::placeholdersKept()
{
    QFETCH(QString, language);
    const Catalogue shipped = readTs(shippedTs(language));
    QStringList wrong;
    for (const auto &[key, m] : shipped.messages) {
        const QStringList wanted = placeholders(m.source);
        for (const QString &t : m.translations) {
            if (placeholders(t) != wanted)
                wrong.append(describe(m) + QStringLiteral(" -> \"%1\"").arg(t));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

void TestTranslations::acceleratorsKept_data()
{
    languageRows();
}

// A text with a keyboard accelerator keeps exactly one, and a text without gets none.
void TestTranslations::acceleratorsKept()
{
    QFETCH(QString, language);
    const Catalogue shipped = readTs(shippedTs(language));
    QStringList wrong;
    for (const auto &[key, m] : shipped.messages) {
        const qsizetype wanted = mnemonics(m.source).size();
        for (const QString &t : m.translations) {
            if (mnemonics(t).size() != wanted)
                wrong.append(describe(m) + QStringLiteral(" -> \"%1\"").arg(t));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

void TestTranslations::builtCatalogueAsWritten_data()
{
    languageRows();
}

// What the programs carry (built by lrelease into the resources) says what the .ts file says.
void TestTranslations::builtCatalogueAsWritten()
{
    QFETCH(QString, language);
    QVERIFY(Translations::available().contains(language));
    Translator installed;
    QVERIFY(Translations::install(installed.owner.get(), language, false));
    const Catalogue shipped = readTs(shippedTs(language));
    QStringList wrong;
    for (const auto &[key, m] : shipped.messages) {
        const QByteArray context = m.context.toUtf8();
        const QByteArray source = m.source.toUtf8();
        const QByteArray comment = m.comment.toUtf8();
        const char *disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
        QStringList got;
        if (m.numerus) {
            for (int n : {1, 2}) {
                got.append(QCoreApplication::translate(context, source, disambiguation, n));
            }
        } else {
            got.append(QCoreApplication::translate(context, source, disambiguation));
        }
        QStringList wanted = m.translations;
        if (m.numerus) {
            for (int i = 0; i < wanted.size(); ++i)
                wanted[i].replace(QLatin1String("%n"), QString::number(i + 1));
        }
        if (got != wanted)
            wrong.append(describe(m) + QStringLiteral(" -> ") + got.join(u'|'));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

void TestTranslations::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    const QStringList both{QStringLiteral("de"), QStringLiteral("fr")};
    QTest::newRow("German of Germany")
        << QStringList{QStringLiteral("de-DE")} << QStringLiteral("de");
    QTest::newRow("German of Austria, underscore")
        << QStringList{QStringLiteral("de_AT")} << QStringLiteral("de");
    QTest::newRow("a locale name with codeset")
        << QStringList{QStringLiteral("fr_FR.UTF-8")} << QStringLiteral("fr");
    QTest::newRow("French of Canada before German")
        << QStringList{QStringLiteral("fr-CA"), QStringLiteral("de")} << QStringLiteral("fr");
    QTest::newRow("Spanish, then French")
        << QStringList{QStringLiteral("es-ES"), QStringLiteral("fr")} << QStringLiteral("fr");
    QTest::newRow("English before German")
        << QStringList{QStringLiteral("en-GB"), QStringLiteral("de")} << QString();
    QTest::newRow("the C locale") << QStringList{QStringLiteral("C")} << QString();
    QTest::newRow("POSIX") << QStringList{QStringLiteral("POSIX")} << QString();
    QTest::newRow("no language at all") << QStringList{} << QString();
    QTest::newRow("only languages without a catalogue")
        << QStringList{QStringLiteral("es"), QStringLiteral("it-IT")} << QString();
    QTest::newRow("a script subtag")
        << QStringList{QStringLiteral("de-Latn-CH")} << QStringLiteral("de");
}

void TestTranslations::chooseLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::choose(uiLanguages, {QStringLiteral("de"), QStringLiteral("fr")}),
             chosen);
}

void TestTranslations::qtOwnCatalogue_data()
{
    languageRows();
}

// Qt's own texts come along: the buttons of the save question, the names of keys.
void TestTranslations::qtOwnCatalogue()
{
    QFETCH(QString, language);
    const QString qtbase = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_%1.qm").arg(language);
    QVERIFY2(QFile::exists(qtbase),
             qPrintable(qtbase + QStringLiteral(" (qt6-translations-l10n)")));
    const QString save = QCoreApplication::translate("QPlatformTheme", "Save");
    const QString discard = QCoreApplication::translate("QPlatformTheme", "Discard");
    const QString ctrl = QKeySequence(Qt::CTRL | Qt::Key_Z).toString(QKeySequence::NativeText);
    {
        Translator installed;
        QVERIFY(Translations::install(installed.owner.get(), language));
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Save") != save);
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Discard") != discard);
        if (language == QLatin1String("de"))
            QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_Z).toString(QKeySequence::NativeText),
                     QStringLiteral("Strg+Z"));
    }
    // Gone with their owner.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), save);
    QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_Z).toString(QKeySequence::NativeText), ctrl);
}

// The room a control of the design gives its caption: a command button's contents (it wraps its
// caption onto more lines), a label's width, a frame's top edge beside its corner.
static QSize roomFor(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .size();
    }
    if (qobject_cast<const QLabel *>(control))
        return control->size();
    return QSize(control->width() - 8, control->fontMetrics().height());
}

static QSize neededBy(const QWidget *control, const QString &caption)
{
    const QFontMetrics metrics = control->fontMetrics();
    const auto *label = qobject_cast<const QLabel *>(control);
    if (qobject_cast<const QPushButton *>(control) || (label && label->wordWrap()))
        return metrics
            .boundingRect(QRect(QPoint(), roomFor(control)), Qt::AlignCenter | Qt::TextWordWrap,
                          caption)
            .size();
    return QSize(metrics.horizontalAdvance(caption), metrics.height());
}

void TestTranslations::designFitsItsPlace_data()
{
    languageRows();
}

// The design places its controls at fixed sizes: in every language each caption is the
// catalogue's and fits its control whole, never cut or clipped.
void TestTranslations::designFitsItsPlace()
{
    QFETCH(QString, language);
    Translator installed;
    QVERIFY(Translations::install(installed.owner.get(), language));
    Workspace program(prompter());
    FrmMain &window = program.window();
    FrmConfig config(program.connection(), prompter(), &window);
    QCOMPARE(window.windowTitle(), DesignText::text(DesignText::MainWindow));
    QCOMPARE(config.windowTitle(), DesignText::text(DesignText::ConfigWindow));
    const std::tuple<QWidget *, const char *, const char *> controls[] = {
        {&window, "Frame1", DesignText::DotMatrix},
        {&window, "Frame2", DesignText::SingleCharacter},
        {&window, "cmdSSA", DesignText::ShowSingle},
        {&window, "cmdCLR", DesignText::ClearAll},
        {&window, "Frame3", DesignText::ScrollingMessage},
        {&window, "cmdScroll", DesignText::Scroll},
        {&window, "cmdDotM", DesignText::SendDotMatrix},
        {&window, "cmdAnimate", DesignText::Animate},
        {&window, "Label1", DesignText::SpeedLabel},
        {&window, "cmdSpeed", DesignText::SetSpeed},
        {&window, "cmdSave", DesignText::SaveInPosition},
        {&window, "cmdLoadCustom", DesignText::ShowCustom},
        {&window, "Frame4", DesignText::BuiltInAnimation},
        {&window, "cmdUpArrow", DesignText::UpArrow},
        {&window, "cmdDownArrow", DesignText::DownArrow},
        {&window, "cmdRightArrow", DesignText::RightArrow},
        {&window, "cmdLeftArrow", DesignText::LeftArrow},
        {&config, "Frame1", DesignText::CurrentSetting},
        {&config, "Label1", DesignText::StartUpMode},
        {&config, "cmdChangeSU", DesignText::ChangeStartupMode},
        {&config, "Label2", DesignText::Speed},
        {&config, "cmdChangeSpeed", DesignText::ChangeSpeed},
        {&config, "Label3", DesignText::StoredMessage},
        {&config, "cmdMessage", DesignText::SaveMessage},
    };
    for (const auto &[parent, name, text] : controls) {
        const QWidget *control = parent->findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(control, name);
        const QString caption = TestSupport::caption(control);
        QCOMPARE(caption, DesignText::text(text));
        const QSize room = roomFor(control);
        const QSize needed = neededBy(control, caption);
        const QSize english = neededBy(control, QLatin1String(text));
        const auto within = [](QSize size, QSize limit) {
            return size.width() <= limit.width() && size.height() <= limit.height();
        };
        // Where the design's own English is short of room under this font, a translation may
        // take as much as the English does, never more.
        QVERIFY2(within(needed, room) || within(needed, english),
                 qPrintable(QStringLiteral("%1: \"%2\" needs %3x%4 of %5x%6")
                                .arg(QLatin1String(name), caption)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
}

// In German every menu reads German, the design's own two as well; COM numbers stay as they are.
void TestTranslations::windowsTranslated()
{
    Translator installed;
    QVERIFY(Translations::install(installed.owner.get(), QStringLiteral("de")));
    Workspace program(prompter());
    FrmMain &window = program.window();
    QStringList titles;
    for (QAction *action : window.menuBar()->actions())
        titles.append(action->text());
    QCOMPARE(titles, (QStringList{QStringLiteral("Kommunikation"), QStringLiteral("Einrichten"),
                                  QStringLiteral("&Bearbeiten"), QStringLiteral("&Muster"),
                                  QStringLiteral("&Hilfe")}));
    const auto *comm = window.findChild<QMenu *>(QStringLiteral("mnuComm"));
    QStringList items;
    for (QAction *action : comm->actions()) {
        if (!action->isSeparator())
            items.append(action->text());
    }
    QCOMPARE(items,
             (QStringList{QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                          QStringLiteral("COM4"), QStringLiteral("COM5"), QStringLiteral("COM6"),
                          QStringLiteral("Geräte...")}));

    program.library().showLibrary();
    QCOMPARE(program.library().libraryWindow()->windowTitle().left(18),
             QStringLiteral("Musterbibliothek -"));
    program.frames().showFrames();
    QCOMPARE(program.frames().framesWindow()->windowTitle(), QStringLiteral("Einzelbilder"));

    FrmConfig config(program.connection(), prompter(), &window);
    QCOMPARE(config.windowTitle(), QStringLiteral("Kaldor88 einrichten"));
    QCOMPARE(TestSupport::caption(config.findChild<QWidget *>(QStringLiteral("cmdChangeSpeed"))),
             QStringLiteral("Tempo ändern"));
}

void TestTranslations::portMessageInTheLanguage_data()
{
    languageRows();
}

// The design's message reads as the design has it in English, and in the user's language with
// its detail line.
void TestTranslations::portMessageInTheLanguage()
{
    QFETCH(QString, language);
    {
        Workspace program(prompter());
        program.window().Form_Load();
    }
    QCOMPARE(m_messages, QStringList{QStringLiteral("Selected Comm Port Not Available")});
    const QString english = m_details.value(0);
    QVERIFY(!english.isEmpty());
    m_messages.clear();
    m_details.clear();
    Translator installed;
    QVERIFY(Translations::install(installed.owner.get(), language));
    {
        Workspace program(prompter());
        program.window().Form_Load();
    }
    QCOMPARE(m_messages, QStringList{DesignText::text(DesignText::PortUnavailable)});
    QVERIFY(m_messages.value(0) != QLatin1String(DesignText::PortUnavailable));
    QVERIFY(!m_details.value(0).isEmpty());
    QVERIFY2(m_details.value(0) != english, qPrintable(m_details.value(0)));
    QVERIFY2(m_details.value(0).contains(QStringLiteral("COM1")), qPrintable(m_details.value(0)));
}

void TestTranslations::acceleratorsUniquePerWindow_data()
{
    languageRows();
}

// Every window and menu of the program, built in English and then in the language.
static QList<Scope> everyScope(Workspace &program)
{
    program.library().showLibrary();
    program.frames().showFrames();
    program.characters().showCharacters();
    program.spans().showSpans();
    QList<Scope> scopes;
    for (QWidget *window : std::initializer_list<QWidget *>{
             &program.window(), program.library().libraryWindow(), program.frames().framesWindow(),
             program.characters().charactersWindow(), program.spans().spansWindow()})
        scopes += windowScopes(window);
    FrmConfig config(program.connection(), prompter(), &program.window());
    scopes += windowScopes(&config);
    return scopes;
}

// Alt and a letter reaches one thing only, in every window and menu of the program, wherever it
// does in English.
void TestTranslations::acceleratorsUniquePerWindow()
{
    QFETCH(QString, language);
    QList<Scope> english;
    {
        Workspace program(prompter());
        english = everyScope(program);
    }
    Translator installed;
    QVERIFY(Translations::install(installed.owner.get(), language));
    Workspace program(prompter());
    const QList<Scope> translated = everyScope(program);
    QVERIFY(translated.size() > 10);
    const QStringList clashes = newClashes(english, translated);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
