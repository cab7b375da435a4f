// REGEDIT4 text of a key tree, in the layout of a registry export: one block per key, long hex
// data wrapped at 80 columns with "\" continuations.
#include "platform/registrywriter.h"

namespace platform {

namespace {

constexpr qsizetype kLineWidth = 80;

QByteArray quoted(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

bool fitsQuotedString(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != '\t')
            return false;
    }
    return true;
}

// The bytes of a string value as REGEDIT4 stores them: the text, then its zero terminator.
QByteArray terminated(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.append('\0');
    return bytes;
}

void appendHex(QByteArray &out, const QByteArray &prefix, const QByteArray &bytes)
{
    static const char digits[] = "0123456789abcdef";
    qsizetype lineStart = out.size();
    out += prefix;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 15];
        if (i + 1 < bytes.size()) {
            out += ',';
            if (out.size() - lineStart > kLineWidth - 4) {
                out += "\\\n  ";
                lineStart = out.size() - 2;
            }
        }
    }
}

void appendValue(QByteArray &out, const QString &name, const RegistryValue &value)
{
    QByteArray head = name.isEmpty() ? QByteArray("@") : quoted(name);
    head += '=';
    switch (value.type()) {
    case RegistryType::String:
        if (fitsQuotedString(value.text()))
            out += head + quoted(value.text());
        else
            appendHex(out, head + "hex(1):", terminated(value.text()));
        break;
    case RegistryType::ExpandString:
        appendHex(out, head + "hex(2):", terminated(value.text()));
        break;
    case RegistryType::MultiString: {
        QByteArray bytes;
        for (const QString &s : value.strings())
            bytes += terminated(s);
        bytes += '\0';
        appendHex(out, head + "hex(7):", bytes);
        break;
    }
    case RegistryType::DWord:
        out += head + "dword:" + QByteArray::number(value.number(), 16).rightJustified(8, '0');
        break;
    case RegistryType::Binary:
        appendHex(out, head + "hex:", value.bytes());
        break;
    default:
        appendHex(out, head + "hex(" + QByteArray::number(value.typeNumber(), 16) + "):",
                  value.bytes());
        break;
    }
    out += '\n';
}

void appendKey(QByteArray &out, const RegistryKey &key, const QByteArray &path)
{
    out += '\n';
    out += '[' + path + "]\n";
    for (const QString &name : key.valueNames())
        appendValue(out, name, *key.value(name));
    for (const QString &name : key.subkeyNames())
        appendKey(out, *key.subkey(name), path + '\\' + name.toUtf8());
}

} // namespace

QByteArray writeRegedit4(const RegistryKey &root, const QString &rootName)
{
    QByteArray out = "REGEDIT4\n";
    appendKey(out, root, rootName.toUtf8());
    return out;
}

} // namespace platform
