#pragma once

#include "devicelistmodel.h"
#include "moduleexchange.h"

#include <QDialog>
#include <QTimer>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class UdevMonitor;

// The window "Devices": the machine's serial devices and the network endpoints in use, which it
// assigns to COM1..COM6 in [Ports] (the stable /dev/serial/by-id path where there is one), and
// a Test that asks the selected device's module for its stored settings over a link of its own
// (ModuleExchange), never touching the main window's port. The list follows devices that come
// and go through udev, without polling.
class DevicesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DevicesDialog(QWidget *parent = nullptr);
    ~DevicesDialog() override;

    DeviceListModel &model() { return m_model; }
    // The row chosen in the table, or -1.
    int selectedRow() const;
    void selectRow(int row);

    void addEndpoint();
    void assignSelected();
    void unassign();
    void testSelected();
    // What the last assignment or test said.
    QString status() const;
    bool isTesting() const { return m_exchange.isRunning(); }

signals:
    // A test is over; status() says how it went.
    void testDone();

protected:
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void refreshKeepingSelection();
    void updateButtons();
    void setStatus(const QString &text);
    QString describeSettings(const QByteArray &reply) const;
    void testFinished(ModuleExchange::Outcome outcome);

    DeviceListModel m_model;
    ModuleExchange m_exchange;
    QString m_testing; // the device under test
    UdevMonitor *m_udev = nullptr;
    QTimer m_refresh; // gathers a burst of udev events into one listing

    QTableView *m_table = nullptr;
    QLineEdit *m_endpoint = nullptr;
    QPushButton *m_add = nullptr;
    QComboBox *m_port = nullptr;
    QPushButton *m_assign = nullptr;
    QPushButton *m_unassign = nullptr;
    QPushButton *m_test = nullptr;
    QLabel *m_status = nullptr;
};
