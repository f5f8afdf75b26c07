#include "busnames.h"
#include "frmmain.h"
#include "prompter.h"
#include "startup.h"
#include "translations.h"
#include "workspace.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(main)
};

// Qt's X and Wayland plugins abort the process when they find no display; say so in a line
// instead. A platform chosen on purpose (offscreen, say) is left to Qt.
bool displayMissing(const QStringList &arguments)
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    // Qt reads the platform as the word after -platform or --platform, and in no other form.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("-platform") ||
            arguments.at(i) == QLatin1String("--platform"))
            platform = arguments.at(i + 1);
    }
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) &&
        !platform.startsWith(QLatin1String("wayland")))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

struct QtOption
{
    const char *name;
    const char *valueName; // nullptr: a switch
    const char *description;
};

// The options QApplication takes out of the command line (Qt 6.4, with the X11 ones of the xcb
// platform and QApplication's own), so that the first reading, made before any display is
// needed, knows them from mistakes. --help-all lists them with Qt's own descriptions.
constexpr QtOption QtOptions[] = {
    {"qmljsdebugger", "value",
     QT_TRANSLATE_NOOP("main", "Activates the QML/JS debugger with a specified port. The value "
                               "must be of format port:1234[,block]. \"block\" makes the "
                               "application wait for a connection.")},
    {"platform", "platformName[:options]",
     QT_TRANSLATE_NOOP("main", "QPA plugin. See QGuiApplication documentation for available "
                               "options for each plugin.")},
    {"platformpluginpath", "path", QT_TRANSLATE_NOOP("main", "Path to the platform plugins.")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("main", "Platform theme.")},
    {"plugin", "plugin",
     QT_TRANSLATE_NOOP("main", "Additional plugins to load, can be specified multiple times.")},
    {"qwindowgeometry", "geometry",
     QT_TRANSLATE_NOOP("main", "Window geometry for the main window, using the X11-syntax, like "
                               "100x100+50+50.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("main", "Default window icon.")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("main", "Title of the first window.")},
    {"reverse", nullptr,
     QT_TRANSLATE_NOOP("main", "Sets the application's layout direction to Qt::RightToLeft "
                               "(debugging helper).")},
    {"session", "session",
     QT_TRANSLATE_NOOP("main", "Restores the application from an earlier session.")},
    {"style", "style",
     QT_TRANSLATE_NOOP("main", "Sets the application's GUI style; which styles there are "
                               "depends on the system.")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("main", "Sets the application's style sheet.")},
    {"widgetcount", nullptr,
     QT_TRANSLATE_NOOP("main", "Reports at the end how many widgets were left undestroyed and "
                               "how many existed at most at the same time.")},
    {"display", "display", QT_TRANSLATE_NOOP("main", "Display name, overrides $DISPLAY (X11).")},
    {"name", "name", QT_TRANSLATE_NOOP("main", "Instance name according to ICCCM 4.1.2.5 (X11).")},
    {"nograb", nullptr,
     QT_TRANSLATE_NOOP("main", "Disable mouse grabbing (useful in debuggers) (X11).")},
    {"dograb", nullptr,
     QT_TRANSLATE_NOOP("main", "Force mouse grabbing (even when running in a debugger) (X11).")},
    {"visual", "id", QT_TRANSLATE_NOOP("main", "ID of the X11 Visual to use (X11).")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("main", "Alias for --qwindowgeometry (X11).")},
    {"icon", "icon", QT_TRANSLATE_NOOP("main", "Alias for --qwindowicon (X11).")},
    {"title", "title", QT_TRANSLATE_NOOP("main", "Alias for --qwindowtitle (X11).")},
};

// Qt's options, listed in the help or only known.
QList<QCommandLineOption> qtOptions(bool listed)
{
    QList<QCommandLineOption> options;
    for (const QtOption &qt : QtOptions) {
        QCommandLineOption option(QLatin1String(qt.name), Texts::tr(qt.description),
                                  qt.valueName ? QLatin1String(qt.valueName) : QString());
        if (!listed)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    return options;
}

QString helpText(const QCommandLineParser &parser)
{
    // Qt names the program as it was called, or "<executable_name>" with no application yet.
    const QString called = QCoreApplication::instance() ? QCoreApplication::arguments().constFirst()
                                                        : QStringLiteral("<executable_name>");
    QString text = parser.helpText();
    const qsizetype at = text.indexOf(called);
    if (at >= 0)
        text.replace(at, called.size(), QLatin1String("glyphsmith"));
    return text;
}

struct Options
{
    QString description;
    QCommandLineOption help;
    QCommandLineOption helpAll;
    QCommandLineOption version;
    QCommandLineOption newInstance;

    QList<QCommandLineOption> own() const { return {help, helpAll, version, newInstance}; }
    // The options and the file argument the program takes, before Qt's.
    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(description);
        parser.addOptions(own());
        parser.addPositionalArgument(QStringLiteral("file"),
                                     Texts::tr("A pattern library (.glyphs) to open."),
                                     QStringLiteral("[FILE.glyphs]"));
    }
};

// Made when they are needed, in the language of the catalogues installed by then.
Options options()
{
    return {Texts::tr("Pattern editor and remote control for an 8x8 LED dot-matrix module on a "
                      "serial port.\nThe module's port is chosen in the menu \"Communication\"; "
                      "COM1 to COM6 stand for devices as the README describes."),
            QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                               Texts::tr("Displays help on commandline options.")),
            QCommandLineOption(QStringLiteral("help-all"),
                               Texts::tr("Displays help including Qt specific options.")),
            QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                               Texts::tr("Displays version information.")),
            QCommandLineOption(
                QStringLiteral("new-instance"),
                Texts::tr("Starts a program of its own even when the program is running already "
                          "(which otherwise opens the file and comes to the front instead)."))};
}

// What the terminal is told, and the exit status.
struct TerminalAnswer
{
    int status = 0;
    QString out;
    QString err;
};

TerminalAnswer usageError(const QString &error)
{
    return {2,
            {},
            QStringLiteral("glyphsmith: ") + error + u'\n' + Texts::tr("Try 'glyphsmith --help'.") +
                u'\n'};
}

// The library file named on the command line, as the path this start sees it (a desktop passes
// paths; a file:// URL is taken too). Empty for none; more than one is a usage error.
std::optional<QString> libraryFile(const QStringList &positional, QString *error)
{
    if (positional.size() > 1) {
        *error = Texts::tr("the program opens one library at a time; %1 files were given")
                     .arg(positional.size());
        return std::nullopt;
    }
    if (positional.isEmpty())
        return QString();
    QString path = positional.constFirst();
    if (path.startsWith(QLatin1String("file:")))
        path = QUrl(path).toLocalFile();
    return QFileInfo(path).absoluteFilePath();
}

// The command line read before any display is needed, so that --help and --version work in a
// plain terminal and a mistake is named there, not lost behind a missing display. Nothing when
// the program is to start.
std::optional<TerminalAnswer> terminalAnswer(const QStringList &arguments)
{
    const Options o = options();
    QCommandLineParser parser;
    o.addTo(parser);
    parser.addOptions(qtOptions(false));
    // Qt's options are words behind one dash (-platform offscreen), as Qt reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(o.helpAll)) {
        QCommandLineParser all;
        o.addTo(all);
        all.addOptions(qtOptions(true));
        return TerminalAnswer{0, helpText(all), {}};
    }
    if (parser.isSet(o.help))
        return TerminalAnswer{0, helpText(parser), {}};
    if (parser.isSet(o.version))
        return TerminalAnswer{0, QStringLiteral("glyphsmith " GLYPHSMITH_VERSION "\n"), {}};
    QString error;
    if (!libraryFile(parser.positionalArguments(), &error))
        return usageError(error);
    if (displayMissing(arguments))
        return TerminalAnswer{1,
                              {},
                              Texts::tr("glyphsmith: no display found; the program needs a "
                                        "graphical display (set DISPLAY, or run it under "
                                        "xvfb-run)\n")};
    return std::nullopt;
}

constexpr int ForwardTimeout = 5000;

// With the program already running, it is asked to open `file` (if any) and to come to the
// front, and this start ends there. False when no program answers: this one starts then.
bool forwardToRunningProgram(const QDBusConnection &bus, const QString &file)
{
    if (!bus.interface()->isServiceRegistered(QLatin1String(Bus::Service)))
        return false;
    const auto call = [&](const QString &method, const QVariantList &arguments) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(QLatin1String(Bus::Service), QLatin1String(Bus::Path),
                                           QLatin1String(Bus::Interface), method);
        message.setArguments(arguments);
        return bus.call(message, QDBus::Block, ForwardTimeout).type() == QDBusMessage::ReplyMessage;
    };
    // Open brings the window to the front itself, after any question about unsaved changes.
    return file.isEmpty() ? call(QStringLiteral("Activate"), {})
                          : call(QStringLiteral("Open"), {file});
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (std::optional<TerminalAnswer> answer = terminalAnswer(arguments)) {
        // Only an application can hold translators: one that needs no display says it again in
        // the user's language.
        QCoreApplication terminal(argc, argv);
        Translations::installForUser(terminal);
        answer = terminalAnswer(arguments);
        std::fputs(qPrintable(answer->out), stdout);
        std::fputs(qPrintable(answer->err), stderr);
        return answer->status;
    }

    QApplication app(argc, argv);
    // Before the first window is built: its texts are read from the catalogues as it is made.
    Translations::installForUser(app);
    // What Qt did not take is no option of Qt's after all (--platform=offscreen, which Qt does
    // not read), and is refused as before.
    const Options o = options();
    QCommandLineParser rest;
    rest.addOptions(o.own());
    QString error;
    std::optional<QString> file;
    std::optional<TerminalAnswer> refused;
    if (!rest.parse(QCoreApplication::arguments()))
        refused = usageError(rest.errorText());
    else if (!(file = libraryFile(rest.positionalArguments(), &error)))
        refused = usageError(error);
    if (refused) {
        std::fputs(qPrintable(refused->err), stderr);
        return refused->status;
    }

    // The bus is optional: without one the program runs as it always did.
    const auto bus = Bus::sessionBus();
    if (bus && !rest.isSet(o.newInstance) && forwardToRunningProgram(*bus, *file))
        return 0;
    Prompter prompter;
    const auto program = startProgram(prompter);
    if (bus)
        program->offerOnBus(*bus);
    program->welcome(*file);
    return app.exec();
}
