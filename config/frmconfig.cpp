#include "frmconfig.h"

#include "inputcontrols.h"
#include "messagebox.h"
#include "moduletextbox.h"
#include "protocol.h"
#include "seriallink.h"
#include "twips.h"
#include "windowstyle.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 6270;
constexpr int ClientHeight = 3090;

template<typename Control> Control *place(Control *control, const char *name, QRect geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

// Holds the dialog's buttons disabled for the length of an exchange, so that no second exchange
// can start inside the first one's wait, and enables them again however it ends. A dialog closed
// meanwhile is deleted once the last exchange has unwound.
class FrmConfig::Exchange
{
public:
    explicit Exchange(FrmConfig &dialog)
        : m_dialog(dialog)
    {
        if (m_dialog.m_exchanges++ == 0)
            m_dialog.setButtonsEnabled(false);
    }
    ~Exchange()
    {
        if (--m_dialog.m_exchanges > 0)
            return;
        if (m_dialog.m_deleteWhenIdle)
            m_dialog.deleteLater();
        else if (!m_dialog.m_closed)
            m_dialog.setButtonsEnabled(true);
    }
    Exchange(const Exchange &) = delete;
    Exchange &operator=(const Exchange &) = delete;

private:
    FrmConfig &m_dialog;
};

FrmConfig::FrmConfig(SerialLink &port, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_port(port)
{
    setObjectName(QStringLiteral("frmConfig"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Configure Kaldor88"));
    setFont(dialogFont());
    if (parent)
        setWindowIcon(parent->window()->windowIcon());
    buildControls();
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
}

FrmConfig::~FrmConfig() = default;

// Controls are created in tab order, so the focus chain follows it. The buttons are plain
// QPushButtons on a plain window: none is a default or a cancel button.
void FrmConfig::buildControls()
{
    using Twips::rect;
    const auto button = [this](const char *name, const QString &caption, QRect geometry,
                               void (FrmConfig::*handler)()) {
        auto *b = place(new QPushButton(caption, Frame1), name, geometry);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    const auto list = [this](const char *name, QRect geometry) {
        auto *l = place(new QComboBox(Frame1), name, geometry);
        makeEditableList(l);
        return l;
    };

    Frame1 =
        place(new QGroupBox(tr("Current Setting"), this), "Frame1", rect(360, 360, 5415, 2415));
    Label1 = place(new QLabel(tr("Start Up Mode"), Frame1), "Label1", rect(240, 360, 1095, 255));
    cboMode = list("cboMode", rect(1560, 360, 1095, 315));
    cmdChangeSU = button("cmdChangeSU", tr("Change Startup Mode"), rect(3000, 360, 1815, 255),
                         &FrmConfig::cmdChangeSU_Click);
    Label2 = place(new QLabel(tr("Speed"), Frame1), "Label2", rect(240, 840, 855, 255));
    cboSpeed = list("cboSpeed", rect(1560, 840, 1095, 315));
    cmdChangeSpeed = button("cmdChangeSpeed", tr("Change Speed"), rect(3000, 840, 1815, 255),
                            &FrmConfig::cmdChangeSpeed_Click);
    Label3 = place(new QLabel(tr("Animation/Scrolling Message"), Frame1), "Label3",
                   rect(240, 1440, 2175, 255));
    txtAniS = place(new ModuleTextBox(Frame1), "txtAniS", rect(240, 1920, 2415, 285));
    txtAniS->setMaxLength(Protocol::MaxTextLength);
    cmdMessage = button("cmdMessage", tr("Save Message"), rect(3000, 1800, 1815, 375),
                        &FrmConfig::cmdMessage_Click);

    for (QLabel *label : {Label1, Label2, Label3})
        widenToFit(label);
    cboMode->setFocus();
}

void FrmConfig::Form_Load()
{
    cboMode->clear();
    for (int mode = 0; mode < Protocol::StartupModeCount; ++mode)
        cboMode->addItem(tr("Mode %1").arg(mode));
    cboMode->setCurrentIndex(-1);
    fillSpeedList(cboSpeed);
    txtAniS->clear();

    Exchange exchange(*this);
    if (!request(Protocol::readSettings(), 1) || !readReply())
        return;
    // A short or garbled record fills only the fields it carried completely.
    const Protocol::Settings settings = Protocol::decodeSettings(ReplyData);
    if (settings.modeIndex)
        cboMode->setCurrentIndex(*settings.modeIndex);
    if (settings.speedIndex)
        cboSpeed->setCurrentIndex(*settings.speedIndex);
    if (settings.message)
        txtAniS->setText(*settings.message);
}

void FrmConfig::cmdChangeSU_Click()
{
    const int mode = cboMode->currentIndex();
    if (mode < 0 || mode >= Protocol::StartupModeCount) {
        MessageBox::show(this, tr("No Mode Selected"));
        return;
    }
    Exchange exchange(*this);
    if (request(Protocol::changeStartupMode(mode), 1))
        reportResult(tr("Startup Mode Changed"));
}

void FrmConfig::cmdChangeSpeed_Click()
{
    const auto code = Protocol::speedCodeForIndex(cboSpeed->currentIndex());
    if (!code) {
        MessageBox::show(this, tr("No Speed Selected"));
        return;
    }
    Exchange exchange(*this);
    if (request(Protocol::changeSpeed(*code), 1))
        reportResult(tr("Speed Changed"));
}

void FrmConfig::cmdMessage_Click()
{
    Exchange exchange(*this);
    // Storing the text takes the module longer than the other settings.
    if (request(Protocol::saveMessage(txtAniS->text()), 2))
        reportResult(tr("Message Saved"));
}

bool FrmConfig::WaitForReply()
{
    return m_replyWait.WaitForReply();
}

// Writes `message` and waits `waits` times. False when the exchange cannot go on: the port is
// not open (reported here), the dialog was closed during the wait, or the port went away during
// it (the main window reports that).
bool FrmConfig::request(const Protocol::Message &message, int waits)
{
    if (m_closed)
        return false;
    if (!m_port.isOpen()) {
        reportPortUnavailable();
        return false;
    }
    // Whatever is waiting now came too late for an earlier request; read with this one's reply
    // it would pass for the module's answer.
    m_port.discardInput();
    if (!m_port.output(message)) {
        reportPortUnavailable();
        return false;
    }
    for (int wait = 0; wait < waits; ++wait) {
        if (!WaitForReply())
            return false;
    }
    return m_port.isOpen();
}

// Takes what has arrived into ReplyData, or reports that nothing has.
bool FrmConfig::readReply()
{
    if (m_port.inBufferCount() == 0) {
        MessageBox::show(this, tr("No Module Found"));
        return false;
    }
    ReplyData = m_port.input();
    return true;
}

// A refusal, or anything else that is not an acknowledge, is passed over in silence.
void FrmConfig::reportResult(const QString &confirmation)
{
    if (readReply() && Protocol::isAcknowledge(ReplyData))
        MessageBox::show(this, confirmation);
}

void FrmConfig::reportPortUnavailable()
{
    MessageBox::show(this, MessageBox::text(MessageBox::PortUnavailable),
                     m_portDetail ? m_portDetail() : QString());
}

void FrmConfig::setButtonsEnabled(bool enabled)
{
    cmdChangeSU->setEnabled(enabled);
    cmdChangeSpeed->setEnabled(enabled);
    cmdMessage->setEnabled(enabled);
}

void FrmConfig::setVisible(bool visible)
{
    // Closed during its load, the dialog is on its way out and must not come back on screen.
    if (visible && m_closed)
        return;
    if (visible)
        placeOnScreen();
    QWidget::setVisible(visible);
}

void FrmConfig::placeOnScreen()
{
    if (m_placed)
        return;
    // Centred once the platform window exists, so that its frame is counted too.
    m_placed = true;
    create();
    centreOnScreen(this);
}

void FrmConfig::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    m_closed = true;
    m_replyWait.cancel();
    if (m_exchanges > 0) {
        // An exchange is still on the stack below the wait's event processing; deleting the
        // dialog now would pull its members from under it. The exchange deletes it on its way
        // out instead.
        setAttribute(Qt::WA_DeleteOnClose, false);
        m_deleteWhenIdle = true;
    }
}
