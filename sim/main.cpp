// glyphsmith-sim: the Kaldor8x8 display module, simulated on a pseudo-terminal.
//
// PtyPort is the serial line; Simulator frames what arrives, hands each message to the
// widget-free Module (state, font, animations) and sends back its answer with any faults asked
// for; LedBoard shows the display. With --count, several such modules run side by side, each
// with a line of its own. SignalWatcher lets SIGINT and SIGTERM end the event loop
// normally, so the port's link is removed on every way out.

#include "ledboard.h"
#include "options.h"
#include "ptyport.h"
#include "signalwatcher.h"
#include "simulator.h"
#include "statefile.h"
#include "translations.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSim)
};

void printError(const QString &text)
{
    std::fprintf(stderr, "glyphsmith-sim: %s\n", qPrintable(text));
}

// Exit statuses, as --help gives them.
constexpr int Failed = 1;
constexpr int BadArgument = 2;

// One simulated module: its end of the line, the module itself, and where it keeps its log and
// state.
struct Rig
{
    PtyPort port;
    std::unique_ptr<Simulator> simulator;
};

// Opens module `number`'s pty and sets its simulator up; a non-zero exit status on failure.
int setUp(Rig &rig, const Options &options, int number)
{
    const QString linkPath = numberedPath(options.linkPath, number, options.count);
    const QString logPath = numberedPath(options.logPath, number, options.count);
    const QString statePath = numberedPath(options.statePath, number, options.count);
    if (!rig.port.open(linkPath, options.replace)) {
        printError(rig.port.errorString());
        return rig.port.linkFailed() ? BadArgument : Failed;
    }

    StateFile::Loaded loaded;
    if (!statePath.isEmpty())
        loaded = StateFile::load(statePath);
    rig.simulator = std::make_unique<Simulator>(loaded.state, options.faults);
    Simulator &simulator = *rig.simulator;
    if (!logPath.isEmpty()) {
        QString error;
        if (!simulator.openLog(logPath, &error, options.logTimes)) {
            printError(Texts::tr("cannot write %1: %2").arg(logPath, error));
            return BadArgument;
        }
    }
    if (!loaded.problem.isEmpty()) {
        // The log keeps its English notes; the terminal is told in the user's language.
        const char *text =
            QT_TRANSLATE_NOOP("GlyphsmithSim", "state file %1 is unusable (%2); nothing is stored");
        printError(Texts::tr(text).arg(statePath, loaded.problem));
        simulator.note(QString::fromLatin1(text).arg(statePath, loaded.problem));
    }
    simulator.setStateFile(statePath);
    if (!statePath.isEmpty()) {
        if (const auto why = StateFile::whyNotWritable(statePath)) {
            const char *text =
                QT_TRANSLATE_NOOP("GlyphsmithSim", "state file %1 cannot be written (%2); changes "
                                                   "to the stored settings will not be kept");
            printError(Texts::tr(text).arg(statePath, *why));
            simulator.note(QString::fromLatin1(text).arg(statePath, *why));
        }
    }

    PtyPort &port = rig.port;
    port.setBaud(options.baud);
    simulator.setLinePoll([&port] { port.takeDue(); });
    QObject::connect(&port, &PtyPort::received, &simulator, &Simulator::receive);
    QObject::connect(&simulator, &Simulator::transmit, &port, &PtyPort::write);
    return 0;
}

// Several modules' boards side by side in one window, each captioned with its number.
std::unique_ptr<QWidget> boardsWindow(const std::vector<std::unique_ptr<Rig>> &rigs)
{
    if (rigs.size() == 1) {
        auto board = std::make_unique<LedBoard>();
        Simulator *simulator = rigs.front()->simulator.get();
        board->setPattern(simulator->display());
        QObject::connect(simulator, &Simulator::displayChanged, board.get(), &LedBoard::setPattern);
        return board;
    }
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(Texts::tr("Kaldor8x8 modules 1 to %1 (simulated)").arg(rigs.size()));
    auto *row = new QHBoxLayout(window.get());
    for (size_t i = 0; i < rigs.size(); ++i) {
        auto *column = new QVBoxLayout;
        auto *caption = new QLabel(QString::number(i + 1), window.get());
        caption->setAlignment(Qt::AlignCenter);
        auto *board = new LedBoard(window.get());
        board->setMinimumSize(board->minimumSizeHint());
        Simulator *simulator = rigs.at(i)->simulator.get();
        board->setPattern(simulator->display());
        QObject::connect(simulator, &Simulator::displayChanged, board, &LedBoard::setPattern);
        column->addWidget(caption);
        column->addWidget(board, 1);
        row->addLayout(column, 1);
    }
    return window;
}

int run(const Options &options)
{
    std::vector<std::unique_ptr<Rig>> rigs;
    for (int number = 1; number <= options.count; ++number) {
        rigs.push_back(std::make_unique<Rig>());
        if (const int status = setUp(*rigs.back(), options, number))
            return status;
    }

    SignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested,
                     QCoreApplication::instance(), &QCoreApplication::quit);

    std::unique_ptr<QWidget> boards;
    if (!options.headless) {
        boards = boardsWindow(rigs);
        boards->show();
    }

    // Printed last: whoever reads them may open the ports at once.
    for (const auto &rig : rigs)
        std::printf("%s\n", qPrintable(rig->port.portPath()));
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
    const CommandLine read = parseCommandLine(parser, arguments, options, error);
    if (read != CommandLine::Run) {
        // Only an application can hold translators: the command line is read again with them,
        // so that the help or the mistake is told in the user's language.
        QCoreApplication app(argc, argv);
        Translations::installForUser(app);
        QCommandLineParser translated;
        parseCommandLine(translated, arguments, options, error);
        if (read == CommandLine::Help)
            translated.showHelp(0);
        printError(error);
        std::fputs(qPrintable(Texts::tr("Try 'glyphsmith-sim --help'.") + u'\n'), stderr);
        return BadArgument;
    }

    std::unique_ptr<QCoreApplication> app;
    if (options.headless)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    Translations::installForUser(*app);
    return run(options);
}
