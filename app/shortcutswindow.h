#pragma once

#include <QWidget>

class QTreeWidget;

// The window "Keyboard Shortcuts": every key the workbench answers to, by window.
class ShortcutsWindow : public QWidget
{
    Q_OBJECT

public:
    struct Entry
    {
        QString what;
        QString keys;
    };
    struct Section
    {
        QString title;
        QList<Entry> entries;
    };

    explicit ShortcutsWindow(const QList<Section> &sections, QWidget *parent = nullptr);
    QTreeWidget *list() const { return m_list; }

private:
    QTreeWidget *m_list;
};
