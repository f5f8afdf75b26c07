#pragma once

#include "textformats.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompter;
class QButtonGroup;

// The small dialog "Paste As" for text that reads as more than one pattern (eight bare hex
// bytes): each reading with a preview of its picture, the preferred one chosen.
class FormatChooser : public QDialog
{
    Q_OBJECT

public:
    struct Reading
    {
        TextFormats::Format format;
        Pattern pattern;
    };

    FormatChooser(const QList<Reading> &readings, TextFormats::Format preferred,
                  QWidget *parent = nullptr);
    TextFormats::Format chosen() const;

    // Nothing when the user cancelled.
    static std::optional<TextFormats::Format> choose(Prompter &prompter, QWidget *parent,
                                                     const QList<Reading> &readings,
                                                     TextFormats::Format preferred);
    // The readings offered, in the order shown.
    QList<Reading> readings() const { return m_readings; }
    // Takes `format` as the user's choice.
    void choose(TextFormats::Format format);

private:
    QList<Reading> m_readings;
    QButtonGroup *m_group;
};
