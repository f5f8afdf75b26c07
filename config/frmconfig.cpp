#include "frmconfig.h"

FrmConfig::FrmConfig(SerialLink &port, QWidget *parent)
    : QDialog(parent)
    , m_port(port) {
    setAttribute(Qt::WA_DeleteOnClose);
}
