#include "editor/core/textchunkdecoder.h"

#include "platform/textcodec.h"

namespace editor {

namespace {

// Where the decodable part of \a data ends: before a UTF-8 lead byte whose sequence runs past
// the end, and before a final CR whose LF may come next.
qsizetype safeEnd(QByteArrayView data)
{
    qsizetype end = data.size();
    for (qsizetype back = 1; back <= 3 && back <= data.size(); ++back) {
        const auto byte = static_cast<unsigned char>(data[data.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        int length = 1;
        if ((byte & 0xE0) == 0xC0)
            length = 2;
        else if ((byte & 0xF0) == 0xE0)
            length = 3;
        else if ((byte & 0xF8) == 0xF0)
            length = 4;
        if (length > back)
            end = data.size() - back;
        break;
    }
    if (end > 0 && data[end - 1] == '\r')
        --end;
    return end;
}

} // namespace

QString TextChunkDecoder::decode(QByteArrayView bytes)
{
    if (m_pending.isEmpty()) {
        // Most pieces end between two characters: nothing to join, nothing to copy.
        const qsizetype end = safeEnd(bytes);
        m_pending = bytes.sliced(end).toByteArray();
        return platform::decodeText(bytes.data(), end);
    }
    m_pending.append(bytes.data(), bytes.size());
    const qsizetype end = safeEnd(m_pending);
    const QString text = platform::decodeText(m_pending.constData(), end);
    m_pending.remove(0, end);
    return text;
}

QString TextChunkDecoder::finish()
{
    const QString text = platform::decodeText(m_pending);
    m_pending.clear();
    return text;
}

} // namespace editor
