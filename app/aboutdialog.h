#pragma once

#include <QDialog>

class QLabel;

// Help > About: the program's name and version, its licence, where its manual (the README) lies
// in the package, and its home page.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr char HomePage[] = "https://glyphsmith.org/";
    static constexpr char Licence[] = "GPL-3.0-or-later";

    explicit AboutDialog(QWidget *parent = nullptr);

    // The README as the package installs it: beside the program's own share/doc folder where it
    // is there (an installed program, whatever its prefix), else where Debian's package puts it.
    static QString readmePath();
    QLabel *text() const { return m_text; }

private:
    QLabel *m_text;
};
