#pragma once

#include "prompter.h"

#include <QStringList>

// The prompter a benchmark hands to the program: every message is kept for the report, and no
// box ever waits for a click.
class RecordingPrompter : public Prompter
{
public:
    explicit RecordingPrompter(QStringList &messages)
        : m_messages(messages)
    {}

    void message(QWidget *, const QString &text, const QString &) override
    {
        m_messages.append(text);
    }
    SaveQuestion::Answer askSave(QWidget *, const QString &) override
    {
        return SaveQuestion::Answer::Discard;
    }

private:
    QStringList &m_messages;
};
