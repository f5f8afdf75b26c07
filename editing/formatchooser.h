#pragma once

#include "textformats.h"

#include <QDialog>

#include <functional>
#include <optional>

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

    // Nothing when the user cancelled. Tests replace the dialog with a handler.
    static std::optional<TextFormats::Format>
    choose(QWidget *parent, const QList<Reading> &readings, TextFormats::Format preferred);
    using Handler = std::function<std::optional<TextFormats::Format>(
        const QList<Reading> &readings, TextFormats::Format preferred)>;
    static void setHandler(Handler handler);

private:
    QList<Reading> m_readings;
    QButtonGroup *m_group;
};
