#include "busnames.h"
#include "frmmain.h"
#include "prompter.h"
#include "startup.h"
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

QString tr(const char *text)
{
    return QCoreApplication::translate("main", text);
}

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
        QCommandLineOption option(QLatin1String(qt.name), tr(qt.description),
                                  qt.valueName ? QLatin1String(qt.valueName) : QString());
        if (!listed)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    return options;
}

QString helpText(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    return text.replace(QLatin1String("<executable_name>"), QLatin1String("glyphsmith"));
}

int usageError(const QString &error)
{
    std::fprintf(stderr, "glyphsmith: %s\nTry 'glyphsmith --help'.\n", qPrintable(error));
    return 2;
}

// The library file named on the command line, as the path this start sees it (a desktop passes
// paths; a file:// URL is taken too). Empty for none; more than one is a usage error.
std::optional<QString> libraryFile(const QStringList &positional, QString *error)
{
    if (positional.size() > 1) {
        *error = tr("the program opens one library at a time; %1 files were given")
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
    // The command line is read before any display is needed, so that --help and --version work
    // in a plain terminal and a mistake is named there, not lost behind a missing display.
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString description =
        tr("Pattern editor and remote control for an 8x8 LED dot-matrix module on a serial "
           "port.\nThe module's port is chosen in the menu \"Communication\"; COM1 to COM6 stand "
           "for devices as the README describes.");
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Displays help on commandline options."));
    const QCommandLineOption helpAll(QStringLiteral("help-all"),
                                     tr("Displays help including Qt specific options."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Displays version information."));
    const QCommandLineOption newInstance(
        QStringLiteral("new-instance"),
        tr("Starts a program of its own even when the program is running already (which "
           "otherwise opens the file and comes to the front instead)."));
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addOptions({help, helpAll, version, newInstance});
    parser.addPositionalArgument(QStringLiteral("file"), tr("A pattern library (.glyphs) to open."),
                                 QStringLiteral("[FILE.glyphs]"));
    parser.addOptions(qtOptions(false));
    // Qt's options are words behind one dash (-platform offscreen), as Qt reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpAll)) {
        QCommandLineParser all;
        all.setApplicationDescription(description);
        all.addOptions({help, helpAll, version, newInstance});
        all.addPositionalArgument(QStringLiteral("file"),
                                  tr("A pattern library (.glyphs) to open."),
                                  QStringLiteral("[FILE.glyphs]"));
        all.addOptions(qtOptions(true));
        std::fputs(qPrintable(helpText(all)), stdout);
        return 0;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(helpText(parser)), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("glyphsmith %s\n", GLYPHSMITH_VERSION);
        return 0;
    }
    QString error;
    if (!libraryFile(parser.positionalArguments(), &error))
        return usageError(error);
    if (displayMissing(arguments)) {
        std::fputs(qPrintable(tr("glyphsmith: no display found; the program needs a graphical "
                                 "display (set DISPLAY, or run it under xvfb-run)\n")),
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    // What Qt did not take is no option of Qt's after all (--platform=offscreen, which Qt does
    // not read), and is refused as before.
    QCommandLineParser rest;
    rest.addOptions({help, helpAll, version, newInstance});
    if (!rest.parse(QCoreApplication::arguments()))
        return usageError(rest.errorText());
    const auto file = libraryFile(rest.positionalArguments(), &error);
    if (!file)
        return usageError(error);

    // The bus is optional: without one the program runs as it always did.
    const auto bus = Bus::sessionBus();
    if (bus && !rest.isSet(newInstance) && forwardToRunningProgram(*bus, *file))
        return 0;
    Prompter prompter;
    const auto program = startProgram(prompter);
    if (bus)
        program->offerOnBus(*bus);
    program->welcome(*file);
    return app.exec();
}
