#pragma once

#include "appsettings.h"
#include "moduleconnection.h"
#include "protocol.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>

class ConnectionStateLabel;
class DevicesDialog;
class DotGrid;
class FrmConfig;
class GridEditor;
class GridModel;
class UndoHistory;
class WorkbenchActions;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window "8x8 Glyphsmith". It owns the serial port (MSComm1: a COM number over a
// SerialLink) with its port menu, the pending payload CommandData, and the pattern editor (a
// DotGrid over a GridModel, whose changes a GridEditor records for undo). The eleven command
// buttons build their message through Protocol and send it with SendCommand; the configuration
// dialog (FrmConfig) borrows the link for its own exchanges. Every control that needs an open
// port follows the link's openChanged(). A port that is lost is reported once and reopened by
// the CommPort when its device returns; the Devices dialog (DevicesDialog) assigns devices and
// network endpoints to COM1..COM6. The menus after "Configure" (Edit, Pattern, Help) and the
// workbench's windows are WorkbenchActions'. The undo history of the grid and of those windows
// (UndoHistory) is the window's, handed to each.
class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(QWidget *parent = nullptr);
    ~FrmMain() override;

    // The start-up sequence: runs once, before the window is first shown.
    void Form_Load();

    ModuleConnection &commPort() { return MSComm1; }
    ModuleConnection &serialPort() { return MSComm1; }
    const GridModel &grid() const;
    DotGrid *dotGrid() const { return m_grid; }
    GridEditor *gridEditor() const { return m_editor; }
    UndoHistory *undoHistory() const { return m_history; }
    // What the grid edits besides its own pattern ("Frame 3 of Wave"), after the window's fixed
    // title; nothing puts the title back as it was.
    void showGridSubject(const QString &subject);
    WorkbenchActions *workbench() const { return m_workbench; }
    QByteArray commandData() const { return CommandData; }
    FrmConfig *configDialog() const;
    DevicesDialog *devicesDialog() const;

    // Writes `cmd` followed by CommandData in one write.
    void SendCommand(quint8 cmd);
    // Sends a pattern as "Send Dot Matrix" sends the grid's.
    void sendPattern(const Protocol::ColumnPattern &columns);
    // "Selected Comm Port Not Available", with what the port's state says below it.
    void reportPortUnavailable();

    void mnuCOM_Click(int Index);
    void mnuConfig_Click();
    void mnuDevices_Click();

    void col1_Click(int Index);
    void col2_Click(int Index);
    void col3_Click(int Index);
    void col4_Click(int Index);
    void col5_Click(int Index);
    void col6_Click(int Index);
    void col7_Click(int Index);
    void col8_Click(int Index);
    void cmdCLR_Click();

    void cmdSSA_Click();
    void cmdLoadCustom_Click();
    void cmdSave_Click();
    void cmdDotM_Click();
    void cmdScroll_Click();
    void cmdAnimate_Click();
    void cmdSpeed_Click();
    void cmdUpArrow_Click();
    void cmdDownArrow_Click();
    void cmdRightArrow_Click();
    void cmdLeftArrow_Click();

    ConnectionStateLabel *portStateLabel() const { return m_portState; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    void fillLists();
    void updatePortTips();
    void fitPortState();
    void colClick(int column, int Index);
    std::optional<int> selectedPosition();
    void send(const Protocol::Message &message);
    void storeChosenPort(int Index);
    void reportStoreFailure(int Index, const AppSettings::StoreFailure &failure);

    ModuleConnection MSComm1;
    QByteArray CommandData;

    std::array<QAction *, 7> mnuCOM{}; // Index 1..6
    QAction *mnuConfig = nullptr;
    QAction *mnuDevices = nullptr;

    QGroupBox *Frame1 = nullptr;
    DotGrid *m_grid = nullptr;
    GridEditor *m_editor = nullptr;
    UndoHistory *m_history = nullptr;
    WorkbenchActions *m_workbench = nullptr;
    QLineEdit *txtSASC = nullptr;
    QLineEdit *txtScroll = nullptr;
    QComboBox *cboSpeed = nullptr;
    QComboBox *cboCustom = nullptr;

    QPointer<FrmConfig> m_config;
    QPointer<DevicesDialog> m_devices;
    ConnectionStateLabel *m_portState = nullptr;
    // A port chosen from the menu that is still being connected: stored once it is open.
    std::optional<int> m_storeWhenOpen;
    bool m_storeFailureReported = false;
};
