// Hooks every event of an FTP component.
#include "ftprecorder.h"

#include <QRegularExpression>
#include <QEventLoop>
#include <QTimer>

using namespace net;

FtpRecorder::FtpRecorder(TStarFtp &ftp)
{
    ftp.OnFtpInfo = [this](TStarFtp *, FtpInfo info, const QString &text) {
        infos.append({info, text});
        sequence.append(QStringLiteral("info %1").arg(int(info)));
        noticed();
    };
    ftp.OnFtpError = [this](TStarFtp *, FtpError error, const QString &text) {
        errors.append({error, text});
        sequence.append(QStringLiteral("error %1").arg(int(error)));
        noticed();
    };
    ftp.OnFtpNeedInfo = [this](TStarFtp *, TFtpInfoNeeded need, QString &value) {
        asked.append(need);
        value = answers.value(need);
    };
    const QList<std::pair<TStarFtp::Notify *, QString>> notifications = {
        {&ftp.OnFtpReady, QStringLiteral("ready")},
        {&ftp.OnFtpQuit, QStringLiteral("quit")},
        {&ftp.OnLoggedIn, QStringLiteral("loggedIn")},
        {&ftp.OnDirectoryChanged, QStringLiteral("directoryChanged")},
        {&ftp.OnDirectoryCreated, QStringLiteral("directoryCreated")},
        {&ftp.OnDirectoryDeleted, QStringLiteral("directoryDeleted")},
        {&ftp.OnFileDeleted, QStringLiteral("fileDeleted")},
        {&ftp.OnFileReceived, QStringLiteral("fileReceived")},
        {&ftp.OnFileStored, QStringLiteral("fileStored")},
        {&ftp.OnListingDone, QStringLiteral("listingDone")},
        {&ftp.OnFileRenamed, QStringLiteral("fileRenamed")},
    };
    for (const auto &[event, name] : notifications)
        *event = [this, name](TStarFtp *) { record(name); };
}

void FtpRecorder::record(const QString &event)
{
    ++m_counts[event];
    sequence.append(event);
    noticed();
}

void FtpRecorder::noticed()
{
    if (m_recorded)
        m_recorded();
}

bool FtpRecorder::waitFor(const QString &event, int times, int timeoutMs)
{
    return waitUntil([&] { return count(event) >= times; }, timeoutMs);
}

bool FtpRecorder::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    m_recorded = [&] {
        if (condition())
            loop.quit();
    };
    loop.exec();
    m_recorded = nullptr;
    return condition();
}

bool FtpRecorder::hasInfo(FtpInfo info) const
{
    return infoCount(info) > 0;
}

int FtpRecorder::infoCount(FtpInfo info) const
{
    int result = 0;
    for (const RecordedInfo &recorded : infos)
        result += recorded.info == info ? 1 : 0;
    return result;
}

QStringList FtpRecorder::infoTexts(FtpInfo info) const
{
    QStringList result;
    for (const RecordedInfo &recorded : infos) {
        if (recorded.info == info)
            result.append(recorded.text);
    }
    return result;
}

QList<FtpError> FtpRecorder::errorCodes() const
{
    QList<FtpError> result;
    for (const RecordedError &recorded : errors)
        result.append(recorded.error);
    return result;
}

QString FtpRecorder::transcript() const
{
    QString text;
    for (const RecordedInfo &recorded : infos) {
        if (recorded.info == infSent || recorded.info == infReceived)
            text += (recorded.info == infSent ? QStringLiteral("> ") : QStringLiteral("< ")) + recorded.text.left(300);
    }
    for (const RecordedError &recorded : errors)
        text += QStringLiteral("\nerror %1 %2").arg(int(recorded.error)).arg(recorded.text);
    return text + QStringLiteral("\nevents: ") + sequence.filter(QRegularExpression(QStringLiteral("^[a-z]"))).join(u' ');
}
