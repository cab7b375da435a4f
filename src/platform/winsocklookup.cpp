// Host-name lookup through QHostInfo, with its outcome mapped to Winsock's resolver errors.
#include "platform/winsocklookup.h"

#include "platform/winsock.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QTimer>
#include <QtEndian>

namespace platform {

WinsockLookup::~WinsockLookup()
{
    cancel();
}

int WinsockLookup::start(const QString &name, Handler handler)
{
    cancel();
    m_handler = std::move(handler);
    m_pending = true;
    const int handle = ++m_handle;
    m_hostInfoId = QHostInfo::lookupHost(name, &m_context, [this, handle](const QHostInfo &info) {
        int error = 0;
        std::uint32_t address = 0;
        if (info.error() == QHostInfo::NoError) {
            error = winsock::WSANO_DATA;
            for (const QHostAddress &candidate : info.addresses()) {
                bool isIpv4 = false;
                const quint32 value = candidate.toIPv4Address(&isIpv4);
                if (isIpv4) {
                    address = qToBigEndian(value);
                    error = 0;
                    break;
                }
            }
        } else {
            error = info.error() == QHostInfo::HostNotFound ? winsock::WSAHOST_NOT_FOUND
                                                            : winsock::WSATRY_AGAIN;
        }
        // The lookup's own delivery may come while start() has not returned yet; the owner must
        // see the handle first, so the answer always goes through the loop once more.
        QTimer::singleShot(0, &m_context, [this, handle, error, address] { finish(handle, error, address); });
    });
    return handle;
}

void WinsockLookup::cancel()
{
    if (m_pending && m_hostInfoId >= 0)
        QHostInfo::abortHostLookup(m_hostInfoId);
    m_pending = false;
    m_hostInfoId = -1;
    m_handler = nullptr;
}

void WinsockLookup::finish(int handle, int error, std::uint32_t address)
{
    if (!m_pending || handle != m_handle)
        return;
    m_pending = false;
    m_hostInfoId = -1;
    Handler handler = std::move(m_handler);
    m_handler = nullptr;
    if (handler)
        handler(error, address);
}

} // namespace platform
