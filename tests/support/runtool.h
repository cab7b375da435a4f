// Runs an outside tool (ImageMagick, mingw-w64, ...) for a test and returns what it printed;
// a tool that cannot start or fails throws with its error output.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace testing_support {

inline QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(30000))
        throw std::runtime_error(("cannot start " + program).toStdString());
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        throw std::runtime_error((program + ' ' + arguments.join(' ') + " failed: "
                                  + QString::fromLocal8Bit(process.readAllStandardError()))
                                     .toStdString());
    return process.readAllStandardOutput();
}

} // namespace testing_support
