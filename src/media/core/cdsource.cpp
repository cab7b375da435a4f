#include "media/core/cdsource.h"

#include <QFileInfo>

#include <cdio/cdio.h>
#include <cdio/track.h>

#include <algorithm>

namespace media {

void CdSource::Closer::operator()(CdIo_t *handle) const
{
    cdio_destroy(handle);
}

std::unique_ptr<CdSource> CdSource::open(const QString &imagePath, QString *error)
{
    if (!imagePath.isEmpty()) {
        const QFileInfo cue(imagePath);
        if (!cue.isFile()) {
            *error = QStringLiteral("L'image de CD « %1 » est introuvable.").arg(imagePath);
            return nullptr;
        }
        const QString bin = cue.path() + QLatin1Char('/') + cue.completeBaseName() + QStringLiteral(".bin");
        if (!QFileInfo(bin).isFile()) {
            *error = QStringLiteral("Le fichier de données « %1 » de l'image de CD est introuvable.").arg(bin);
            return nullptr;
        }
        Handle handle(cdio_open(QFile::encodeName(imagePath).constData(), DRIVER_BINCUE));
        if (!handle) {
            *error = QStringLiteral("L'image de CD « %1 » est illisible.").arg(imagePath);
            return nullptr;
        }
        return std::unique_ptr<CdSource>(new CdSource(std::move(handle), imagePath, true));
    }
    char *name = cdio_get_default_device(nullptr);
    if (!name) {
        *error = QStringLiteral("Aucun lecteur de CD n'a été trouvé.");
        return nullptr;
    }
    const QString device = QFile::decodeName(name);
    cdio_free(name);
    Handle handle(cdio_open(QFile::encodeName(device).constData(), DRIVER_DEVICE));
    if (!handle) {
        *error = QStringLiteral("Le lecteur de CD %1 ne peut pas être ouvert.").arg(device);
        return nullptr;
    }
    return std::unique_ptr<CdSource>(new CdSource(std::move(handle), device, false));
}

CdSource::CdSource(Handle handle, const QString &device, bool image)
    : m_handle(std::move(handle)), m_device(device), m_image(image)
{
    readToc();
}

CdSource::~CdSource() = default;

bool CdSource::hasDisc()
{
    if (m_tracks.isEmpty() && !m_image) {
        // A drive reads its table of contents once: open it again to see a disc put in since.
        Handle again(cdio_open(QFile::encodeName(m_device).constData(), DRIVER_DEVICE));
        if (again) {
            m_handle = std::move(again);
            readToc();
        }
    }
    return !m_tracks.isEmpty();
}

void CdSource::readToc()
{
    m_tracks.clear();
    m_end = 0;
    const track_t first = cdio_get_first_track_num(m_handle.get());
    const track_t count = cdio_get_num_tracks(m_handle.get());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0 || first + count - 1 > 99)
        return;
    const lsn_t leadout = cdio_get_track_lsn(m_handle.get(), CDIO_CDROM_LEADOUT_TRACK);
    if (leadout == CDIO_INVALID_LSN || leadout <= 0)
        return;
    m_end = leadout;
    qint64 floor = 0;
    for (int i = 0; i < count; ++i) {
        const track_t number = track_t(first + i);
        const lsn_t start = cdio_get_track_lsn(m_handle.get(), number);
        Track track;
        // A start before the previous one or beyond the disc is taken where it can be.
        track.start = std::clamp<qint64>(start == CDIO_INVALID_LSN ? floor : start, floor, m_end);
        track.audio = cdio_get_track_format(m_handle.get(), number) == TRACK_FORMAT_AUDIO;
        floor = track.start;
        m_tracks.append(track);
    }
    for (int i = 0; i < m_tracks.size(); ++i) {
        const qint64 next = i + 1 < m_tracks.size() ? m_tracks[i + 1].start : m_end;
        m_tracks[i].length = next - m_tracks[i].start;
    }
}

bool CdSource::readAudio(qint64 sector, int count, char *into)
{
    if (count <= 0 || sector < 0 || sector > m_end - count)
        return false;
    return cdio_read_audio_sectors(m_handle.get(), into, lsn_t(sector), unsigned(count)) == DRIVER_OP_SUCCESS;
}

} // namespace media
