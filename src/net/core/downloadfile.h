// The local file a download writes. The bytes go to a hidden new file beside the target, which
// takes the target's place only once the whole transfer has succeeded; a refused, failed or
// aborted download leaves whatever was at the target as it was. They are gathered and written a
// large piece at a time, as a download comes in small pieces.
#pragma once

#include <QFile>
#include <QString>

#include <memory>

namespace net {

class DownloadFile {
public:
    DownloadFile() = default;
    ~DownloadFile();
    DownloadFile(const DownloadFile &) = delete;
    DownloadFile &operator=(const DownloadFile &) = delete;

    /// False when \a target is a folder, a file we may not write, or in a folder we cannot
    /// create files in.
    bool open(const QString &target);
    bool isOpen() const { return m_file.isOpen(); }
    /// Bytes taken; fewer than \a size on a write error (which may be that of bytes taken by an
    /// earlier call and not yet written).
    qint64 write(const char *data, qint64 size);
    /// Ends the writing; the bytes wait for commit() or discard().
    void close();

    /// Bytes gathered before they are written.
    static constexpr qint64 PieceSize = 256 * 1024;
    /// Puts the new file in the target's place; false (and the new file removed) on failure.
    bool commit();
    /// Removes the new file, if there is one.
    void discard();
    /// A new file exists that has been neither committed nor discarded.
    bool isPending() const { return !m_temporaryPath.isEmpty(); }

private:
    /// Writes what has been gathered; false on a write error.
    bool flush();

    QFile m_file;
    std::unique_ptr<char[]> m_piece;
    qint64 m_pieceSize = 0;
    bool m_failed = false;
    QString m_target;
    QString m_temporaryPath;
};

} // namespace net
