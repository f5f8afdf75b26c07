#pragma once

#include <QValidator>

class QComboBox;

// Accepts only text that travels to the module unchanged: Latin-1, one byte per character.
// Anything else is refused as it is typed or pasted.
class Latin1Validator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// Makes an editable list that behaves like a classic combo box: typing into its edit field never
// adds an entry, and typed text that was not chosen from the list leaves no selection (index -1).
void makeEditableList(QComboBox *list);

// Fills a speed list with its entries "1".."4", one for each speed code, and leaves it without a
// selection; both windows have one.
void fillSpeedList(QComboBox *list);
