// The results list as the actions on it see it: which file a line belongs to, the result list
// files (".LST": one line of the list per line, UTF-8, each line ended by CR LF) and the name
// proposed when a list is saved.
#pragma once

#include "search/core/resultlines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

#include <functional>
#include <optional>

namespace search {

/// The line before the path of each file found.
inline const QString FileSeparatorLine = QStringLiteral("  ");
/// The result line of a matching line: "12 : text".
QString matchLine(std::int64_t lineNumber, const QString &text);

/// The file \a line names, taken whole as a path: the path itself when it names an existing
/// file, otherwise an absolute path whose names match existing ones without regard to case
/// (lists saved with upper-case paths), the real path then. Folders are not files.
std::optional<QString> existingFile(const QString &line);

/// True for a line shaped like a file's header in the list: neither blank nor a matching line
/// ("number : text").
bool isHeaderLine(const QString &line);

/// The header of the block the line \a caretLine belongs to: that line or the nearest one above it
/// shaped like a header (isHeaderLine). \a lineAt gives line n of the list.
std::optional<QString> headerOfLine(qsizetype caretLine, const std::function<QString(qsizetype)> &lineAt);

/// The file the line \a caretLine belongs to (memoselectfile): the existing file its header names.
/// Nothing when there is no header above, or when the header's file no longer exists (a deleted
/// file never leads to the file of the block before).
std::optional<QString> fileOfLine(qsizetype caretLine, const std::function<QString(qsizetype)> &lineAt);

/// The bytes of a result list file holding \a lines.
QByteArray encodeResultList(const ResultLines &lines);
/// Appends to \a lines the lines of a result list file (any text file): lines end at CR LF, CR
/// or LF; bytes that are not valid UTF-8 are read as Windows-1252.
void decodeResultList(const char *bytes, std::size_t size, ResultLines &lines);

/// Writes \a lines to \a path, replacing the file only once all is written. False, with
/// \a error, on failure.
bool saveResultList(const QString &path, const ResultLines &lines, QString *error);
/// Reads the lines of \a path (a regular file) into \a lines, emptied first. False, with
/// \a error, on failure (\a lines then as it was).
bool loadResultList(const QString &path, ResultLines *lines, QString *error);

/// The file name proposed to save a list: the first 8 characters of the search string and
/// ".LST" ("hello world" gives "hello wo.LST"). A '/' cannot be part of a name and becomes '_'.
QString proposedListName(const QString &searchText);

/// True for the files "&Execute ce fichier" runs: those marked executable, and those whose
/// name ends in .EXE, .BAT or .COM in any letter case.
bool isRunnableFile(const QString &path);

} // namespace search
