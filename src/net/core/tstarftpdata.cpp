// The FTP component's data connections: accepting the server's connection, reading a listing,
// receiving a file, sending one, and ending a transfer whichever way it ends.
#include "net/core/tstarftp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace net {

void TStarFtp::measure()
{
    m_elapsedMs = m_startTick.isValid() ? std::uint32_t(m_startTick.elapsed()) : 0;
}

void TStarFtp::closeDataSockets()
{
    ++m_transferSerial;
    m_dataSocket->Close();
    m_listenSocket->Close();
}

void TStarFtp::abandonTransfer()
{
    closeDataSockets();
    m_download.discard();
    m_upload.close();
    m_fileOpen = false;
    m_drainGuard.stop();
}

// Only the server may connect to the data port: anyone else ends the transfer unheard, and the
// port closes once the one connection it was opened for has come.
bool TStarFtp::acceptDataConnection()
{
    m_dataSocket->Accept(*m_listenSocket);
    bool accepted = m_dataSocket->LastError() == 0;
    if (accepted && m_dataSocket->SockAddr().address != SockAddr().address) {
        m_dataSocket->Close();
        accepted = false;
    }
    if (accepted)
        m_listenSocket->Close();
    else if (!m_abortRequested)
        FatalError(errDataTransfer);
    return accepted;
}

void TStarFtp::acceptHandler()
{
    if (!acceptDataConnection())
        return;
    m_bytesTransferred = 0;
    m_success = true;
    m_startTick.start();
    m_elapsedMs = 0;
    m_partialListingLine.clear();
}

void TStarFtp::listingReader()
{
    const int count = m_dataSocket->Receive(m_transferBuffer.data(), 2048);
    if (m_dataSocket->LastError() != 0) {
        if (!m_abortRequested)
            FatalError(errDataTransfer);
        return;
    }
    const qsizetype length = qsizetype(qstrnlen(m_transferBuffer.data(), size_t(count)));
    if (length == 0)
        return;
    m_bytesTransferred += std::uint32_t(length);
    if (m_drainGuard.isActive())
        m_drainGuard.start();
    if (m_bytesTransferred > MaxListingBytes) {
        FatalError(errDataTransfer);
        return;
    }
    m_partialListingLine.append(m_transferBuffer.data(), length);
    QPointer<TStarFtp> alive(this);
    QByteArray line;
    while (m_partialListingLine.takeLine(line)) {
        measure();
        ReportInfo(infProgress, line);
        m_rawListing.append(line);
        ReportInfo(infListingLine, line);
        if (!alive)
            return;
        const ListingEntry entry = m_parser.ParseListingLine(m_serverType, line);
        if (entry.parsed && !entry.name.isEmpty())
            (entry.isDirectory ? m_directoryNames : m_fileNames).append(entry.name);
    }
    if (m_partialListingLine.pendingSize() > MaxLineLength) {
        m_partialListingLine.clear();
        FatalError(errDataTransfer);
    }
}

bool TStarFtp::dataConnectionClosed()
{
    QPointer<TStarFtp> alive(this);
    if (TStarSocket::Event drain = m_dataSocket->OnRead)
        drain(m_dataSocket);
    if (!alive || !m_linkOpen || m_dataDone)
        return false;
    measure();
    closeDataSockets();
    return true;
}

void TStarFtp::dataSideDone()
{
    ReportInfo(infTransferDone, QStringLiteral("Transfer done"));
    m_dataDone = true;
    m_drainGuard.stop();
    if (m_replyDone)
        PostReady();
}

void TStarFtp::listingFinished()
{
    if (!dataConnectionClosed())
        return;
    ReportInfo(infListingReady, QStringLiteral("Listing ready"));
    dataSideDone();
}

// Each receive asks for one block, as always; a readiness report takes in the blocks that are
// already there, up to BlocksPerPass, rather than one block per pass of the event loop.
void TStarFtp::fileReceiver()
{
    QPointer<TStarFtp> alive(this);
    const std::uint64_t serial = m_transferSerial;
    for (int block = 0; block < BlocksPerPass; ++block) {
        const int count = m_dataSocket->Receive(m_transferBuffer.data(), 2048);
        if (m_dataSocket->LastError() != 0) {
            if (!m_abortRequested)
                FatalError(errDataTransfer);
            return;
        }
        if (count <= 0)
            return;
        m_bytesTransferred += std::uint32_t(count);
        measure();
        if (m_drainGuard.isActive())
            m_drainGuard.start();
        // Written before the progress report: a handler that services the loop may receive the
        // next block into the same buffer.
        if (m_fileOpen && m_download.write(m_transferBuffer.data(), count) < count) {
            ReportError(errLocalWrite);
            m_download.close();
            m_fileOpen = false;
        }
        ReportInfo(infProgress);
        // The report may have ended the transfer, or the component.
        if (!alive || serial != m_transferSerial || m_dataSocket->SocketHandle() == -1)
            return;
    }
}

void TStarFtp::fileFinished()
{
    if (!dataConnectionClosed())
        return;
    if (m_fileOpen) {
        m_download.close();
        m_upload.close();
        m_fileOpen = false;
    }
    dataSideDone();
}

// The data side ends now, whatever the server does with it: after the final reply of an aborted
// transfer, or when a data connection outstays that reply.
void TStarFtp::endDataSide()
{
    closeDataSockets();
    if (m_fileOpen) {
        m_download.close();
        m_upload.close();
        m_fileOpen = false;
    }
    m_dataDone = true;
    m_drainGuard.stop();
    PostReady();
}

void TStarFtp::drainGuardExpired()
{
    if (m_dataDone || !m_replyDone || !m_linkOpen)
        return;
    ReportError(errDataTransfer);
    endDataSide();
}

void TStarFtp::uploadAccepted()
{
    if (!acceptDataConnection())
        return;
    m_uploadConnected = true;
    startUploadWhenReady();
}

// The upload runs from the event loop, not from inside the notification or reply that made it
// possible, so the control connection goes on being read while the file goes out.
void TStarFtp::startUploadWhenReady()
{
    if (!m_uploadConnected || !m_uploadAnswered)
        return;
    m_uploadConnected = false;
    m_uploadAnswered = false;
    const std::uint64_t serial = m_transferSerial;
    QTimer::singleShot(0, this, [this, serial] {
        if (serial == m_transferSerial && !m_dataDone && m_linkOpen && m_dataSocket->SocketHandle() != -1)
            uploader();
    });
}

// The file is read a large piece at a time and each piece goes out in as few sends as the
// connection takes, the event loop being serviced before each send; it waits for room on the
// connection rather than spinning. Progress is reported per 2048-byte block, once the block has
// gone out. Events that run meanwhile may end the transfer (the server closing, an abort, a
// network error): the upload then stops without another word.
void TStarFtp::uploader()
{
    m_bytesTransferred = 0;
    m_startTick.start();
    m_elapsedMs = 0;
    ReportInfo(infSize, QString::number(QFileInfo(m_localFile).size()));
    QPointer<TStarFtp> alive(this);
    const auto piece = std::make_unique_for_overwrite<char[]>(UploadPieceSize);
    for (;;) {
        if (m_abortRequested) {
            m_success = false;
            break;
        }
        const long count = m_upload.read(piece.get(), UploadPieceSize);
        if (count < 0) {
            ReportError(errLocalRead);
            endUploadEarly();
            return;
        }
        if (count == 0)
            break;
        long sent = 0;
        long reported = 0;
        bool wouldBlock = false;
        while (sent < count && !m_abortRequested) {
            QCoreApplication::processEvents(wouldBlock ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
            if (!uploadGoesOn(alive))
                return;
            const int moved = m_dataSocket->Send(piece.get() + sent, int(count - sent));
            if (m_dataSocket->LastError() != 0) {
                if (m_abortRequested)
                    endUploadEarly();
                else
                    FatalError(errDataTransfer);
                return;
            }
            wouldBlock = moved == 0;
            sent += moved;
            while (sent - reported >= 2048 || (sent == count && reported < count)) {
                if (!reportUploadedBlock(std::min(2048L, count - reported), reported, alive))
                    return;
            }
        }
        // An abort leaves the block it stopped in partly sent: what went of it is reported too.
        if (reported < sent && !reportUploadedBlock(sent - reported, reported, alive))
            return;
    }
    closeDataSockets();
    if (m_fileOpen) {
        m_upload.close();
        m_fileOpen = false;
    }
    measure();
    dataSideDone();
}

bool TStarFtp::reportUploadedBlock(long size, long &reported, const QPointer<TStarFtp> &alive)
{
    reported += size;
    m_bytesTransferred += std::uint32_t(size);
    ReportInfo(infProgress);
    if (!alive)
        return false;
    measure();
    return true;
}

bool TStarFtp::uploadGoesOn(const QPointer<TStarFtp> &alive) const
{
    return alive && !m_shutDown && m_linkOpen && !m_dataDone && m_dataSocket->SocketHandle() != -1;
}

// An upload that stops before its end still ends its operation: the server's final reply to
// the shortened transfer posts the ready message.
void TStarFtp::endUploadEarly()
{
    closeDataSockets();
    m_upload.close();
    m_fileOpen = false;
    m_success = false;
    m_dataDone = true;
    if (m_replyDone)
        PostReady();
}

} // namespace net
