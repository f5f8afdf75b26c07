// glyphsmith-send: messages to the Kaldor8x8 module from a shell or a script, one from the
// command line or one per line of standard input (--batch), waiting for the module's answer
// where the configuration dialog waits for one. While the program runs with the module's port
// open, they go through it over the session bus, in order with the user's clicks; otherwise over
// a link of its own, as the program's (a device path, or a module on the network). No display is
// needed.

#include "batchinput.h"
#include "busclient.h"
#include "busnames.h"
#include "connectionpool.h"
#include "sendchannel.h"
#include "sendrequest.h"
#include "sendrun.h"
#include "spancommand.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSend)
};

int fail(int status, const QString &reason)
{
    std::fprintf(stderr, "glyphsmith-send: %s\n", qPrintable(reason));
    return status;
}

// A reason ends in a period when it is a sentence of its own (a library's reader says so);
// the hint follows after a semicolon, so the period goes.
int failUsage(QString reason)
{
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return fail(ExitStatus::BadUsage, reason + Texts::tr("; try 'glyphsmith-send --help'"));
}

// QCommandLineParser names an unknown option without its dashes, so "-1" came out as '1'.
QString optionError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    const QString name = unknown.constFirst();
    QString typed = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    for (const QString &argument : arguments) {
        const QString option = argument.section(u'=', 0, 0);
        if (option == u'-' + name || option == QLatin1String("--") + name)
            typed = option;
    }
    bool number = false;
    name.toInt(&number);
    if (number)
        return Texts::tr("unknown option '%1': a negative number, or a text that begins with '-', "
                         "goes after '--'")
            .arg(typed);
    return Texts::tr("unknown option '%1'").arg(typed);
}

QString wrapped(const QString &paragraphs)
{
    QStringList lines;
    for (const QString &paragraph : paragraphs.split(u'\n'))
        lines.append(wrapText(paragraph, 79, 0));
    return lines.join(u'\n');
}

QString helpText(const QCommandLineParser &parser)
{
    // Qt's usage line names the program as it was called, and "[options]" in the user's language.
    const QString options = QCoreApplication::translate("QCommandLineParser", "[options]");
    QString text = parser.helpText();
    text.replace(QCoreApplication::arguments().constFirst() + u' ' + options,
                 QLatin1String("glyphsmith-send ") + options + u' ' + Texts::tr("COMMAND [ARGS]"));
    return text + u'\n' + Texts::tr("Commands:\n") + sendCommandsHelp() + SpanCommand::help() +
           u'\n' +
           wrapped(
               Texts::tr("A text that begins with '-' goes after '--': glyphsmith-send scroll -- "
                         "-5.")) +
           u'\n' + u'\n' +
           wrapped(
               Texts::tr("A SPAN is a span of the library file given with --library or, without "
                         "it, of the library the program opened last. Each module of a span is "
                         "reached as the span names it (COM1..COM6, a device, an endpoint); --port "
                         "does not go with the span commands.")) +
           u'\n' + u'\n' +
           wrapped(Texts::tr(
               "With --batch, or '-' as the command, the commands come from standard input, "
               "one a line, in the words of the command line: quote a text with spaces "
               "as a shell would ('...' or \"...\"); empty lines and lines that begin "
               "with # are skipped. They are sent in order at the line's pace; the first "
               "that fails ends the run, and its message names the line.")) +
           u'\n' + u'\n' +
           wrapped(
               Texts::tr("While 8x8 Glyphsmith runs with the module's port open, the messages go "
                         "through it over the session bus, in order with its own; otherwise "
                         "glyphsmith-send opens the port itself.")) +
           u'\n' + u'\n' +
           wrapped(Texts::tr("Exit status: 0 done (acknowledged where the module answers), 2 bad "
                             "usage, 3 refused by the module, 4 no reply, 5 port not available.")) +
           u'\n';
}

} // namespace

// The span commands, each module through its own connection of one pool, in step; the module the
// running program holds through the program.
int runSpanCommand(QCoreApplication &app, const QCommandLineParser &parser,
                   const SpanCommand::Options &options)
{
    QString error;
    int status = ExitStatus::Done;
    const auto request = SpanCommand::parse(parser.positionalArguments(), options, &error, &status);
    if (!request)
        return fail(status, error + (status == ExitStatus::BadUsage
                                         ? Texts::tr("; try 'glyphsmith-send --help'")
                                         : QString()));
    ConnectionPool pool;
    SpanRun run(&pool);
    // A module of the span that the running program holds goes through the program.
    std::unique_ptr<BusClient> program;
    if (const auto bus = Bus::sessionBus()) {
        program = std::make_unique<BusClient>(*bus);
        if (const auto port = program->port(); port && port->isOpen())
            run.setProgram(program.get(), *port);
    }
    QObject::connect(&run, &SpanRun::finished, &app, &QCoreApplication::exit);
    run.start(*request);
    const int played = app.exec();
    for (const QString &problem : run.problems())
        std::fprintf(stderr, "glyphsmith-send: %s\n", qPrintable(problem));
    return played;
}

int main(int argc, char *argv[])
{
    // span-scroll draws its text with the machine's fonts, which Qt Gui keeps; it draws on the
    // offscreen platform, so that no display is needed all the same.
    bool drawsText = false;
    for (int i = 1; i < argc; ++i)
        drawsText = drawsText || SpanCommand::drawsText({QString::fromLocal8Bit(argv[i])});
    if (drawsText)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        drawsText ? std::make_unique<QGuiApplication>(argc, argv)
                  : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("glyphsmith-send"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));
    Translations::installForUser(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(wrapped(
        Texts::tr("Sends one message to the Kaldor8x8 8x8 LED module and, for the settings "
                  "commands, waits for its answer.\nWithout --port it uses the port the program "
                  "has stored, COM1 to COM6 standing for devices as in the program.")));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("Show this help."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     Texts::tr("Show the version."));
    const QCommandLineOption port(QStringList{QStringLiteral("p"), QStringLiteral("port")},
                                  Texts::tr("COM1..COM6, a device path, tcp://host:port or "
                                            "rfc2217://host:port."),
                                  QStringLiteral("port"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  Texts::tr("Print the settings as one line of JSON."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        Texts::tr("The format of a pattern's text, where it could be read "
                  "as more than one: module-bytes, row-bytes, c-array, "
                  "arduino, python-list, integer64, text-art."),
        QStringLiteral("id"));
    const QCommandLineOption batchOption(
        QStringLiteral("batch"),
        Texts::tr(
            "Read the commands from standard input, one a line, in the words of the command line "
            "('-' as the command does the same)."));
    const QCommandLineOption library(
        QStringLiteral("library"),
        Texts::tr("The library file whose spans the span commands name "
                  "(the library the program opened last without it)."),
        QStringLiteral("file"));
    const QCommandLineOption font(QStringLiteral("font"),
                                  Texts::tr("span-scroll: the font family to draw the text in."),
                                  QStringLiteral("family"));
    const QCommandLineOption fontSize(
        QStringLiteral("font-size"),
        Texts::tr("span-scroll: the text's height in pixels (9 for each "
                  "row of modules)."),
        QStringLiteral("px"));
    const QCommandLineOption frameMs(QStringLiteral("frame-ms"),
                                     Texts::tr("span-scroll: milliseconds a frame, one dot a frame "
                                               "(50)."),
                                     QStringLiteral("ms"));
    parser.addOptions(
        {help, version, port, json, format, batchOption, library, font, fontSize, frameMs});

    if (!parser.parse(QCoreApplication::arguments()))
        return failUsage(optionError(parser, QCoreApplication::arguments()));
    if (parser.isSet(help)) {
        std::fputs(qPrintable(helpText(parser)), stdout);
        return ExitStatus::Done;
    }
    if (parser.isSet(version)) {
        std::printf("glyphsmith-send %s\n", GLYPHSMITH_VERSION);
        return ExitStatus::Done;
    }

    const QStringList words = parser.positionalArguments();
    const bool spanCommand = SpanCommand::isSpanCommand(words.value(0));
    for (const QCommandLineOption &option : {library, font, fontSize, frameMs}) {
        if (parser.isSet(option) && !spanCommand)
            return fail(ExitStatus::BadUsage, Texts::tr("--%1 goes with the span commands only")
                                                  .arg(option.names().constFirst()));
    }
    if (spanCommand) {
        for (const QCommandLineOption &option : {port, json, format, batchOption}) {
            if (parser.isSet(option))
                return fail(ExitStatus::BadUsage,
                            Texts::tr("--%1 does not go with the span commands: each module is "
                                      "reached as its span names it")
                                .arg(option.names().constLast()));
        }
        SpanCommand::Options options;
        options.library = parser.value(library);
        options.font = parser.value(font);
        bool ok = true;
        if (parser.isSet(fontSize))
            options.fontSize = parser.value(fontSize).toInt(&ok);
        if (!ok || options.fontSize < 0 || options.fontSize > 512)
            return fail(ExitStatus::BadUsage, Texts::tr("--font-size must be a number of pixels"));
        if (parser.isSet(frameMs))
            options.frameMs = parser.value(frameMs).toInt(&ok);
        if (!ok)
            return fail(ExitStatus::BadUsage,
                        Texts::tr("--frame-ms must be a number of milliseconds"));
        options.readInput = [] {
            QFile input;
            return input.open(stdin, QIODevice::ReadOnly) ? input.readAll() : QByteArray();
        };
        return runSpanCommand(app, parser, options);
    }

    const bool batch = parser.isSet(batchOption) || words == QStringList{QStringLiteral("-")};
    if (batch && !words.isEmpty() && words != QStringList{QStringLiteral("-")})
        return failUsage(
            Texts::tr("with --batch the commands come from standard input, one a line, "
                      "not from the command line"));
    QString error;
    std::optional<SendRequest> request;
    if (!batch) {
        // Mistakes are named before any port is looked at.
        request = parseSendCommand(words, &error, parser.value(format));
        if (!request)
            return failUsage(error);
        if (parser.isSet(json) && request->reply != SendRequest::Reply::Settings)
            return fail(ExitStatus::BadUsage,
                        Texts::tr("--json goes with the command 'settings' only"));
    }

    // The running program, when it holds the module the command names (any, when none is named).
    std::unique_ptr<BusClient> program;
    std::optional<BusClient::Port> programPort;
    if (const auto bus = Bus::sessionBus()) {
        program = std::make_unique<BusClient>(*bus);
        programPort = program->port();
    }
    int status = ExitStatus::Done;
    const auto device = resolveSendPort(parser.value(port), &error, &status);
    const bool portNamed = parser.isSet(port);
    const bool throughProgram =
        programPort && programPort->isOpen() &&
        (portNamed ? device && BusClient::holds(*programPort, *device) : true);
    if (!device && !throughProgram)
        return fail(status, error);

    SendRun::ChannelFactory ownLink;
    if (device)
        ownLink = [device = *device] { return std::make_unique<LinkChannel>(device); };
    std::unique_ptr<SendChannel> channel =
        throughProgram ? std::make_unique<BusChannel>(*program) : ownLink();
    SendRun run({batch, parser.isSet(json), parser.value(format)}, std::move(channel),
                throughProgram ? ownLink : SendRun::ChannelFactory());
    QObject::connect(&run, &SendRun::finished, &app, &QCoreApplication::exit);

    if (!batch) {
        run.add(0, *request);
        run.endOfInput();
        return app.exec();
    }

    // A reader that runs far ahead of the line is held back.
    constexpr qsizetype MaxBacklog = 64;
    LineReader reader(0);
    int line = 0;
    QObject::connect(&reader, &LineReader::lineRead, &run, [&](const QString &text) {
        ++line;
        QString why;
        const auto lineWords = splitCommandLine(text, &why);
        if (!lineWords)
            run.addFailure(line, ExitStatus::BadUsage, why);
        else if (!lineWords->isEmpty())
            run.add(line, *lineWords);
        if (run.backlog() > MaxBacklog)
            reader.pause();
    });
    QObject::connect(&reader, &LineReader::lineTooLong, &run, [&] {
        run.addFailure(
            line + 1, ExitStatus::BadUsage,
            Texts::tr("the line is longer than %1 bytes").arg(LineReader::MaxLineLength));
        run.endOfInput();
    });
    QObject::connect(&reader, &LineReader::ended, &run, &SendRun::endOfInput);
    QObject::connect(&run, &SendRun::wantsMore, &reader, [&] {
        if (run.backlog() <= MaxBacklog / 4)
            reader.resume();
    });
    reader.start();
    return app.exec();
}
