// Filling a listener's queue with connections that nobody accepts.
#include "fulllistener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

FullListener::FullListener()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::listen(m_listener, 0);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
    m_port = ntohs(address.sin_port);
    // Connect until one connection stays pending: the queue is then full.
    for (int i = 0; i < 8 && !m_full; ++i) {
        const int client = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        m_clients.append(client);
        ::connect(client, reinterpret_cast<sockaddr *>(&address), sizeof address);
        pollfd ready {client, POLLOUT, 0};
        m_full = ::poll(&ready, 1, 300) == 0;
    }
}

FullListener::~FullListener()
{
    for (const int client : m_clients)
        ::close(client);
    ::close(m_listener);
}
