#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The Devices dialog's table: the machine's serial devices as Qt Serial Port sees them and the
// network endpoints in use or added, each with the COM numbers assigned to it in [Ports].
class DeviceListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Device, Description, Manufacturer, SerialNumber, UsbId, AssignedTo, ColumnCount };

    struct Entry
    {
        // What an assignment stores: the /dev/serial/by-id path where there is one, else the
        // device's own path, or the endpoint's URL.
        QString device;
        QString systemLocation;
        QString description;
        QString manufacturer;
        QString serialNumber;
        QString usbId; // "0403:6001"
        bool network = false;
    };

    explicit DeviceListModel(QObject *parent = nullptr);

    // Lists the devices again and reads the assignments anew.
    void refresh();
    // Adds a network endpoint (already checked) to the list; its row.
    int addEndpoint(const QString &url);
    const Entry &entry(int row) const { return m_entries.at(row); }
    int rowOf(const QString &device) const;

    // Where /dev/serial/by-id lives; tests point it at a folder of their own.
    void setByIdFolder(const QString &folder) { m_byIdFolder = folder; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString assignedTo(const Entry &entry) const;

    QList<Entry> m_entries;
    QStringList m_addedEndpoints;
    std::array<std::optional<QString>, 7> m_mapped{}; // COM1..COM6
    QString m_byIdFolder = QStringLiteral("/dev/serial/by-id");
};
