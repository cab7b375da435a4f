#include "resexplorer/core/explorerrules.h"

#include "resexplorer/core/resourcetype.h"


namespace resexplorer::explorer {

Picture leafPicture(std::int32_t typeId)
{
    switch (typeId) {
    case rtCursorEntry: return Cursor;
    case rtBitmap: return Bitmap;
    case rtIconEntry: return Icon;
    default: return Resource;
    }
}

View leafView(std::int32_t typeId)
{
    switch (typeId) {
    case rtCursorEntry:
    case rtBitmap:
    case rtIconEntry:
        return View::Picture;
    case rtMenu:
    case rtString:
        return View::Lines;
    default:
        return View::HexDump;
    }
}

int saveFilterIndex(std::int32_t typeId)
{
    switch (typeId) {
    case rtCursorEntry: return 4;
    case rtBitmap: return 2;
    case rtIconEntry: return 3;
    default: return 1;
    }
}

QString defaultSuffix(int filterIndex)
{
    switch (filterIndex) {
    case 2: return QStringLiteral("BMP");
    case 3: return QStringLiteral("ICO");
    case 4: return QStringLiteral("CUR");
    default: return QString();
    }
}

QString openFilter()
{
    return QStringLiteral("Fichiers Executable  (*.EXE;*.DLL)|*.EXE;*.DLL|Tous les Fichiers (*.*)|*.*");
}

QString saveFilter()
{
    return QStringLiteral("Autres Ressources (*.*)|*.*|Bitmaps (*.BMP)|*.BMP|Icones (*.ICO)|*.ICO|Curseurr (*.CUR)|*.CUR");
}

QString windowCaption(const QString &path)
{
    return QStringLiteral("%1 - %2").arg(QStringLiteral("Exploreur de Ressources "), path);
}

QString listCaption(const QString &nodeText)
{
    return QStringLiteral(" ") + nodeText;
}

QString leafCaption(const QString &typeLabel, const QString &name)
{
    return QStringLiteral(" %1: %2").arg(typeLabel, name);
}

QString objectCountStatus(int rows)
{
    return QStringLiteral(" %1 objet(s)").arg(rows);
}

QString listOffsetStatus(std::uint32_t offset)
{
    return QStringLiteral(" Offset: %1").arg(offset, 0, 16);
}

QString leafStatus(std::uint32_t offset, std::uint32_t size)
{
    return QStringLiteral(" Offset: %1  Taille: %2").arg(offset, 0, 16).arg(size, 0, 16);
}

QString offsetColumn(std::uint32_t offset)
{
    return QStringLiteral("%1").arg(offset, 7, 16, QLatin1Char('0')).toUpper();
}

QString sizeColumn(std::uint32_t size)
{
    return QStringLiteral("%1").arg(size, 5, 16, QLatin1Char('0')).toUpper();
}

} // namespace resexplorer::explorer
