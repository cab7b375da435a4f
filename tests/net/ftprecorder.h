// Records everything an FTP component reports, so a test can wait for an event and then look at
// what came before it.
#pragma once

#include "net/core/tstarftp.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

struct RecordedInfo {
    net::FtpInfo info;
    QString text;
};

struct RecordedError {
    net::FtpError error;
    QString text;
};

class FtpRecorder {
public:
    explicit FtpRecorder(net::TStarFtp &ftp);

    /// How many times the named event has been raised: "ready", "quit", "loggedIn",
    /// "directoryChanged", "directoryCreated", "directoryDeleted", "fileDeleted", "fileReceived",
    /// "fileStored", "listingDone", "fileRenamed".
    int count(const QString &event) const { return m_counts.value(event); }
    /// Runs the event loop until the named event has been raised \a times times (false when
    /// \a timeoutMs pass first). A real loop, not polling: transfers run at full speed meanwhile.
    bool waitFor(const QString &event, int times = 1, int timeoutMs = 20000);
    /// The same for any condition on what has been recorded.
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 20000);

    bool hasInfo(net::FtpInfo info) const;
    int infoCount(net::FtpInfo info) const;
    QStringList infoTexts(net::FtpInfo info) const;
    QList<net::FtpError> errorCodes() const;
    /// The conversation and the events, for the message of a failed check.
    QString transcript() const;

    /// Every event in order, as "ready", "info 7", "error 12" and so on.
    QStringList sequence;
    QList<RecordedInfo> infos;
    QList<RecordedError> errors;
    /// What the need-info events answer: server, user name, password, account.
    QMap<net::TFtpInfoNeeded, QString> answers;
    QList<net::TFtpInfoNeeded> asked;

private:
    void record(const QString &event);
    void noticed();

    QMap<QString, int> m_counts;
    std::function<void()> m_recorded;
};
