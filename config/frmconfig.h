#pragma once

#include <QDialog>

class SerialLink;

// Placeholder until the configuration dialog is built.
class FrmConfig : public QDialog {
    Q_OBJECT

public:
    FrmConfig(SerialLink &port, QWidget *parent = nullptr);
    void Form_Load() {}

private:
    SerialLink &m_port;
};
