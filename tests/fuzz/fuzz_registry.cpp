// Registry text: REGEDIT4 and "Version 5.00" exports (8-bit or UTF-16) and Wine hives, read
// into a key tree, under each of the root names the program reads them with.
#include "platform/registrykey.h"
#include "platform/registryreader.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const char *rootName : {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"}) {
        platform::RegistryKey root(QString::fromLatin1(rootName));
        platform::readRegistryText(bytes, QString::fromLatin1(rootName), root);
    }
    return 0;
}
