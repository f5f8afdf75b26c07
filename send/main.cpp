// glyphsmith-send: messages to the Kaldor8x8 module from a shell or a script, one from the
// command line or one per line of standard input (--batch), waiting for the module's answer
// where the configuration dialog waits for one. While the program runs with the module's port
// open, they go through it over the session bus, in order with the user's clicks; otherwise over
// a link of its own, as the program's (a device path, or a module on the network). No display is
// needed.

#include "batchinput.h"
#include "busclient.h"
#include "busnames.h"
#include "sendchannel.h"
#include "sendrequest.h"
#include "sendrun.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("glyphsmith-send", text);
}

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
    return fail(ExitStatus::BadUsage, reason + tr("; try 'glyphsmith-send --help'"));
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
        return tr("unknown option '%1': a negative number, or a text that begins with '-', "
                  "goes after '--'")
            .arg(typed);
    return tr("unknown option '%1'").arg(typed);
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
    QString text = parser.helpText();
    text.replace(QCoreApplication::arguments().constFirst() + QLatin1String(" [options]"),
                 QLatin1String("glyphsmith-send [options] COMMAND [ARGS]"));
    return text + u'\n' + tr("Commands:\n") + sendCommandsHelp() + u'\n' +
           wrapped(tr("A text that begins with '-' goes after '--': glyphsmith-send scroll -- "
                      "-5.")) +
           u'\n' + u'\n' +
           wrapped(tr("With --batch, or '-' as the command, the commands come from standard input, "
                      "one a line, in the words of the command line: quote a text with spaces "
                      "as a shell would ('...' or \"...\"); empty lines and lines that begin "
                      "with # are skipped. They are sent in order at the line's pace; the first "
                      "that fails ends the run, and its message names the line.")) +
           u'\n' + u'\n' +
           wrapped(tr("While 8x8 Glyphsmith runs with the module's port open, the messages go "
                      "through it over the session bus, in order with its own; otherwise "
                      "glyphsmith-send opens the port itself.")) +
           u'\n' + u'\n' +
           wrapped(tr("Exit status: 0 done (acknowledged where the module answers), 2 bad "
                      "usage, 3 refused by the module, 4 no reply, 5 port not available.")) +
           u'\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glyphsmith-send"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        wrapped(tr("Sends one message to the Kaldor8x8 8x8 LED module and, for the settings "
                   "commands, waits for its answer.\nWithout --port it uses the port the program "
                   "has stored, COM1 to COM6 standing for devices as in the program.")));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Show this help."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Show the version."));
    const QCommandLineOption port(QStringList{QStringLiteral("p"), QStringLiteral("port")},
                                  tr("COM1..COM6, a device path, tcp://host:port or "
                                     "rfc2217://host:port."),
                                  QStringLiteral("port"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  tr("Print the settings as one line of JSON."));
    const QCommandLineOption format(QStringLiteral("format"),
                                    tr("The format of a pattern's text, where it could be read "
                                       "as more than one: module-bytes, row-bytes, c-array, "
                                       "arduino, python-list, integer64, text-art."),
                                    QStringLiteral("id"));
    const QCommandLineOption batchOption(
        QStringLiteral("batch"),
        tr("Read the commands from standard input, one a line, in the words of the command line "
           "('-' as the command does the same)."));
    parser.addOptions({help, version, port, json, format, batchOption});

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
    const bool batch = parser.isSet(batchOption) || words == QStringList{QStringLiteral("-")};
    if (batch && !words.isEmpty() && words != QStringList{QStringLiteral("-")})
        return failUsage(tr("with --batch the commands come from standard input, one a line, "
                            "not from the command line"));
    QString error;
    std::optional<SendRequest> request;
    if (!batch) {
        // Mistakes are named before any port is looked at.
        request = parseSendCommand(words, &error, parser.value(format));
        if (!request)
            return failUsage(error);
        if (parser.isSet(json) && request->reply != SendRequest::Reply::Settings)
            return fail(ExitStatus::BadUsage, tr("--json goes with the command 'settings' only"));
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
        run.addFailure(line + 1, ExitStatus::BadUsage,
                       tr("the line is longer than %1 bytes").arg(LineReader::MaxLineLength));
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
