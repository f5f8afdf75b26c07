#include "benchprompter.h"
#include "burstbench.h"

#include "benchsupport.h"
#include "frmmain.h"
#include "messagebox.h"
#include "report.h"
#include "startup.h"
#include "workspace.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Paced at the line's own speed, a thousand commands take some ten seconds to go out.
constexpr int Commands = 1000;
// At 9600 baud, 8N1, and the quiet time the link keeps after a message of variable length.
constexpr double ByteSeconds = 10.0 / 9600.0;
constexpr double IdleGapSeconds = 0.005;
const QString Name = QStringLiteral("Burst");

enum class Button {
    ShowSingleAscii,
    ShowCustom,
    SaveCustom,
    DotMatrix,
    Scroll,
    Animate,
    SetSpeed,
    UpArrow,
    DownArrow,
    RightArrow,
    LeftArrow,
};
constexpr int ButtonCount = 11;

// One command of the burst: what the user put in before clicking, and the bytes that must come
// out. The bytes are worked out here, independently of the program's own message building.
struct Step
{
    Button button = Button::UpArrow;
    QString text;
    int index = 0;
    int column = 0; // a dot toggled before "Send Dot Matrix": column 1..8 ...
    int weight = 0; // ... and the cell's bit weight
    QByteArray bytes;
};

// Texts carry bytes equal to command bytes too (0xF0, 0xFE, ...): Latin-1 letters such as
// eth and thorn are exactly those bytes.
QString latin1(const char *bytes)
{
    return QString::fromLatin1(bytes);
}

const std::array<QString, 9> Characters = {QString(),      latin1("A"),    latin1("z"),
                                           latin1("7"),    latin1(" "),    latin1("\xF0"),
                                           latin1("\xFE"), latin1("\xFC"), latin1("\xFF")};
const std::array<QString, 9> Texts = {QString(),
                                      latin1("HELLO"),
                                      latin1("Kaldor 8x8"),
                                      latin1("ABCDEFGHIJKLMNOPQRST"),
                                      latin1("\xF0\xFE\xFC\xFB\xFA\xF9\xF8\xF5\xF6\xF7"),
                                      latin1("12345678901234567890"),
                                      latin1("a"),
                                      latin1("\xF0"),
                                      latin1("x\xFE y\xFC z\xE9 \xAA")};
constexpr std::array<quint8, 4> SpeedCodes = {57, 49, 41, 33};

// The dots "Send Dot Matrix" sends, changed by one click before each send: odd columns fill up
// to F0, even ones to FE, then all empty again in the same order.
std::vector<std::pair<int, int>> dotWalk()
{
    std::vector<std::pair<int, int>> walk;
    for (int column = 1; column <= 8; ++column) {
        const std::vector<int> weights = column % 2 ? std::vector<int>{16, 32, 64, 128}
                                                    : std::vector<int>{16, 32, 64, 128, 2, 4, 8};
        for (int weight : weights)
            walk.emplace_back(column, weight);
    }
    return walk;
}

std::vector<Step> planBurst(QByteArray &stream)
{
    std::mt19937 random(8); // fixed, so every run sends the same burst
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    const auto walk = dotWalk();
    std::size_t walked = 0;
    std::array<quint8, 8> columns{};

    std::vector<Step> steps;
    steps.reserve(Commands);
    for (int n = 0; n < Commands; ++n) {
        Step step;
        step.button = Button(pick(ButtonCount));
        switch (step.button) {
        case Button::ShowSingleAscii:
            step.text = Characters[size_t(pick(int(Characters.size())))];
            step.bytes = QByteArray(1, char(0xFE)) + step.text.toLatin1();
            break;
        case Button::ShowCustom:
        case Button::SaveCustom:
            step.index = pick(10);
            step.bytes = QByteArray(1, char(step.button == Button::ShowCustom ? 0xFE : 0xF9)) +
                         QByteArray(1, char(step.index));
            break;
        case Button::DotMatrix: {
            const auto [column, weight] = walk[walked++ % walk.size()];
            step.column = column;
            step.weight = weight;
            columns[size_t(column - 1)] ^= quint8(weight);
            step.bytes = QByteArray(1, char(0xFC));
            for (quint8 value : columns)
                step.bytes.append(char(value));
            break;
        }
        case Button::Scroll:
        case Button::Animate:
            step.text = Texts[size_t(pick(int(Texts.size())))];
            step.bytes = QByteArray(1, char(step.button == Button::Scroll ? 0xFD : 0xFB)) +
                         step.text.toLatin1();
            break;
        case Button::SetSpeed:
            step.index = pick(int(SpeedCodes.size()));
            step.bytes =
                QByteArray(1, char(0xFA)) + QByteArray(1, char(SpeedCodes[size_t(step.index)]));
            break;
        case Button::UpArrow:
        case Button::DownArrow:
        case Button::RightArrow:
        case Button::LeftArrow:
            step.bytes = QByteArray(1, char(0xF8)) +
                         QByteArray(1, char(int(step.button) - int(Button::UpArrow)));
            break;
        }
        stream += step.bytes;
        steps.push_back(std::move(step));
    }
    return steps;
}

// Puts the step's input into the window, as the user would, and clicks its button's handler.
class BurstDriver
{
public:
    explicit BurstDriver(FrmMain &window)
        : m_window(window)
        , m_single(window.findChild<QLineEdit *>(QStringLiteral("txtSASC")))
        , m_scroll(window.findChild<QLineEdit *>(QStringLiteral("txtScroll")))
        , m_speed(window.findChild<QComboBox *>(QStringLiteral("cboSpeed")))
        , m_custom(window.findChild<QComboBox *>(QStringLiteral("cboCustom")))
    {}

    bool isComplete() const { return m_single && m_scroll && m_speed && m_custom; }

    void run(const Step &step)
    {
        static constexpr std::array<void (FrmMain::*)(int), 8> columnClicks = {
            &FrmMain::col1_Click, &FrmMain::col2_Click, &FrmMain::col3_Click, &FrmMain::col4_Click,
            &FrmMain::col5_Click, &FrmMain::col6_Click, &FrmMain::col7_Click, &FrmMain::col8_Click};
        switch (step.button) {
        case Button::ShowSingleAscii:
            m_single->setText(step.text);
            m_window.cmdSSA_Click();
            break;
        case Button::ShowCustom:
            m_custom->setCurrentIndex(step.index);
            m_window.cmdLoadCustom_Click();
            break;
        case Button::SaveCustom:
            m_custom->setCurrentIndex(step.index);
            m_window.cmdSave_Click();
            break;
        case Button::DotMatrix:
            (m_window.*columnClicks[size_t(step.column - 1)])(step.weight);
            m_window.cmdDotM_Click();
            break;
        case Button::Scroll:
            m_scroll->setText(step.text);
            m_window.cmdScroll_Click();
            break;
        case Button::Animate:
            m_scroll->setText(step.text);
            m_window.cmdAnimate_Click();
            break;
        case Button::SetSpeed:
            m_speed->setCurrentIndex(step.index);
            m_window.cmdSpeed_Click();
            break;
        case Button::UpArrow:
            m_window.cmdUpArrow_Click();
            break;
        case Button::DownArrow:
            m_window.cmdDownArrow_Click();
            break;
        case Button::RightArrow:
            m_window.cmdRightArrow_Click();
            break;
        case Button::LeftArrow:
            m_window.cmdLeftArrow_Click();
            break;
        }
    }

private:
    FrmMain &m_window;
    QLineEdit *m_single;
    QLineEdit *m_scroll;
    QComboBox *m_speed;
    QComboBox *m_custom;
};

// Messages whose end the module can only tell by the line going quiet after them.
bool endsByIdleGap(const Step &step)
{
    return step.button == Button::ShowSingleAscii || step.button == Button::Scroll ||
           step.button == Button::Animate;
}

struct Outcome
{
    QByteArray received;
    // Messages of variable length whose successor arrived less than the idle gap after them.
    int touching = 0;
    double seconds = 0;   // from the first command until the last byte was read
    double sendingNs = 0; // from the first command until the last handler returned
    bool readAtRealTime = false;
    qsizetype stray = 0;
};

// A message of variable length touches the next one when the next one's first byte came less
// than the idle gap after its last byte (0.5 ms is allowed for the reader's own wake-up).
int countTouching(const std::vector<Step> &steps, const Bench::FarEndCollector &collector)
{
    int touching = 0;
    qsizetype offset = 0;
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        offset += steps[i].bytes.size();
        if (!endsByIdleGap(steps[i]) || offset >= collector.received().size())
            continue;
        const qint64 lastByte = collector.arrivalNs(offset - 1);
        const qint64 nextByte = collector.arrivalNs(offset);
        touching += nextByte - lastByte < qint64((IdleGapSeconds - 0.0005) * 1e9);
    }
    return touching;
}

// From `start` until the last byte read; not a number when none arrived.
double secondsSince(qint64 start, const Bench::FarEndCollector &collector)
{
    if (collector.received().isEmpty())
        return std::nan("");
    return double(collector.lastByteNs() - start) / 1e9;
}

// Anything that arrives after the expected bytes is a duplicate or stray byte.
qsizetype countStrayBytes(int masterFd)
{
    Bench::FarEnd farEnd(masterFd);
    return farEnd.read(1 << 20, std::chrono::milliseconds(200)).size();
}

// Every step through the window's handlers, back to back, and what reached the far end.
Outcome sendThroughWindow(BurstDriver &driver, const std::vector<Step> &steps, qsizetype total,
                          int masterFd, Bench::FarEndCollector::Start farEndStart)
{
    Bench::FarEnd(masterFd).drain();
    Outcome outcome;
    Bench::FarEndCollector collector(masterFd, total, farEndStart);
    const qint64 start = Bench::monotonicNs();
    for (const Step &step : steps) {
        driver.run(step);
        // What the event loop does between two clicks: repaints, timers, the port's own
        // notifications.
        QCoreApplication::processEvents();
    }
    outcome.sendingNs = double(Bench::monotonicNs() - start);
    collector.finish();
    collector.join();
    outcome.received = collector.received();
    outcome.seconds = secondsSince(start, collector);
    outcome.stray = countStrayBytes(masterFd);
    if (farEndStart == Bench::FarEndCollector::Start::AtOnce)
        outcome.touching = countTouching(steps, collector);
    outcome.readAtRealTime = collector.readAtRealTime();
    return outcome;
}

// The same messages, one raw write() each on the slave side.
Outcome writeRaw(const std::vector<Step> &steps, qsizetype total, int slaveFd, int masterFd)
{
    Outcome outcome;
    Bench::FarEndCollector collector(masterFd, total);
    const qint64 start = Bench::monotonicNs();
    for (const Step &step : steps) {
        qsizetype done = 0;
        while (done < step.bytes.size()) {
            const ssize_t n =
                ::write(slaveFd, step.bytes.constData() + done, size_t(step.bytes.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
    }
    outcome.sendingNs = double(Bench::monotonicNs() - start);
    collector.finish();
    collector.join();
    outcome.received = collector.received();
    outcome.seconds = secondsSince(start, collector);
    outcome.stray = countStrayBytes(masterFd);
    return outcome;
}

// How many bytes at the start of `received` are the ones sent, in order.
qsizetype matchingPrefix(const QByteArray &sent, const QByteArray &received)
{
    qsizetype offset = 0;
    while (offset < sent.size() && offset < received.size() && sent[offset] == received[offset])
        ++offset;
    return offset;
}

// Where the received stream stops matching, as "byte N: message M after k of its m bytes".
QString describeBreak(const std::vector<Step> &steps, qsizetype offset)
{
    qsizetype start = 0;
    std::size_t message = 0;
    while (message < steps.size() && start + steps[message].bytes.size() <= offset)
        start += steps[message++].bytes.size();
    if (message == steps.size())
        return QStringLiteral("byte %1, after the last message").arg(offset);
    return QStringLiteral("byte %1: message %2 after %3 of its %4 bytes")
        .arg(offset)
        .arg(message + 1)
        .arg(offset - start)
        .arg(steps[message].bytes.size());
}

} // namespace

void runBurstBenchmark(Report &report)
{
    QByteArray sent;
    const std::vector<Step> steps = planBurst(sent);

    Bench::Pty floorPty;
    Bench::Pty pty;
    if (!floorPty.isValid() || !pty.isValid()) {
        report.fail(Name, QStringLiteral("no pseudo-terminal could be opened"));
        return;
    }
    const int floorFd = ::open(floorPty.slavePath().toLocal8Bit().constData(), O_WRONLY | O_NOCTTY);
    if (floorFd < 0) {
        report.fail(Name, QStringLiteral("could not open %1").arg(floorPty.slavePath()));
        return;
    }
    const Outcome floor = writeRaw(steps, sent.size(), floorFd, floorPty.masterFd());
    ::close(floorFd);

    Bench::resetSettings(pty.slavePath());
    QStringList messages;
    RecordingPrompter prompter(messages);
    const auto program = startProgram(prompter);
    FrmMain *const window = &program->window();
    BurstDriver driver(*window);
    if (!QTest::qWaitForWindowExposed(window) || !driver.isComplete() ||
        !window->serialPort().isOpen()) {
        report.fail(Name, QStringLiteral("the main window did not come up on the pty (%1)")
                              .arg(messages.join(QStringLiteral("; "))));
        return;
    }

    // A raw blocking write() has no floor against the slower far end: it would wait for a
    // reader that waits for it.
    struct Variant
    {
        QString figure;
        Bench::FarEndCollector::Start start;
        bool floorMeasured;
    };
    const std::array<Variant, 2> variants = {
        Variant{QStringLiteral("bytes in order, far end keeps up"),
                Bench::FarEndCollector::Start::AtOnce, true},
        Variant{QStringLiteral("bytes in order, far end slower"),
                Bench::FarEndCollector::Start::AfterFinish, false}};
    const QString floorFigure =
        QStringLiteral("%1 of %2")
            .arg(floor.stray == 0 ? matchingPrefix(sent, floor.received) : 0)
            .arg(sent.size());
    std::optional<Outcome> keptUp;
    for (const Variant &variant : variants) {
        messages.clear();
        // The plan starts from an empty grid; every other input is set before its command.
        window->cmdCLR_Click();
        if (!window->serialPort().isOpen())
            window->mnuCOM_Click(1);
        const Outcome outcome =
            sendThroughWindow(driver, steps, sent.size(), pty.masterFd(), variant.start);
        const bool intact = outcome.received == sent && outcome.stray == 0;
        const qsizetype inOrder = matchingPrefix(sent, outcome.received);
        report.add({keptUp ? QString() : Name, variant.figure,
                    QStringLiteral("%1 of %2").arg(inOrder).arg(sent.size()),
                    variant.floorMeasured ? floorFigure : QStringLiteral("-"), QString(),
                    QStringLiteral("all, in order"),
                    intact ? Report::Verdict::Pass : Report::Verdict::Miss});
        if (!intact) {
            report.note(QStringLiteral("%1, %2: received %3 of %4 bytes, in order up to %5, %6 "
                                       "stray bytes after; port %7 (%8); messages shown: %9")
                            .arg(Name, variant.figure)
                            .arg(outcome.received.size())
                            .arg(sent.size())
                            .arg(describeBreak(steps, inOrder))
                            .arg(outcome.stray)
                            .arg(window->serialPort().isOpen() ? QStringLiteral("still open")
                                                               : QStringLiteral("closed"),
                                 window->serialPort().errorString().isEmpty()
                                     ? QStringLiteral("no error")
                                     : window->serialPort().errorString())
                            .arg(messages.isEmpty() ? QStringLiteral("none")
                                                    : QStringLiteral("%1 x \"%2\"")
                                                          .arg(messages.size())
                                                          .arg(messages.first())));
        }
        if (!keptUp)
            keptUp = outcome;
    }
    // A text whose successor was read too soon may have been read late itself. A program that
    // does not keep the gap does so again on a second run, and for most texts; a reader held up
    // for a moment does not.
    if (keptUp->touching > 0) {
        window->cmdCLR_Click();
        if (!window->serialPort().isOpen())
            window->mnuCOM_Click(1);
        const Outcome again = sendThroughWindow(driver, steps, sent.size(), pty.masterFd(),
                                                Bench::FarEndCollector::Start::AtOnce);
        report.note(QStringLiteral("%1: in the first run %2 texts looked followed too soon; the "
                                   "same commands again: %3")
                        .arg(Name)
                        .arg(keptUp->touching)
                        .arg(again.touching));
        if (again.received == sent)
            keptUp->touching = again.touching;
    }

    int variable = 0;
    for (const Step &step : steps)
        variable += endsByIdleGap(step);
    report.add({QString(), QStringLiteral("texts followed by the idle gap, far end keeps up"),
                QStringLiteral("%1 of %2").arg(variable - keptUp->touching).arg(variable),
                QStringLiteral("-"), QString(), QStringLiteral("all"),
                keptUp->touching == 0 ? Report::Verdict::Pass : Report::Verdict::Miss});

    // The line's own limit: every byte at 9600 baud, and the idle gap after every text.
    const double lineSeconds = double(sent.size()) * ByteSeconds + variable * IdleGapSeconds;
    const double rate = double(Commands) / keptUp->seconds;
    const double lineRate = double(Commands) / lineSeconds;
    const double floorRate = double(Commands) / floor.seconds;
    report.add({QString(), QStringLiteral("messages per second; ref: the line's limit"),
                Format::rate(rate), Format::rate(lineRate), Format::ratio(rate / lineRate),
                QString(), Report::Verdict::None});
    report.note(QStringLiteral("%1: raw writes into a pty with no line behind it go at %2; the "
                               "program paces them at the line's speed")
                    .arg(Name, Format::rate(floorRate)));
    if (!keptUp->readAtRealTime)
        report.note(QStringLiteral("%1: the far end was read at normal priority (real-time "
                                   "priority needs root or an rtprio limit); a late wake-up of "
                                   "the reader can make a gap look shorter than it was")
                        .arg(Name));

    std::array<int, ButtonCount> perButton{};
    int texts = 0, patterns = 0, lookalikes = 0;
    for (const Step &step : steps) {
        ++perButton[size_t(step.button)];
        texts += step.button == Button::ShowSingleAscii || step.button == Button::Scroll ||
                 step.button == Button::Animate;
        patterns += step.button == Button::DotMatrix;
        for (qsizetype at = 1; at < step.bytes.size(); ++at)
            lookalikes += quint8(step.bytes[at]) >= 0xF0;
    }
    report.note(QStringLiteral("%1: %2 bytes in %3 commands (each of the %4 buttons %5 to %6 "
                               "times; %7 texts, %8 dot patterns, %9 payload bytes >= F0)")
                    .arg(Name)
                    .arg(sent.size())
                    .arg(Commands)
                    .arg(ButtonCount)
                    .arg(*std::min_element(perButton.cbegin(), perButton.cend()))
                    .arg(*std::max_element(perButton.cbegin(), perButton.cend()))
                    .arg(texts)
                    .arg(patterns)
                    .arg(lookalikes));
    report.note(QStringLiteral("%1, far end keeps up: handlers done after %2, last byte read "
                               "after %3")
                    .arg(Name, Format::duration(keptUp->sendingNs),
                         Format::duration(keptUp->seconds * 1e9)));
}
