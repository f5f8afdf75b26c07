#include "inputcontrols.h"

#include "protocol.h"

#include <QComboBox>
#include <QLineEdit>

QValidator::State Latin1Validator::validate(QString &input, int &) const
{
    return Protocol::isLatin1(input) ? Acceptable : Invalid;
}

void makeEditableList(QComboBox *list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    QLineEdit *edit = list->lineEdit();
    QObject::connect(edit, &QLineEdit::textEdited, list, [list, edit](const QString &text) {
        if (list->currentIndex() < 0)
            return;
        const int cursor = edit->cursorPosition();
        list->setCurrentIndex(-1);
        list->setEditText(text);
        edit->setCursorPosition(cursor);
    });
}

void fillSpeedList(QComboBox *list)
{
    list->clear();
    for (int entry = 1; entry <= int(Protocol::SpeedCode.size()); ++entry)
        list->addItem(QString::number(entry));
    list->setCurrentIndex(-1);
}
