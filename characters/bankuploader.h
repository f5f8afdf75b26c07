#pragma once

#include "pattern.h"

#include <QList>
#include <QObject>

class ModuleConnection;

// Puts custom characters on the module, slot after slot: the dot-pattern message with the
// slot's pattern (the module shows it), then the store message with its position (the module
// stores what it shows). The link paces them; the next slot is queued as soon as the link has
// handed the last message to the driver, so the line never waits and a cancel still takes
// effect between slots.
class BankUploader : public QObject
{
    Q_OBJECT

public:
    explicit BankUploader(ModuleConnection &link, QObject *parent = nullptr);

    struct Item
    {
        int position;
        Pattern pattern;
    };

    // False, and nothing sent, when the port is closed or an upload is already running.
    bool start(const QList<Item> &items);
    // Stops before the next slot; the slot under way is finished.
    void cancel();
    bool isRunning() const { return m_running; }

signals:
    // Both messages of the slot were handed to the line.
    void slotUploaded(int position, const Pattern &pattern);
    void progress(int done, int total);
    // `completed`: every slot went out; otherwise it was cancelled or the port went away.
    void finished(bool completed);

private:
    void sendNext();
    void end(bool completed);

    ModuleConnection &m_link;
    QList<Item> m_items;
    int m_next = 0;
    bool m_running = false;
    bool m_cancelled = false;
};
