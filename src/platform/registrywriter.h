// Writes a key tree as a REGEDIT4 registry export in UTF-8, the format of the store's files.
#pragma once

#include "platform/registrykey.h"

#include <QByteArray>
#include <QString>

namespace platform {

/// Every key of \a root, itself included, as "[rootName\path]" blocks with their values. Text
/// that a quoted string cannot hold on one line (line ends, zero characters) is written as
/// hex(1) bytes; REG_EXPAND_SZ and REG_MULTI_SZ as hex(2) and hex(7), all in UTF-8.
QByteArray writeRegedit4(const RegistryKey &root, const QString &rootName);

} // namespace platform
