// Splitting of received bytes into CR LF lines.
#include "net/core/linebuffer.h"

#include <algorithm>

namespace net {

void LineBuffer::append(const char *data, qsizetype size)
{
    m_bytes.append(data, size);
}

bool LineBuffer::takeLine(QByteArray &line)
{
    const qsizetype from = std::max(m_start, m_scanned - 1);
    const qsizetype end = m_bytes.indexOf("\r\n", from);
    if (end < 0) {
        m_bytes.remove(0, m_start);
        m_start = 0;
        m_scanned = m_bytes.size();
        return false;
    }
    line = m_bytes.mid(m_start, end - m_start);
    m_start = end + 2;
    m_scanned = m_start;
    return true;
}

void LineBuffer::clear()
{
    m_bytes.clear();
    m_start = 0;
    m_scanned = 0;
}

} // namespace net
