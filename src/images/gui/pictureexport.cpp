// Reduced export and JPEG/BMP conversion of the search dialog's pictures.
#include "images/gui/pictureexport.h"

#include "images/core/bmpcodec.h"
#include "images/core/imageerrors.h"
#include "images/core/jpegcodec.h"
#include "images/core/picturefile.h"

#include <QFileInfo>

namespace images {

namespace {

bool isSameFile(const QString &one, const QString &other)
{
    const QString canonical = QFileInfo(one).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}

} // namespace

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
    const bool jpeg = kind == PictureKind::Jpeg;
    request.defaultSuffix = jpeg ? QStringLiteral("JPG") : QStringLiteral("BMP");
    request.filter = jpeg ? QStringLiteral("jpeg|*.jpg") : QStringLiteral("Bitmap|*.bmp");
    const QString name = ask(request);
    if (name.isEmpty())
        return;
    // The name proposed is the source's own: taking it would lose the picture for its copy.
    if (isSameFile(name, current))
        throw EInOutError(QStringLiteral("La copie réduite ne peut pas remplacer l'image d'origine %1.").arg(current));
    if (jpeg)
        JpegCodec::write(reduced, name, 90);
    else
        BmpCodec::write(reduced, name);
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
