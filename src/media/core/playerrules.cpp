#include "media/core/playerrules.h"

#include <algorithm>

namespace media::player {

QString modeText(MediaMode mode)
{
    switch (mode) {
    case MediaMode::NotReady:
        return QStringLiteral("Pas prêt");
    case MediaMode::Stopped:
        return QStringLiteral("Arrêté");
    case MediaMode::Playing:
        return QStringLiteral("Exécution");
    case MediaMode::Recording:
        return QStringLiteral("Enregistre");
    case MediaMode::Seeking:
        return QStringLiteral("Recherche");
    case MediaMode::Paused:
        return QStringLiteral("Pause");
    case MediaMode::Open:
        return QStringLiteral("Ouvert");
    }
    return QString();
}

std::optional<int> barPosition(qint64 position, qint64 length)
{
    if (length <= 0)
        return std::nullopt;
    position = std::clamp<qint64>(position, 0, length);
    return static_cast<int>(position * BarMaximum / length);
}

bool mustRepeat(int bar, bool repeat)
{
    return repeat && bar == BarMaximum;
}

qint64 seekTarget(qint64 length, int bar)
{
    return std::max<qint64>(length, 0) * std::clamp(bar, 0, BarMaximum) / BarMaximum;
}

int volumeBar(quint32 volume)
{
    return static_cast<int>(std::min<quint32>((volume & 0xFFFF) / VolumeStep, VolumeMaximum));
}

quint32 volumeValue(int bar)
{
    const quint32 v = VolumeStep * static_cast<quint32>(std::clamp(bar, 0, VolumeMaximum));
    return (v << 16) + v;
}

QString maskWith(const QString &extension)
{
    return QLatin1String(BaseMask) + QStringLiteral(";*.") + extension;
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace media::player
