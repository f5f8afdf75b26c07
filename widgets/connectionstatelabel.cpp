#include "connectionstatelabel.h"

#include "moduleconnection.h"

ConnectionStateLabel::ConnectionStateLabel(ModuleConnection &connection, QWidget *parent)
    : QLabel(parent)
    , m_connection(connection)
{
    setObjectName(QStringLiteral("lblPortState"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setContentsMargins(0, 0, 6, 0);
    connect(&connection, &ModuleConnection::stateChanged, this, &ConnectionStateLabel::update);
    connect(&connection, &ModuleConnection::targetChanged, this, &ConnectionStateLabel::update);
    update();
}

QString ConnectionStateLabel::stateName(const ModuleConnection &connection)
{
    switch (connection.state()) {
    case ModuleConnection::State::Open:
        return tr("open");
    case ModuleConnection::State::Connecting:
        return tr("connecting");
    case ModuleConnection::State::Waiting:
        return tr("waiting for the device");
    case ModuleConnection::State::NotAvailable:
        return tr("not available");
    case ModuleConnection::State::Closed:
        break;
    }
    return tr("closed");
}

void ConnectionStateLabel::update()
{
    const QString device = m_connection.deviceName();
    const QString port =
        m_connection.commPort() > 0 ? QStringLiteral("COM%1").arg(m_connection.commPort()) : device;
    const QString target = device.isEmpty() || port == device ? port : port + u' ' + device;
    m_text = tr("%1: %2").arg(target, stateName(m_connection));
    const bool fine = m_connection.state() == ModuleConnection::State::Open;
    setToolTip(fine ? tr("%1 is open.").arg(target) : m_connection.failureDetail());
    setAccessibleName(tr("Port state"));
    setAccessibleDescription(m_text);
    showElided();
}

void ConnectionStateLabel::setAvailableWidth(int width)
{
    m_availableWidth = width;
    setMaximumWidth(width);
    showElided();
}

void ConnectionStateLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void ConnectionStateLabel::showElided()
{
    const int room = (m_availableWidth > 0 ? m_availableWidth : width()) -
                     contentsMargins().left() - contentsMargins().right();
    setText(room > 0 ? fontMetrics().elidedText(m_text, Qt::ElideMiddle, room) : m_text);
}
