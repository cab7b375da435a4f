// A second program writing to a store: "registry_writer HIVE TAG COUNT [PADDING]" makes COUNT
// changes, each setting TAG\<i> = i (and a PADDING-byte binary value, to make each rewrite
// long), and says "begin i" before and "done i" after each one.
#include "platform/registrystore.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 4)
        return 2;
    platform::RegistryStore store(QString::fromLocal8Bit(argv[1]), "HKEY_CURRENT_USER");
    const QString tag = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    const QByteArray padding(argc > 4 ? std::atoi(argv[4]) : 0, 'p');
    for (int i = 0; i < count; ++i) {
        std::printf("begin %d\n", i);
        std::fflush(stdout);
        const bool ok = store.update([&](platform::RegistryKey &root) {
            platform::RegistryKey *key = root.createKey("Writers\\" + tag);
            key->setValue(QString::number(i), platform::RegistryValue::dword(quint32(i)));
            if (!padding.isEmpty())
                key->setValue("padding", platform::RegistryValue::binary(padding));
        });
        if (!ok) {
            std::fprintf(stderr, "%s\n", qPrintable(store.errorString()));
            return 1;
        }
        std::printf("done %d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
