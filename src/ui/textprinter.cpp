#include "ui/textprinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

namespace ui {

bool TextPrinter::print(const QStringList &lines, const QFont &font)
{
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        m_error = QStringLiteral("Impression impossible : l'imprimante ne répond pas");
        return false;
    }
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &m_printer);
    const int lineHeight = metrics.height();
    const int width = m_printer.width();
    const int height = m_printer.height();
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));

    int y = 0;
    for (const QString &line : lines) {
        for (const QString &part : line.split(lineBreak)) {
            if (y > 0 && y + lineHeight > height) {
                if (!m_printer.newPage()) {
                    painter.end();
                    m_error = QStringLiteral("Impression impossible : page suivante refusée");
                    return false;
                }
                y = 0;
            }
            painter.drawText(QRect(0, y, width, lineHeight),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs, part);
            y += lineHeight;
        }
    }
    if (!painter.end()) {
        m_error = QStringLiteral("Impression impossible : le travail n'a pas pu être terminé");
        return false;
    }
    return true;
}

} // namespace ui
