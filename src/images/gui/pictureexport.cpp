// Reduced export and JPEG/BMP conversion of the search dialog's pictures.
#include "images/gui/pictureexport.h"

#include "images/core/bmpcodec.h"
#include "images/core/jpegcodec.h"
#include "images/core/picturefile.h"

#include <QFileInfo>

namespace images {

PictureExport::PictureExport(SaveAsker askSaveName, std::function<bool(const QString &)> confirmReplace)
    : m_askSaveName(std::move(askSaveName))
    , m_confirmReplace(std::move(confirmReplace))
{
}

QString PictureExport::ask(const SaveRequest &request) const
{
    return m_askSaveName ? m_askSaveName(request) : QString();
}

void PictureExport::exportReduced(PictureKind kind, const QImage &picture, QSize size, const QString &folder,
                                  const QString &current) const
{
    if (kind != PictureKind::Jpeg && kind != PictureKind::Bmp)
        return;
    const QImage reduced = reducedCopy(picture, size.width(), size.height());
    SaveRequest request;
    request.folder = folder;
    request.proposedName = current;
    if (kind == PictureKind::Jpeg) {
        request.defaultSuffix = QStringLiteral("JPG");
        request.filter = QStringLiteral("jpeg|*.jpg");
        if (const QString name = ask(request); !name.isEmpty())
            JpegCodec::write(reduced, name, 90);
    } else {
        request.defaultSuffix = QStringLiteral("BMP");
        request.filter = QStringLiteral("Bitmap|*.bmp");
        if (const QString name = ask(request); !name.isEmpty())
            BmpCodec::write(reduced, name);
    }
}

void PictureExport::convert(PictureKind kind, const QString &fileName) const
{
    if (kind != PictureKind::Jpeg && kind != PictureKind::Bmp)
        return;
    const bool toJpeg = kind == PictureKind::Bmp;
    const QImage source = toJpeg ? BmpCodec::read(fileName)
                                 : JpegCodec::read(fileName).convertToFormat(QImage::Format_RGB32);
    SaveRequest request;
    request.proposedName = changeExtension(fileName, toJpeg ? QStringLiteral(".JPG") : QStringLiteral(".BMP"));
    request.filter = toJpeg ? QStringLiteral("Fichiers image (*.jpg)|*.JPG") : QStringLiteral("Fichiers image (*.bmp)|*.BMP");
    const QString chosen = ask(request);
    if (chosen.isEmpty())
        return;
    const QString target = changeExtension(chosen, toJpeg ? QStringLiteral(".JPG") : QStringLiteral(".bmp"));
    // The save dialog asked about the name chosen; a different file about to be replaced
    // because of the forced extension is asked about here.
    if (target != chosen && QFileInfo::exists(target) && !(m_confirmReplace && m_confirmReplace(target)))
        return;
    if (toJpeg)
        JpegCodec::write(source, target, 90);
    else
        BmpCodec::write(source, target);
}

} // namespace images
