#include "commport.h"

#include "portresolver.h"

#include <QCoreApplication>

bool CommPort::open()
{
    m_resolveError.clear();
    const auto device = PortResolver::devicePath(m_commPort);
    if (!device) {
        m_link.close();
        m_resolveError =
            QCoreApplication::translate("CommPort", "COM%1 stands for no serial device")
                .arg(m_commPort);
        return false;
    }
    return m_link.open(*device);
}

QString CommPort::errorString() const
{
    return m_resolveError.isEmpty() ? m_link.errorString() : m_resolveError;
}
