// A listening socket nobody accepts from, with its queue full: connections to it never
// complete, like a server that never answers the connection.
#pragma once

#include <QList>

class FullListener {
public:
    FullListener();
    ~FullListener();
    FullListener(const FullListener &) = delete;
    FullListener &operator=(const FullListener &) = delete;

    quint16 port() const { return m_port; }
    /// False when the queue could not be filled (the check would then prove nothing).
    bool isFull() const { return m_full; }

private:
    int m_listener = -1;
    QList<int> m_clients;
    quint16 m_port = 0;
    bool m_full = false;
};
