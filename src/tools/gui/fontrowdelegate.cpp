#include "tools/gui/fontrowdelegate.h"

#include "tools/core/fontrows.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace tools {

void FontRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QString name = index.data().toString();
    painter->setFont(rowFont(name, option.font));
    const QRect text = option.rect.adjusted(1, 1, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    painter->restore();
}

QSize FontRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QFont font = rowFont(index.data().toString(), option.font);
    return {QFontMetrics(font).horizontalAdvance(index.data().toString()) + 2, rowHeight(font)};
}

} // namespace tools
