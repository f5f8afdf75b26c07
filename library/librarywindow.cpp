#include "librarywindow.h"

#include "prompter.h"

#include "editorsettings.h"
#include "formatchooser.h"
#include "gridmodel.h"
#include "imageimportdialog.h"
#include "librarydocument.h"
#include "messagebox.h"
#include "patternclipboard.h"
#include "patternimage.h"
#include "undoactions.h"
#include "windowstyle.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <functional>

namespace {

// A thumbnail over its name, drawn directly: the style's general item, with its text layout,
// took most of the time the first look at a large library costs.
class ThumbnailDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QPixmap thumbnail = index.data(Qt::DecorationRole).value<QPixmap>();
        const QRect cell = option.rect;
        const QPoint corner(cell.center().x() - thumbnail.width() / 2, cell.top() + Margin);
        painter->drawPixmap(corner, thumbnail);

        const QFontMetrics metrics(option.font);
        const QString name = metrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                Qt::ElideRight, cell.width() - 2 * Margin);
        QRect text(0, 0, metrics.horizontalAdvance(name) + 2 * Margin, metrics.height());
        text.moveTo(cell.center().x() - text.width() / 2, corner.y() + thumbnail.height() + Margin);
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(text, option.palette.brush(QPalette::Highlight));
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(text, Qt::AlignCenter, name);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = text.adjusted(-1, -1, 1, 1);
            const QWidget *view = option.widget;
            (view ? view->style() : QApplication::style())
                ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return option.rect.size();
    }

    // Called with what was typed when the library refuses it as the pattern's name.
    std::function<void(const QModelIndex &index, const QString &typed)> refused;

    // The next editor of `index` starts with `typed` instead of the pattern's name.
    void keepTyped(const QModelIndex &index, const QString &typed)
    {
        m_keptIndex = index;
        m_kept = typed;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(editor);
        if (line && m_keptIndex.isValid() && m_keptIndex == index) {
            line->setText(m_kept);
            line->selectAll();
            m_keptIndex = QPersistentModelIndex();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(editor);
        if (!line) {
            QStyledItemDelegate::setModelData(editor, model, index);
            return;
        }
        const QString typed = line->text();
        if (!model->setData(index, typed) && refused)
            refused(index, typed);
    }

    // The name is edited where it is shown.
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override
    {
        const int thumbnail = index.data(Qt::DecorationRole).value<QPixmap>().height();
        const int height = editor->sizeHint().height();
        editor->setGeometry(option.rect.left(), option.rect.top() + 2 * Margin + thumbnail,
                            option.rect.width(), height);
    }

private:
    static constexpr int Margin = 2;
    mutable QPersistentModelIndex m_keptIndex;
    QString m_kept;
};

// One change of the library's patterns: the whole list as it was before and after, with the
// rows selected at each. The lists share their data with the library's own until it changes,
// so a step costs little. The first redo finds the change already made.
class LibraryStep : public QUndoCommand
{
public:
    using Apply = std::function<void(const QList<NamedPattern> &, const QList<int> &)>;

    LibraryStep(Apply apply, QList<NamedPattern> before, QList<int> selectedBefore,
                QList<NamedPattern> after, QList<int> selectedAfter, const QString &text)
        : QUndoCommand(text)
        , m_apply(std::move(apply))
        , m_before(std::move(before))
        , m_selectedBefore(std::move(selectedBefore))
        , m_after(std::move(after))
        , m_selectedAfter(std::move(selectedAfter))
    {}

    void redo() override
    {
        if (std::exchange(m_done, false))
            return;
        m_apply(m_after, m_selectedAfter);
    }
    void undo() override { m_apply(m_before, m_selectedBefore); }

private:
    Apply m_apply;
    QList<NamedPattern> m_before;
    QList<int> m_selectedBefore;
    QList<NamedPattern> m_after;
    QList<int> m_selectedAfter;
    bool m_done = true;
};

} // namespace

LibraryView::LibraryView(QWidget *parent)
    : QListView(parent)
{
    // Icons on a grid, laid out as a list that wraps: icon mode would also keep a free position
    // for every item, which costs a library of thousands a noticeable part of its opening.
    // Static: dragging reorders the patterns instead of moving icons about.
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(500);
    setSpacing(4);
    setGridSize(QSize(96, 72));
    setIconSize(QSize(40, 40));
    setItemDelegate(new ThumbnailDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void LibraryView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void LibraryView::startDrag(Qt::DropActions)
{
    QModelIndexList indexes = selectedIndexes();
    if (indexes.isEmpty())
        return;
    std::sort(indexes.begin(), indexes.end());
    auto *drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(indexes));
    drag->setPixmap(indexes.first().data(Qt::DecorationRole).value<QPixmap>());
    drag->exec(Qt::MoveAction);
}

void LibraryView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void LibraryView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void LibraryView::dropEvent(QDropEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    const QPoint position = event->position().toPoint();
    const QModelIndex at = indexAt(position);
    int destination = model()->rowCount();
    if (at.isValid())
        destination = at.row() + (position.x() > visualRect(at).center().x() ? 1 : 0);
    QList<int> rows;
    for (const QModelIndex &index : selectedIndexes())
        rows.append(index.row());
    event->acceptProposedAction();
    emit rowsDropped(rows, destination);
}

LibraryWindow::LibraryWindow(LibraryDocument *document, const GridModel *grid, QUndoStack *history,
                             Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_document(document)
    , m_grid(grid)
    , m_history(history)
    , m_recorded(document->model()->library().patterns)
{
    setObjectName(QStringLiteral("frmLibrary"));
    // The main window's palette, as a window of its own would not take it.
    setAttribute(Qt::WA_WindowPropagation);
    setFont(dialogFont());
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(document->model());
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *add = addAction(tr("&Add Grid Pattern"), QKeySequence(Qt::Key_Insert),
                          &LibraryWindow::addGridPattern);
    auto *replace = addAction(tr("&Replace with Grid"), QKeySequence(Qt::CTRL | Qt::Key_R),
                              &LibraryWindow::replaceSelected);
    auto *rename =
        addAction(tr("Re&name"), QKeySequence(Qt::Key_F2), &LibraryWindow::renameSelected);
    auto *remove = addAction(tr("&Delete"), QKeySequence(QKeySequence::Delete),
                             &LibraryWindow::deleteSelected);
    auto *load = addAction(tr("&Load into Grid"), QKeySequence(Qt::Key_Return),
                           &LibraryWindow::loadSelected);
    // Enter reaches the view as activation; the shortcut is listed, not installed twice.
    load->setShortcutContext(Qt::WidgetShortcut);
    auto *send = addAction(tr("&Send"), QKeySequence(Qt::CTRL | Qt::Key_Return),
                           &LibraryWindow::sendSelected);
    auto *save = new QAction(tr("Sa&ve Library"), this);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { m_document->save(this); });
    m_actions.append(save);
    auto *find = new QAction(tr("&Filter by Name"), this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });
    m_actions.append(find);
    QWidget::addAction(find);
    toolBar->addActions({add, replace, rename, remove});
    toolBar->addSeparator();
    toolBar->addActions({load, send});
    toolBar->addSeparator();
    toolBar->addAction(save);
    m_selectionActions = {replace, rename, remove, load, send};

    auto *filterLabel = new QLabel(tr("F&ilter:"), this);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setPlaceholderText(tr("Part of a name"));
    m_filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_filter);
    connect(m_filter, &QLineEdit::textChanged, m_proxy,
            &QSortFilterProxyModel::setFilterFixedString);

    m_view = new LibraryView(this);
    m_view->setObjectName(QStringLiteral("lstPatterns"));
    m_view->setModel(m_proxy);
    static_cast<ThumbnailDelegate *>(m_view->itemDelegate())->refused =
        [this](const QModelIndex &index, const QString &typed) { editAgain(index, typed); };
    auto *copy = new QAction(tr("&Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &LibraryWindow::copySelected);
    auto *paste = new QAction(tr("&Paste"), this);
    paste->setShortcut(QKeySequence::Paste);
    connect(paste, &QAction::triggered, this, [this] { this->paste(); });
    // Listed, and reached through the view, whose keys they are; the filter box keeps its own.
    copy->setShortcutContext(Qt::WidgetShortcut);
    paste->setShortcutContext(Qt::WidgetShortcut);
    m_actions.append({copy, paste});
    m_view->addActions({copy, paste});
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_view, &LibraryView::copyRequested, this, &LibraryWindow::copySelected);
    connect(m_view, &LibraryView::pasteRequested, this, [this] { this->paste(); });
    m_selectionActions.append(copy);
    // A library opened, made anew or put back starts at its top.
    connect(document->model(), &QAbstractItemModel::modelReset, m_view,
            &QAbstractItemView::scrollToTop);
    connect(m_view, &QListView::activated, this, &LibraryWindow::loadSelected);
    connect(m_view, &LibraryView::rowsDropped, this, &LibraryWindow::moveViewRows);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &LibraryWindow::updateActions);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &LibraryWindow::updateActions);
    // After the editor that caused it has closed, so that no box comes up while it commits.
    connect(document->model(), &LibraryModel::refused, this, &LibraryWindow::reportRefusal,
            Qt::QueuedConnection);
    connect(document->model(), &LibraryModel::edited, this, &LibraryWindow::recordEdit);
    connect(document, &LibraryDocument::replaced, this, [this] {
        m_history->clear();
        m_recorded = m_document->model()->library().patterns;
    });
    connect(document, &LibraryDocument::modifiedChanged, this, &LibraryWindow::updateTitle);
    connect(document, &LibraryDocument::filePathChanged, this, &LibraryWindow::updateTitle);
    connect(document->model(), &QAbstractItemModel::modelReset, this, &LibraryWindow::updateTitle);

    m_undo = new UndoActions(m_history, this);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter);
    filterRow->addWidget(UndoActions::button(m_undo->undoAction(), this));
    filterRow->addWidget(UndoActions::button(m_undo->redoAction(), this));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(toolBar);
    layout->addLayout(filterRow);
    layout->addWidget(m_view);

    setTabOrder(m_filter, m_view);
    // Wide enough for every button of the tool bar, "Save Library" at its end included.
    const QMargins margins = layout->contentsMargins();
    resize(qMax(560, toolBar->sizeHint().width() + margins.left() + margins.right()), 420);
    updateTitle();
    updateActions();
}

QAction *LibraryWindow::addAction(const QString &text, const QKeySequence &shortcut,
                                  void (LibraryWindow::*slot)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    m_actions.append(action);
    return action;
}

QList<QAction *> LibraryWindow::shortcutActions() const
{
    return m_actions + QList<QAction *>{m_undo->undoAction(), m_undo->redoAction()};
}

void LibraryWindow::updateTitle()
{
    setWindowTitle(tr("Pattern Library - %1[*]").arg(m_document->displayName()));
    setWindowModified(m_document->isModified());
}

void LibraryWindow::updateActions()
{
    const bool selected = m_view->selectionModel()->hasSelection();
    for (QAction *action : std::as_const(m_selectionActions))
        action->setEnabled(selected);
}

QList<int> LibraryWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_view->selectionModel()->selectedIndexes())
        rows.append(m_proxy->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void LibraryWindow::selectRow(int row)
{
    const QModelIndex index = m_proxy->mapFromSource(m_document->model()->index(row));
    m_view->setCurrentIndex(index);
    m_view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(index);
}

void LibraryWindow::selectRows(const QList<int> &rows)
{
    m_view->selectionModel()->clearSelection();
    bool first = true;
    for (int row : rows) {
        const QModelIndex index = m_proxy->mapFromSource(m_document->model()->index(row));
        if (!index.isValid())
            continue;
        if (first) {
            m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            m_view->scrollTo(index);
            first = false;
        }
        m_view->selectionModel()->select(index, QItemSelectionModel::Select);
    }
}

void LibraryWindow::edit(const QString &stepName, const std::function<void()> &change)
{
    const QList<int> selectedBefore = selectedRows();
    m_editing = true;
    change();
    m_editing = false;
    record(stepName, selectedBefore);
}

void LibraryWindow::record(const QString &stepName, const QList<int> &selectedBefore)
{
    const QList<NamedPattern> &after = m_document->model()->library().patterns;
    if (after == m_recorded)
        return;
    QPointer<LibraryWindow> window(this);
    m_history->push(new LibraryStep(
        [window](const QList<NamedPattern> &patterns, const QList<int> &selection) {
            if (window)
                window->restorePatterns(patterns, selection);
        },
        m_recorded, selectedBefore, after, selectedRows(), stepName));
    m_recorded = after;
}

// A name edited in the view reaches the library through the model: it is recorded once made.
void LibraryWindow::recordEdit()
{
    if (m_editing)
        return;
    const QList<NamedPattern> &now = m_document->model()->library().patterns;
    QString stepName = tr("Change Patterns");
    if (now.size() == m_recorded.size()) {
        for (qsizetype row = 0; row < now.size(); ++row) {
            if (now.at(row).name != m_recorded.at(row).name) {
                stepName = tr("Rename \"%1\"").arg(m_recorded.at(row).name);
                break;
            }
        }
    }
    record(stepName, selectedRows());
}

void LibraryWindow::restorePatterns(const QList<NamedPattern> &patterns,
                                    const QList<int> &selection)
{
    m_editing = true;
    m_document->model()->setPatterns(patterns);
    m_editing = false;
    m_recorded = patterns;
    selectRows(selection);
}

// How a step names the patterns it changed: one by its name, more by their number.
QString LibraryWindow::patternsName(const QList<int> &rows) const
{
    if (rows.size() == 1)
        return QStringLiteral("\"%1\"").arg(m_document->model()->at(rows.first()).name);
    return tr("%1 Patterns").arg(rows.size());
}

void LibraryWindow::reportRefusal(const QString &reason)
{
    m_prompter.message(this, reason,
                       tr("The pattern library %1 is unchanged.").arg(m_document->displayName()));
}

void LibraryWindow::editAgain(const QModelIndex &index, const QString &typed)
{
    const QPersistentModelIndex kept(index);
    // Queued behind the message, and after the view has closed the editor.
    QTimer::singleShot(0, this, [this, kept, typed] {
        if (!kept.isValid())
            return;
        static_cast<ThumbnailDelegate *>(m_view->itemDelegate())->keepTyped(kept, typed);
        m_view->setCurrentIndex(kept);
        m_view->edit(kept);
    });
}

QString LibraryWindow::freeName(const QString &wanted) const
{
    const PatternLibrary &library = m_document->model()->library();
    if (wanted.trimmed().isEmpty())
        return library.unusedName();
    if (library.nameProblem(wanted).isEmpty())
        return wanted;
    for (int number = 2;; ++number) {
        const QString name = QStringLiteral("%1 %2").arg(wanted).arg(number);
        if (library.nameProblem(name).isEmpty())
            return name;
    }
}

void LibraryWindow::copySelected()
{
    QList<NamedPattern> patterns;
    for (int row : selectedRows())
        patterns.append(m_document->model()->at(row));
    if (!patterns.isEmpty())
        QGuiApplication::clipboard()->setMimeData(
            PatternClipboard::mimeData(patterns, EditorSettings::copyFormat()));
}

bool LibraryWindow::paste()
{
    const auto patterns = pastedPatterns();
    if (!patterns)
        return false;
    m_filter->clear();
    QList<int> rows;
    for (const NamedPattern &entry : *patterns)
        rows.append(m_document->model()->addPattern(entry.pattern, freeName(entry.name)));
    selectRow(rows.constFirst());
    for (int row : std::as_const(rows))
        m_view->selectionModel()->select(m_proxy->mapFromSource(m_document->model()->index(row)),
                                         QItemSelectionModel::Select);
    return true;
}

// The clipboard read as the grid's Paste reads it, into patterns for the library.
std::optional<QList<NamedPattern>> LibraryWindow::pastedPatterns()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (const auto own = PatternClipboard::ownPatterns(data))
        return own;
    const QString text = data && data->hasText() ? data->text() : QString();
    const bool hasImage = data && data->hasImage();
    if (!text.trimmed().isEmpty() && !(hasImage && TextFormats::detect(text).formats.isEmpty() &&
                                       !TextFormats::parseImages(text))) {
        if (const auto images = TextFormats::parseImages(text)) {
            QList<NamedPattern> patterns;
            for (const Pattern &image : images->patterns)
                patterns.append(
                    {images->name.isEmpty()
                         ? QString()
                         : QStringLiteral("%1 %2").arg(images->name).arg(patterns.size() + 1),
                     image,
                     {}});
            return patterns;
        }
        const auto detection = TextFormats::detect(text);
        if (detection.formats.isEmpty()) {
            m_prompter.message(this,
                               detection.nothingFound
                                   ? tr("Nothing was pasted: no pattern was found in the text "
                                        "on the clipboard.")
                                   : tr("Nothing was pasted: the text on the clipboard is not "
                                        "a pattern, as %1.")
                                         .arg(detection.error));
            return std::nullopt;
        }
        QList<FormatChooser::Reading> readings;
        for (TextFormats::Format format : detection.formats) {
            const Pattern pattern = *TextFormats::parse(text, format).pattern;
            if (std::none_of(readings.begin(), readings.end(),
                             [&pattern](const auto &r) { return r.pattern == pattern; }))
                readings.append({format, pattern});
        }
        FormatChooser::Reading reading = readings.constFirst();
        if (readings.size() > 1) {
            const auto chosen =
                FormatChooser::choose(m_prompter, this, readings, EditorSettings::lastBareFormat());
            if (!chosen)
                return std::nullopt;
            for (const auto &candidate : std::as_const(readings)) {
                if (candidate.format == *chosen)
                    reading = candidate;
            }
            EditorSettings::setLastBareFormat(reading.format);
        }
        return QList<NamedPattern>{{QString(), reading.pattern, {}}};
    }
    if (hasImage) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (image.isNull() || qint64(image.width()) * image.height() > PatternImage::MaxPixels) {
            m_prompter.message(this, tr("Nothing was pasted: the picture on the clipboard is empty "
                                        "or larger than the workbench takes."));
            return std::nullopt;
        }
        const auto levels = PatternImage::levels(image, EditorSettings::imageFit());
        const auto pattern =
            PatternImage::isCrisp(levels)
                ? std::optional<Pattern>(PatternImage::threshold(levels))
                : ImageImportDialog::run(m_prompter, this, image, tr("the clipboard"));
        if (!pattern)
            return std::nullopt;
        return QList<NamedPattern>{{QString(), *pattern, {}}};
    }
    m_prompter.message(this, tr("Nothing was pasted: the clipboard holds neither a pattern nor a "
                                "picture."));
    return std::nullopt;
}

void LibraryWindow::addGridPattern()
{
    const Pattern pattern = m_grid->pattern();
    m_filter->clear();
    const QString name = m_document->model()->library().unusedName();
    edit(tr("Add \"%1\"").arg(name),
         [this, &pattern, &name] { selectRow(m_document->model()->addPattern(pattern, name)); });
}

void LibraryWindow::replaceSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    edit(tr("Replace %1").arg(patternsName(rows)),
         [this, &rows] { m_document->model()->replacePattern(rows.first(), m_grid->pattern()); });
}

void LibraryWindow::renameSelected()
{
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid())
        m_view->edit(current);
}

void LibraryWindow::deleteSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    edit(tr("Delete %1").arg(patternsName(rows)), [this, &rows] {
        m_document->model()->removePatterns(rows);
        const int next = std::min(rows.first(), m_document->model()->rowCount() - 1);
        if (next >= 0)
            selectRow(next);
    });
}

void LibraryWindow::loadSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const NamedPattern &named = m_document->model()->at(rows.first());
    emit loadRequested(named.pattern, named.name);
}

void LibraryWindow::sendSelected()
{
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty())
        emit sendRequested(m_document->model()->at(rows.first()).pattern);
}

void LibraryWindow::moveViewRows(const QList<int> &rows, int destination)
{
    QList<int> libraryRows;
    for (int row : rows)
        libraryRows.append(m_proxy->mapToSource(m_proxy->index(row, 0)).row());
    int libraryDestination = m_document->model()->rowCount();
    if (destination < m_proxy->rowCount())
        libraryDestination = m_proxy->mapToSource(m_proxy->index(destination, 0)).row();
    else if (m_proxy->rowCount() > 0)
        libraryDestination =
            m_proxy->mapToSource(m_proxy->index(m_proxy->rowCount() - 1, 0)).row() + 1;
    std::sort(libraryRows.begin(), libraryRows.end());
    edit(tr("Move %1").arg(patternsName(libraryRows)), [this, &libraryRows, libraryDestination] {
        m_document->model()->movePatterns(libraryRows, libraryDestination);
    });
}

void LibraryWindow::closeEvent(QCloseEvent *event)
{
    if (!m_document->maybeSave(this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
