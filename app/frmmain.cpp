#include "frmmain.h"

#include "appsettings.h"
#include "appstyle.h"
#include "commandbutton.h"
#include "connectionstatelabel.h"
#include "designtext.h"
#include "devicesdialog.h"
#include "dotgrid.h"
#include "frmconfig.h"
#include "grideditor.h"
#include "inputcontrols.h"
#include "messagebox.h"
#include "moduletextbox.h"
#include "portresolver.h"
#include "prompter.h"
#include "twips.h"
#include "undohistory.h"
#include "windowfonts.h"
#include "windowstyle.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QUndoGroup>

namespace {

// The design's own texts, the same in every language (designtext.h).
QString design(const char *text)
{
    return DesignText::text(text);
}

const QColor WindowGrey(192, 192, 192); // &H00C0C0C0
// Disabled text, "Configure" above all: the style's own light grey all but vanishes on the
// window's grey, so a darker one that still reads as disabled.
const QColor DisabledText(96, 96, 96);
const QColor TextRed(255, 0, 0); // &H000000FF
constexpr int ClientWidth = 9105;
constexpr int ClientHeight = 6240;
constexpr char MSCommSettings[] = "9600,n,8,1";

QGroupBox *makeFrame(const char *name, const QString &caption, QRect geometry, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

QLineEdit *makeTextBox(const char *name, int maxLength, const QFont &font, QRect geometry,
                       QWidget *parent)
{
    auto *box = new ModuleTextBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setMaxLength(maxLength);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, TextRed);
    box->setPalette(palette);
    return box;
}

QComboBox *makeList(const char *name, QRect geometry, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    makeEditableList(list);
    return list;
}

} // namespace

FrmMain::FrmMain(ModuleConnection &port, Prompter &prompter, UndoHistory &history, QWidget *parent)
    : QMainWindow(parent)
    , MSComm1(port)
    , m_prompter(prompter)
    , m_history(history)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(design(DesignText::MainWindow));
    setWindowIcon(appIcon());
    QPalette grey = palette();
    grey.setColor(QPalette::Window, WindowGrey);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        grey.setColor(QPalette::Disabled, role, DisabledText);
    setPalette(grey);
    setFont(dialogFont());

    buildMenus();
    buildControls();
    // The port's state in the menu bar's corner, right of the last menu: it takes only the room
    // the menus leave, so the window keeps its size.
    const int menuHeight = menuBar()->sizeHint().height();
    m_portState = new ConnectionStateLabel(MSComm1, menuBar());
    m_portState->setFixedHeight(menuHeight);
    menuBar()->setCornerWidget(m_portState, Qt::TopRightCorner);
    resize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight) + menuHeight);
    fitPortState();

    // "Configure" is usable exactly while the port is open.
    connect(&MSComm1, &ModuleConnection::openChanged, mnuConfig, &QAction::setEnabled);
    connect(&MSComm1, &ModuleConnection::lost, this, &FrmMain::reportPortUnavailable);
    // A network endpoint is connected in the background; its failure is reported as a device's.
    connect(&MSComm1, &ModuleConnection::openFailed, this, [this] {
        m_storeWhenOpen.reset();
        reportPortUnavailable();
    });
    connect(&MSComm1, &ModuleConnection::opened, this, [this] {
        if (const auto Index = std::exchange(m_storeWhenOpen, std::nullopt))
            storeChosenPort(*Index);
    });
}

FrmMain::~FrmMain() = default;

void FrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    fitPortState();
}

void FrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitPortState();
}

// The label gets what the menus leave of the menu bar's width.
void FrmMain::fitPortState()
{
    if (!m_portState)
        return;
    int menus = 0;
    for (QAction *action : menuBar()->actions())
        menus = std::max(menus, menuBar()->actionGeometry(action).right());
    m_portState->setAvailableWidth(std::max(0, width() - menus - 8));
}

void FrmMain::showGridSubject(const QString &subject)
{
    const QString title = design(DesignText::MainWindow);
    setWindowTitle(subject.isEmpty() ? title : tr("%1 - %2").arg(title, subject));
}

FrmConfig *FrmMain::configDialog() const
{
    return m_config;
}

const GridModel &FrmMain::grid() const
{
    return m_grid->model();
}

void FrmMain::buildMenus()
{
    QMenu *mnuComm = menuBar()->addMenu(design(DesignText::CommunicationMenu));
    mnuComm->setObjectName(QStringLiteral("mnuComm"));
    mnuComm->setToolTipsVisible(true);
    for (int index = AppSettings::FirstPort; index <= AppSettings::LastPort; ++index) {
        QAction *item = mnuComm->addAction(design(DesignText::ComItem).arg(index));
        item->setObjectName(QStringLiteral("mnuCOM"));
        item->setProperty("Index", index);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { mnuCOM_Click(index); });
        mnuCOM[size_t(index)] = item;
    }
    connect(mnuComm, &QMenu::aboutToShow, this, &FrmMain::updatePortTips);
    mnuComm->addSeparator();
    mnuDevices = mnuComm->addAction(tr("Devices..."));
    mnuDevices->setObjectName(QStringLiteral("mnuDevices"));
    connect(mnuDevices, &QAction::triggered, this, &FrmMain::mnuDevices_Click);

    mnuConfig = menuBar()->addAction(design(DesignText::ConfigureMenu));
    mnuConfig->setObjectName(QStringLiteral("mnuConfig"));
    mnuConfig->setEnabled(false);
    connect(mnuConfig, &QAction::triggered, this, &FrmMain::mnuConfig_Click);
}

// Controls are created in tab order, so the focus chain follows it.
void FrmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    const auto button = [this](const char *name, const QString &caption, QRect geometry,
                               QWidget *parent, void (FrmMain::*handler)()) {
        auto *b = new CommandButton(caption, parent);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    using Twips::rect;

    Frame1 = makeFrame("Frame1", design(DesignText::DotMatrix), rect(360, 240, 3495, 3495), client);
    m_grid = new DotGrid(Frame1, client, this);
    m_editor = new GridEditor(m_grid, m_history.grid(), this);
    connect(m_editor, &GridEditor::undoStackChanged, m_history.group(),
            &QUndoGroup::setActiveStack);
    using ColumnClick = void (FrmMain::*)(int);
    static constexpr std::array<ColumnClick, GridModel::Columns> columnClicks = {
        &FrmMain::col1_Click, &FrmMain::col2_Click, &FrmMain::col3_Click, &FrmMain::col4_Click,
        &FrmMain::col5_Click, &FrmMain::col6_Click, &FrmMain::col7_Click, &FrmMain::col8_Click};
    connect(m_grid, &DotGrid::cellClicked, this,
            [this](int column, int index) { (this->*columnClicks[size_t(column - 1)])(index); });
    connect(m_grid, &DotGrid::pictureUnreadable, this, [this](const QString &path) {
        m_prompter.message(this, tr("Cannot read picture file %1").arg(path));
    });

    auto *Frame2 = makeFrame("Frame2", design(DesignText::SingleCharacter),
                             rect(4560, 240, 4095, 1575), client);
    txtSASC =
        makeTextBox("txtSASC", 1, WindowFonts::singleCharacter(), rect(360, 480, 735, 735), Frame2);
    button("cmdSSA", design(DesignText::ShowSingle), rect(1440, 600, 1815, 495), Frame2,
           &FrmMain::cmdSSA_Click);
    button("cmdCLR", design(DesignText::ClearAll), rect(480, 4560, 855, 375), client,
           &FrmMain::cmdCLR_Click);

    auto *Frame3 = makeFrame("Frame3", design(DesignText::ScrollingMessage),
                             rect(4560, 2040, 4095, 2175), client);
    txtScroll = makeTextBox("txtScroll", Protocol::MaxTextLength, WindowFonts::scrollingMessage(),
                            rect(360, 360, 3375, 405), Frame3);
    button("cmdScroll", design(DesignText::Scroll), rect(240, 960, 1455, 375), Frame3,
           &FrmMain::cmdScroll_Click);
    button("cmdDotM", design(DesignText::SendDotMatrix), rect(1560, 4560, 2295, 375), client,
           &FrmMain::cmdDotM_Click);
    button("cmdAnimate", design(DesignText::Animate), rect(2400, 960, 1455, 375), Frame3,
           &FrmMain::cmdAnimate_Click);
    auto *Label1 = new QLabel(design(DesignText::SpeedLabel), Frame3);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(rect(240, 1440, 855, 255));
    cboSpeed = makeList("cboSpeed", rect(240, 1680, 1215, 315), Frame3);
    button("cmdSpeed", design(DesignText::SetSpeed), rect(1920, 1560, 1455, 375), Frame3,
           &FrmMain::cmdSpeed_Click);

    cboCustom = makeList("cboCustom", rect(1560, 5160, 735, 315), client);
    button("cmdSave", design(DesignText::SaveInPosition), rect(480, 5160, 855, 615), client,
           &FrmMain::cmdSave_Click);
    button("cmdLoadCustom", design(DesignText::ShowCustom), rect(2520, 5160, 1335, 615), client,
           &FrmMain::cmdLoadCustom_Click);

    auto *Frame4 = makeFrame("Frame4", design(DesignText::BuiltInAnimation),
                             rect(4560, 4440, 4095, 1455), client);
    button("cmdUpArrow", design(DesignText::UpArrow), rect(240, 360, 1455, 375), Frame4,
           &FrmMain::cmdUpArrow_Click);
    button("cmdDownArrow", design(DesignText::DownArrow), rect(2280, 360, 1455, 375), Frame4,
           &FrmMain::cmdDownArrow_Click);
    button("cmdRightArrow", design(DesignText::RightArrow), rect(240, 840, 1455, 375), Frame4,
           &FrmMain::cmdRightArrow_Click);
    button("cmdLeftArrow", design(DesignText::LeftArrow), rect(2280, 840, 1455, 375), Frame4,
           &FrmMain::cmdLeftArrow_Click);

    txtSASC->setFocus();
}

void FrmMain::Form_Load()
{
    QCoreApplication::setApplicationName(QLatin1String(MessageBox::Caption));
    MSComm1.setSettings(QLatin1String(MSCommSettings));
    const QString stored = AppSettings::storedCommPort();
    // The link always delivers what it receives as bytes: the port's binary input mode.
    if (const auto gap = AppSettings::idleGap())
        MSComm1.setIdleGap(*gap);
    // Anything but the text "1".."6" (a hand-edited or damaged store) counts as a first run.
    const int port = AppSettings::parseCommPort(stored).value_or(AppSettings::FirstPort);
    MSComm1.setCommPort(port);
    mnuCOM[size_t(port)]->setChecked(true);
    // The lists are filled before the port is tried, so that a port missing at start-up does
    // not leave "Set Speed" and the custom-character buttons without a selection for the run.
    fillLists();
    // The COM items' tips are filled when the menu opens: with no device mapped in the settings,
    // listing the machine's serial devices takes tens of milliseconds, and start-up already
    // does it once to open the port.

    if (!MSComm1.open())
        reportPortUnavailable();
}

void FrmMain::fillLists()
{
    fillSpeedList(cboSpeed);
    cboSpeed->setCurrentIndex(Protocol::DefaultSpeedIndex);

    cboCustom->clear();
    for (int position = 0; position < Protocol::CustomCharacterCount; ++position)
        cboCustom->addItem(QString::number(position));
    cboCustom->setCurrentIndex(0);
}

void FrmMain::updatePortTips()
{
    const auto devices = PortResolver::devicePaths(AppSettings::FirstPort, AppSettings::LastPort);
    for (int index = AppSettings::FirstPort; index <= AppSettings::LastPort; ++index) {
        const auto &device = devices.at(index - AppSettings::FirstPort);
        const QString tip = device ? *device : tr("no serial device");
        mnuCOM[size_t(index)]->setStatusTip(tip);
        mnuCOM[size_t(index)]->setToolTip(tip);
    }
}

void FrmMain::mnuCOM_Click(int Index)
{
    if (Index < AppSettings::FirstPort || Index > AppSettings::LastPort)
        return;
    for (int index = AppSettings::FirstPort; index <= AppSettings::LastPort; ++index)
        mnuCOM[size_t(index)]->setChecked(false);
    mnuCOM[size_t(Index)]->setChecked(true);
    m_storeWhenOpen.reset();
    MSComm1.close();
    MSComm1.setCommPort(Index);

    if (!MSComm1.open()) {
        reportPortUnavailable();
        return;
    }
    if (MSComm1.isOpen())
        storeChosenPort(Index);
    else
        m_storeWhenOpen = Index;
}

void FrmMain::storeChosenPort(int Index)
{
    if (const auto failure = AppSettings::storeCommPort(Index))
        reportStoreFailure(Index, *failure);
}

// The port stays open as chosen; only remembering it failed. Said once a run: a settings file
// that cannot be written now will not be writable at the next choice either.
void FrmMain::reportStoreFailure(int Index, const AppSettings::StoreFailure &failure)
{
    if (m_storeFailureReported)
        return;
    m_storeFailureReported = true;
    m_prompter.message(this,
                       tr("COM%1 is open, but the choice could not be stored in %2: %3.")
                           .arg(Index)
                           .arg(failure.fileName, failure.reason),
                       tr("The program will not remember this port at its next start. Port "
                          "choices made later in this run are not stored either."));
}

void FrmMain::mnuConfig_Click()
{
    if (m_config) {
        m_config->show();
        m_config->raise();
        m_config->activateWindow();
        return;
    }
    m_config = new FrmConfig(MSComm1, m_prompter, this);
    m_config->setPortDetail([this] { return MSComm1.failureDetail(); });
    // Shown once its load has read the module's settings, after any message of the load.
    FrmConfig *dialog = m_config;
    connect(dialog, &FrmConfig::loaded, dialog, [dialog] {
        if (!dialog->isVisible())
            dialog->show();
    });
    // Placed before it loads, so that a message of the load appears over it.
    m_config->placeOnScreen();
    m_config->Form_Load();
}

DevicesDialog *FrmMain::devicesDialog() const
{
    return m_devices;
}

// A window of its own beside the main window; shown again, not made anew, while it exists.
void FrmMain::mnuDevices_Click()
{
    if (!m_devices) {
        m_devices = new DevicesDialog(this);
        centreOnScreen(m_devices);
    }
    m_devices->show();
    m_devices->raise();
    m_devices->activateWindow();
}

void FrmMain::SendCommand(quint8 cmd)
{
    if (!MSComm1.send(Protocol::Message{cmd, CommandData}))
        reportPortUnavailable();
}

void FrmMain::send(const Protocol::Message &message)
{
    CommandData = message.payload;
    SendCommand(message.command);
}

void FrmMain::reportPortUnavailable()
{
    m_prompter.message(this, MessageBox::text(MessageBox::PortUnavailable),
                       MSComm1.failureDetail());
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // The dialog lives on this window's port; it goes when the window goes.
    if (m_config)
        m_config->close();
    if (m_devices)
        m_devices->close();
    QMainWindow::closeEvent(event);
}

// The eight columns' click handlers share one body; only the column differs.
void FrmMain::colClick(int column, int Index)
{
    m_editor->click(column, Index);
}

void FrmMain::col1_Click(int Index)
{
    colClick(1, Index);
}
void FrmMain::col2_Click(int Index)
{
    colClick(2, Index);
}
void FrmMain::col3_Click(int Index)
{
    colClick(3, Index);
}
void FrmMain::col4_Click(int Index)
{
    colClick(4, Index);
}
void FrmMain::col5_Click(int Index)
{
    colClick(5, Index);
}
void FrmMain::col6_Click(int Index)
{
    colClick(6, Index);
}
void FrmMain::col7_Click(int Index)
{
    colClick(7, Index);
}
void FrmMain::col8_Click(int Index)
{
    colClick(8, Index);
}

void FrmMain::cmdCLR_Click()
{
    m_editor->clear();
}

void FrmMain::cmdSSA_Click()
{
    send(Protocol::showChar(txtSASC->text()));
}

// The custom-character position chosen in the list; without one there is nothing to send, and
// the user is told so.
std::optional<int> FrmMain::selectedPosition()
{
    const int position = cboCustom->currentIndex();
    if (position < 0 || position >= Protocol::CustomCharacterCount) {
        m_prompter.message(this, tr("No Position Selected"));
        return std::nullopt;
    }
    return position;
}

void FrmMain::cmdLoadCustom_Click()
{
    if (const auto position = selectedPosition())
        send(Protocol::showCustom(*position));
}

void FrmMain::cmdSave_Click()
{
    if (const auto position = selectedPosition())
        send(Protocol::saveCustom(*position));
}

void FrmMain::cmdDotM_Click()
{
    send(Protocol::dotMatrix(m_grid->model().columnValues()));
}

void FrmMain::cmdScroll_Click()
{
    send(Protocol::scroll(txtScroll->text()));
}

void FrmMain::cmdAnimate_Click()
{
    send(Protocol::animate(txtScroll->text()));
}

void FrmMain::cmdSpeed_Click()
{
    const auto code = Protocol::speedCodeForIndex(cboSpeed->currentIndex());
    if (!code) {
        m_prompter.message(this, tr("No Speed Selected"));
        return;
    }
    send(Protocol::setSpeed(*code));
}

void FrmMain::cmdUpArrow_Click()
{
    send(Protocol::builtinAnimation(Protocol::DIR_UP));
}

void FrmMain::cmdDownArrow_Click()
{
    send(Protocol::builtinAnimation(Protocol::DIR_DOWN));
}

void FrmMain::cmdRightArrow_Click()
{
    send(Protocol::builtinAnimation(Protocol::DIR_RIGHT));
}

void FrmMain::cmdLeftArrow_Click()
{
    send(Protocol::builtinAnimation(Protocol::DIR_LEFT));
}
