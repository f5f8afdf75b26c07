#include "frmmain.h"
#include "prompter.h"
#include "startup.h"
#include "workspace.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

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
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addOptions({help, helpAll, version});
    parser.addOptions(qtOptions(false));
    // Qt's options are words behind one dash (-platform offscreen), as Qt reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpAll)) {
        QCommandLineParser all;
        all.setApplicationDescription(description);
        all.addOptions({help, helpAll, version});
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
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'")
                              .arg(parser.positionalArguments().constFirst()));
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
    rest.addOptions({help, helpAll, version});
    if (!rest.parse(QCoreApplication::arguments()))
        return usageError(rest.errorText());
    if (!rest.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'")
                              .arg(rest.positionalArguments().constFirst()));
    Prompter prompter;
    const auto program = startProgram(prompter);
    return app.exec();
}
