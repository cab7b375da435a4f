#include "media/core/durationtext.h"

namespace media {

namespace {

QString twoDigits(qint64 value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString FormatDuration(qint64 seconds, bool withUnits)
{
    if (seconds < 0)
        seconds = 0;
    const QString hours = twoDigits(seconds / 3600);
    const QString minutes = twoDigits((seconds / 60) % 60);
    const QString rest = twoDigits(seconds % 60);
    if (withUnits)
        return hours + QStringLiteral(" h :") + minutes + QStringLiteral(" m :") + rest + QStringLiteral(" s");
    return hours + QLatin1Char(':') + minutes + QLatin1Char(':') + rest;
}

} // namespace media
