#include "options.h"

#include "protocol.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSim)
};

const char Description[] =
    QT_TRANSLATE_NOOP("GlyphsmithSim",
                      R"(Simulates the Kaldor8x8 8x8 LED dot-matrix module on a pseudo-terminal.

At start the path to open as the serial port (the --link path, else the
pseudo-terminal itself) is printed on a line of its own. Every message the
program sends is framed, acted on and, for the configuration commands,
answered: F0 reads the stored settings (mode, speed code, message length,
message; FF for what is not stored), F5/F6/F7 store the message, speed code
and start-up mode and answer AA. FE shows a character or a custom character
0..9, F9 stores the shown pattern as a custom character, FC shows a dot
pattern, FD scrolls a text, FB shows its characters one by one, FA sets
their speed, F8 plays an arrow animation (0 up, 1 down, 2 right, 3 left).

Log lines: the bytes of each message in hex ("FC 10 00 00 00 00 00 00 00"),
"< " and the bytes of each reply or part of one as it is sent ("< AA"), and
notes about junk, incomplete or refused messages starting with "# ". With
--log-times each line begins with a time in milliseconds on the system's
monotonic clock (CLOCK_MONOTONIC, "5234.567 FC ..."): for a message, when its
last byte arrived.

With --count N it simulates N modules at once, each on a pseudo-terminal of its
own, and prints the N paths to open, one a line, module 1 first. The --link,
--log and --state paths are then numbered: --link /tmp/module gives
/tmp/module-1 to /tmp/module-N, --log /tmp/module.log gives /tmp/module-1.log
and so on. The LED boards are shown side by side in one window, module 1 on
the left.

A bad argument ends the simulator with exit status 2: an unknown option or
value, a --link path that cannot be made or that another simulator still
serves, a --log file that cannot be written. A --state file that cannot be
written is reported at start; the simulator runs on and logs each change it
could not store. Any other failure ends it with exit status 1.)");

std::optional<int> milliseconds(const QString &text, int minimum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > 60000)
        return std::nullopt;
    return value;
}

} // namespace

CommandLine parseCommandLine(QCommandLineParser &parser, const QStringList &arguments,
                             Options &options, QString &error)
{
    parser.setApplicationDescription(Texts::tr(Description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption headless(QStringLiteral("headless"),
                                      Texts::tr("Run without a window."));
    const QCommandLineOption link(QStringLiteral("link"),
                                  Texts::tr("Make <path> a symbolic link to the port "
                                            "(replacing an old link; removed on exit)."),
                                  QStringLiteral("path"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     Texts::tr("Take the --link path over even while another "
                                               "simulator serves it."));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  Texts::tr("Take at most <rate> / 10 bytes a second from the "
                                            "port, as a module on a line of that speed."),
                                  QStringLiteral("rate"));
    const QCommandLineOption logTimes(QStringLiteral("log-times"),
                                      Texts::tr("Begin each log line with the time in "
                                                "milliseconds (monotonic clock)."));
    const QCommandLineOption log(QStringLiteral("log"),
                                 Texts::tr("Write every message and reply to <file>."),
                                 QStringLiteral("file"));
    const QCommandLineOption state(QStringLiteral("state"),
                                   Texts::tr("Keep the stored settings and custom "
                                             "characters in <file> across runs."),
                                   QStringLiteral("file"));
    const QCommandLineOption noReply(QStringLiteral("no-reply"), Texts::tr("Fault: never answer."));
    const QCommandLineOption replyDelay(QStringLiteral("reply-delay"),
                                        Texts::tr("Fault: answer <ms> milliseconds late."),
                                        QStringLiteral("ms"));
    const QCommandLineOption nak(QStringLiteral("nak"),
                                 Texts::tr("Fault: answer 55 instead of AA and store "
                                           "nothing."));
    const QCommandLineOption settingsReply(
        QStringLiteral("settings-reply"),
        QStringLiteral("Fault: answer F0 with exactly these bytes, hex pairs, spaces "
                       "allowed (\"03 31\")."),
        QStringLiteral("hex"));
    const QCommandLineOption split(QStringLiteral("split"),
                                   Texts::tr("Fault: send each reply of two bytes or more "
                                             "in two parts, <ms> milliseconds apart."),
                                   QStringLiteral("ms"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   Texts::tr("Simulate <n> modules (1 to 16) side by side, "
                                             "their paths numbered."),
                                   QStringLiteral("n"));
    parser.addOptions({headless, link, replace, baud, log, logTimes, state, count, noReply,
                       replyDelay, nak, settingsReply, split});

    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return CommandLine::Error;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return CommandLine::Help;
    if (!parser.positionalArguments().isEmpty()) {
        error = Texts::tr("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return CommandLine::Error;
    }

    options.headless = parser.isSet(headless);
    options.linkPath = parser.value(link);
    options.logPath = parser.value(log);
    options.statePath = parser.value(state);
    options.replace = parser.isSet(replace);
    options.logTimes = parser.isSet(logTimes);
    if (parser.isSet(baud)) {
        bool ok = false;
        options.baud = parser.value(baud).toInt(&ok);
        if (!ok || options.baud < 50 || options.baud > 4000000) {
            error = Texts::tr("--baud wants a rate from 50 to 4000000, not '%1'")
                        .arg(parser.value(baud));
            return CommandLine::Error;
        }
    }
    if (parser.isSet(count)) {
        bool ok = false;
        options.count = parser.value(count).toInt(&ok);
        if (!ok || options.count < 1 || options.count > 16) {
            error = Texts::tr("--count wants a number of modules from 1 to 16, not '%1'")
                        .arg(parser.value(count));
            return CommandLine::Error;
        }
    }
    if ((parser.isSet(link) && options.linkPath.isEmpty()) ||
        (parser.isSet(log) && options.logPath.isEmpty()) ||
        (parser.isSet(state) && options.statePath.isEmpty())) {
        error = Texts::tr("a path must not be empty");
        return CommandLine::Error;
    }

    Faults &faults = options.faults;
    faults.noReply = parser.isSet(noReply);
    faults.nak = parser.isSet(nak);
    if (parser.isSet(replyDelay)) {
        const auto ms = milliseconds(parser.value(replyDelay), 0);
        if (!ms) {
            error = Texts::tr("--reply-delay wants milliseconds from 0 to 60000, not '%1'")
                        .arg(parser.value(replyDelay));
            return CommandLine::Error;
        }
        faults.replyDelay = std::chrono::milliseconds(*ms);
    }
    if (parser.isSet(split)) {
        const auto ms = milliseconds(parser.value(split), 1);
        if (!ms) {
            error = Texts::tr("--split wants milliseconds from 1 to 60000, not '%1'")
                        .arg(parser.value(split));
            return CommandLine::Error;
        }
        faults.split = std::chrono::milliseconds(*ms);
    }
    if (parser.isSet(settingsReply)) {
        const auto bytes = Protocol::parseHex(parser.value(settingsReply));
        if (!bytes || bytes->isEmpty()) {
            error = QStringLiteral("--settings-reply wants hex byte pairs such as \"03 31\", "
                                   "not '%1'")
                        .arg(parser.value(settingsReply));
            return CommandLine::Error;
        }
        faults.settingsReply = *bytes;
    }
    return CommandLine::Run;
}

QString numberedPath(const QString &path, int module, int count)
{
    if (count <= 1 || path.isEmpty())
        return path;
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    if (suffix.isEmpty() || file.completeBaseName().isEmpty())
        return QStringLiteral("%1-%2").arg(path).arg(module);
    const QString stem = path.left(path.size() - suffix.size() - 1);
    return QStringLiteral("%1-%2.%3").arg(stem).arg(module).arg(suffix);
}
