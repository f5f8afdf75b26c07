#include "dotcell.h"
#include "dotgrid.h"
#include "frmmain.h"
#include "workspace.h"
#include "messagebox.h"
#include "moduletextbox.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

using Cells = QList<QPoint>; // x: column 1..8, y: bit weight

namespace {
// Types any text, one key event per character (keyClicks takes ASCII only).
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
} // namespace

// The eleven command buttons, clicked and typed into for real, checked byte for byte at the far
// end of a pty.
class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buttonSends_data();
    void buttonSends();
    void sameButtonTwice();
    void scrollThenAnimate();
    void noSpeedSelected();
    void noPositionSelected_data();
    void noPositionSelected();
    void refusedInputIsNamed_data();
    void refusedInputIsNamed();
    void noteCoversNoControl_data();
    void noteCoversNoControl();

private:
    void clickButton(const char *name);
    QLineEdit *textBox(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    QComboBox *list(const char *name) { return m_window->findChild<QComboBox *>(name); }

    Pty *m_pty = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QStringList m_messages;
};

void TestCommands::initTestCase()
{
    useTemporarySettings();
}

void TestCommands::init()
{
    m_pty = startOnNewPty(&m_messages);
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QVERIFY(m_window->serialPort().isOpen());
}

void TestCommands::cleanup()
{
    delete m_program;
    m_program = nullptr;
    delete m_pty;
    prompter().reset();
}

void TestCommands::clickButton(const char *name)
{
    auto *button = m_window->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestCommands::buttonSends_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typedChar");   // typed into txtSASC
    QTest::addColumn<QString>("typedScroll"); // typed into txtScroll
    QTest::addColumn<int>("custom");          // selected in cboCustom
    QTest::addColumn<int>("speed");           // selected in cboSpeed
    QTest::addColumn<Cells>("cells");         // clicked on the grid
    QTest::addColumn<QByteArray>("bytes");

    const QString none;
    QTest::newRow("single ASCII, empty box")
        << "cmdSSA" << none << none << 0 << 2 << Cells{} << hex("FE");
    QTest::newRow("single ASCII 7") << "cmdSSA"
                                    << "7" << none << 0 << 2 << Cells{} << hex("FE 37");
    QTest::newRow("single ASCII A") << "cmdSSA"
                                    << "A" << none << 0 << 2 << Cells{} << hex("FE 41");
    QTest::newRow("single ASCII takes one char")
        << "cmdSSA"
        << "AB" << none << 0 << 2 << Cells{} << hex("FE 41");
    QTest::newRow("single ASCII Latin-1")
        << "cmdSSA" << QString(QChar(0xC4)) << none << 0 << 2 << Cells{} << hex("FE C4");
    QTest::newRow("single ASCII refuses euro")
        << "cmdSSA" << QStringLiteral("\u20AC") << none << 0 << 2 << Cells{} << hex("FE");
    QTest::newRow("show custom 0")
        << "cmdLoadCustom" << none << none << 0 << 2 << Cells{} << hex("FE 00");
    QTest::newRow("show custom 7")
        << "cmdLoadCustom" << none << none << 7 << 2 << Cells{} << hex("FE 07");
    QTest::newRow("save in position 9")
        << "cmdSave" << none << none << 9 << 2 << Cells{} << hex("F9 09");
    QTest::newRow("save in position 0")
        << "cmdSave" << none << none << 0 << 2 << Cells{} << hex("F9 00");
    QTest::newRow("dot matrix, clear grid")
        << "cmdDotM" << none << none << 0 << 2 << Cells{} << hex("FC 00 00 00 00 00 00 00 00");
    QTest::newRow("dot matrix, top left") << "cmdDotM" << none << none << 0 << 2 << Cells{{1, 16}}
                                          << hex("FC 10 00 00 00 00 00 00 00");
    QTest::newRow("dot matrix, bottom right") << "cmdDotM" << none << none << 0 << 2
                                              << Cells{{8, 8}} << hex("FC 00 00 00 00 00 00 00 08");
    QTest::newRow("dot matrix, F0 and FE columns")
        << "cmdDotM" << none << none << 0 << 2
        << Cells{{2, 16}, {2, 32},  {2, 64}, {2, 128}, {5, 16}, {5, 32},
                 {5, 64}, {5, 128}, {5, 2},  {5, 4},   {5, 8}}
        << hex("FC 00 F0 00 00 FE 00 00 00");
    QTest::newRow("scroll, empty box")
        << "cmdScroll" << none << none << 0 << 2 << Cells{} << hex("FD");
    QTest::newRow("scroll HELLO") << "cmdScroll" << none << "HELLO" << 0 << 2 << Cells{}
                                  << hex("FD 48 45 4C 4C 4F");
    QTest::newRow("animate HELLO")
        << "cmdAnimate" << none << "HELLO" << 0 << 2 << Cells{} << hex("FB 48 45 4C 4C 4F");
    QTest::newRow("scroll keeps 20 of 25 typed")
        << "cmdScroll" << none << "ABCDEFGHIJKLMNOPQRSTUVWXY" << 0 << 2 << Cells{}
        << QByteArray("\xFD"
                      "ABCDEFGHIJKLMNOPQRST");
    QTest::newRow("animate refuses what Latin-1 lacks")
        << "cmdAnimate" << none << QStringLiteral("\u00E9\u20ACx") << 0 << 2 << Cells{}
        << hex("FB E9 78");
    QTest::newRow("set speed 1") << "cmdSpeed" << none << none << 0 << 0 << Cells{} << hex("FA 39");
    QTest::newRow("set speed 2") << "cmdSpeed" << none << none << 0 << 1 << Cells{} << hex("FA 31");
    QTest::newRow("set speed 3") << "cmdSpeed" << none << none << 0 << 2 << Cells{} << hex("FA 29");
    QTest::newRow("set speed 4") << "cmdSpeed" << none << none << 0 << 3 << Cells{} << hex("FA 21");
    QTest::newRow("up arrow") << "cmdUpArrow" << none << none << 0 << 2 << Cells{} << hex("F8 00");
    QTest::newRow("down arrow") << "cmdDownArrow" << none << none << 0 << 2 << Cells{}
                                << hex("F8 01");
    QTest::newRow("right arrow") << "cmdRightArrow" << none << none << 0 << 2 << Cells{}
                                 << hex("F8 02");
    QTest::newRow("left arrow") << "cmdLeftArrow" << none << none << 0 << 2 << Cells{}
                                << hex("F8 03");
}

void TestCommands::buttonSends()
{
    QFETCH(QString, button);
    QFETCH(QString, typedChar);
    QFETCH(QString, typedScroll);
    QFETCH(int, custom);
    QFETCH(int, speed);
    QFETCH(Cells, cells);
    QFETCH(QByteArray, bytes);

    typeText(textBox("txtSASC"), typedChar);
    typeText(textBox("txtScroll"), typedScroll);
    list("cboCustom")->setCurrentIndex(custom);
    list("cboSpeed")->setCurrentIndex(speed);
    for (const QPoint &cell : cells)
        QTest::mouseClick(m_window->dotGrid()->cell(cell.x(), cell.y()), Qt::LeftButton);
    const Protocol::ColumnPattern pattern = m_window->grid().columnValues();

    clickButton(qPrintable(button));
    QCOMPARE(m_pty->read(int(bytes.size())), bytes);
    QCOMPARE(m_pty->readAll(50), QByteArray());
    QVERIFY(m_messages.isEmpty());
    // The payload stays pending after the send; the grid is neither read-modified nor cleared.
    QCOMPARE(m_window->commandData(), bytes.mid(1));
    QCOMPARE(m_window->grid().columnValues(), pattern);
}

void TestCommands::sameButtonTwice()
{
    clickButton("cmdLeftArrow");
    clickButton("cmdLeftArrow");
    QCOMPARE(m_pty->read(4), hex("F8 03 F8 03"));
}

void TestCommands::scrollThenAnimate()
{
    QTest::keyClicks(textBox("txtScroll"), QStringLiteral("Hi there"));
    clickButton("cmdScroll");
    const QByteArray scroll = m_pty->read(9);
    clickButton("cmdAnimate");
    const QByteArray animate = m_pty->read(9);
    QCOMPARE(scroll, QByteArray("\xFDHi there"));
    QCOMPARE(animate.mid(1), scroll.mid(1));
    QCOMPARE(quint8(animate.at(0)), Protocol::CMD_ANIMATE);
}

void TestCommands::noSpeedSelected()
{
    QTest::keyClicks(textBox("txtScroll"), QStringLiteral("HELLO"));
    clickButton("cmdScroll");
    QCOMPARE(m_pty->read(6), hex("FD 48 45 4C 4C 4F"));

    // Text typed into the list is no choice from it.
    QComboBox *speed = list("cboSpeed");
    speed->lineEdit()->selectAll();
    QTest::keyClicks(speed->lineEdit(), QStringLiteral("2"));
    QCOMPARE(speed->currentIndex(), -1);
    QCOMPARE(speed->count(), 4);

    clickButton("cmdSpeed");
    QCOMPARE(m_messages, QStringList{QStringLiteral("No Speed Selected")});
    QCOMPARE(m_pty->readAll(50), QByteArray());
}

void TestCommands::noPositionSelected_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("show custom character") << "cmdLoadCustom";
    QTest::newRow("save in position") << "cmdSave";
}

void TestCommands::noPositionSelected()
{
    QFETCH(QString, button);
    QComboBox *custom = list("cboCustom");
    custom->lineEdit()->selectAll();
    QTest::keyClicks(custom->lineEdit(), QStringLiteral("12"));
    QCOMPARE(custom->currentIndex(), -1);
    QCOMPARE(custom->count(), 10);

    clickButton(qPrintable(button));
    QCOMPARE(m_messages, QStringList{QStringLiteral("No Position Selected")});
    QCOMPARE(m_pty->readAll(50), QByteArray());
}

void TestCommands::refusedInputIsNamed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("noteSays");
    const QString mixed = QStringLiteral("Привет 🙂 é€ü");
    QTest::newRow("pasted mixed scripts keep their Latin-1")
        << "txtScroll" << true << mixed << QStringLiteral("  éü")
        << QStringList{"П", "🙂", "€", "Latin-1"};
    QTest::newRow("a long paste is cut to the box")
        << "txtScroll" << true << QString(10000, u'A') << QString(20, u'A')
        << QStringList{"20 characters"};
    QTest::newRow("typed Cyrillic")
        << "txtScroll" << false << QStringLiteral("Ж") << QString() << QStringList{"Ж", "Latin-1"};
    QTest::newRow("paste into the one-character box")
        << "txtSASC" << true << QStringLiteral("AB") << QStringLiteral("A")
        << QStringList{"one character"};
    QTest::newRow("plain Latin-1 paste, no note") << "txtScroll" << true << QStringLiteral("Grüße")
                                                  << QStringLiteral("Grüße") << QStringList{};
}

void TestCommands::refusedInputIsNamed()
{
    QFETCH(QString, box);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    QFETCH(QStringList, noteSays);
    auto *edit = m_window->findChild<ModuleTextBox *>(box);
    QVERIFY(edit);
    QSignalSpy notes(edit, &ModuleTextBox::inputRefused);
    edit->setFocus();
    if (paste) {
        QApplication::clipboard()->setText(input);
        QTest::keySequence(edit, QKeySequence::Paste);
    } else {
        typeText(edit, input);
    }
    QCOMPARE(edit->text(), kept);
    QCOMPARE(notes.count(), noteSays.isEmpty() ? 0 : 1);
    for (const QString &word : noteSays)
        QVERIFY2(notes.first().first().toString().contains(word),
                 qPrintable(notes.first().first().toString()));
    QVERIFY(m_messages.isEmpty()); // a note at the box, not a message box

    // What is sent is what the box shows, byte for byte in Latin-1.
    clickButton(box == QLatin1String("txtSASC") ? "cmdSSA" : "cmdScroll");
    const QByteArray expected =
        QByteArray(1, char(box == QLatin1String("txtSASC") ? 0xFE : 0xFD)) + kept.toLatin1();
    QCOMPARE(m_pty->read(int(expected.size())), expected);
}

void TestCommands::noteCoversNoControl_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("line");
    const QString twentyFive = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY");
    QTest::newRow("25 characters typed, then SCROLL")
        << "txtScroll" << false << twentyFive << "cmdScroll"
        << hex("FD 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54");
    QTest::newRow("25 characters pasted, then ANIMATE")
        << "txtScroll" << true << twentyFive << "cmdAnimate"
        << hex("FB 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54");
    QTest::newRow("two characters typed in the one-character box, then SCROLL")
        << "txtSASC" << false << QStringLiteral("AB") << "cmdScroll" << hex("FD");
    QTest::newRow("two characters pasted in the one-character box, then Show Single ASCII")
        << "txtSASC" << true << QStringLiteral("AB") << "cmdSSA" << hex("FE 41");
    QTest::newRow("Cyrillic typed, then SCROLL")
        << "txtScroll" << false << QStringLiteral("Ж") << "cmdScroll" << hex("FD");
}

// The note about text left out lies where it covers no control of the window, and the first
// click on a button after it goes to that button, as before there was a note.
void TestCommands::noteCoversNoControl()
{
    QFETCH(QString, box);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, button);
    QFETCH(QByteArray, line);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *edit = m_window->findChild<ModuleTextBox *>(box);
    edit->setFocus();
    if (paste) {
        QApplication::clipboard()->setText(input);
        QTest::keySequence(edit, QKeySequence::Paste);
    } else {
        typeText(edit, input);
    }
    const QLabel *note = edit->note();
    QVERIFY(note);
    QVERIFY(!note->text().isEmpty());
    const QRect place = note->geometry();
    QVERIFY2(m_window->rect().contains(place), "the note lies in the window");
    for (const QWidget *control : m_window->findChildren<QWidget *>()) {
        if (control == note || !control->isVisible() || control->isWindow() ||
            qobject_cast<const QGroupBox *>(control) || control == m_window->centralWidget())
            continue;
        const QRect area(control->mapTo(m_window, QPoint(0, 0)), control->size());
        QVERIFY2(!area.intersects(place),
                 qPrintable(control->objectName() + u' ' + control->metaObject()->className()));
    }
    // No window of its own that a click could land on.
    for (const QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(top == m_window || !top->isVisible(), top->metaObject()->className());

    // The click as the window system delivers it: to whatever lies at that point.
    auto *target = m_window->findChild<QPushButton *>(button);
    const QPoint centre = target->mapTo(m_window, target->rect().center());
    QCOMPARE(m_window->childAt(centre), target);
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                      m_window->windowHandle()->mapFromGlobal(m_window->mapToGlobal(centre)));
    QCOMPARE(m_pty->read(int(line.size())), line);
    QVERIFY(!edit->note()); // the button took the focus, and the note went
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
