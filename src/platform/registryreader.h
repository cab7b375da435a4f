// Reads registry text files into a key tree: the REGEDIT4 exports the store writes, Windows
// "Version 5.00" exports and Wine's system.reg/user.reg. Bad lines are skipped and counted, so
// whatever can be read is used and the caller knows the file held more than it took in.
#pragma once

#include "platform/registrykey.h"

#include <QByteArray>
#include <QString>

namespace platform {

enum class RegistryFileFormat {
    Unknown,  ///< no known first line (read as REGEDIT4)
    Regedit4, ///< "REGEDIT4": 8-bit strings, here UTF-8
    Regedit5, ///< "Windows Registry Editor Version 5.00": hex strings in UTF-16
    Wine,     ///< "WINE REGISTRY Version 2": paths relative to the hive, C-style escapes
};

struct RegistryReadReport {
    RegistryFileFormat format = RegistryFileFormat::Unknown;
    bool missing = false;    ///< no file at the path
    bool unreadable = false; ///< something is there that could not be read at all
    /// Lines not taken in: bad lines, a missing first line, comments of an export.
    int damagedLines = 0;
    /// Wine hives: the key their paths are relative to, as their header names it
    /// ("\User\S-1-5-21-0-0-0-1000"); empty when there is no such header.
    QString wineRelativeTo;

    /// True when the file holds something that was not taken in, so rewriting it would lose it.
    bool damaged() const { return unreadable || damagedLines > 0; }
};

/// Files larger than this are not read (no hive of this program comes near it).
inline constexpr qint64 MaxRegistryFileSize = 64 * 1024 * 1024;

/// Adds the keys and values of \a bytes to \a root. In exports every key path starts with a
/// root key name: only paths under \a rootName are taken, the others count as damaged. Wine
/// hives hold paths relative to their root and take \a rootName as that root.
RegistryReadReport readRegistryText(const QByteArray &bytes, const QString &rootName,
                                    RegistryKey &root);

/// readRegistryText() on the file \a path. Only a regular file is opened.
RegistryReadReport readRegistryFile(const QString &path, const QString &rootName,
                                    RegistryKey &root);

} // namespace platform
