#include "devicelistmodel.h"

#include "appsettings.h"
#include "endpoint.h"
#include "reconnector.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

DeviceListModel::DeviceListModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void DeviceListModel::refresh()
{
    beginResetModel();
    m_entries.clear();
    for (int port = AppSettings::FirstPort; port <= AppSettings::LastPort; ++port)
        m_mapped[size_t(port)] = AppSettings::mappedDevice(port);

    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        Entry entry;
        entry.systemLocation = info.systemLocation();
        const QString stable = Reconnector::byIdPath(entry.systemLocation, m_byIdFolder);
        entry.device = stable.isEmpty() ? entry.systemLocation : stable;
        entry.description = info.description();
        entry.manufacturer = info.manufacturer();
        entry.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            entry.usbId = QStringLiteral("%1:%2")
                              .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                              .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        m_entries.append(entry);
    }
    // Paths the settings assign that Qt does not list (a link to a pseudo-terminal, a device
    // that is not plugged in) are shown too, so that every assignment can be seen.
    QStringList endpoints;
    for (const auto &mapped : m_mapped) {
        if (!mapped || mapped->isEmpty())
            continue;
        if (Endpoint::looksLikeUrl(*mapped)) {
            endpoints.append(*mapped);
            continue;
        }
        const QString target = QFileInfo(*mapped).canonicalFilePath();
        const bool listed = std::any_of(m_entries.cbegin(), m_entries.cend(), [&](const Entry &e) {
            return e.device == *mapped || e.systemLocation == *mapped ||
                   (!target.isEmpty() && QFileInfo(e.systemLocation).canonicalFilePath() == target);
        });
        if (listed)
            continue;
        Entry entry;
        entry.device = entry.systemLocation = *mapped;
        entry.description = QFileInfo::exists(*mapped) ? tr("assigned in the settings")
                                                       : tr("assigned, not present");
        m_entries.append(entry);
    }
    endpoints += m_addedEndpoints;
    endpoints.removeDuplicates();
    for (const QString &url : std::as_const(endpoints)) {
        Entry entry;
        entry.device = url;
        entry.network = true;
        const auto endpoint = Endpoint::parse(url);
        entry.description =
            !endpoint                                   ? tr("malformed network address")
            : endpoint->kind == Endpoint::Kind::Rfc2217 ? tr("network, telnet with RFC 2217")
            : endpoint->kind == Endpoint::Kind::Mqtt    ? tr("network, glyphsmith-bridge on MQTT")
                                                        : tr("network, raw TCP");
        m_entries.append(entry);
    }
    endResetModel();
}

int DeviceListModel::addEndpoint(const QString &url)
{
    const int existing = rowOf(url);
    if (existing >= 0)
        return existing;
    m_addedEndpoints.append(url);
    refresh();
    return rowOf(url);
}

int DeviceListModel::rowOf(const QString &device) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).device == device || m_entries.at(row).systemLocation == device)
            return row;
    }
    return -1;
}

// A mapping names the device by any of its paths: its by-id link, its own path, or another
// link that leads to it.
QString DeviceListModel::assignedTo(const Entry &entry) const
{
    QStringList ports;
    const QString target =
        entry.network ? QString() : QFileInfo(entry.systemLocation).canonicalFilePath();
    for (int port = AppSettings::FirstPort; port <= AppSettings::LastPort; ++port) {
        const auto &mapped = m_mapped[size_t(port)];
        if (!mapped)
            continue;
        const bool same = *mapped == entry.device || *mapped == entry.systemLocation ||
                          (!target.isEmpty() && QFileInfo(*mapped).canonicalFilePath() == target);
        if (same)
            ports.append(QStringLiteral("COM%1").arg(port));
    }
    return ports.join(QLatin1String(", "));
}

int DeviceListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int DeviceListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DeviceListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const Entry &entry = m_entries.at(index.row());
    if (role == Qt::ToolTipRole && index.column() == Device && !entry.network)
        return entry.systemLocation;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Device:
        return entry.device;
    case Description:
        return entry.description;
    case Manufacturer:
        return entry.manufacturer;
    case SerialNumber:
        return entry.serialNumber;
    case UsbId:
        return entry.usbId;
    case AssignedTo:
        return assignedTo(entry);
    default:
        return {};
    }
}

QVariant DeviceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Device:
        return tr("Device");
    case Description:
        return tr("Description");
    case Manufacturer:
        return tr("Manufacturer");
    case SerialNumber:
        return tr("Serial number");
    case UsbId:
        return tr("USB id");
    case AssignedTo:
        return tr("Assigned to");
    default:
        return {};
    }
}
