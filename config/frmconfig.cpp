#include "frmconfig.h"

#include "designtext.h"
#include "inputcontrols.h"
#include "messagebox.h"
#include "moduleconnection.h"
#include "modulerequest.h"
#include "moduletextbox.h"
#include "prompter.h"
#include "protocol.h"
#include "twips.h"
#include "windowstyle.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The design's own texts, the same in every language (designtext.h).
QString design(const char *text)
{
    return DesignText::text(text);
}

constexpr int ClientWidth = 6270;
constexpr int ClientHeight = 3090;

template<typename Control> Control *place(Control *control, const char *name, QRect geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

FrmConfig::FrmConfig(ModuleConnection &port, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_port(port)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmConfig"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(design(DesignText::ConfigWindow));
    setFont(dialogFont());
    if (parent)
        setWindowIcon(parent->window()->windowIcon());
    buildControls();
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    connect(&m_port, &ModuleConnection::targetChanged, this, &FrmConfig::connectionChanged);
    connect(&m_port, &ModuleConnection::openChanged, this, &FrmConfig::connectionOpened);
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

    Frame1 = place(new QGroupBox(design(DesignText::CurrentSetting), this), "Frame1",
                   rect(360, 360, 5415, 2415));
    Label1 = place(new QLabel(design(DesignText::StartUpMode), Frame1), "Label1",
                   rect(240, 360, 1095, 255));
    cboMode = list("cboMode", rect(1560, 360, 1095, 315));
    cmdChangeSU = button("cmdChangeSU", design(DesignText::ChangeStartupMode),
                         rect(3000, 360, 1815, 255), &FrmConfig::cmdChangeSU_Click);
    Label2 =
        place(new QLabel(design(DesignText::Speed), Frame1), "Label2", rect(240, 840, 855, 255));
    cboSpeed = list("cboSpeed", rect(1560, 840, 1095, 315));
    cmdChangeSpeed = button("cmdChangeSpeed", design(DesignText::ChangeSpeed),
                            rect(3000, 840, 1815, 255), &FrmConfig::cmdChangeSpeed_Click);
    Label3 = place(new QLabel(design(DesignText::StoredMessage), Frame1), "Label3",
                   rect(240, 1440, 2175, 255));
    txtAniS = place(new ModuleTextBox(Frame1), "txtAniS", rect(240, 1920, 2415, 285));
    txtAniS->setMaxLength(Protocol::MaxTextLength);
    cmdMessage = button("cmdMessage", design(DesignText::SaveMessage), rect(3000, 1800, 1815, 375),
                        &FrmConfig::cmdMessage_Click);

    for (QLabel *label : {Label1, Label2, Label3})
        widenToFit(label);
    cboMode->setFocus();
}

void FrmConfig::Form_Load()
{
    cboMode->clear();
    for (int mode = 0; mode < Protocol::StartupModeCount; ++mode)
        cboMode->addItem(design(DesignText::ModeItem).arg(mode));
    cboMode->setCurrentIndex(-1);
    fillSpeedList(cboSpeed);
    txtAniS->clear();
    m_loaded = false;
    m_stale = false;
    readSettings();
}

void FrmConfig::readSettings()
{
    if (m_request)
        m_request->cancel();
    m_request = m_port.request(Protocol::readSettings(), 1, &m_replyWait, this);
    connect(m_request, &ModuleRequest::finished, this, &FrmConfig::settingsRead);
    updateButtons();
}

void FrmConfig::settingsRead()
{
    ModuleRequest *request = std::exchange(m_request, nullptr);
    if (!request)
        return;
    request->deleteLater();
    const auto outcome = request->outcome();
    if (outcome == ModuleRequest::Outcome::Cancelled || m_closed)
        return;
    m_lastReply = request->reply();
    if (outcome == ModuleRequest::Outcome::PortUnavailable) {
        // Switched or lost on the way: read again once the connection is open.
        if (!std::exchange(m_stale, true))
            reportPortUnavailable();
        updateButtons();
        emit loaded();
        return;
    }
    if (takeReply()) {
        // A short or garbled record fills only the fields it carried completely.
        const Protocol::Settings settings = Protocol::decodeSettings(ReplyData);
        if (settings.modeIndex)
            cboMode->setCurrentIndex(*settings.modeIndex);
        if (settings.speedIndex)
            cboSpeed->setCurrentIndex(*settings.speedIndex);
        if (settings.message)
            txtAniS->setText(*settings.message);
    }
    m_loaded = true;
    updateButtons();
    emit loaded();
}

void FrmConfig::cmdChangeSU_Click()
{
    const int mode = cboMode->currentIndex();
    if (mode < 0 || mode >= Protocol::StartupModeCount) {
        m_prompter.message(this, tr("No Mode Selected"));
        return;
    }
    exchange(Protocol::changeStartupMode(mode), 1, design(DesignText::StartupModeChanged));
}

void FrmConfig::cmdChangeSpeed_Click()
{
    const auto code = Protocol::speedCodeForIndex(cboSpeed->currentIndex());
    if (!code) {
        m_prompter.message(this, tr("No Speed Selected"));
        return;
    }
    exchange(Protocol::changeSpeed(*code), 1, design(DesignText::SpeedChanged));
}

void FrmConfig::cmdMessage_Click()
{
    // Storing the text takes the module longer than the other settings.
    exchange(Protocol::saveMessage(txtAniS->text()), 2, design(DesignText::MessageSaved));
}

// Writes `message`, waits `waits` times and reports the module's answer. Nothing is stored in a
// module whose settings the dialog has not read.
void FrmConfig::exchange(const Protocol::Message &message, int waits, const QString &confirmation)
{
    if (m_closed || m_request)
        return;
    if (!m_port.isOpen()) {
        reportPortUnavailable();
        return;
    }
    if (!m_loaded)
        return; // the settings of the module the connection reaches now are being read
    m_request = m_port.request(message, waits, &m_replyWait, this);
    connect(m_request, &ModuleRequest::finished, this,
            [this, confirmation] { exchangeDone(confirmation); });
    updateButtons();
}

// A refusal, or anything else that is not an acknowledge, is passed over in silence.
void FrmConfig::exchangeDone(const QString &confirmation)
{
    ModuleRequest *request = std::exchange(m_request, nullptr);
    if (!request)
        return;
    request->deleteLater();
    const auto outcome = request->outcome();
    if (outcome == ModuleRequest::Outcome::Cancelled || m_closed)
        return;
    m_lastReply = request->reply();
    // The buttons stay disabled while the message is up, as during the wait.
    if (outcome == ModuleRequest::Outcome::PortUnavailable) {
        if (!m_stale)
            reportPortUnavailable();
    } else if (takeReply() && Protocol::isAcknowledge(ReplyData)) {
        m_prompter.message(this, confirmation);
    }
    updateButtons();
    emit exchangeFinished();
}

// Takes what has arrived into ReplyData, or reports that nothing has.
bool FrmConfig::takeReply()
{
    if (m_lastReply.isEmpty()) {
        m_prompter.message(this, design(DesignText::NoModuleFound));
        return false;
    }
    ReplyData = m_lastReply;
    return true;
}

// The connection now stands for another module, or has lost its own: what the dialog shows is
// no longer known to be that module's settings.
void FrmConfig::connectionChanged()
{
    m_stale = true;
    m_loaded = false;
    if (m_request)
        m_request->cancel();
    updateButtons();
}

void FrmConfig::connectionOpened(bool open)
{
    if (!open) {
        connectionChanged();
        return;
    }
    if (m_stale && !m_closed)
        Form_Load();
}

void FrmConfig::reportPortUnavailable()
{
    m_prompter.message(this, MessageBox::text(MessageBox::PortUnavailable),
                       m_portDetail ? m_portDetail() : QString());
}

void FrmConfig::updateButtons()
{
    setButtonsEnabled(m_loaded && !m_request && !m_closed);
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
    if (m_request)
        m_request->cancel();
}
