// An audio disc read through libcdio: the CD drive, or a .cue image whose .bin has the same base
// name. The table of contents is read once and made sane (tracks never start beyond the end of
// the disc nor overlap), so that whatever the image claims, every length and range used for
// playing lies within the disc.
#pragma once

#include <QList>
#include <QString>

#include <memory>

typedef struct _CdIo CdIo_t;

namespace media {

class CdSource {
public:
    struct Track {
        qint64 start = 0;  ///< first sector
        qint64 length = 0; ///< sectors
        bool audio = true;
    };

    /// Opens the .cue image \a imagePath, or the default drive when it is empty. Null, with
    /// \a error set, when there is nothing to open.
    static std::unique_ptr<CdSource> open(const QString &imagePath, QString *error);
    ~CdSource();

    /// True when a disc with at least one track is there; a drive is asked again each time.
    bool hasDisc();
    int trackCount() const { return int(m_tracks.size()); }
    /// Track \a number, counted from 1.
    const Track &track(int number) const { return m_tracks.at(number - 1); }
    /// The sector after the last track.
    qint64 end() const { return m_end; }

    /// Reads \a count audio sectors of 2352 bytes from \a sector into \a into; false on failure.
    bool readAudio(qint64 sector, int count, char *into);

    static constexpr int SectorBytes = 2352;

private:
    struct Closer {
        void operator()(CdIo_t *handle) const;
    };
    using Handle = std::unique_ptr<CdIo_t, Closer>;

    CdSource(Handle handle, const QString &device, bool image);
    void readToc();

    Handle m_handle;
    QString m_device;
    bool m_image = false;
    QList<Track> m_tracks;
    qint64 m_end = 0;
};

} // namespace media
