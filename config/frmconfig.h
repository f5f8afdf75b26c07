#pragma once

#include "replywait.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ModuleConnection;
class ModuleRequest;
class Prompter;

namespace Protocol {
struct Message;
}

// The dialog "Configure Kaldor88": reads the three settings the module keeps for power-up
// (start-up mode, speed, message) when it loads, and stores each of them on request, over the
// connection to the module. Every exchange is a ModuleRequest: one message, a fixed number of
// ticks of the dialog's reply wait (ReplyWait, Timer1), then whatever has arrived is the reply.
// The buttons are held disabled while an exchange runs, so that no second one starts inside it.
//
// The dialog follows its connection: when the connection is switched to another module, or its
// port is lost, whatever the dialog read belongs to a module it may no longer talk to. Nothing
// can be stored then until the dialog has read the settings of the module the connection
// reaches once it is open again; the load runs again by itself for that.
class FrmConfig : public QWidget
{
    Q_OBJECT

public:
    FrmConfig(ModuleConnection &port, Prompter &prompter, QWidget *parent = nullptr);
    ~FrmConfig() override;

    // Fills the lists and reads the module's stored settings into the controls; runs before the
    // dialog is first shown. The reading goes on in the background: loaded() says when it is
    // over, after any message it gave.
    void Form_Load();
    // Whether the controls show the settings of the module the connection reaches now.
    bool isLoaded() const { return m_loaded; }
    // An exchange (the load's, or a button's) is under way.
    bool isBusy() const { return !m_request.isNull(); }

    void cmdChangeSU_Click();
    void cmdChangeSpeed_Click();
    void cmdMessage_Click();

    // The bytes of the last read from the port; kept until the next read.
    QByteArray replyData() const { return ReplyData; }

    // Where the port's state is explained, for "Selected Comm Port Not Available".
    void setPortDetail(std::function<QString()> detail) { m_portDetail = std::move(detail); }
    // Creates the platform window and centres it on the screen, once; before the load, so that
    // the load's messages appear over the dialog.
    void placeOnScreen();

    void setVisible(bool visible) override;

signals:
    void loaded();
    // A button's exchange is over, whatever its outcome.
    void exchangeFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void readSettings();
    void settingsRead();
    void exchange(const Protocol::Message &message, int waits, const QString &confirmation);
    void exchangeDone(const QString &confirmation);
    void connectionChanged();
    void connectionOpened(bool open);
    bool takeReply();
    void setButtonsEnabled(bool enabled);
    void updateButtons();
    void reportPortUnavailable();

    ModuleConnection &m_port;
    Prompter &m_prompter;
    ReplyWait m_replyWait{this};
    QByteArray ReplyData;

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *cboMode = nullptr;
    QPushButton *cmdChangeSU = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *cboSpeed = nullptr;
    QPushButton *cmdChangeSpeed = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *txtAniS = nullptr;
    QPushButton *cmdMessage = nullptr;

    std::function<QString()> m_portDetail;
    QPointer<ModuleRequest> m_request;
    QByteArray m_lastReply;
    bool m_loaded = false;
    // The connection was switched or lost: the settings shown are not the module's it reaches.
    bool m_stale = false;
    bool m_closed = false;
    bool m_placed = false;
};
