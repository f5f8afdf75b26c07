#pragma once

#include "animation.h"
#include "protocol.h"

#include <QList>
#include <QString>
#include <QVariantList>

#include <optional>

// What one method of the bus interface does on the module.
struct BusAction
{
    Protocol::Message message;
    int waits = 0;       // reply waits of a request
    QList<Frame> frames; // Play
};

// One method of org.glyphsmith.Glyphsmith1 that reaches the module.
struct BusCommand
{
    enum class Kind {
        Send,        // through the paced queue in order; done once handed to the line
        SendLatest,  // a whole picture: it takes the place of one still waiting (latest wins)
        Acknowledge, // a setting: done when the module acknowledges it
        Settings,    // the stored settings, decoded and as they came
        Request,     // any message, and whatever the module answered
        Play,        // frames at their times, latest wins
    };

    const char *method;
    const char *signature; // the in-arguments, as D-Bus writes them
    Kind kind;
    // The action for `arguments` (of the types the signature says); nothing, and `error` says
    // why, for a value the module cannot take.
    std::optional<BusAction> (*build)(const QVariantList &arguments, QString *error);
};

// Every method that reaches the module, in the interface's order. A new command is one row here
// and one <method> in org.glyphsmith.Glyphsmith1.xml (tst_bus holds the two together); the
// service dispatches by this table and needs nothing else.
const QList<BusCommand> &busCommands();
const BusCommand *findBusCommand(const QString &method);
