// PE executables: the header checks, the resource directory, and every item asked everything
// the explorer window asks (names, offsets, pictures of icons, cursors and bitmaps, string
// tables, menus, the saved bytes). The reader maps a file, so each input is written to one.
#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/exeimage.h"
#include "resexplorer/treewalk.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString path = QDir::tempPath() + QStringLiteral("/vorlane-fuzz-pe-%1.exe").arg(getpid());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        resexplorer::TExeImage image(path);
        rxtests::visitAll(image);
    } catch (const resexplorer::EExeError &) {
    }
    return 0;
}
