#include "tools/core/windowrow.h"

#include <QFileInfo>

namespace tools {

namespace {

// Class names and titles are read into 64-character buffers, the last place for the end mark.
constexpr qsizetype kMaxText = 63;

// "%-Ns": left-aligned, blanks up to at least \a width characters.
QString padded(const QString &text, qsizetype width)
{
    return text.leftJustified(width, QLatin1Char(' '), false);
}

// The first kMaxText characters (code points, so a character is never split).
QString cut(const QString &text)
{
    qsizetype end = 0;
    for (qsizetype count = 0; end < text.size() && count < kMaxText; ++count)
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate() ? 2 : 1;
    return text.left(end);
}

} // namespace

QString instanceCode(qint64 pid)
{
    return QStringLiteral("%1").arg(quint16(pid & 0xFFFF), 4, 16, QLatin1Char('0')).toUpper();
}

WindowRow windowRow(const platform::DesktopWindow &window)
{
    const QString title = cut(window.title);
    return {padded(instanceCode(window.pid), 4), padded(QFileInfo(window.program).fileName(), 20),
            padded(cut(window.className), 40), padded(title.isEmpty() ? QStringLiteral("*") : title, 64)};
}

QString countLabel(int rows)
{
    return QString::number(rows) + QStringLiteral(" elements dans la liste");
}

} // namespace tools
