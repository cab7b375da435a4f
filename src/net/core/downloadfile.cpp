// A download's file written beside its target and renamed over it at the end.
#include "net/core/downloadfile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>
#include <cstring>

namespace net {

DownloadFile::~DownloadFile()
{
    discard();
}

bool DownloadFile::open(const QString &target)
{
    discard();
    const QFileInfo info(target);
    if (target.isEmpty() || info.isDir() || (info.exists() && !info.isWritable()))
        return false;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate(), 16);
        const QString candidate =
            info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' + suffix + QStringLiteral(".part");
        m_file.setFileName(candidate);
        // NewOnly creates the file with the usual permissions and never reuses an existing one.
        // The file's own buffer is not used: the bytes are gathered in larger pieces here.
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            m_target = info.absoluteFilePath();
            m_temporaryPath = candidate;
            m_piece = std::make_unique_for_overwrite<char[]>(PieceSize);
            m_pieceSize = 0;
            m_failed = false;
            return true;
        }
        if (m_file.error() != QFileDevice::OpenError || !QFileInfo::exists(candidate))
            return false;
    }
    return false;
}

qint64 DownloadFile::write(const char *data, qint64 size)
{
    if (!m_file.isOpen() || m_failed || size < 0)
        return 0;
    if (m_pieceSize + size > PieceSize && !flush())
        return 0;
    if (size >= PieceSize) {
        const qint64 written = m_file.write(data, size);
        m_failed = written != size;
        return written < 0 ? 0 : written;
    }
    std::memcpy(m_piece.get() + m_pieceSize, data, size_t(size));
    m_pieceSize += size;
    return size;
}

bool DownloadFile::flush()
{
    if (m_pieceSize > 0 && !m_failed)
        m_failed = m_file.write(m_piece.get(), m_pieceSize) != m_pieceSize;
    m_pieceSize = 0;
    return !m_failed;
}

void DownloadFile::close()
{
    if (m_file.isOpen()) {
        flush();
        m_file.close();
    }
    m_piece.reset();
}

bool DownloadFile::commit()
{
    if (!isPending())
        return false;
    close();
    const bool flushed = !m_failed && m_file.error() == QFileDevice::NoError;
    if (!flushed || std::rename(QFile::encodeName(m_temporaryPath).constData(),
                                QFile::encodeName(m_target).constData())
                        != 0) {
        discard();
        return false;
    }
    m_temporaryPath.clear();
    return true;
}

void DownloadFile::discard()
{
    // What was gathered is dropped, not written to a file about to go.
    m_pieceSize = 0;
    close();
    if (!m_temporaryPath.isEmpty())
        QFile::remove(m_temporaryPath);
    m_temporaryPath.clear();
}

} // namespace net
