#include "platform/programs.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QString findProgram(const QString &name)
{
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo info(name);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(name);
}

bool startProgram(const QString &program, const QStringList &arguments, const QString &folder)
{
    const QString found = findProgram(program);
    return !found.isEmpty() && QProcess::startDetached(found, arguments, folder);
}

} // namespace platform
