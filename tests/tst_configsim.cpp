#include "frmconfig.h"
#include "frmmain.h"
#include "workspace.h"
#include "messagebox.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {
const QString NoModule = QStringLiteral("No Module Found");
const QString SpeedChanged = QStringLiteral("Speed Changed");
const QString ModeChanged = QStringLiteral("Startup Mode Changed");
} // namespace

// The configuration dialog against the module simulator, started as its own process behind a
// link that COM1 is mapped to.
class TestConfigSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void storeAndReload();
    void faults_data();
    void faults();

private:
    void startSimulator(const QStringList &faults);
    FrmConfig *openDialog();
    void click(const char *button);
    template<typename T> T *control(const char *name)
    {
        return m_dialog->findChild<T *>(QLatin1String(name));
    }
    // The messages the simulator has taken in, in order.
    QStringList simulatorMessages();

    QTemporaryDir *m_dir = nullptr;
    QProcess *m_simulator = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QPointer<FrmConfig> m_dialog;
    QStringList m_messages;
};

void TestConfigSim::initTestCase()
{
    useTemporarySettings();
    const QString simulator = qEnvironmentVariable("GLYPHSMITH_SIM");
    if (!QFileInfo(simulator).isExecutable())
        QSKIP("GLYPHSMITH_SIM names no simulator binary");
}

void TestConfigSim::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_messages.clear();
    prompter().onMessage = [this](QWidget *, const QString &text) { m_messages.append(text); };
}

void TestConfigSim::cleanup()
{
    delete m_program;
    m_program = nullptr;
    m_window = nullptr;
    if (m_simulator) {
        m_simulator->terminate();
        if (!m_simulator->waitForFinished(3000))
            m_simulator->kill();
        m_simulator->waitForFinished(3000);
    }
    delete m_simulator;
    m_simulator = nullptr;
    delete m_dir;
    prompter().reset();
}

// Starts the simulator, waits until it names its port, and starts the program on it.
void TestConfigSim::startSimulator(const QStringList &faults)
{
    const QString link = m_dir->filePath(QStringLiteral("port"));
    m_simulator = new QProcess;
    m_simulator->start(
        qEnvironmentVariable("GLYPHSMITH_SIM"),
        QStringList{"--headless", "--link", link, "--log", m_dir->filePath(QStringLiteral("log"))} +
            faults);
    QDeadlineTimer deadline(5000);
    while (!m_simulator->canReadLine() && !deadline.hasExpired() &&
           m_simulator->state() != QProcess::NotRunning)
        m_simulator->waitForReadyRead(100);
    QCOMPARE(m_simulator->readLine().trimmed(), QFile::encodeName(link));

    mapPort(1, link);
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QVERIFY(m_window->serialPort().isOpen());
}

FrmConfig *TestConfigSim::openDialog()
{
    m_window->mnuConfig_Click();
    m_dialog = m_window->configDialog();
    // The load reads the settings in the background; the dialog shows once it is over.
    if (!QTest::qWaitFor([this] { return m_dialog && m_dialog->isVisible(); }, 5000))
        qWarning("the dialog did not load");
    return m_dialog;
}

// A click, and the wait for the exchange it starts.
void TestConfigSim::click(const char *button)
{
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    if (!QTest::qWaitFor([this] { return !m_dialog || !m_dialog->isBusy(); }, 5000))
        qWarning("the exchange did not end");
}

QStringList TestConfigSim::simulatorMessages()
{
    QTest::qWait(50);
    QFile file(m_dir->filePath(QStringLiteral("log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList messages;
    for (const QString &line : QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('<')) &&
            !line.startsWith(QLatin1Char('#')))
            messages << line;
    }
    return messages;
}

void TestConfigSim::storeAndReload()
{
    startSimulator({});
    QVERIFY(openDialog());
    QCOMPARE(control<QComboBox>("cboMode")->currentIndex(), 0);
    QCOMPARE(control<QComboBox>("cboSpeed")->currentText(), QStringLiteral("3"));
    QCOMPARE(control<QLineEdit>("txtAniS")->text(), QString());

    control<QComboBox>("cboMode")->setCurrentIndex(4);
    control<QComboBox>("cboSpeed")->setCurrentIndex(0);
    QTest::keyClicks(control<QLineEdit>("txtAniS"), QStringLiteral("HELLO"));
    click("cmdChangeSU");
    click("cmdChangeSpeed");
    click("cmdMessage");
    QCOMPARE(m_messages, QStringList({ModeChanged, SpeedChanged, "Message Saved"}));

    m_dialog->close();
    QTRY_VERIFY(m_dialog.isNull());
    QVERIFY(openDialog());
    QCOMPARE(control<QComboBox>("cboMode")->currentIndex(), 4);
    QCOMPARE(control<QComboBox>("cboSpeed")->currentText(), QStringLiteral("1"));
    QCOMPARE(control<QLineEdit>("txtAniS")->text(), QStringLiteral("HELLO"));
    QCOMPARE(simulatorMessages(), QStringList({"F0", "F7 04", "F6 39", "F5 48 45 4C 4C 4F", "F0"}));
}

// Load, then Change Speed to "1" and, once any late reply has come in, Change Startup Mode to 2.
void TestConfigSim::faults_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("plain module") << QStringList{} << 0 << 2 << ""
                                  << QStringList{SpeedChanged, ModeChanged};
    QTest::newRow("refusing module") << QStringList{"--nak"} << 0 << 2 << "" << QStringList{};
    QTest::newRow("silent module")
        << QStringList{"--no-reply"} << -1 << -1 << "" << QStringList{NoModule, NoModule, NoModule};
    QTest::newRow("replies 300 ms late") << QStringList{"--reply-delay", "300"} << -1 << -1 << ""
                                         << QStringList{NoModule, NoModule, NoModule};
    QTest::newRow("replies in two parts")
        << QStringList{"--split", "20"} << 0 << 2 << "" << QStringList{SpeedChanged, ModeChanged};
    QTest::newRow("second part of the record late")
        << QStringList{"--split", "300"} << 0 << -1 << "" << QStringList{SpeedChanged, ModeChanged};
    QTest::newRow("stored HELLO") << QStringList{"--settings-reply", "03 31 05 48 45 4C 4C 4F"} << 3
                                  << 1 << "HELLO" << QStringList{SpeedChanged, ModeChanged};
    QTest::newRow("short record") << QStringList{"--settings-reply", "05 21"} << 5 << 3 << ""
                                  << QStringList{SpeedChanged, ModeChanged};
}

void TestConfigSim::faults()
{
    QFETCH(QStringList, faults);
    QFETCH(int, mode);
    QFETCH(int, speed);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);

    startSimulator(faults);
    QVERIFY(openDialog());
    QCOMPARE(control<QComboBox>("cboMode")->currentIndex(), mode);
    QCOMPARE(control<QComboBox>("cboSpeed")->currentIndex(), speed);
    QCOMPARE(control<QLineEdit>("txtAniS")->text(), text);

    control<QComboBox>("cboSpeed")->setCurrentIndex(0);
    control<QComboBox>("cboMode")->setCurrentIndex(2);
    click("cmdChangeSpeed");
    QTest::qWait(400);
    click("cmdChangeSU");
    QTest::qWait(400);
    QCOMPARE(m_messages, messages);
    QCOMPARE(simulatorMessages(), QStringList({"F0", "F6 39", "F7 02"}));
}

QTEST_MAIN(TestConfigSim)
#include "tst_configsim.moc"
