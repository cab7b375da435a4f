// TStarFtp: the client side of FTP over the socket component, fully asynchronous. Its own socket
// is the control connection; two more carry each data connection, always in active mode (the
// client listens and announces itself with PORT). Each request sends one command and returns at
// once; a numbered state machine walks the replies, and progress, completion and errors come back
// as events on the user-interface thread.
#pragma once

#include "net/core/downloadfile.h"
#include "net/core/ftptypes.h"
#include "net/core/linebuffer.h"
#include "net/core/listingparser.h"
#include "net/core/tstarsocket.h"
#include "platform/regularfile.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>

namespace net {

class TStarFtp : public TStarSocket {
    Q_OBJECT

public:
    using Notify = std::function<void(TStarFtp *sender)>;
    using InfoEvent = std::function<void(TStarFtp *sender, FtpInfo info, const QString &addinfo)>;
    using InfoNeededEvent = std::function<void(TStarFtp *sender, TFtpInfoNeeded need, QString &value)>;
    using ErrorEvent = std::function<void(TStarFtp *sender, FtpError error, const QString &addinfo)>;

    /// Longest reply or listing line taken; a longer one is a broken or hostile server.
    static constexpr qsizetype MaxLineLength = 64 * 1024;
    /// Most listing bytes taken for one directory.
    static constexpr std::uint32_t MaxListingBytes = 32u * 1024 * 1024;
    /// Blocks of a download taken in by one readiness report while they are there, before the
    /// event loop runs again: as many as the socket takes from the system at once.
    static constexpr int BlocksPerPass = 128;
    /// Bytes of the local file an upload reads, and offers to the connection, at once.
    static constexpr long UploadPieceSize = 256 * 1024;

    explicit TStarFtp(QObject *owner = nullptr);
    ~TStarFtp() override;

    QString FtpServer() const { return Server(); }
    void SetFtpServer(const QString &server) { SetServer(server); }
    quint16 FtpPort() const { return Port(); }
    void SetFtpPort(quint16 port) { SetPortNumber(port); }
    QString UserName() const { return m_userName; }
    void SetUserName(const QString &name) { m_userName = name; }
    QString UserPassword() const { return m_userPassword; }
    void SetUserPassword(const QString &password) { m_userPassword = password; }
    QString UserAccount() const { return m_userAccount; }
    void SetUserAccount(const QString &account) { m_userAccount = account; }
    QString LocalFile() const { return m_localFile; }
    void SetLocalFile(const QString &path) { m_localFile = path; }
    QByteArray RemoteFile() const { return m_remoteFile; }
    void SetRemoteFile(const QByteArray &name) { m_remoteFile = name; }
    QString Ftp_URL() const { return m_ftpUrl; }
    void SetFtp_URL(const QString &url) { m_ftpUrl = url; }
    TTransferType TransferMode() const { return m_transferMode; }
    void SetTransferMode(TTransferType mode) { m_transferMode = mode; }
    QByteArray InitialDirectory() const { return m_initialDirectory; }
    void SetInitialDirectory(const QByteArray &directory) { m_initialDirectory = directory; }
    /// Writing true starts the socket functions, false unloads them.
    void SetWinsockStarted(bool started);
    QString Version() const { return QStringLiteral("TFtp 1.4.2"); }
    bool Success() const { return m_success; }
    TFTPServerType ServerType() const { return m_serverType; }
    void SetServerType(TFTPServerType type) { m_serverType = type; }

    /// The last listing: every line as received, and the names of its files and folders.
    const QList<QByteArray> &RawListing() const { return m_rawListing; }
    const QList<QByteArray> &FileNames() const { return m_fileNames; }
    const QList<QByteArray> &DirectoryNames() const { return m_directoryNames; }
    std::uint32_t BytesTransferred() const { return m_bytesTransferred; }
    std::uint32_t ElapsedMs() const { return m_elapsedMs; }
    bool Busy() const { return m_busy; }
    bool LinkOpen() const { return m_linkOpen; }
    FtpError LastFtpError() const { return m_lastFtpError; }
    /// What the component waits for: a value of FtpState.
    int State() const { return m_state; }

    /// The states of the reply handler: the reply each one waits for. The numbers are those of
    /// the protocol's description, grouped by tens per operation.
    enum FtpState : int {
        WaitGreeting = 0,
        WaitUser = 1,
        WaitPass = 2,
        WaitAcct = 3,
        WaitSyst = 5,
        WaitLoginCwd = 6,
        WaitPwd = 7,
        WaitListingType = 8,
        WaitListingPort = 10,
        WaitList = 12,
        WaitDownloadType = 20,
        WaitDownloadPort = 21,
        WaitRetr = 22,
        WaitUploadType = 30,
        WaitUploadPort = 31,
        WaitStor = 32,
        WaitRnfr = 40,
        WaitRnto = 41,
        WaitCommand = 50, ///< CWD, MKD, RMD or DELE
        WaitQuit = 60,
        Idle = 100,
        Unchanged = -1, ///< for SendCommand: the state stays as it is (ABOR)
    };

    InfoEvent OnFtpInfo;
    InfoNeededEvent OnFtpNeedInfo;
    Notify OnFtpReady;
    ErrorEvent OnFtpError;
    Notify OnLoggedIn;
    Notify OnDirectoryChanged;
    Notify OnDirectoryCreated;
    Notify OnDirectoryDeleted;
    Notify OnFileDeleted;
    Notify OnFileReceived;
    Notify OnFileStored;
    Notify OnListingDone;
    Notify OnFileRenamed;
    Notify OnFtpQuit;

    void Open();
    void GetListing();
    void ChangeDirectory(const QByteArray &directory);
    void MakeDirectory(const QByteArray &name);
    void RemoveDirectory(const QByteArray &name);
    void DeleteFile(const QByteArray &name);
    void GetFile();
    void PutFile();
    void RenameFile(const QByteArray &oldName, const QByteArray &newName);
    void Quit();
    void Abort();

    /// The argument of PORT for \a address and \a port: "192,168,0,5,4,6" for 192.168.0.5:1030.
    static QByteArray PortArgument(const QString &address, quint16 port);
    /// The listing style a SYST reply line names.
    static TFTPServerType ServerTypeFromSyst(const QByteArray &reply);

protected:
    void HostResolved() override;

private:
    static constexpr int ReadyMessage = WM_USER + 4;
    static constexpr int QuitMessage = WM_USER + 2;

    // Requests.
    bool acceptRequest();
    void simpleCommand(int kind, const QByteArray &command, bool setsSuccess);

    // Control connection.
    void connected();
    void closed();
    void ReadControl();
    void HandleReply(const QByteArray &line);
    /// Sends \a text and waits in \a nextState. \a logged is what the log shows of the line
    /// when it must not show all of it (a password).
    void SendCommand(const QByteArray &text, FtpState nextState, bool isAbort = false,
                     const QByteArray &logged = QByteArray());
    void abortAnswered();
    static bool isAbortReply(const QByteArray &line);
    /// The commands before LIST, RETR or STOR are out, their replies awaited.
    bool preparingTransfer() const;
    void sendComplete(const char *data, int length, bool urgent);
    void askFor(TFtpInfoNeeded need, QString &value);
    void loginRefused();
    void finalTransferReply(bool guardData);
    void refusedTransferReply();
    void refusedListing();
    QByteArray BuildPortArgument();
    /// Opens the data port with \a reader, \a finished and \a accepted as the data side's
    /// handlers, and announces it with PORT, waiting in \a nextState.
    void sendPort(TStarSocket::Event reader, TStarSocket::Event finished, TStarSocket::Event accepted,
                  FtpState nextState);
    bool controlLineTooLong();

    // Data connections.
    bool acceptDataConnection();
    void acceptHandler();
    void listingReader();
    void listingFinished();
    /// The data connection has closed: what is left is read, the data side ends. False when
    /// the transfer had already ended (or the component went away) and nothing more is to do.
    bool dataConnectionClosed();
    /// The data side is over: \a done reported, and the operation ends when its reply is in too.
    void dataSideDone();
    void fileReceiver();
    void fileFinished();
    void uploadAccepted();
    void startUploadWhenReady();
    void uploader();
    bool uploadGoesOn(const QPointer<TStarFtp> &alive) const;
    /// Adds a block of \a size that has gone out to \a reported and reports it; false when the
    /// report did away with the component.
    bool reportUploadedBlock(long size, long &reported, const QPointer<TStarFtp> &alive);
    void endUploadEarly();
    void endDataSide();
    void closeDataSockets();
    void abandonTransfer();
    void drainGuardExpired();
    void measure();

    // Outcomes.
    void messageArrived(int message);
    void readyMessage();
    void finishLocalFile();
    void ReportInfo(FtpInfo info, const QString &text = QString());
    void ReportInfo(FtpInfo info, const QByteArray &bytes);
    void ReportError(FtpError error);
    void FatalError(FtpError error, const QString &text = QStringLiteral("Error"));
    void Shutdown();
    bool CheckError();
    void PostReady();
    void raise(const Notify &event);

    QString m_userName;
    QString m_userPassword;
    QString m_userAccount;
    QString m_localFile;
    QByteArray m_remoteFile;
    QString m_ftpUrl;
    TTransferType m_transferMode = BinaryTransfer;
    QByteArray m_initialDirectory;
    bool m_success = false;
    TFTPServerType m_serverType = ftpstDefault;

    QList<QByteArray> m_rawListing;
    QList<QByteArray> m_fileNames;
    QList<QByteArray> m_directoryNames;
    std::uint32_t m_bytesTransferred = 0;
    std::uint32_t m_elapsedMs = 0;
    QElapsedTimer m_startTick;
    bool m_inMultiLine = false;
    QByteArray m_multiLineCode;
    DownloadFile m_download;
    platform::RegularFile m_upload;
    bool m_linkOpen = false;
    bool m_fileOpen = false;
    QByteArray m_renameTarget;
    bool m_inLineHandler = false;
    bool m_abortRequested = false;
    int m_pendingKind = 0;
    bool m_dataDone = false;
    bool m_replyDone = false;
    std::array<char, 2049> m_transferBuffer {};
    FtpState m_state = Idle;
    bool m_shutDown = false;
    LineBuffer m_partialLine;
    LineBuffer m_partialListingLine;
    TStarSocket *m_listenSocket = nullptr;
    TStarSocket *m_dataSocket = nullptr;
    FtpError m_lastFtpError = errNone;
    bool m_busy = false;

    ListingParser m_parser;
    // The commands still waiting for their final reply, oldest first; true marks an ABOR. Replies
    // come in the order of the commands, so an ABOR's late answer is never taken for the reply
    // to whatever was sent after it.
    QList<bool> m_awaitedReplies;
    // An upload starts once the data connection is there and the server has answered STOR with
    // its preliminary reply, whichever comes last: some servers connect as soon as PORT arrives.
    bool m_uploadConnected = false;
    bool m_uploadAnswered = false;
    // Changes with every data connection, so a queued upload start cannot outlive its transfer.
    std::uint64_t m_transferSerial = 0;
    // One ready message per operation, however many of its endings are seen.
    bool m_readyPosted = false;
    // After the final reply of a download or listing, the data connection must end (or move)
    // within TimeOutConnect seconds; after an abort, the whole operation must end within them.
    QTimer m_drainGuard;
    QTimer m_abortGuard;
};

} // namespace net
