// glyphsmith-bridge: puts one or more modules on an MQTT broker, so that any machine and any
// home-automation hub can use them, and paces each module at its own line, next to the UART,
// where no network stall can run two texts together. No windows; see README and
// glyphsmith-bridge(1).

#include "bridge.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithBridge)
};

int fail(int status, const QString &reason)
{
    std::fprintf(stderr, "glyphsmith-bridge: %s\n", qPrintable(reason));
    return status;
}

constexpr int BadUsage = 2;

// SIGTERM (systemd's stop) and SIGINT end the bridge through its event loop, so that it says
// "offline" and goodbye to the broker. A handler may do next to nothing: it writes one byte into
// a socket pair that the event loop watches.
int s_signalPair[2] = {-1, -1};

void signalled(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_signalPair[0], &byte, 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glyphsmith-bridge"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));
    Translations::installForUser(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(Texts::tr(
        "Puts Kaldor8x8 8x8 LED modules on an MQTT broker: each module's topics under "
        "BASE/MODULE become its messages, paced at the module's own line.\nThe configuration "
        "file (INI) names the broker and the modules; the options override it."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("Show this help."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     Texts::tr("Show the version."));
    const QCommandLineOption config(
        QStringList{QStringLiteral("c"), QStringLiteral("config")},
        Texts::tr("The configuration file (default: %1).").arg(BridgeConfig::defaultPath()),
        QStringLiteral("file"));
    const QCommandLineOption broker(QStringLiteral("broker"), Texts::tr("The broker's host name."),
                                    QStringLiteral("host"));
    const QCommandLineOption brokerPort(QStringLiteral("broker-port"),
                                        Texts::tr("The broker's port (1883; 8883 with TLS)."),
                                        QStringLiteral("port"));
    const QCommandLineOption tls(QStringLiteral("tls"),
                                 Texts::tr("Connect to the broker with TLS."));
    const QCommandLineOption caFile(QStringLiteral("ca-file"),
                                    Texts::tr("The broker's CA certificate (TLS)."),
                                    QStringLiteral("file"));
    const QCommandLineOption user(QStringLiteral("user"), Texts::tr("The user name at the broker."),
                                  QStringLiteral("name"));
    const QCommandLineOption passwordFile(
        QStringLiteral("password-file"),
        Texts::tr("A file whose first line is the password (or set GLYPHSMITH_MQTT_PASSWORD)."),
        QStringLiteral("file"));
    const QCommandLineOption clientId(QStringLiteral("client-id"), Texts::tr("The MQTT client id."),
                                      QStringLiteral("id"));
    const QCommandLineOption keepAlive(QStringLiteral("keep-alive"),
                                       Texts::tr("The keep-alive time in seconds (60)."),
                                       QStringLiteral("seconds"));
    const QCommandLineOption baseTopic(
        QStringLiteral("base-topic"),
        Texts::tr("The topic the modules' topics begin with (glyphsmith)."),
        QStringLiteral("topic"));
    const QCommandLineOption module(
        QStringLiteral("module"),
        Texts::tr("A module and its port: COM1..COM6, a device path, "
                  "tcp://host:port or rfc2217://host:port; may be repeated."),
        QStringLiteral("name=port"));
    const QCommandLineOption discovery(QStringLiteral("discovery"),
                                       Texts::tr("Announce the modules to Home Assistant."));
    const QCommandLineOption noDiscovery(QStringLiteral("no-discovery"),
                                         Texts::tr("Do not announce them (and remove what was)."));
    const QCommandLineOption stateDir(
        QStringLiteral("state-dir"),
        Texts::tr("Where the bridge remembers what it announced (default: %1).")
            .arg(BridgeConfig::defaultStateDir()),
        QStringLiteral("dir"));
    const QCommandLineOption check(QStringLiteral("check"),
                                   Texts::tr("Check the configuration, print it and exit."));
    parser.addOptions({help, version, config, broker, brokerPort, tls, caFile, user, passwordFile,
                       clientId, keepAlive, baseTopic, module, discovery, noDiscovery, stateDir,
                       check});

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(BadUsage, parser.errorText() + Texts::tr("; try 'glyphsmith-bridge --help'"));
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("glyphsmith-bridge %s\n", GLYPHSMITH_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(BadUsage, Texts::tr("unexpected argument '%1'; try 'glyphsmith-bridge --help'")
                                  .arg(parser.positionalArguments().constFirst()));

    QString error;
    std::optional<BridgeConfig> settings;
    const QString configPath =
        parser.isSet(config) ? parser.value(config) : BridgeConfig::defaultPath();
    if (parser.isSet(config) || QFileInfo::exists(configPath))
        settings = BridgeConfig::read(configPath, &error);
    else
        settings = BridgeConfig::parse(QByteArray(), configPath, &error);
    if (!settings)
        return fail(BadUsage, error);

    const auto number = [&](const QCommandLineOption &option, int low, int high,
                            int *value) -> bool {
        bool ok = false;
        const int n = parser.value(option).toInt(&ok);
        if (!ok || n < low || n > high) {
            error = Texts::tr("--%1 takes a number from %2 to %3")
                        .arg(option.names().constFirst())
                        .arg(low)
                        .arg(high);
            return false;
        }
        *value = n;
        return true;
    };
    if (parser.isSet(broker))
        settings->broker.host = parser.value(broker);
    if (parser.isSet(tls)) {
        settings->broker.tls = true;
        if (!parser.isSet(brokerPort) && settings->broker.port == 1883)
            settings->broker.port = 8883;
    }
    if (parser.isSet(brokerPort)) {
        int port = 0;
        if (!number(brokerPort, 1, 65535, &port))
            return fail(BadUsage, error);
        settings->broker.port = quint16(port);
    }
    if (parser.isSet(caFile))
        settings->broker.caFile = parser.value(caFile);
    if (parser.isSet(user))
        settings->broker.user = parser.value(user);
    if (parser.isSet(passwordFile))
        settings->passwordFile = parser.value(passwordFile);
    if (parser.isSet(clientId))
        settings->broker.clientId = parser.value(clientId);
    if (parser.isSet(keepAlive) && !number(keepAlive, 5, 65535, &settings->broker.keepAlive))
        return fail(BadUsage, error);
    if (parser.isSet(baseTopic))
        settings->baseTopic = parser.value(baseTopic);
    for (const QString &assignment : parser.values(module)) {
        if (!settings->setModule(assignment, &error))
            return fail(BadUsage, error);
    }
    if (parser.isSet(discovery))
        settings->discovery = true;
    if (parser.isSet(noDiscovery))
        settings->discovery = false;
    if (parser.isSet(stateDir))
        settings->stateDir = parser.value(stateDir);
    if (const QString problem = settings->check(); !problem.isEmpty())
        return fail(BadUsage, problem);
    if (!settings->loadPassword(&error))
        return fail(BadUsage, error);

    if (parser.isSet(check)) {
        std::printf("broker %s:%u%s%s\n", qPrintable(settings->broker.host),
                    unsigned(settings->broker.port), settings->broker.tls ? " tls" : "",
                    settings->broker.user.isEmpty()
                        ? ""
                        : qPrintable(QStringLiteral(" user ") + settings->broker.user));
        for (const BridgeModule &each : std::as_const(settings->modules))
            std::printf("%s/%s %s\n", qPrintable(settings->baseTopic), qPrintable(each.name),
                        qPrintable(each.port));
        return 0;
    }

    Bridge bridge(*settings);
    QObject::connect(&bridge, &Bridge::logged, &app, [](const QString &line) {
        std::fprintf(stderr, "glyphsmith-bridge: %s\n", qPrintable(line));
    });
    QObject::connect(&bridge, &Bridge::stopped, &app, &QCoreApplication::quit);

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_signalPair) == 0) {
        auto *notifier = new QSocketNotifier(s_signalPair[1], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &bridge, [&bridge] {
            char byte = 0;
            [[maybe_unused]] const ssize_t got = ::read(s_signalPair[1], &byte, 1);
            bridge.stop();
        });
        struct sigaction action
        {};
        action.sa_handler = &signalled;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGINT, &action, nullptr);
    }

    bridge.start();
    return app.exec();
}
