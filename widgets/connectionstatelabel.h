#pragma once

#include <QLabel>

class ModuleConnection;

// The connection's state where the eye finds it, in the menu bar's corner: the COM number, the
// device or endpoint it stands for, and whether it is open, being connected, waiting for the
// device to return or not available, with the reason in its tool tip. A long device name is
// elided in the middle so that the label never widens the window.
class ConnectionStateLabel : public QLabel
{
    Q_OBJECT

public:
    ConnectionStateLabel(ModuleConnection &connection, QWidget *parent = nullptr);

    // The full text, before eliding.
    QString fullText() const { return m_text; }
    // The most the label may take: the room the menu bar leaves it.
    void setAvailableWidth(int width);

    static QString stateName(const ModuleConnection &connection);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void update();
    void showElided();

    ModuleConnection &m_connection;
    QString m_text;
    int m_availableWidth = 0;
};
