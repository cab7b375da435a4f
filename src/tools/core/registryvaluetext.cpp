#include "tools/core/registryvaluetext.h"

#include "platform/textcodec.h"

namespace tools {

namespace {

constexpr int BytesPerLine = 8;

QString hexByte(quint8 byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

// A byte as the character it stands for: ASCII, else the Windows code page.
QString byteCharacter(quint8 byte)
{
    if (byte < 32)
        return QStringLiteral(".");
    const char c = char(byte);
    return platform::decodeText(&c, 1);
}

} // namespace

QStringList registryValueLines(const platform::RegistryValue &value)
{
    switch (value.type()) {
    case platform::RegistryType::String:
    case platform::RegistryType::ExpandString: {
        const QString text = value.text();
        const qsizetype zero = text.indexOf(QChar(0));
        return {zero < 0 ? text : text.left(zero)};
    }
    case platform::RegistryType::DWord:
        return {QString::number(qint32(value.number()))};
    case platform::RegistryType::Binary:
        return registryBinaryDump(value.bytes());
    default:
        return {};
    }
}

QStringList registryBinaryDump(const QByteArray &bytes)
{
    QStringList lines;
    lines.reserve(bytes.size() / BytesPerLine + 1);
    QString hex;
    QString characters;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = quint8(bytes[i]);
        hex += QLatin1Char(' ') + hexByte(byte);
        characters += byteCharacter(byte);
        if (i - lineStart + 1 == BytesPerLine || i + 1 == bytes.size()) {
            lines.append(QStringLiteral("%1").arg(lineStart, 4, 16, QLatin1Char('0')).toUpper() + QLatin1String("  ") + hex
                         + QLatin1String("    ") + characters);
            hex.clear();
            characters.clear();
            lineStart = i + 1;
        }
    }
    return lines;
}

} // namespace tools
