// glyphsmith-sim: the Kaldor8x8 display module, simulated on a pseudo-terminal.
//
// PtyPort is the serial line; Simulator frames what arrives, hands each message to the
// widget-free Module (state, font, animations) and sends back its answer with any faults asked
// for; LedBoard shows the display. SignalWatcher lets SIGINT and SIGTERM end the event loop
// normally, so the port's link is removed on every way out.

#include "ledboard.h"
#include "options.h"
#include "ptyport.h"
#include "signalwatcher.h"
#include "simulator.h"
#include "statefile.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace {

void printError(const QString &text)
{
    std::fprintf(stderr, "glyphsmith-sim: %s\n", qPrintable(text));
}

// Exit statuses, as --help gives them.
constexpr int Failed = 1;
constexpr int BadArgument = 2;

int run(const Options &options)
{
    PtyPort port;
    if (!port.open(options.linkPath, options.replace)) {
        printError(port.errorString());
        return port.linkFailed() ? BadArgument : Failed;
    }

    StateFile::Loaded loaded;
    if (!options.statePath.isEmpty())
        loaded = StateFile::load(options.statePath);
    Simulator simulator(loaded.state, options.faults);
    if (!options.logPath.isEmpty()) {
        QString error;
        if (!simulator.openLog(options.logPath, &error, options.logTimes)) {
            printError(QStringLiteral("cannot write %1: %2").arg(options.logPath, error));
            return BadArgument;
        }
    }
    if (!loaded.problem.isEmpty()) {
        const QString text = QStringLiteral("state file %1 is unusable (%2); nothing is stored")
                                 .arg(options.statePath, loaded.problem);
        printError(text);
        simulator.note(text);
    }
    simulator.setStateFile(options.statePath);
    if (!options.statePath.isEmpty()) {
        if (const auto why = StateFile::whyNotWritable(options.statePath)) {
            const QString text = QStringLiteral("state file %1 cannot be written (%2); changes to "
                                                "the stored settings will not be kept")
                                     .arg(options.statePath, *why);
            printError(text);
            simulator.note(text);
        }
    }

    port.setBaud(options.baud);
    simulator.setLinePoll([&port] { port.takeDue(); });
    QObject::connect(&port, &PtyPort::received, &simulator, &Simulator::receive);
    QObject::connect(&simulator, &Simulator::transmit, &port, &PtyPort::write);

    SignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested,
                     QCoreApplication::instance(), &QCoreApplication::quit);

    std::unique_ptr<LedBoard> board;
    if (!options.headless) {
        board = std::make_unique<LedBoard>();
        board->setPattern(simulator.display());
        QObject::connect(&simulator, &Simulator::displayChanged, board.get(),
                         &LedBoard::setPattern);
        board->show();
    }

    // Printed last: whoever reads it may open the port at once.
    std::printf("%s\n", qPrintable(port.portPath()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("glyphsmith-sim"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    Options options;
    QString error;
    switch (parseCommandLine(parser, arguments, options, error)) {
    case CommandLine::Error:
        printError(error);
        std::fprintf(stderr, "Try 'glyphsmith-sim --help'.\n");
        return 2;
    case CommandLine::Help: {
        QCoreApplication app(argc, argv);
        parser.showHelp(0);
    }
    case CommandLine::Run:
        break;
    }

    std::unique_ptr<QCoreApplication> app;
    if (options.headless)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    return run(options);
}
