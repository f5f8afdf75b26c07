#include "dotcell.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class DotCellAccessible : public QAccessibleWidget
{
public:
    explicit DotCellAccessible(DotCell *cell)
        : QAccessibleWidget(cell, QAccessible::CheckBox)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = cell()->isLit();
        state.focusable = true;
        state.focused = cell()->isFocusCell();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        // The name is made when a tool asks, not for all 64 cells while the window is built.
        if (kind == QAccessible::Name)
            return DotCell::tr("Row %1, column %2").arg(cell()->row()).arg(cell()->column());
        if (kind == QAccessible::Value)
            return cell()->isLit() ? DotCell::tr("lit") : DotCell::tr("dark");
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }

    void doAction(const QString &name) override
    {
        if (name == toggleAction() || name == pressAction())
            emit cell()->toggleRequested();
    }

private:
    DotCell *cell() const { return static_cast<DotCell *>(widget()); }
};

QAccessibleInterface *dotCellAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("DotCell") && object && object->isWidgetType())
        return new DotCellAccessible(static_cast<DotCell *>(object));
    return nullptr;
}

void notifyState(DotCell *cell, void (*mark)(QAccessible::State &))
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    mark(changed);
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

DotCell::DotCell(int index, int row, int column, QWidget *parent)
    : QLabel(parent)
    , m_index(index)
    , m_row(row)
    , m_column(column)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(dotCellAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFrameShape(QFrame::NoFrame);
    setScaledContents(false);
    setMargin(0);
}

void DotCell::setLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    notifyState(this, [](QAccessible::State &state) { state.checked = true; });
}

void DotCell::setFocusCell(bool focusCell)
{
    if (focusCell == m_focusCell)
        return;
    m_focusCell = focusCell;
    notifyState(this, [](QAccessible::State &state) { state.focused = true; });
    if (focusCell && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}
