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
class Prompter;
class UndoHistory;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window "8x8 Glyphsmith": the serial port object MSComm1 (the connection to the module,
// handed to the window by the program, which keeps it for as long as any window lives) with its
// port menu, the pending payload CommandData, and the pattern editor (a DotGrid over a
// GridModel, whose changes a GridEditor records as steps of the grid's undo history). The eleven
// command buttons build their message through Protocol and send it with SendCommand; the
// configuration dialog (FrmConfig) gets the same connection for its own exchanges. Every control
// that needs an open port follows the connection's openChanged(); a port that is lost is
// reported once and comes back by itself. The Devices dialog (DevicesDialog) assigns devices and
// network endpoints to COM1..COM6. Messages go through the prompter. The menus after "Configure"
// and the windows they open are the feature controllers' (see app/workspace.h).
class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    FrmMain(ModuleConnection &port, Prompter &prompter, UndoHistory &history,
            QWidget *parent = nullptr);
    ~FrmMain() override;

    // The start-up sequence: runs once, before the window is first shown.
    void Form_Load();

    ModuleConnection &commPort() { return MSComm1; }
    ModuleConnection &serialPort() { return MSComm1; }
    const GridModel &grid() const;
    DotGrid *dotGrid() const { return m_grid; }
    GridEditor *gridEditor() const { return m_editor; }
    UndoHistory *undoHistory() const { return &m_history; }
    // What the grid edits besides its own pattern ("Frame 3 of Wave"), after the window's fixed
    // title; nothing puts the title back as it was.
    void showGridSubject(const QString &subject);
    QByteArray commandData() const { return CommandData; }
    FrmConfig *configDialog() const;
    DevicesDialog *devicesDialog() const;

    // Writes `cmd` followed by CommandData in one write.
    void SendCommand(quint8 cmd);
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
    void showEvent(QShowEvent *event) override;

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

    ModuleConnection &MSComm1;
    Prompter &m_prompter;
    UndoHistory &m_history;
    QByteArray CommandData;

    std::array<QAction *, 7> mnuCOM{}; // Index 1..6
    QAction *mnuConfig = nullptr;
    QAction *mnuDevices = nullptr;

    QGroupBox *Frame1 = nullptr;
    DotGrid *m_grid = nullptr;
    GridEditor *m_editor = nullptr;
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
