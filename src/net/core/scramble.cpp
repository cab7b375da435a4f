// Byte scrambling of the FTP credentials, and their form as store text.
#include "net/core/scramble.h"

#include "platform/textcodec.h"

namespace net {

namespace {

unsigned char swapHalves(unsigned char b)
{
    return static_cast<unsigned char>((b << 4) | (b >> 4));
}

unsigned char positionKey(qsizetype index)
{
    return static_cast<unsigned char>((index + 1) % 16);
}

} // namespace

QByteArray scramble(QByteArrayView plain)
{
    const qsizetype size = qMin(plain.size(), ScrambleLimit);
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(plain[i]);
        out[i] = static_cast<char>(static_cast<unsigned char>(~swapHalves(b)) ^ positionKey(i));
    }
    return out;
}

QByteArray unscramble(QByteArrayView scrambled)
{
    const qsizetype size = qMin(scrambled.size(), ScrambleLimit);
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(static_cast<unsigned char>(scrambled[i])
                                                  ^ positionKey(i));
        out[i] = static_cast<char>(~swapHalves(b));
    }
    return out;
}

QString scrambleForStore(const QString &plain)
{
    QByteArray bytes = plain.toUtf8();
    if (bytes.size() > ScrambleLimit) {
        qsizetype cut = ScrambleLimit;
        // Back up to the first byte of a character so none is cut in two.
        while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    return QString::fromLatin1(scramble(bytes));
}

QString unscrambleFromStore(const QString &stored)
{
    for (const QChar c : stored) {
        if (c.unicode() > 0xFF)
            return QString();
    }
    return platform::decodeText(unscramble(stored.toLatin1()));
}

} // namespace net
