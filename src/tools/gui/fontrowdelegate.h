// Draws each row of the font list in the font it names, one pixel in from the row's corner,
// and makes the row as tall as "Wg" in that font plus 2 pixels.
#pragma once

#include <QAbstractItemDelegate>

namespace tools {

class FontRowDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace tools
