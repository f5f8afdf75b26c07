#include "shortcutswindow.h"

#include "windowstyle.h"

#include <QHeaderView>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

ShortcutsWindow::ShortcutsWindow(const QList<Section> &sections, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmShortcuts"));
    // The main window's palette, as a window of its own would not take it.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(tr("Keyboard Shortcuts"));
    setFont(dialogFont());
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Action"), tr("Keys")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const Section &section : sections) {
        auto *title = new QTreeWidgetItem(m_list, {section.title});
        QFont bold = title->font(0);
        bold.setBold(true);
        title->setFont(0, bold);
        title->setFirstColumnSpanned(true);
        for (const Entry &entry : section.entries)
            new QTreeWidgetItem(m_list, {QStringLiteral("    ") + entry.what, entry.keys});
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    resize(460, 600);
}
