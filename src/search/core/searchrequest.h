// What one search looks for and where, as the search dialog hands it to the engine.
#pragma once

#include <QString>
#include <QStringList>

namespace search {

/// The all-files extension code: an asterisk and two blanks.
inline const QString AllFilesCode = QStringLiteral("*  ");

/// Extension codes of the ten choices of the extension box, in its order.
inline const QStringList ExtensionCodes = {
    QStringLiteral("PAS"), QStringLiteral("TXT"), QStringLiteral("C"),   QStringLiteral("JPG"),
    QStringLiteral("GIF"), QStringLiteral("BMP"), QStringLiteral("EXE"), AllFilesCode,
    QStringLiteral("HTM"), QStringLiteral("INI")};

enum class WalkMode { FolderOnly = 0, WithSubfolders = 1 };

/// How the lines of a file's matches are written.
enum class LineFormat {
    ResultList, ///< "12 : text", as the results list shows them
    JsonLines,  ///< one JSON object per line, for scripts and editors (see jsonlines.h)
};

struct SearchRequest {
    QString text;                   ///< the search string, never empty
    bool caseSensitive = false;     ///< "Respect MAJ"
    bool firstOccurrence = true;    ///< "1ere occurrence": one line per file at most
    QString extension;              ///< one to three upper-case characters, or AllFilesCode
    QString folder;                 ///< start folder without trailing "/" ("" for the root)
    WalkMode walkMode = WalkMode::FolderOnly;
    /// Names of folders the walk never enters, in either mode (exact names); empty: none. (Its
    /// initialiser lets requests written as braced lists leave it out.)
    QStringList excludedFolders{};
    /// Files beginning with a UTF-16 byte-order mark are decoded and searched as text.
    bool utf16 = false;
    LineFormat lineFormat = LineFormat::ResultList;
};

} // namespace search
