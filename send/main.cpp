// glyphsmith-send: one message to the Kaldor8x8 module from a shell or a script, over the same
// link as the program (a device path, or a module on the network), waiting for the module's
// answer where the configuration dialog waits for one. No display is needed.

#include "animationrun.h"
#include "moduleexchange.h"
#include "sendrequest.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

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

QString helpText(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    text.replace(QCoreApplication::arguments().constFirst() + QLatin1String(" [options]"),
                 QLatin1String("glyphsmith-send [options] COMMAND [ARGS]"));
    return text + u'\n' + tr("Commands:\n") + sendCommandsHelp() +
           tr("\nA text that begins with '-' goes after '--': glyphsmith-send scroll -- -5.\n") +
           tr("\nExit status: 0 done (acknowledged where the module answers), 2 bad usage, 3 "
              "refused by the module, 4 no reply, 5 port not available.\n");
}

void printSettings(const Protocol::Settings &settings, bool json)
{
    if (json) {
        QJsonObject object;
        object.insert(QLatin1String("mode"),
                      settings.modeIndex ? QJsonValue(*settings.modeIndex) : QJsonValue());
        object.insert(QLatin1String("speed"),
                      settings.speedIndex ? QJsonValue(*settings.speedIndex + 1) : QJsonValue());
        object.insert(QLatin1String("message"),
                      settings.message ? QJsonValue(*settings.message) : QJsonValue());
        std::printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
        return;
    }
    const auto shown = [](const std::optional<int> &value) {
        return value ? QString::number(*value) : tr("unknown");
    };
    std::printf("mode %s\n", qPrintable(shown(settings.modeIndex)));
    std::printf("speed %s\n",
                qPrintable(shown(settings.speedIndex ? std::optional<int>(*settings.speedIndex + 1)
                                                     : std::nullopt)));
    // Nothing stored, or a length the record cannot have: no message, as the dialog shows it.
    std::printf("message %s\n", settings.message.value_or(QString()).toUtf8().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glyphsmith-send"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Sends one message to the Kaldor8x8 8x8 LED module and, for the settings commands, "
           "waits for its answer.\nWithout --port it uses the port the program has stored, "
           "COM1 to COM6 standing for devices as in the program."));
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
    parser.addOptions({help, version, port, json, format});

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(ExitStatus::BadUsage,
                    parser.errorText() + tr("; try 'glyphsmith-send --help'"));
    if (parser.isSet(help)) {
        std::fputs(qPrintable(helpText(parser)), stdout);
        return ExitStatus::Done;
    }
    if (parser.isSet(version)) {
        std::printf("glyphsmith-send %s\n", GLYPHSMITH_VERSION);
        return ExitStatus::Done;
    }

    QString error;
    const auto request =
        parseSendCommand(parser.positionalArguments(), &error, parser.value(format));
    if (!request)
        return fail(ExitStatus::BadUsage, error + tr("; try 'glyphsmith-send --help'"));
    if (parser.isSet(json) && request->reply != SendRequest::Reply::Settings)
        return fail(ExitStatus::BadUsage, tr("--json goes with the command 'settings' only"));

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
                        : tr("%1 is not available: %2").arg(*device, reason));
    }
    case ModuleExchange::Outcome::NoReply:
        return fail(ExitStatus::NoReply, tr("no reply from the module on %1").arg(*device));
    case ModuleExchange::Outcome::Cancelled:
        return fail(ExitStatus::PortUnavailable, tr("interrupted"));
    case ModuleExchange::Outcome::Done:
        break;
    }

    const QByteArray reply = exchange.reply();
    switch (request->reply) {
    case SendRequest::Reply::None:
        return ExitStatus::Done;
    case SendRequest::Reply::Acknowledge:
        if (!Protocol::isAcknowledge(reply))
            return fail(
                ExitStatus::Refused,
                tr("the module refused: it answered %1").arg(Protocol::hexString(reply.left(8))));
        return ExitStatus::Done;
    case SendRequest::Reply::Settings: {
        const Protocol::Settings settings = Protocol::decodeSettings(reply);
        if (!settings.modeIndex && !settings.speedIndex && !settings.message)
            return fail(ExitStatus::NoReply, tr("the module's answer is no settings record: %1")
                                                 .arg(Protocol::hexString(reply.left(24))));
        printSettings(settings, parser.isSet(json));
        return ExitStatus::Done;
    }
    }
    return ExitStatus::Done;
}
