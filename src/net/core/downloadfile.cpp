// A download's file written beside its target and renamed over it at the end.
#include "net/core/downloadfile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>

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
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_target = info.absoluteFilePath();
            m_temporaryPath = candidate;
            return true;
        }
        if (m_file.error() != QFileDevice::OpenError || !QFileInfo::exists(candidate))
            return false;
    }
    return false;
}

qint64 DownloadFile::write(const char *data, qint64 size)
{
    const qint64 written = m_file.write(data, size);
    return written < 0 ? 0 : written;
}

void DownloadFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}

bool DownloadFile::commit()
{
    if (!isPending())
        return false;
    close();
    const bool flushed = m_file.error() == QFileDevice::NoError;
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
    close();
    if (!m_temporaryPath.isEmpty())
        QFile::remove(m_temporaryPath);
    m_temporaryPath.clear();
}

} // namespace net
