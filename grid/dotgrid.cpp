#include "dotgrid.h"

#include "dotcell.h"
#include "dotpictures.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Cell geometry inside the frame, in twips: columns and rows are 360 apart.
constexpr int CellLeft = 360;
constexpr int CellTop = 480;
constexpr int CellPitch = 360;
constexpr int CellWidth = 270;
constexpr int CellHeight = 285;
// Labels stand in the window below the frame, 480 apart.
constexpr int LabelLeft = 240;
constexpr int LabelPitch = 480;
constexpr int LabelTop = 3960;
constexpr int LabelWidth = 375;
constexpr int LabelHeight = 255;
// The focus cell's outline stands this many pixels around the cell.
constexpr int FocusMargin = 2;

// Where along from→to (0..1) the segment enters `rect`, or nothing if it misses it.
std::optional<double> entry(QPointF from, QPointF to, const QRectF &rect)
{
    double enter = 0;
    double leave = 1;
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {from.x() - rect.left(), rect.right() - from.x(), from.y() - rect.top(),
                         rect.bottom() - from.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    return enter;
}

} // namespace

// The grid's one focus stop: it lies over the cells, lets the mouse through to them, and draws
// the focus cell's outline while it has the focus.
class GridFocus : public QWidget
{
public:
    GridFocus(DotGrid *grid, QWidget *frame)
        : QWidget(frame)
        , m_grid(grid)
    {
        setObjectName(QStringLiteral("dotMatrix"));
        setAccessibleName(DotGrid::tr("Dot matrix"));
        setFocusPolicy(Qt::TabFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setContextMenuPolicy(Qt::CustomContextMenu);
        connect(this, &QWidget::customContextMenuRequested, this, [this] {
            const QRect cell = cellRect(m_grid->m_focusColumn, m_grid->m_focusRow);
            m_grid->showContextMenu(this, cell.center());
        });
    }

    QRect cellRect(int column, int row) const
    {
        const QWidget *cell = m_grid->m_cells[size_t(column - 1)][size_t(row)];
        return cell->geometry().translated(-pos());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(
            cellRect(m_grid->m_focusColumn, m_grid->m_focusRow)
                .adjusted(-FocusMargin + 1, -FocusMargin + 1, FocusMargin, FocusMargin));
    }

    void focusInEvent(QFocusEvent *event) override
    {
        m_grid->cell(m_grid->m_focusColumn, Protocol::RowWeights[size_t(m_grid->m_focusRow)])
            ->setFocusCell(true);
        QWidget::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        m_grid->cell(m_grid->m_focusColumn, Protocol::RowWeights[size_t(m_grid->m_focusRow)])
            ->setFocusCell(false);
        QWidget::focusOutEvent(event);
        update();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        int column = m_grid->m_focusColumn;
        int row = m_grid->m_focusRow;
        switch (event->key()) {
        case Qt::Key_Left:
            column = std::max(1, column - 1);
            break;
        case Qt::Key_Right:
            column = std::min(GridModel::Columns, column + 1);
            break;
        case Qt::Key_Up:
            row = std::max(0, row - 1);
            break;
        case Qt::Key_Down:
            row = std::min(Protocol::RowCount - 1, row + 1);
            break;
        case Qt::Key_Space:
            if (!event->isAutoRepeat())
                emit m_grid->cellClicked(column, Protocol::RowWeights[size_t(row)]);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
        }
        if (event->modifiers() & ~Qt::KeypadModifier) {
            QWidget::keyPressEvent(event);
            return;
        }
        m_grid->setFocusCell(column, row);
    }

private:
    DotGrid *m_grid;
};

DotGrid::DotGrid(QWidget *frame, QWidget *labelParent, QObject *parent)
    : QObject(parent)
    , m_frame(frame)
{
    const QPixmap start = DotPictures::startPicture();
    for (int column = 1; column <= GridModel::Columns; ++column) {
        for (int row = 0; row < Protocol::RowCount; ++row) {
            const int weight = Protocol::RowWeights[size_t(row)];
            auto *cell = new DotCell(weight, row + 1, column, frame);
            cell->setObjectName(QStringLiteral("col%1").arg(column));
            cell->setProperty("Index", weight);
            cell->setGeometry(Twips::rect(CellLeft + CellPitch * (column - 1),
                                          CellTop + CellPitch * row, CellWidth, CellHeight));
            cell->setPixmap(start);
            cell->installEventFilter(this);
            connect(cell, &DotCell::toggleRequested, this,
                    [this, column, weight] { emit cellClicked(column, weight); });
            m_cells[size_t(column - 1)][size_t(row)] = cell;
        }
    }
    m_focus = new GridFocus(this, frame);
    const QRect first = m_cells.front().front()->geometry();
    const QRect last = m_cells.back().back()->geometry();
    m_focus->setGeometry(first.united(last).adjusted(-FocusMargin - 1, -FocusMargin - 1,
                                                     FocusMargin + 1, FocusMargin + 1));

    frame->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(frame, &QWidget::customContextMenuRequested, this,
            [this](QPoint position) { showContextMenu(m_frame, position); });

    for (int column = 1; column <= GridModel::Columns; ++column) {
        auto *label = new QLabel(m_model.columnText(column), labelParent);
        label->setObjectName(QStringLiteral("lblC%1").arg(column));
        label->setGeometry(
            Twips::rect(LabelLeft + LabelPitch * (column - 1), LabelTop, LabelWidth, LabelHeight));
        m_labels[size_t(column - 1)] = label;
    }
}

int DotGrid::rowOf(int weight)
{
    const auto &weights = Protocol::RowWeights;
    return int(std::find(weights.begin(), weights.end(), weight) - weights.begin());
}

DotCell *DotGrid::cell(int column, int weight) const
{
    return m_cells[size_t(column - 1)][size_t(rowOf(weight))];
}

QLabel *DotGrid::label(int column) const
{
    return m_labels[size_t(column - 1)];
}

QWidget *DotGrid::focusWidget() const
{
    return m_focus;
}

void DotGrid::setFocusCell(int column, int row)
{
    if (column == m_focusColumn && row == m_focusRow)
        return;
    const bool focused = m_focus->hasFocus();
    m_cells[size_t(m_focusColumn - 1)][size_t(m_focusRow)]->setFocusCell(false);
    m_focusColumn = column;
    m_focusRow = row;
    m_cells[size_t(column - 1)][size_t(row)]->setFocusCell(focused);
    m_focus->update();
}

void DotGrid::setCellPicture(int column, int row, bool lit, const QPixmap &picture)
{
    DotCell *cell = m_cells[size_t(column - 1)][size_t(row)];
    cell->setPixmap(picture);
    cell->setLit(lit);
}

bool DotGrid::toggleCell(int column, int weight)
{
    if (!GridModel::isWeight(weight) || column < 1 || column > GridModel::Columns)
        return false;
    const bool lit = m_model.isLit(column, weight);
    const QString path = lit ? DotPictures::darkPath() : DotPictures::litPath();
    const auto picture = DotPictures::load(path);
    if (!picture) {
        emit pictureUnreadable(path);
        return false;
    }
    setCellPicture(column, rowOf(weight), !lit, *picture);
    m_model.toggle(column, weight);
    label(column)->setText(m_model.columnText(column));
    emit patternChanged(m_model.pattern());
    return true;
}

bool DotGrid::clearAll()
{
    // One read, before anything changes: a missing picture leaves the whole grid as it was.
    const QString path = DotPictures::darkPath();
    const auto dark = DotPictures::load(path);
    if (!dark) {
        emit pictureUnreadable(path);
        return false;
    }
    const bool wasClear = m_model.pattern() == Pattern();
    m_model.clear();
    for (int column = 1; column <= GridModel::Columns; ++column) {
        for (int row = 0; row < Protocol::RowCount; ++row)
            setCellPicture(column, row, false, *dark);
    }
    for (int column = 1; column <= GridModel::Columns; ++column)
        label(column)->setText(m_model.columnText(column));
    if (!wasClear)
        emit patternChanged(m_model.pattern());
    return true;
}

DotGrid::Pictures DotGrid::readPictures(const Pattern &pattern)
{
    const quint64 changed = m_model.pattern().bits() ^ pattern.bits();
    const bool needLit = changed & pattern.bits();
    const bool needDark = changed & ~pattern.bits();
    Pictures pictures;
    const auto read = [this, &pictures](bool needed, const QString &path) {
        std::optional<QPixmap> picture;
        if (needed && pictures.ok && !(picture = DotPictures::load(path))) {
            emit pictureUnreadable(path);
            pictures.ok = false;
        }
        return picture;
    };
    pictures.lit = read(needLit, DotPictures::litPath());
    pictures.dark = read(needDark, DotPictures::darkPath());
    return pictures;
}

bool DotGrid::canShow(const Pattern &pattern)
{
    return readPictures(pattern).ok;
}

bool DotGrid::setPattern(const Pattern &pattern)
{
    const Pictures pictures = readPictures(pattern);
    if (!pictures.ok)
        return false;
    const std::optional<QPixmap> &lit = pictures.lit;
    const std::optional<QPixmap> &dark = pictures.dark;
    const bool needLit = lit.has_value();
    const bool needDark = dark.has_value();
    for (int column = 1; column <= GridModel::Columns; ++column) {
        bool changed = false;
        for (int row = 0; row < Protocol::RowCount; ++row) {
            const int weight = Protocol::RowWeights[size_t(row)];
            const bool on = pattern.dot(row, column - 1);
            if (m_model.isLit(column, weight) == on)
                continue;
            setCellPicture(column, row, on, on ? *lit : *dark);
            m_model.toggle(column, weight);
            changed = true;
        }
        if (changed)
            label(column)->setText(m_model.columnText(column));
    }
    if (needLit || needDark)
        emit patternChanged(m_model.pattern());
    return true;
}

void DotGrid::setGhost(const std::optional<Pattern> &ghost)
{
    for (int column = 1; column <= GridModel::Columns; ++column) {
        for (int row = 0; row < Protocol::RowCount; ++row) {
            const bool shown = ghost && ghost->dot(row, column - 1);
            m_cells[size_t(column - 1)][size_t(row)]->setGhost(shown);
        }
    }
}

QList<QPoint> DotGrid::cellsCrossed(QPointF from, QPointF to) const
{
    QList<std::pair<double, QPoint>> met;
    for (int column = 1; column <= GridModel::Columns; ++column) {
        for (int row = 0; row < Protocol::RowCount; ++row) {
            // A pixel belongs to the cell when its centre does.
            const QRectF area = QRectF(m_cells[size_t(column - 1)][size_t(row)]->geometry())
                                    .adjusted(-0.5, -0.5, -0.5, -0.5);
            if (const auto t = entry(from, to, area))
                met.append({*t, QPoint(column, row)});
        }
    }
    std::stable_sort(met.begin(), met.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QPoint> cells;
    for (const auto &[t, cell] : met)
        cells.append(cell);
    return cells;
}

bool DotGrid::eventFilter(QObject *watched, QEvent *event)
{
    // Only the cells are watched; a cell being destroyed is no longer one.
    auto *cell = qobject_cast<DotCell *>(watched);
    if (!cell)
        return false;
    switch (event->type()) {
    // The second press of a quick double click arrives as a double click alone, without a
    // press of its own: it is a press all the same, and toggles the dot again.
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        press(cell, cell->mapTo(m_frame, mouse->position()));
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            endStroke();
        else if (m_stroke.active)
            drag(cell->mapTo(m_frame, mouse->position()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            endStroke();
        return true;
    default:
        return false;
    }
}

void DotGrid::press(DotCell *cell, QPointF position)
{
    const int column = cell->column();
    const int weight = cell->index();
    setFocusCell(column, rowOf(weight));
    m_focus->setFocus(Qt::MouseFocusReason);

    endStroke();
    emit strokeStarted();
    const bool wasLit = m_model.isLit(column, weight);
    emit cellClicked(column, weight);
    if (m_model.isLit(column, weight) == wasLit) {
        emit strokeEnded();
        return;
    }
    m_stroke = {true, !wasLit, position};
}

void DotGrid::drag(QPointF position)
{
    const QList<QPoint> crossed = cellsCrossed(m_stroke.last, position);
    m_stroke.last = position;
    for (const QPoint &at : crossed) {
        const int weight = Protocol::RowWeights[size_t(at.y())];
        if (m_model.isLit(at.x(), weight) == m_stroke.lit)
            continue;
        emit strokeCrossed(at.x(), weight, m_stroke.lit);
        // A picture that cannot be read ends the stroke: the user has been told once.
        if (m_model.isLit(at.x(), weight) != m_stroke.lit) {
            endStroke();
            return;
        }
    }
}

void DotGrid::endStroke()
{
    if (!m_stroke.active)
        return;
    m_stroke.active = false;
    emit strokeEnded();
}

void DotGrid::showContextMenu(QWidget *from, QPoint position)
{
    if (m_contextMenu)
        m_contextMenu->popup(from->mapToGlobal(position));
}
