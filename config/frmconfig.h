#pragma once

#include "replywait.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SerialLink;

namespace Protocol {
struct Message;
}

// The dialog "Configure Kaldor88": reads the three settings the module keeps for power-up
// (start-up mode, speed, message) when it loads, and stores each of them on request, over the
// main window's port. Every exchange writes one message, waits a fixed number of ticks
// (ReplyWait) and takes whatever has arrived as the reply.
//
// The wait dispatches events, so the dialog can be closed, or the main window can close it,
// while one of its handlers is still on the stack. Closing ends the wait, the handler returns
// without touching the port again, and only then is the dialog deleted.
class FrmConfig : public QWidget
{
    Q_OBJECT

public:
    FrmConfig(SerialLink &port, QWidget *parent = nullptr);
    ~FrmConfig() override;

    // Fills the lists and reads the module's stored settings into the controls; runs before the
    // dialog is first shown.
    void Form_Load();

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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class Exchange;

    void buildControls();
    bool WaitForReply();
    bool request(const Protocol::Message &message, int waits);
    bool readReply();
    void reportResult(const QString &confirmation);
    void setButtonsEnabled(bool enabled);
    void reportPortUnavailable();

    SerialLink &m_port;
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
    int m_exchanges = 0;
    bool m_closed = false;
    bool m_deleteWhenIdle = false;
    bool m_placed = false;
};
