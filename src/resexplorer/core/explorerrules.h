// What the explorer window shows for a resource, apart from any widget: its picture in the
// tree and list, how it is viewed, the save filter offered for it, and the texts of the
// captions, list rows and status panels.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace resexplorer::explorer {

/// Pictures of the image lists, in strip order.
enum Picture { ClosedFolder = 0, OpenFolder = 1, Resource = 2, Icon = 3, Cursor = 4, Bitmap = 5 };
enum class View { List, Picture, Lines, HexDump };

/// The picture of a leaf or list row of type \a typeId (types above 16 and named ones get the
/// generic resource).
Picture leafPicture(std::int32_t typeId);
/// How a leaf of type \a typeId is shown.
View leafView(std::int32_t typeId);
/// The save dialog's filter, counted from 1 as in saveFilter(); all files for unknown types.
int saveFilterIndex(std::int32_t typeId);
/// "BMP", "ICO", "CUR", or none for the all-files filter \a filterIndex.
QString defaultSuffix(int filterIndex);

QString openFilter();
QString saveFilter();

QString windowCaption(const QString &path);
QString listCaption(const QString &nodeText);
QString leafCaption(const QString &typeLabel, const QString &name);
QString objectCountStatus(int rows);
QString listOffsetStatus(std::uint32_t offset);
QString leafStatus(std::uint32_t offset, std::uint32_t size);
/// The offset and size columns of the list: upper-case hexadecimal, 7 and 5 digits.
QString offsetColumn(std::uint32_t offset);
QString sizeColumn(std::uint32_t size);

} // namespace resexplorer::explorer
