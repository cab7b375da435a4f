#include "media/mediafiles.h"

#include "support/runtool.h"

#include <QFile>

namespace testing_support {

void makeSound(const QString &path, double seconds, int tone, const QStringList &extra)
{
    QStringList arguments{QStringLiteral("-n")};
    // A sine of 0 Hz is silence.
    arguments << extra << path << QStringLiteral("synth") << QString::number(seconds) << QStringLiteral("sine")
              << QString::number(tone);
    runTool(QStringLiteral("sox"), arguments);
}

void makeVideo(const QString &path, int seconds)
{
    runTool(QStringLiteral("gst-launch-1.0"),
            {QStringLiteral("-q"), QStringLiteral("videotestsrc"), QStringLiteral("num-buffers=%1").arg(seconds * 25),
             QStringLiteral("!"), QStringLiteral("video/x-raw,width=320,height=240,framerate=25/1"), QStringLiteral("!"),
             QStringLiteral("jpegenc"), QStringLiteral("!"), QStringLiteral("avimux"), QStringLiteral("!"),
             QStringLiteral("filesink"), QStringLiteral("location=") + path});
}

QString makeCdImage(const QString &folder, const QString &name, const QList<int> &seconds)
{
    QByteArray bin;
    QString cue = QStringLiteral("FILE \"%1.bin\" BINARY\n").arg(name);
    int start = 0;
    for (int i = 0; i < seconds.size(); ++i) {
        const QString raw = folder + QStringLiteral("/track%1.raw").arg(i + 1);
        // CD audio: 44.1 kHz, two channels, 16-bit little-endian; a second is 75 sectors.
        runTool(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                        QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"),
                                        QStringLiteral("16"), QStringLiteral("-e"), QStringLiteral("signed-integer"),
                                        QStringLiteral("-L"), QStringLiteral("-t"), QStringLiteral("raw"), raw,
                                        QStringLiteral("synth"), QString::number(seconds[i]), QStringLiteral("sine"),
                                        QString::number(300 + 100 * i)});
        QFile file(raw);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(raw));
        bin += file.readAll();
        cue += QStringLiteral("  TRACK %1 AUDIO\n    INDEX 01 %2:%3:00\n")
                   .arg(i + 1, 2, 10, QLatin1Char('0'))
                   .arg(start / 60, 2, 10, QLatin1Char('0'))
                   .arg(start % 60, 2, 10, QLatin1Char('0'));
        start += seconds[i];
    }
    QFile binFile(folder + QLatin1Char('/') + name + QStringLiteral(".bin"));
    QFile cueFile(folder + QLatin1Char('/') + name + QStringLiteral(".cue"));
    if (!binFile.open(QIODevice::WriteOnly) || binFile.write(bin) != bin.size() || !cueFile.open(QIODevice::WriteOnly))
        qFatal("cannot write the CD image in %s", qPrintable(folder));
    cueFile.write(cue.toUtf8());
    return cueFile.fileName();
}

} // namespace testing_support
