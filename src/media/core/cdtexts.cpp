#include "media/core/cdtexts.h"

#include "media/core/cdtime.h"

namespace media::cdtext {

QString trackEntry(int track, int minutes, int seconds)
{
    const QString number = QString::number(track).rightJustified(2, QLatin1Char(' '));
    if (seconds < 10)
        return QStringLiteral("%1 >> %2:0%3").arg(number).arg(minutes).arg(seconds);
    return QStringLiteral("%1 >> %2:%3").arg(number).arg(minutes).arg(seconds);
}

int trackOfEntry(const QString &entry)
{
    int track = 0;
    for (const QChar c : entry) {
        if (c == QLatin1Char('>'))
            break;
        if (c == QLatin1Char(' '))
            continue;
        if (!c.isDigit() || track > 999)
            return 0;
        track = track * 10 + c.digitValue();
    }
    return track;
}

QString trackTime(quint32 tmsf)
{
    const int minutes = cdtime::tmsfMinutes(tmsf);
    const int seconds = cdtime::tmsfSeconds(tmsf);
    if (seconds < 10)
        return QStringLiteral("%1:%2%3").arg(minutes).arg(0).arg(seconds);
    return QStringLiteral("%1:%2").arg(minutes).arg(seconds);
}

QString ModeText(int mode)
{
    switch (mode) {
    case CdNotReady:
        return QStringLiteral("Pas pret");
    case CdStopped:
        return QStringLiteral("Stop");
    case CdPlaying:
        return QStringLiteral("Lecture");
    case CdRecording:
        return QStringLiteral("Enregistre");
    case CdSeeking:
        return QStringLiteral("Recherche");
    case CdPaused:
        return QStringLiteral("Pause");
    case CdDoorOpen:
        return QStringLiteral("Ouvert");
    default:
        return QString();
    }
}

} // namespace media::cdtext
