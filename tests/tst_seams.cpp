#include "characterscontroller.h"
#include "characterswindow.h"
#include "editcontroller.h"
#include "framescontroller.h"
#include "frameseditor.h"
#include "frameswindow.h"
#include "frmconfig.h"
#include "frmmain.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "librarywindow.h"
#include "networksupport.h"
#include "spaneditor.h"
#include "spanframes.h"
#include "spanscontroller.h"
#include "spanwindow.h"
#include "testsupport.h"
#include "workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace TestSupport;

namespace {

// The three ways a module is reached: a serial device (the simulator's pty), raw TCP and
// telnet with RFC 2217, each through the real ser2net. Each COM number has a module of its own,
// with stored settings of its own, so that every byte can be told apart by where it arrives.
struct Module
{
    int commPort;
    QString kind;
    QString settingsReply;
};
const Module Modules[] = {{1, QStringLiteral("pty"), QStringLiteral("01 39 01 41")},
                          {2, QStringLiteral("raw TCP"), QStringLiteral("02 31 01 42")},
                          {3, QStringLiteral("RFC 2217"), QStringLiteral("03 29 01 43")}};

} // namespace

// Where the program's parts meet: every sender, over every transport, put exactly its bytes on
// the module its window reaches and nothing on the others, also across a port switch, a lost
// connection and its return. The modules are independent simulators; ser2net serves two of
// them on 127.0.0.1.
class TestSeams : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void everySenderEveryTransport_data();
    void everySenderEveryTransport();
    void configDialogFollowsPortSwitch_data();
    void configDialogFollowsPortSwitch();
    void playerStopsAtPortSwitch_data();
    void playerStopsAtPortSwitch();
    void lostAndBack_data();
    void lostAndBack();
    void spanPlaysThroughPortSwitch_data();
    void spanPlaysThroughPortSwitch();

private:
    void startProgram(int commPort);
    // What each module framed since the last look.
    QList<QStringList> newMessages();
    // Waits until the module on `commPort` has framed `count` new messages and the line has been
    // quiet a moment; then every module's new messages.
    QList<QStringList> settle(int commPort, qsizetype count);
    SimulatorProcess &simulator(int commPort) { return *m_simulators[commPort - 1]; }

    std::vector<std::unique_ptr<SimulatorProcess>> m_simulators;
    Ser2netProcess m_ser2net;
    QList<qsizetype> m_seen;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QStringList m_messages;
};

void TestSeams::initTestCase()
{
    useTemporarySettings();
    for (const Module &module : Modules) {
        auto simulator = std::make_unique<SimulatorProcess>();
        QVERIFY(simulator->start({"--settings-reply", module.settingsReply}));
        m_simulators.push_back(std::move(simulator));
    }
    QVERIFY2(m_ser2net.start(simulator(2).link(), simulator(3).link()),
             qPrintable(m_ser2net.errorString()));
}

void TestSeams::cleanupTestCase()
{
    m_ser2net.kill();
    m_simulators.clear();
}

void TestSeams::init()
{
    clearSettings();
    mapAllPortsToMissing();
    mapPort(1, simulator(1).link());
    mapPort(2, m_ser2net.rawUrl());
    mapPort(3, m_ser2net.rfc2217Url());
    m_messages.clear();
    prompter().reset();
    prompter().onMessage = [this](QWidget *, const QString &text) { m_messages.append(text); };
    m_seen.clear();
    for (const auto &simulator : m_simulators)
        m_seen.append(simulator->messages().size());
}

void TestSeams::cleanup()
{
    delete m_program;
    m_program = nullptr;
    m_window = nullptr;
    prompter().reset();
}

void TestSeams::startProgram(int commPort)
{
    setStoredCommPort(QString::number(commPort));
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QTRY_VERIFY_WITH_TIMEOUT(m_program->connection().isOpen(), 5000);
}

QList<QStringList> TestSeams::newMessages()
{
    QList<QStringList> fresh;
    for (size_t i = 0; i < m_simulators.size(); ++i) {
        const QStringList all = m_simulators[i]->messages();
        fresh.append(all.mid(m_seen[qsizetype(i)]));
        m_seen[qsizetype(i)] = all.size();
    }
    return fresh;
}

QList<QStringList> TestSeams::settle(int commPort, qsizetype count)
{
    const qsizetype before = m_seen[commPort - 1];
    if (!QTest::qWaitFor([&] { return simulator(commPort).messages().size() >= before + count; },
                         5000))
        qWarning("COM%d's module framed fewer messages than awaited", commPort);
    QTest::qWait(300); // anything more, anywhere, would have arrived by now
    return newMessages();
}

// Each sender of the program, on each transport: exactly its bytes on the module the port
// reaches, nothing on the two others.
void TestSeams::everySenderEveryTransport_data()
{
    QTest::addColumn<int>("commPort");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QStringList>("expected");
    const QList<std::pair<QString, QStringList>> senders = {
        {"Send Dot Matrix", {"FC 10 00 00 00 00 00 00 08"}},
        {"SCROLL", {"FD 48 49"}},
        {"arrow", {"F8 01"}},
        {"Send as You Draw", {"FC 00 00 00 00 00 00 00 00", "FC 10 00 00 00 00 00 00 00"}},
        {"Play on Module", {"FC 01 00 00 00 00 00 00 00", "FC 02 00 00 00 00 00 00 00"}},
        {"character upload", {"FC 00 00 00 00 00 00 00 80", "F9 03"}},
        {"library Send", {"FC E0 F1 F3 E7 E7 F3 F1 E0"}},
        {"Configure, Change Speed", {"F0", "F6 39"}},
    };
    for (const Module &module : Modules) {
        for (const auto &[sender, expected] : senders)
            QTest::addRow("%s over %s", qPrintable(sender), qPrintable(module.kind))
                << module.commPort << sender << expected;
    }
}

void TestSeams::everySenderEveryTransport()
{
    QFETCH(int, commPort);
    QFETCH(QString, sender);
    QFETCH(QStringList, expected);
    startProgram(commPort);
    newMessages();

    if (sender == QLatin1String("Send Dot Matrix")) {
        m_window->col1_Click(16);
        m_window->col8_Click(8);
        m_window->cmdDotM_Click();
    } else if (sender == QLatin1String("SCROLL")) {
        m_window->findChild<QLineEdit *>(QStringLiteral("txtScroll"))
            ->setText(QStringLiteral("HI"));
        QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdScroll")),
                          Qt::LeftButton);
    } else if (sender == QLatin1String("arrow")) {
        QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdDownArrow")),
                          Qt::LeftButton);
    } else if (sender == QLatin1String("Send as You Draw")) {
        m_program->edit().sendAsYouDrawAction()->setChecked(true);
        QTest::qWait(50);
        m_window->col1_Click(16);
    } else if (sender == QLatin1String("Play on Module")) {
        FramesController &frames = m_program->frames();
        frames.showFrames();
        QVERIFY(frames.framesEditor()->newAnimation(
            QStringLiteral("Two"),
            {Frame{Pattern::fromColumns({1, 0, 0, 0, 0, 0, 0, 0}), 100},
             Frame{Pattern::fromColumns({2, 0, 0, 0, 0, 0, 0, 0}), 100}},
            QStringLiteral("test")));
        frames.framesWindow()->loopBox()->setChecked(false);
        frames.framesWindow()->playOnModule();
    } else if (sender == QLatin1String("character upload")) {
        CharactersController &characters = m_program->characters();
        characters.showCharacters();
        m_window->col8_Click(128);
        characters.charactersWindow()->selectSlot(3);
        characters.charactersWindow()->storeGridInSlot();
        characters.charactersWindow()->upload();
    } else if (sender == QLatin1String("library Send")) {
        LibraryController &library = m_program->library();
        library.showLibrary();
        const auto &patterns = library.document()->model()->library().patterns;
        int heart = -1;
        for (qsizetype i = 0; i < patterns.size(); ++i) {
            if (patterns.at(i).name == QLatin1String("Heart"))
                heart = int(i);
        }
        library.libraryWindow()->selectRow(heart);
        library.libraryWindow()->sendSelected();
    } else {
        m_window->mnuConfig_Click();
        FrmConfig *dialog = m_window->configDialog();
        QTRY_VERIFY(dialog->isVisible());
        dialog->findChild<QComboBox *>(QStringLiteral("cboSpeed"))->setCurrentIndex(0);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdChangeSpeed")),
                          Qt::LeftButton);
        QTRY_COMPARE(m_messages, QStringList{QStringLiteral("Speed Changed")});
    }

    const QList<QStringList> arrived = settle(commPort, expected.size());
    for (const Module &module : Modules) {
        QCOMPARE(arrived.at(module.commPort - 1),
                 module.commPort == commPort ? expected : QStringList());
    }
    if (sender != QLatin1String("Configure, Change Speed"))
        QCOMPARE(m_messages, QStringList());
}

// The dialog opened on one module and left open while the user chooses another port stores
// nothing until it has read the new module's settings, and then shows and stores into that one.
void TestSeams::configDialogFollowsPortSwitch_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("shownMode"); // the new module's start-up mode, as the dialog shows it
    QTest::newRow("RFC 2217 to pty") << 3 << 1 << 1;
    QTest::newRow("pty to raw TCP") << 1 << 2 << 2;
    QTest::newRow("raw TCP to RFC 2217") << 2 << 3 << 3;
}

void TestSeams::configDialogFollowsPortSwitch()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, shownMode);
    startProgram(from);
    m_window->mnuConfig_Click();
    QPointer<FrmConfig> dialog = m_window->configDialog();
    QTRY_VERIFY(dialog->isVisible());
    auto *mode = dialog->findChild<QComboBox *>(QStringLiteral("cboMode"));
    QCOMPARE(mode->currentIndex(), from);
    QCOMPARE(settle(from, 1).at(from - 1), QStringList{"F0"});

    m_window->mnuCOM_Click(to);
    QVERIFY(dialog);
    // Until the new module's settings are read, nothing can be stored.
    auto *changeSpeed = dialog->findChild<QPushButton *>(QStringLiteral("cmdChangeSpeed"));
    if (!m_program->connection().isOpen())
        QVERIFY(!changeSpeed->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(changeSpeed->isEnabled(), 5000);
    QCOMPARE(mode->currentIndex(), shownMode);
    dialog->findChild<QComboBox *>(QStringLiteral("cboSpeed"))->setCurrentIndex(0);
    QTest::mouseClick(changeSpeed, Qt::LeftButton);
    QTRY_COMPARE(m_messages, QStringList{QStringLiteral("Speed Changed")});

    const QList<QStringList> arrived = settle(to, 2);
    QCOMPARE(arrived.at(to - 1), (QStringList{"F0", "F6 39"}));
    QCOMPARE(arrived.at(from - 1), QStringList());
}

// Frames playing on one module stop when the port is switched: not one frame reaches the
// module the port reaches next.
void TestSeams::playerStopsAtPortSwitch_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("pty to raw TCP") << 1 << 2;
    QTest::newRow("raw TCP to RFC 2217") << 2 << 3;
    QTest::newRow("RFC 2217 to pty") << 3 << 1;
}

void TestSeams::playerStopsAtPortSwitch()
{
    QFETCH(int, from);
    QFETCH(int, to);
    startProgram(from);
    FramesController &frames = m_program->frames();
    frames.showFrames();
    QVERIFY(frames.framesEditor()->newAnimation(
        QStringLiteral("Blink"),
        {Frame{Pattern::fromColumns({0xFF, 0, 0, 0, 0, 0, 0, 0}), 30},
         Frame{Pattern::fromColumns({0, 0, 0, 0, 0, 0, 0, 0xFF}), 30}},
        QStringLiteral("test")));
    frames.framesWindow()->loopBox()->setChecked(true);
    frames.framesWindow()->playOnModule();
    QTest::qWait(200);
    QVERIFY(frames.framesWindow()->player()->isPlaying());
    m_window->mnuCOM_Click(to);
    QVERIFY(!frames.framesWindow()->player()->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(m_program->connection().isOpen(), 5000);
    QTest::qWait(300);
    const QList<QStringList> arrived = newMessages();
    QVERIFY(!arrived.at(from - 1).isEmpty());
    QCOMPARE(arrived.at(to - 1), QStringList());
}

// A span of two modules plays on them while the main window, which reaches the first, turns to
// the span's second module or to one outside the span: the span's modules keep getting their own
// parts, through one connection each, and the module outside gets nothing.
void TestSeams::spanPlaysThroughPortSwitch_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("to");
    QTest::newRow("pty and raw TCP, main to raw TCP") << 1 << 2 << 2;
    QTest::newRow("pty and raw TCP, main to RFC 2217") << 1 << 2 << 3;
    QTest::newRow("RFC 2217 and pty, main to pty") << 3 << 1 << 1;
    QTest::newRow("raw TCP and RFC 2217, main to RFC 2217") << 2 << 3 << 3;
    QTest::newRow("raw TCP and RFC 2217, main to pty") << 2 << 3 << 1;
}

void TestSeams::spanPlaysThroughPortSwitch()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, to);
    startProgram(first);
    SpanWindow *spans = m_program->spans().spansWindow();
    Span span;
    span.name = QStringLiteral("Pair");
    span.columns = 2;
    span.rows = 1;
    span.modules = {SpanModule{QStringLiteral("COM%1").arg(first), {}, {}},
                    SpanModule{QStringLiteral("COM%1").arg(second), {}, {}}};
    span.picture = span.blankCanvas();
    QVERIFY(spans->editor()->newSpan(span));
    QList<SpanFrame> frames;
    for (int k = 0; k < 8; ++k)
        frames.append({SpanFrames::numbered(2, k), 40});
    QVERIFY(spans->editor()->newAnimation(QStringLiteral("Count"), frames, QStringLiteral("test")));
    spans->loopBox()->setChecked(true);
    spans->action(QStringLiteral("actPlayOnModules"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(spans->player()->isPlaying(), 5000);
    QTest::qWait(300);
    m_window->mnuCOM_Click(to);
    QTRY_VERIFY_WITH_TIMEOUT(m_program->connection().isOpen(), 5000);
    QTest::qWait(200); // the switch settles; what arrives from here on is counted
    newMessages();
    QTest::qWait(600);
    spans->action(QStringLiteral("actStop"))->trigger();
    QTest::qWait(200);
    const QList<QStringList> arrived = newMessages();
    const int modules[2] = {first, second};
    for (int place = 0; place < 2; ++place) {
        const QStringList &got = arrived.at(modules[place] - 1);
        QVERIFY2(got.size() >= 8,
                 qPrintable(QStringLiteral("COM%1: %2").arg(modules[place]).arg(got.join(u'|'))));
        for (const QString &message : got)
            QVERIFY2(SpanFrames::frameOf(message, place) >= 0, qPrintable(message));
    }
    for (int other = 1; other <= 3; ++other) {
        if (other != first && other != second)
            QCOMPARE(arrived.at(other - 1), QStringList());
    }
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));
}

// A module whose connection drops is reported once; it comes back by itself, and the next click
// reaches it, byte for byte.
void TestSeams::lostAndBack_data()
{
    QTest::addColumn<int>("commPort");
    for (const Module &module : Modules)
        QTest::newRow(qPrintable(module.kind)) << module.commPort;
}

void TestSeams::lostAndBack()
{
    QFETCH(int, commPort);
    startProgram(commPort);
    if (commPort == 1) {
        simulator(1).stop();
    } else {
        m_ser2net.kill();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!m_program->connection().isOpen(), 5000);
    QCOMPARE(m_program->connection().state(), ModuleConnection::State::Waiting);
    QTRY_COMPARE(m_messages, QStringList{QStringLiteral("Selected Comm Port Not Available")});

    if (commPort == 1)
        QVERIFY(simulator(1).start({"--settings-reply", Modules[0].settingsReply}));
    else
        QVERIFY(m_ser2net.start(simulator(2).link(), simulator(3).link()));
    QTRY_VERIFY_WITH_TIMEOUT(m_program->connection().isOpen(), 5000);
    // The simulator that came back began a log of its own.
    m_seen.clear();
    for (const auto &simulator : m_simulators)
        m_seen.append(simulator->messages().size());

    m_window->col2_Click(32);
    m_window->cmdDotM_Click();
    const QList<QStringList> arrived = settle(commPort, 1);
    for (const Module &module : Modules) {
        QCOMPARE(arrived.at(module.commPort - 1), module.commPort == commPort
                                                      ? QStringList{"FC 00 20 00 00 00 00 00 00"}
                                                      : QStringList());
    }
    QCOMPARE(m_messages, QStringList{QStringLiteral("Selected Comm Port Not Available")});
}

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
