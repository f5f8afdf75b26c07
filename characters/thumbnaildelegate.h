#pragma once

#include <QStyledItemDelegate>

// A picture over its text in a cell of fixed size, for the slots and the glyph picker. Every
// item takes the whole cell whatever its text, so that a repaint of an item always covers what
// a longer text drew there before. A selected item keeps its picture as it is, framed in the
// selection colour, instead of the style's tint, which buries a picture of dark and red dots.
class ThumbnailDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The frame's width, drawn just outside the picture.
    static constexpr int FrameWidth = 2;

    ThumbnailDelegate(QSize cell, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Where the picture of an item in `cell` goes.
    static QRect pictureRect(const QRect &cell, QSize picture);

private:
    QSize m_cell;
};
