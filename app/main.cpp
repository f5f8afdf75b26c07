#include "frmmain.h"
#include "startup.h"

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
    const qsizetype option = arguments.indexOf(QStringLiteral("-platform"));
    if (option > 0)
        platform = arguments.value(option + 1);
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) &&
        !platform.startsWith(QLatin1String("wayland")))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is read before any display is needed, so that --help and --version work
    // in a plain terminal.
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Pattern editor and remote control for an 8x8 LED dot-matrix module on a serial "
           "port.\nThe module's port is chosen in the menu \"Communication\"; COM1 to COM6 stand "
           "for devices as the README describes."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Qt's own options (-platform, -display, ...) are unknown here until QApplication has taken
    // them out, so the first reading only looks for help and version.
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        QString text = parser.helpText();
        text.replace(QLatin1String("<executable_name>"), QLatin1String("glyphsmith"));
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("glyphsmith %s\n", GLYPHSMITH_VERSION);
        return 0;
    }
    if (displayMissing(arguments)) {
        std::fputs(qPrintable(tr("glyphsmith: no display found; the program needs a graphical "
                                 "display (set DISPLAY, or run it under xvfb-run)\n")),
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QStringLiteral("unexpected argument '%1'")
                                        .arg(parser.positionalArguments().constFirst())
                                  : parser.errorText();
        std::fprintf(stderr, "glyphsmith: %s\nTry 'glyphsmith --help'.\n", qPrintable(error));
        return 2;
    }
    const auto window = startMainWindow();
    return app.exec();
}
