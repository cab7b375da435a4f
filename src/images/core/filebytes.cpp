// File access of the picture codecs.
#include "images/core/filebytes.h"

#include "images/core/imageerrors.h"
#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace images {

namespace {

QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QByteArray readFileBytes(const QString &path)
{
    platform::RegularFile file;
    errno = 0;
    if (path.isEmpty() || !file.open(platform::encodePath(path))) {
        const int error = errno;
        throw EInOutError(QStringLiteral("Impossible d'ouvrir le fichier \"%1\" : %2")
                              .arg(path, error != 0 ? systemMessage(error)
                                                    : QStringLiteral("ce n'est pas un fichier")));
    }
    QByteArray bytes;
    char block[64 * 1024];
    for (;;) {
        const long got = file.read(block, sizeof block);
        if (got < 0)
            throw EInOutError(QStringLiteral("Erreur de lecture du fichier \"%1\" : %2")
                                  .arg(path, systemMessage(errno)));
        if (got == 0)
            break;
        if (bytes.size() + got > MaxPictureFileBytes)
            throw EInOutError(QStringLiteral("Le fichier \"%1\" est trop volumineux").arg(path));
        bytes.append(block, got);
    }
    return bytes;
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EInOutError(QStringLiteral("Impossible d'écrire le fichier \"%1\" : %2")
                              .arg(path, file.errorString()));
}

} // namespace images
