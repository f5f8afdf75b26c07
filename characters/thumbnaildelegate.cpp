#include "thumbnaildelegate.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int Margin = 4;
} // namespace

ThumbnailDelegate::ThumbnailDelegate(QSize cell, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_cell(cell)
{}

QRect ThumbnailDelegate::pictureRect(const QRect &cell, QSize picture)
{
    return {QPoint(cell.center().x() + 1 - picture.width() / 2, cell.top() + Margin), picture};
}

void ThumbnailDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->fillRect(option.rect, item.palette.brush(group, QPalette::Base));

    const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
    const QRect place = pictureRect(option.rect, picture.size() / picture.devicePixelRatio());
    painter->drawPixmap(place, picture);
    if (selected) {
        const int half = FrameWidth / 2;
        QPen pen(item.palette.brush(group, QPalette::Highlight), FrameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(place).adjusted(-half, -half, half, half));
    }

    const QRect textArea(option.rect.left(), place.bottom() + 1 + Margin, option.rect.width(),
                         option.rect.bottom() - place.bottom() - Margin);
    painter->setFont(item.font);
    const QRect text = painter->fontMetrics()
                           .boundingRect(textArea, Qt::AlignHCenter | Qt::AlignTop, item.text)
                           .adjusted(-2, 0, 2, 0)
                           .intersected(option.rect);
    if (selected)
        painter->fillRect(text, item.palette.brush(group, QPalette::Highlight));
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(text, Qt::AlignHCenter | Qt::AlignTop, item.text);
    if (item.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(item);
        focus.rect = text.adjusted(-1, -1, 1, 1);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
    }
    painter->restore();
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return m_cell;
}
