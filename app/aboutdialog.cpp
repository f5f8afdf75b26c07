#include "aboutdialog.h"

#include "windowstyle.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr char PackageReadme[] = "/usr/share/doc/glyphsmith/README.md";
} // namespace

QString AboutDialog::readmePath()
{
    // The program lies in lib/glyphsmith under the prefix (packaging/CMakeLists.txt).
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() +
                        QLatin1String("/../../share/doc/glyphsmith/README.md"));
    return QFileInfo::exists(installed) ? installed : QString::fromLatin1(PackageReadme);
}

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    // The main window's palette, as a window of its own would not take it.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(tr("About 8x8 Glyphsmith"));
    setFont(dialogFont());
    const QString readme = readmePath();
    const QString link = QStringLiteral("<a href=\"%1\">%2</a>");
    const QString html =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p><p>%5</p><p>%6</p>")
            .arg(tr("8x8 Glyphsmith %1").arg(QLatin1String(GLYPHSMITH_VERSION)).toHtmlEscaped(),
                 tr("Pattern editor and remote control for an 8x8 LED dot-matrix module on a "
                    "serial port.")
                     .toHtmlEscaped(),
                 tr("Licence: %1. This program is free software: you can redistribute it and/or "
                    "modify it under the terms of the GNU General Public License as published by "
                    "the Free Software Foundation, either version 3 of the License, or (at your "
                    "option) any later version. It comes with no warranty.")
                     .arg(QLatin1String(Licence))
                     .toHtmlEscaped(),
                 tr("The manual: %1")
                     .toHtmlEscaped()
                     .arg(link.arg(QUrl::fromLocalFile(readme).toString(), readme.toHtmlEscaped())),
                 tr("Home page: %1")
                     .toHtmlEscaped()
                     .arg(link.arg(QLatin1String(HomePage), QLatin1String(HomePage))),
                 tr("Built with Qt %1, running with Qt %2.")
                     .arg(QLatin1String(QT_VERSION_STR), QLatin1String(qVersion()))
                     .toHtmlEscaped());
    m_text = new QLabel(html, this);
    m_text->setObjectName(QStringLiteral("lblAbout"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::RichText);
    // Links open in the desktop's browser and file viewer, and are reached with Tab too.
    m_text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_text->setOpenExternalLinks(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    m_text->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    buttons->button(QDialogButtonBox::Close)->setFocus();
}
