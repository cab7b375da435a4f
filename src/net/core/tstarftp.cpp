// The FTP component's requests, its control connection and the state machine on the replies.
// The data connections (listing, download, upload) are in tstarftpdata.cpp.
#include "net/core/tstarftp.h"

#include "platform/textcodec.h"

#include <QCoreApplication>

namespace net {

TStarFtp::TStarFtp(QObject *owner) : TStarSocket(owner)
{
    SetFtpPort(21);
    OnMessage = [this](TStarSocket *, int message) { messageArrived(message); };
    m_listenSocket = new TStarSocket(this);
    m_dataSocket = new TStarSocket(this);
    m_listenSocket->StartWinsock();
    m_dataSocket->StartWinsock();
    m_drainGuard.setSingleShot(true);
    connect(&m_drainGuard, &QTimer::timeout, this, [this] { drainGuardExpired(); });
    m_abortGuard.setSingleShot(true);
    connect(&m_abortGuard, &QTimer::timeout, this, [this] {
        if (m_busy)
            FatalError(errTimeout);
    });
}

TStarFtp::~TStarFtp()
{
    delete m_dataSocket;
    delete m_listenSocket;
    Close();
}

void TStarFtp::SetWinsockStarted(bool started)
{
    if (started)
        StartWinsock();
    else
        UnloadWinsock();
}

QByteArray TStarFtp::PortArgument(const QString &address, quint16 port)
{
    QByteArray argument = address.toLatin1();
    argument.replace('.', ',');
    return argument + ',' + QByteArray::number(port / 256) + ',' + QByteArray::number(port % 256);
}

TFTPServerType TStarFtp::ServerTypeFromSyst(const QByteArray &reply)
{
    if (reply.startsWith('5'))
        return ftpstDefault;
    const QByteArray text = reply.mid(4, 99).toUpper();
    TFTPServerType type = ftpstDefault;
    if (text.contains("UNIX"))
        type = ftpstUNIX;
    if (text.contains("CLIX"))
        type = ftpstClix;
    if (text.contains("ULTRIX"))
        type = ftpstULTRIX;
    if (text.contains("MVS"))
        type = ftpstMVS;
    if (text.contains("QVT"))
        type = ftpstQVT;
    if (text.contains("NCSA"))
        type = ftpstNCSA;
    if (text.contains("CHAMELEON"))
        type = ftpstChameleon;
    if (text.contains("VMS"))
        type = text.contains("MULTINET") ? ftpstVmsMultinet : ftpstVmsUcx;
    else if (text.contains("VM"))
        type = text.contains("VPS") ? ftpstVMVPS : ftpstVM;
    return type;
}

// --- Requests ---------------------------------------------------------------------------------

void TStarFtp::Open()
{
    if (m_busy) {
        ReportInfo(infBusy);
        return;
    }
    // A component that was shut down by a network error can connect again.
    m_shutDown = false;
    m_readyPosted = false;
    OnTimeOut = [this](TStarSocket *) { FatalError(errTimeout); };
    m_lastFtpError = errNone;
    m_success = true;
    if (!StartWinsock()) {
        ReportError(errWinsockNotInitialized);
        return;
    }
    if (FtpServer().isEmpty()) {
        QString value;
        askFor(needServer, value);
        if (value.isEmpty()) {
            ReportError(errNoServer);
            return;
        }
        SetFtpServer(value);
    }
    if (FtpPort() == 0)
        SetFtpPort(21);
    m_inMultiLine = false;
    m_multiLineCode.clear();
    m_state = WaitGreeting;
    OnConnect = [this](TStarSocket *) { connected(); };
    OnRead = [this](TStarSocket *) { ReadControl(); };
    OnClose = [this](TStarSocket *) { closed(); };
    CreateSocket();
    if (CheckError())
        return;
    if (!AddressText().isEmpty()) {
        SetAddress(AddressText());
        SetPort(FtpPort());
        Connect();
        CheckError();
    } else {
        ReportInfo(infResolving, HostName());
        Resolve(HostName());
        CheckError();
    }
}

void TStarFtp::HostResolved()
{
    if (CheckError())
        return;
    UseResolvedAddress();
    SetPort(FtpPort());
    SetAddressText(GetResolvedAddressText());
    ReportInfo(infResolved, AddressText());
    Connect();
    CheckError();
}

bool TStarFtp::acceptRequest()
{
    if (!m_linkOpen) {
        ReportInfo(infDisconnected);
        return false;
    }
    m_busy = true;
    m_lastFtpError = errNone;
    m_abortRequested = false;
    m_readyPosted = false;
    return true;
}

void TStarFtp::simpleCommand(int kind, const QByteArray &command, bool setsSuccess)
{
    if (m_busy) {
        ReportInfo(infBusy);
        return;
    }
    m_pendingKind = kind;
    if (!acceptRequest())
        return;
    if (setsSuccess)
        m_success = true;
    SendCommand(command, kind == 8 ? WaitPwd : WaitCommand);
}

void TStarFtp::GetListing()
{
    simpleCommand(8, "PWD", false);
}

void TStarFtp::ChangeDirectory(const QByteArray &directory)
{
    if (m_busy) {
        ReportInfo(infBusy);
        return;
    }
    m_pendingKind = 2;
    if (!acceptRequest())
        return;
    m_success = true;
    m_initialDirectory = directory;
    SendCommand("CWD " + directory, WaitCommand);
}

void TStarFtp::MakeDirectory(const QByteArray &name)
{
    simpleCommand(3, "MKD " + name, true);
}

void TStarFtp::RemoveDirectory(const QByteArray &name)
{
    simpleCommand(4, "RMD " + name, true);
}

void TStarFtp::DeleteFile(const QByteArray &name)
{
    simpleCommand(5, "DELE " + name, true);
}

void TStarFtp::GetFile()
{
    if (m_busy) {
        ReportInfo(infBusy);
        return;
    }
    if (!acceptRequest())
        return;
    m_pendingKind = 6;
    m_success = true;
    if (m_remoteFile.isEmpty()) {
        ReportError(errNoRemoteFile);
        PostReady();
        return;
    }
    if (m_localFile.isEmpty() || !m_download.open(m_localFile)) {
        ReportError(errLocalOpen);
        PostReady();
        return;
    }
    m_fileOpen = true;
    m_dataDone = false;
    m_replyDone = false;
    SendCommand(m_transferMode == BinaryTransfer ? "TYPE I" : "TYPE A", WaitDownloadType);
}

void TStarFtp::PutFile()
{
    if (m_busy) {
        ReportInfo(infBusy);
        return;
    }
    m_pendingKind = 7;
    m_success = true;
    if (!m_linkOpen) {
        ReportInfo(infDisconnected);
        m_readyPosted = false;
        PostReady();
        return;
    }
    acceptRequest();
    if (m_remoteFile.isEmpty()) {
        ReportError(errNoRemoteFile);
        PostReady();
        return;
    }
    if (m_localFile.isEmpty() || !m_upload.open(platform::encodePath(m_localFile))) {
        ReportError(errLocalOpen);
        PostReady();
        return;
    }
    m_fileOpen = true;
    SendCommand(m_transferMode == BinaryTransfer ? "TYPE I" : "TYPE A", WaitUploadType);
}

void TStarFtp::RenameFile(const QByteArray &oldName, const QByteArray &newName)
{
    if (m_busy) {
        ReportInfo(infBusy);
        return;
    }
    if (!acceptRequest())
        return;
    m_pendingKind = 9;
    m_success = true;
    m_renameTarget = newName;
    SendCommand("RNFR " + oldName, WaitRnfr);
}

void TStarFtp::Quit()
{
    if (m_busy) {
        ReportInfo(infBusy);
        return;
    }
    if (!acceptRequest())
        return;
    SendCommand("QUIT", WaitQuit);
}

// The Telnet interrupt, the Telnet synch (its data mark sent urgent) and ABOR. Nothing follows
// ABOR: a data mark sent after it would stick to the front of the next command and spoil it.
// ABOR goes out only while a transfer command is out; a transfer still being prepared (TYPE,
// PORT, PWD) just stops at the next reply, before its transfer command, since a server may
// answer an ABOR in its place. Without a transfer there is nothing to abort.
void TStarFtp::Abort()
{
    const bool transferring = m_state == WaitList || m_state == WaitRetr || m_state == WaitStor;
    if (m_abortRequested || !m_linkOpen || !m_busy || (!transferring && !preparingTransfer()))
        return;
    m_abortRequested = true;
    if (TimeOutConnect() > 0)
        m_abortGuard.start(TimeOutConnect() * 1000);
    if (!transferring)
        return;
    QPointer<TStarFtp> alive(this);
    sendComplete("\xFF\xF4", 2, false);
    if (!alive || m_shutDown || !m_linkOpen)
        return;
    sendComplete("\xFF\xF2", 2, true);
    if (!alive || m_shutDown || !m_linkOpen)
        return;
    SendCommand("ABOR", Unchanged, true);
}

// --- Control connection -----------------------------------------------------------------------

void TStarFtp::connected()
{
    if (LastError() != 0) {
        CheckError();
        return;
    }
    m_state = WaitGreeting;
    ReportInfo(infConnected, AddressText());
    m_linkOpen = true;
    m_partialLine.clear();
    m_inLineHandler = false;
    m_awaitedReplies = {false};
    // A server that takes the connection and never greets is timed out like one that never
    // answers the connection.
    StartTimeOut(TimeOutConnect());
}

void TStarFtp::closed()
{
    ReportInfo(infDisconnected, QStringLiteral("Disconnected"));
    abandonTransfer();
    PostReady();
    PostMessage(QuitMessage);
    m_linkOpen = false;
}

void TStarFtp::ReadControl()
{
    if (m_inLineHandler || m_shutDown)
        return;
    QPointer<TStarFtp> alive(this);
    // A bounded number of reads per notification keeps the loop responsive under a flood; the
    // next notification comes as long as bytes are waiting.
    for (int read = 0; read < 32 && !m_shutDown; ++read) {
        std::array<char, 2048> buffer;
        const int count = Receive(buffer.data(), int(buffer.size()));
        if (CheckError())
            return;
        const QByteArray text(buffer.data(), qsizetype(qstrnlen(buffer.data(), size_t(count))));
        ReportInfo(infReceived, text);
        if (!alive || text.isEmpty())
            return;
        m_partialLine.append(text.constData(), text.size());
        QByteArray line;
        while (m_partialLine.takeLine(line)) {
            m_inLineHandler = true;
            HandleReply(line);
            if (!alive)
                return;
            m_inLineHandler = false;
            if (m_shutDown || SocketHandle() == -1)
                return;
        }
        if (controlLineTooLong())
            return;
    }
}

bool TStarFtp::controlLineTooLong()
{
    if (m_partialLine.pendingSize() <= MaxLineLength)
        return false;
    m_partialLine.clear();
    FatalError(errUnexpectedReply);
    return true;
}

void TStarFtp::SendCommand(const QByteArray &text, FtpState nextState, bool isAbort, const QByteArray &logged)
{
    const QByteArray line = text + "\r\n";
    if (!m_shutDown) {
        m_awaitedReplies.append(isAbort);
        ReportInfo(infSent, logged.isNull() ? line : logged + "\r\n");
        sendComplete(line.constData(), int(line.size()), false);
    }
    if (nextState != Unchanged)
        m_state = nextState;
}

void TStarFtp::sendComplete(const char *data, int length, bool urgent)
{
    QPointer<TStarFtp> alive(this);
    int sent = 0;
    bool wouldBlock = false;
    while (sent < length) {
        QCoreApplication::processEvents(wouldBlock ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
        if (!alive || m_shutDown)
            return;
        const int count = urgent ? SendUrgent(data + sent, length - sent) : Send(data + sent, length - sent);
        sent += count;
        if (CheckError())
            return;
        wouldBlock = count == 0;
    }
}

void TStarFtp::askFor(TFtpInfoNeeded need, QString &value)
{
    if (InfoNeededEvent handler = OnFtpNeedInfo)
        handler(this, need, value);
}

void TStarFtp::loginRefused()
{
    ReportError(errLoginRefused);
    SendCommand("QUIT", WaitQuit);
}

void TStarFtp::HandleReply(const QByteArray &line)
{
    if (line.isEmpty())
        return;
    if (m_inMultiLine && !line.startsWith(m_multiLineCode + ' '))
        return;
    if (line.size() >= 4 && line.at(3) == '-') {
        m_inMultiLine = true;
        m_multiLineCode = line.left(3);
        return;
    }
    m_inMultiLine = false;
    const char digit = line.at(0);
    const bool transferAborted = line.startsWith("426");
    if (digit != '1') {
        // An ABOR some servers never answer must not swallow the reply to the next command.
        while (!m_awaitedReplies.isEmpty() && m_awaitedReplies.first() && !isAbortReply(line))
            m_awaitedReplies.removeFirst();
        if (!m_awaitedReplies.isEmpty() && m_awaitedReplies.takeFirst()) {
            abortAnswered();
            return;
        }
    }

    if (m_abortRequested && preparingTransfer()) {
        closeDataSockets();
        m_state = Idle;
        PostReady();
        return;
    }

    switch (m_state) {
    case WaitGreeting:
        if (digit == '2') {
            if (m_userName.isEmpty())
                askFor(needUserName, m_userName);
            SendCommand("USER " + m_userName.toUtf8(), WaitUser);
        } else {
            FatalError(errNoGreeting);
        }
        break;
    case WaitUser:
        if (digit == '2') {
            SendCommand("SYST", WaitSyst);
        } else if (digit == '3') {
            if (m_userPassword.isEmpty())
                askFor(needPassword, m_userPassword);
            // The log shows one star per character of the password, never the password.
            SendCommand("PASS " + m_userPassword.toUtf8(), WaitPass, false,
                        "PASS " + QByteArray(m_userPassword.toUcs4().size(), '*'));
        } else {
            loginRefused();
        }
        break;
    case WaitPass:
        if (digit == '2') {
            SendCommand("SYST", WaitSyst);
        } else if (digit == '3') {
            if (m_userAccount.isEmpty())
                askFor(needAccount, m_userAccount);
            SendCommand("ACCT " + m_userAccount.toUtf8(), WaitAcct);
        } else {
            loginRefused();
        }
        break;
    case WaitAcct:
        if (digit == '2')
            SendCommand("SYST", WaitSyst);
        else
            loginRefused();
        break;
    case WaitSyst:
        m_pendingKind = 1;
        m_serverType = ServerTypeFromSyst(line);
        if (!m_initialDirectory.isEmpty()) {
            SendCommand("CWD " + m_initialDirectory, WaitLoginCwd);
        } else {
            ReportInfo(infLoggedIn, QStringLiteral("Logged in"));
            m_state = Idle;
            PostReady();
        }
        break;
    case WaitLoginCwd:
        if (digit != '2')
            ReportInfo(infRefused);
        ReportInfo(infLoggedIn, QStringLiteral("Logged in"));
        m_state = Idle;
        PostReady();
        break;
    case WaitPwd:
        if (digit == '2') {
            const qsizetype first = line.indexOf('"');
            const qsizetype second = first < 0 ? -1 : line.indexOf('"', first + 1);
            m_initialDirectory = second < 0 ? QByteArray() : line.mid(first + 1, second - first - 1);
            SendCommand("TYPE A", WaitListingType);
        } else {
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitListingType:
        m_dataDone = false;
        m_replyDone = false;
        if (digit == '2') {
            sendPort([this](TStarSocket *) { listingReader(); }, [this](TStarSocket *) { listingFinished(); },
                     [this](TStarSocket *) { acceptHandler(); }, WaitListingPort);
        } else {
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitListingPort:
        if (digit == '2') {
            m_rawListing.clear();
            m_fileNames.clear();
            m_directoryNames.clear();
            m_parser = ListingParser();
            SendCommand("LIST", WaitList);
        } else {
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitList:
        if (digit == '1' || (transferAborted && m_abortRequested))
            break;
        if (digit == '2') {
            finalTransferReply(true);
        } else if (line.startsWith("450") || line.startsWith("550")) {
            refusedListing();
        } else {
            closeDataSockets();
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitDownloadType:
        if (digit == '2') {
            sendPort([this](TStarSocket *) { fileReceiver(); }, [this](TStarSocket *) { fileFinished(); },
                     [this](TStarSocket *) { acceptHandler(); }, WaitDownloadPort);
        } else {
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitDownloadPort:
        if (digit == '2') {
            SendCommand("RETR " + m_remoteFile, WaitRetr);
        } else {
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitRetr:
        if (digit == '1') {
            const qsizetype open = line.indexOf('(');
            if (open >= 0) {
                const qsizetype end = line.indexOf(' ', open + 1);
                ReportInfo(infSize, line.mid(open + 1, end < 0 ? -1 : end - open - 1));
            }
        } else if (digit == '2') {
            finalTransferReply(true);
            m_state = Idle;
        } else if (transferAborted && m_abortRequested) {
            // The server's next reply ends the aborted transfer.
        } else {
            refusedTransferReply();
            if (transferAborted)
                m_state = Idle;
        }
        break;
    case WaitUploadType:
        m_dataDone = false;
        m_replyDone = false;
        if (digit == '2') {
            m_uploadConnected = false;
            m_uploadAnswered = false;
            sendPort(nullptr, [this](TStarSocket *) { fileFinished(); }, [this](TStarSocket *) { uploadAccepted(); },
                     WaitUploadPort);
        } else {
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitUploadPort:
        if (digit == '2') {
            SendCommand("STOR " + m_remoteFile, WaitStor);
        } else {
            FatalError(errUnexpectedReply);
        }
        break;
    case WaitStor:
        if (digit == '1') {
            m_uploadAnswered = true;
            startUploadWhenReady();
            break;
        }
        if (transferAborted && m_abortRequested)
            break;
        if (digit == '2')
            finalTransferReply(false);
        else
            refusedTransferReply();
        break;
    case WaitRnfr:
        if (digit == '3') {
            SendCommand("RNTO " + m_renameTarget, WaitRnto);
        } else {
            ReportInfo(infRefused);
            m_success = false;
            m_state = Idle;
            PostReady();
        }
        break;
    case WaitRnto:
    case WaitCommand:
        if (digit != '2') {
            ReportInfo(infRefused);
            m_success = false;
        }
        m_state = Idle;
        PostReady();
        break;
    case WaitQuit:
        if (digit != '2') {
            FatalError(errNone);
        } else if (SocketHandle() != -1) {
            // The server closes after its goodbye; one that does not is not waited for.
            Close();
            closed();
        }
        m_state = Idle;
        break;
    default:
        break;
    }
}

// A positive final reply of a listing, download or upload: the operation ends when its data
// connection has ended too. After an abort the data side is not waited for; for a listing or a
// download, a data connection that neither ends nor moves is given up after TimeOutConnect.
void TStarFtp::finalTransferReply(bool guardData)
{
    m_replyDone = true;
    if (m_dataDone) {
        PostReady();
    } else if (m_abortRequested) {
        endDataSide();
    } else if (guardData && TimeOutConnect() > 0) {
        m_drainGuard.start(TimeOutConnect() * 1000);
    }
}

bool TStarFtp::preparingTransfer() const
{
    switch (m_state) {
    case WaitPwd:
    case WaitListingType:
    case WaitListingPort:
    case WaitDownloadType:
    case WaitDownloadPort:
    case WaitUploadType:
    case WaitUploadPort:
        return true;
    default:
        return false;
    }
}

// What a server answers to ABOR: done (225, 226) or not understood (500 to 502).
bool TStarFtp::isAbortReply(const QByteArray &line)
{
    static const QList<QByteArray> codes = {"225", "226", "500", "501", "502"};
    return codes.contains(line.left(3));
}

// The server has answered ABOR. A transfer whose own reply was the 426 of the abort ends here;
// anything else has already ended, or was not a transfer.
void TStarFtp::abortAnswered()
{
    const bool transferRunning = m_state == WaitList || m_state == WaitRetr || m_state == WaitStor;
    if (!m_busy || !transferRunning || m_replyDone)
        return;
    m_replyDone = true;
    if (m_dataDone)
        PostReady();
    else
        endDataSide();
    if (m_state == WaitRetr)
        m_state = Idle;
}

// A folder that can be entered but not listed (450, 550): the listing ends with its error and
// no names; the connection stays as it was.
void TStarFtp::refusedListing()
{
    closeDataSockets();
    m_drainGuard.stop();
    ReportError(errUnexpectedReply);
    m_dataDone = true;
    m_replyDone = true;
    m_state = Idle;
    PostReady();
}

void TStarFtp::refusedTransferReply()
{
    closeDataSockets();
    ReportInfo(infRefused);
    m_success = false;
    PostReady();
}

// The handlers are in place before the server knows the port: some servers connect as soon as
// PORT arrives, before they answer it.
void TStarFtp::sendPort(TStarSocket::Event reader, TStarSocket::Event finished, TStarSocket::Event accepted,
                        FtpState nextState)
{
    m_dataSocket->OnRead = std::move(reader);
    m_dataSocket->OnClose = std::move(finished);
    m_dataSocket->OnWrite = nullptr;
    m_listenSocket->OnAccept = std::move(accepted);
    SendCommand("PORT " + BuildPortArgument(), nextState);
}

QByteArray TStarFtp::BuildPortArgument()
{
    const QString local = GetLocalAddress();
    closeDataSockets();
    m_listenSocket->SetAddressText(local);
    m_listenSocket->SetPortNumber(0);
    m_partialListingLine.clear();
    m_listenSocket->SetAddress(local);
    m_listenSocket->SetPort(0);
    m_listenSocket->CreateSocket();
    m_listenSocket->Listen();
    return PortArgument(m_listenSocket->GetLocalAddress(), m_listenSocket->GetLocalPort());
}

// --- Outcomes ---------------------------------------------------------------------------------

void TStarFtp::messageArrived(int message)
{
    if (message == ReadyMessage) {
        readyMessage();
    } else if (message == QuitMessage) {
        m_busy = false;
        m_abortGuard.stop();
        m_drainGuard.stop();
        raise(OnFtpQuit);
    }
}

void TStarFtp::readyMessage()
{
    m_busy = false;
    m_abortGuard.stop();
    m_drainGuard.stop();
    finishLocalFile();
    QPointer<TStarFtp> alive(this);
    raise(OnFtpReady);
    if (!alive)
        return;
    if (m_abortRequested) {
        closeDataSockets();
        m_abortRequested = false;
    }
    const int kind = m_pendingKind;
    if (kind < 1 || kind > 9)
        return;
    m_pendingKind = 0;
    const Notify *completions[] = {&OnLoggedIn,    &OnDirectoryChanged, &OnDirectoryCreated,
                                   &OnDirectoryDeleted, &OnFileDeleted, &OnFileReceived,
                                   &OnFileStored,  &OnListingDone,      &OnFileRenamed};
    raise(*completions[kind - 1]);
}

// A download's file takes the target's place only when everything went right.
void TStarFtp::finishLocalFile()
{
    if (m_download.isPending()) {
        const bool whole = m_success && m_dataDone && m_replyDone && !m_abortRequested;
        if (!whole)
            m_download.discard();
        else if (!m_download.commit())
            ReportError(errLocalWrite);
    }
    m_upload.close();
    m_fileOpen = false;
}

void TStarFtp::ReportInfo(FtpInfo info, const QString &text)
{
    if (InfoEvent handler = OnFtpInfo)
        handler(this, info, text);
}

void TStarFtp::ReportInfo(FtpInfo info, const QByteArray &bytes)
{
    if (InfoEvent handler = OnFtpInfo)
        handler(this, info, platform::decodeText(bytes));
}

void TStarFtp::ReportError(FtpError error)
{
    m_success = false;
    m_lastFtpError = error;
    if (ErrorEvent handler = OnFtpError)
        handler(this, error, QStringLiteral("Error"));
}

void TStarFtp::FatalError(FtpError error, const QString &text)
{
    if (m_shutDown)
        return;
    abandonTransfer();
    Close();
    m_linkOpen = false;
    m_success = false;
    m_lastFtpError = error;
    if (ErrorEvent handler = OnFtpError)
        handler(this, error, text);
    PostMessage(QuitMessage);
}

void TStarFtp::Shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    abandonTransfer();
    Close();
    m_linkOpen = false;
    PostMessage(QuitMessage);
}

bool TStarFtp::CheckError()
{
    if (m_shutDown)
        return false;
    const int error = LastError();
    if (error == 0) {
        m_lastFtpError = errNone;
        return false;
    }
    const FtpError code = ftpErrorFromWinsock(error);
    FatalError(code, ftpErrorText(code));
    Shutdown();
    return true;
}

void TStarFtp::PostReady()
{
    if (m_readyPosted)
        return;
    m_readyPosted = true;
    PostMessage(ReadyMessage);
}

void TStarFtp::raise(const Notify &event)
{
    if (Notify handler = event)
        handler(this);
}

} // namespace net
