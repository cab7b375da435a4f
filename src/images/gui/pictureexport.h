// The files the search dialog writes from its pictures: the reduced copy of a JPEG or BMP, and
// the conversion of a BMP file to JPEG (quality 90) or of a JPEG file to BMP. The target name
// comes from a save dialog; the conversions force their extension on it.
#pragma once

#include "images/gui/picturekind.h"
#include "images/gui/savedialog.h"

#include <QImage>
#include <QString>

#include <functional>

namespace images {

class PictureExport {
public:
    PictureExport(SaveAsker askSaveName, std::function<bool(const QString &)> confirmReplace);

    void setSaveAsker(SaveAsker asker) { m_askSaveName = std::move(asker); }
    void setReplaceConfirmation(std::function<bool(const QString &)> confirm) { m_confirmReplace = std::move(confirm); }

    /// Asks where to write \a picture reduced to \a size (blank first row and column), proposing
    /// \a current in \a folder, and writes it as a \a kind file. Raises the writer's error, or
    /// EInOutError without writing anything when the name chosen is the source \a current itself.
    void exportReduced(PictureKind kind, const QImage &picture, QSize size, const QString &folder,
                       const QString &current) const;
    /// Converts \a fileName, a BMP file for kind Bmp and a JPEG file for kind Jpeg, to the other
    /// format under a name asked for; raises the reader's or writer's error.
    void convert(PictureKind kind, const QString &fileName) const;

private:
    QString ask(const SaveRequest &request) const;

    SaveAsker m_askSaveName;
    std::function<bool(const QString &)> m_confirmReplace;
};

} // namespace images
