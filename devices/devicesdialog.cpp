#include "devicesdialog.h"

#include "appsettings.h"
#include "endpoint.h"
#include "protocol.h"
#include "udevmonitor.h"
#include "windowstyle.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

DevicesDialog::DevicesDialog(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmDevices"));
    setWindowTitle(tr("Devices"));
    setFont(dialogFont());
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    auto *intro = new QLabel(tr("Serial devices of this machine, and the network endpoints in "
                                "use. Assign one to a COM number to use it from the menu "
                                "\"Communication\"."));
    intro->setWordWrap(true);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("deviceTable"));
    m_table->setModel(&m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().lineSpacing() + 8);
    // Every column as wide as what it shows, after each refresh too: an endpoint added later is
    // not cut while "Assigned to" takes the room left over.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setWordWrap(false);

    auto *endpointLabel = new QLabel(tr("&Network endpoint:"));
    m_endpoint = new QLineEdit;
    m_endpoint->setObjectName(QStringLiteral("endpoint"));
    m_endpoint->setPlaceholderText(tr("tcp://host:port or rfc2217://host:port"));
    endpointLabel->setBuddy(m_endpoint);
    m_add = new QPushButton(tr("A&dd"));
    m_add->setObjectName(QStringLiteral("add"));
    auto *endpointRow = new QHBoxLayout;
    endpointRow->addWidget(endpointLabel);
    endpointRow->addWidget(m_endpoint, 1);
    endpointRow->addWidget(m_add);

    auto *portLabel = new QLabel(tr("Assign t&o:"));
    m_port = new QComboBox;
    m_port->setObjectName(QStringLiteral("port"));
    for (int port = AppSettings::FirstPort; port <= AppSettings::LastPort; ++port)
        m_port->addItem(QStringLiteral("COM%1").arg(port), port);
    portLabel->setBuddy(m_port);
    m_assign = new QPushButton(tr("&Assign"));
    m_assign->setObjectName(QStringLiteral("assign"));
    m_unassign = new QPushButton(tr("&Unassign"));
    m_unassign->setObjectName(QStringLiteral("unassign"));
    m_unassign->setToolTip(tr("Remove the assignment of the COM number chosen beside it"));
    m_test = new QPushButton(tr("&Test"));
    m_test->setObjectName(QStringLiteral("test"));
    m_test->setToolTip(tr("Ask the module on the selected device for its stored settings"));
    auto *assignRow = new QHBoxLayout;
    assignRow->addWidget(portLabel);
    assignRow->addWidget(m_port);
    assignRow->addWidget(m_assign);
    assignRow->addWidget(m_unassign);
    assignRow->addStretch(1);
    assignRow->addWidget(m_test);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setMinimumHeight(m_status->fontMetrics().lineSpacing() * 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    // Return belongs to the field it is typed in (Add); it never closes the window.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table, 1);
    layout->addLayout(endpointRow);
    layout->addLayout(assignRow);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    for (QPushButton *button : {m_add, m_assign, m_unassign, m_test})
        button->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, &DevicesDialog::addEndpoint);
    connect(m_endpoint, &QLineEdit::returnPressed, this, &DevicesDialog::addEndpoint);
    connect(m_assign, &QPushButton::clicked, this, &DevicesDialog::assignSelected);
    connect(m_unassign, &QPushButton::clicked, this, &DevicesDialog::unassign);
    connect(m_test, &QPushButton::clicked, this, &DevicesDialog::testSelected);
    connect(&m_exchange, &ModuleExchange::finished, this, &DevicesDialog::testFinished);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DevicesDialog::updateButtons);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &DevicesDialog::updateButtons);

    m_refresh.setSingleShot(true);
    m_refresh.setInterval(100);
    connect(&m_refresh, &QTimer::timeout, this, &DevicesDialog::refreshKeepingSelection);
    m_udev = new UdevMonitor(this);
    connect(m_udev, &UdevMonitor::deviceChanged, &m_refresh, qOverload<>(&QTimer::start));

    m_model.refresh();
    resize(qMax(sizeHint().width(), 760), qMax(sizeHint().height(), 400));
    m_table->setFocus();
    updateButtons();
}

DevicesDialog::~DevicesDialog() = default;

void DevicesDialog::showEvent(QShowEvent *event)
{
    refreshKeepingSelection();
    QDialog::showEvent(event);
}

int DevicesDialog::selectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void DevicesDialog::selectRow(int row)
{
    m_table->selectRow(row);
}

void DevicesDialog::refreshKeepingSelection()
{
    const int row = selectedRow();
    const QString device = row >= 0 ? m_model.entry(row).device : QString();
    m_model.refresh();
    if (!device.isEmpty())
        selectRow(m_model.rowOf(device));
}

void DevicesDialog::updateButtons()
{
    const bool selected = selectedRow() >= 0;
    m_assign->setEnabled(selected);
    m_test->setEnabled(selected && !m_exchange.isRunning());
}

void DevicesDialog::setStatus(const QString &text)
{
    m_status->setText(text);
}

QString DevicesDialog::status() const
{
    return m_status->text();
}

void DevicesDialog::addEndpoint()
{
    const QString text = m_endpoint->text().trimmed();
    QString error;
    const auto endpoint = Endpoint::parse(text, &error);
    if (!endpoint || !endpoint->isNetwork()) {
        setStatus(endpoint ? tr("Write a network endpoint as tcp://host:port or "
                                "rfc2217://host:port.")
                           : tr("%1: %2.").arg(text, error));
        return;
    }
    const int row = m_model.addEndpoint(endpoint->toString());
    selectRow(row);
    m_endpoint->clear();
    setStatus(tr("%1 added; assign it to a COM number to use it.").arg(endpoint->toString()));
}

void DevicesDialog::assignSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString device = m_model.entry(row).device;
    const int port = m_port->currentData().toInt();
    if (const auto failure = AppSettings::storeMappedDevice(port, device)) {
        setStatus(tr("COM%1 could not be stored in %2: %3.")
                      .arg(port)
                      .arg(failure->fileName, failure->reason));
        return;
    }
    refreshKeepingSelection();
    setStatus(tr("COM%1 is now %2. Choose COM%1 from the menu \"Communication\" to use it.")
                  .arg(port)
                  .arg(device));
}

void DevicesDialog::unassign()
{
    const int port = m_port->currentData().toInt();
    if (const auto failure = AppSettings::storeMappedDevice(port, QString())) {
        setStatus(tr("COM%1 could not be stored in %2: %3.")
                      .arg(port)
                      .arg(failure->fileName, failure->reason));
        return;
    }
    refreshKeepingSelection();
    setStatus(tr("COM%1 is no longer assigned: it stands for the machine's serial device number "
                 "%1, if there is one.")
                  .arg(port));
}

QString DevicesDialog::describeSettings(const QByteArray &reply) const
{
    const Protocol::Settings settings = Protocol::decodeSettings(reply);
    const QString unknown = tr("unknown");
    return tr("start-up mode %1, speed %2, message \"%3\"")
        .arg(settings.modeIndex ? QString::number(*settings.modeIndex) : unknown,
             settings.speedIndex ? QString::number(*settings.speedIndex + 1) : unknown,
             settings.message.value_or(QString()));
}

void DevicesDialog::testSelected()
{
    const int row = selectedRow();
    if (row < 0 || m_exchange.isRunning())
        return;
    m_testing = m_model.entry(row).device;
    setStatus(tr("Testing %1...").arg(m_testing));
    m_test->setEnabled(false);
    m_exchange.start(m_testing, Protocol::readSettings(), 1);
}

void DevicesDialog::testFinished(ModuleExchange::Outcome outcome)
{
    const QString &device = m_testing;
    switch (outcome) {
    case ModuleExchange::Outcome::Done:
        setStatus(tr("%1 answers: %2 (%3).")
                      .arg(device, describeSettings(m_exchange.reply()),
                           Protocol::hexString(m_exchange.reply())));
        break;
    case ModuleExchange::Outcome::NoReply:
        setStatus(tr("%1: no reply.").arg(device));
        break;
    case ModuleExchange::Outcome::PortUnavailable:
        setStatus(tr("%1 is not available: %2.").arg(device, m_exchange.errorString()));
        break;
    case ModuleExchange::Outcome::Cancelled:
        setStatus(QString());
        break;
    }
    updateButtons();
    emit testDone();
}

void DevicesDialog::hideEvent(QHideEvent *event)
{
    // Closed, or put away with Escape: a test under way ends, and its port is closed.
    m_exchange.cancel();
    QDialog::hideEvent(event);
}
