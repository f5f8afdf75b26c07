// glyphsmith-send: one message to the Kaldor8x8 module from a shell or a script, over the same
// link as the program (a device path, or a module on the network), waiting for the module's
// answer where the configuration dialog waits for one. No display is needed.

#include "animationrun.h"
#include "connectionpool.h"
#include "moduleexchange.h"
#include "sendrequest.h"
#include "spancommand.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>

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
           wrapped(Texts::tr("Exit status: 0 done (acknowledged where the module answers), 2 bad "
                             "usage, 3 refused by the module, 4 no reply, 5 port not available.")) +
           u'\n';
}

void printSettings(const Protocol::Settings &settings, bool json)
{
    if (json) {
        QJsonObject object;
        // Nothing stored is null, as a value the record does not carry is.
        object.insert(QLatin1String("mode"), settings.modeIndex && !settings.modeNotStored
                                                 ? QJsonValue(*settings.modeIndex)
                                                 : QJsonValue());
        object.insert(QLatin1String("speed"), settings.speedIndex && !settings.speedNotStored
                                                  ? QJsonValue(*settings.speedIndex + 1)
                                                  : QJsonValue());
        object.insert(QLatin1String("message"),
                      settings.message ? QJsonValue(*settings.message) : QJsonValue());
        std::printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
        return;
    }
    // Lines that scripts read: the same words in every language.
    const auto shown = [](const std::optional<int> &value, bool notStored) {
        if (notStored)
            return QStringLiteral("not stored");
        return value ? QString::number(*value) : QStringLiteral("unknown");
    };
    std::printf("mode %s\n", qPrintable(shown(settings.modeIndex, settings.modeNotStored)));
    std::printf("speed %s\n",
                qPrintable(shown(settings.speedIndex ? std::optional<int>(*settings.speedIndex + 1)
                                                     : std::nullopt,
                                 settings.speedNotStored)));
    // A length the record cannot have: no message, as the dialog shows it.
    std::printf("message %s\n", settings.messageNotStored
                                    ? "not stored"
                                    : settings.message.value_or(QString()).toUtf8().constData());
}

} // namespace

// The span commands, each module through its own connection of one pool, in step.
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
    parser.addOptions({help, version, port, json, format, library, font, fontSize, frameMs});

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
        for (const QCommandLineOption &option : {port, json, format}) {
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

    QString error;
    const auto request = parseSendCommand(words, &error, parser.value(format));
    if (!request)
        return failUsage(error);
    if (parser.isSet(json) && request->reply != SendRequest::Reply::Settings)
        return fail(ExitStatus::BadUsage,
                    Texts::tr("--json goes with the command 'settings' only"));

    int status = ExitStatus::Done;
    const auto device = resolveSendPort(parser.value(port), &error, &status);
    if (!device)
        return fail(status, error);

    if (request->animation) {
        AnimationRun run;
        QObject::connect(&run, &AnimationRun::finished, &app, &QCoreApplication::exit);
        run.start(*device, *request->animation);
        const int played = app.exec();
        return played == ExitStatus::Done ? played : fail(played, run.errorString());
    }

    ModuleExchange exchange;
    QObject::connect(&exchange, &ModuleExchange::finished, &app, [] { QCoreApplication::exit(); });
    exchange.start(*device, request->message, request->waits);
    app.exec();
    switch (exchange.outcome()) {
    case ModuleExchange::Outcome::PortUnavailable: {
        // A network port's reasons name the endpoint already.
        const QString reason = exchange.errorString();
        return fail(ExitStatus::PortUnavailable,
                    reason.startsWith(*device)
                        ? reason
                        : Texts::tr("%1 is not available: %2").arg(*device, reason));
    }
    case ModuleExchange::Outcome::NoReply:
        return fail(ExitStatus::NoReply, Texts::tr("no reply from the module on %1").arg(*device));
    case ModuleExchange::Outcome::Cancelled:
        return fail(ExitStatus::PortUnavailable, Texts::tr("interrupted"));
    case ModuleExchange::Outcome::Done:
        break;
    }

    const QByteArray reply = exchange.reply();
    switch (request->reply) {
    case SendRequest::Reply::None:
        return ExitStatus::Done;
    case SendRequest::Reply::Acknowledge:
        if (!Protocol::isAcknowledge(reply))
            return fail(ExitStatus::Refused, Texts::tr("the module refused: it answered %1")
                                                 .arg(Protocol::hexString(reply.left(8))));
        return ExitStatus::Done;
    case SendRequest::Reply::Settings: {
        const Protocol::Settings settings = Protocol::decodeSettings(reply);
        if (!settings.modeIndex && !settings.speedIndex && !settings.message)
            return fail(ExitStatus::NoReply,
                        Texts::tr("the module's answer is no settings record: %1")
                            .arg(Protocol::hexString(reply.left(24))));
        printSettings(settings, parser.isSet(json));
        return ExitStatus::Done;
    }
    }
    return ExitStatus::Done;
}
