// Messages of the picture errors.
#include "images/core/imageerrors.h"

namespace images {

ImageError::ImageError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

EIndexOutOfBounds::EIndexOutOfBounds()
    : ImageError(QStringLiteral("Dynamic array index out of bounds"))
{
}

ENotEnoughMemory::ENotEnoughMemory(qint64 requested)
    : ImageError(QStringLiteral("error in TBigByteArray.create: Not enough contiguous memory available\r\n"
                                " requested memory block: %1 bytes").arg(requested))
{
}

EListError::EListError(qint64 index)
    : ImageError(QStringLiteral("List index out of bounds (%1)").arg(index))
{
}

EInOutError EInOutError::unexpectedEnd()
{
    return EInOutError(QStringLiteral("Fin de fichier inattendue"));
}

EJpegError::EJpegError(int code)
    : ImageError(QString::asprintf("Erreur JPEG #%d", code))
    , m_code(code)
{
}

EMatrixRowError::EMatrixRowError()
    : ImageError(QStringLiteral("Row doesn't have equal number of elements as Matrix row"))
{
}

} // namespace images
