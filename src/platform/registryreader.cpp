// Line-by-line reader of registry text files. Every line is parsed on its own: a line that
// does not parse is counted and skipped, and reading goes on with the next one.
#include "platform/registryreader.h"

#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringView>

#include <optional>

namespace platform {

namespace {

// Windows does not nest keys deeper than this; deeper paths are refused as damaged.
constexpr qsizetype kMaxKeyDepth = 512;

// The header line of a Wine hive naming the key its paths are relative to.
constexpr QStringView kWineRelativeTo = u";; All keys relative to ";

// The header writes each "\" of the key doubled.
QString unescapeWinePath(QStringView path)
{
    return path.trimmed().toString().replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

QString decodeUtf16(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[i]);
        const auto hi = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(static_cast<char16_t>(lo | (hi << 8))));
    }
    return text;
}

QString decodeFileText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeText(bytes.constData() + 3, bytes.size() - 3);
    return decodeText(bytes);
}

class Parser {
public:
    Parser(const QString &text, const QString &rootName, RegistryKey &root)
        : m_text(text), m_rootName(rootName), m_root(root)
    {
    }

    RegistryReadReport run()
    {
        QStringView line;
        while (nextLine(line) && line.isEmpty()) {
        }
        if (line.isEmpty())
            return m_report; // a blank file: nothing there to lose
        if (line == u"REGEDIT4") {
            m_report.format = RegistryFileFormat::Regedit4;
        } else if (line == u"Windows Registry Editor Version 5.00") {
            m_report.format = RegistryFileFormat::Regedit5;
        } else if (line == u"WINE REGISTRY Version 2") {
            m_report.format = RegistryFileFormat::Wine;
        } else {
            // No header: read what follows as the store's own format, the first line included.
            ++m_report.damagedLines;
            parseLine(line);
        }
        while (nextLine(line))
            parseLine(line);
        return m_report;
    }

private:
    bool isWine() const { return m_report.format == RegistryFileFormat::Wine; }
    bool wideHexStrings() const { return m_report.format != RegistryFileFormat::Regedit4
                                         && m_report.format != RegistryFileFormat::Unknown; }

    // The next line without its end (CR LF, CR or LF) and surrounding blanks.
    bool nextLine(QStringView &line)
    {
        if (m_pos >= m_text.size()) {
            line = QStringView();
            return false;
        }
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r')
            ++end;
        line = QStringView(m_text).mid(m_pos, end - m_pos).trimmed();
        if (end < m_text.size() && m_text[end] == '\r' && end + 1 < m_text.size()
            && m_text[end + 1] == '\n')
            ++end;
        m_pos = end + 1;
        return true;
    }

    void damaged() { ++m_report.damagedLines; }

    void parseLine(QStringView line)
    {
        if (line.isEmpty())
            return;
        if (line.startsWith(';') || line.startsWith('#')) {
            // Wine's own annotations ("#time=") mean nothing here, but for the key its paths are
            // relative to. A comment added to an export by hand would be lost by a rewrite, so it
            // counts as a line not taken in.
            if (!isWine())
                damaged();
            else if (line.startsWith(kWineRelativeTo))
                m_report.wineRelativeTo = unescapeWinePath(line.mid(kWineRelativeTo.size()));
            return;
        }
        if (line.startsWith('['))
            parseKeyLine(line.mid(1));
        else if (line.startsWith('"') || line.startsWith('@'))
            parseValueLine(line);
        else
            damaged();
    }

    void parseKeyLine(QStringView rest)
    {
        m_key = nullptr;
        m_inForeignKey = true; // until the path proves good, its values are skipped quietly
        bool remove = false;
        if (rest.startsWith('-')) {
            remove = true;
            rest = rest.mid(1);
        }
        QString path;
        if (isWine()) {
            qsizetype used = 0;
            const std::optional<QString> unescaped = readEscaped(rest, ']', &used);
            if (!unescaped) {
                damaged();
                return;
            }
            path = *unescaped;
        } else {
            const qsizetype close = rest.lastIndexOf(']');
            if (close < 0 || !rest.mid(close + 1).trimmed().isEmpty()) {
                damaged();
                return;
            }
            const std::optional<QString> relative = belowRoot(rest.first(close).toString());
            if (!relative) {
                damaged();
                return;
            }
            path = *relative;
        }
        if (path.count('\\') >= kMaxKeyDepth) {
            damaged();
            return;
        }
        if (remove) {
            m_root.removeKey(path);
            return;
        }
        m_key = path.isEmpty() || path == u"\\" ? &m_root : m_root.createKey(path);
        if (!m_key)
            damaged();
        else
            m_inForeignKey = false;
    }

    // The path below the root key of an export path, or nothing when it names another root.
    std::optional<QString> belowRoot(const QString &path) const
    {
        if (path.compare(m_rootName, Qt::CaseInsensitive) == 0)
            return QString();
        if (path.size() > m_rootName.size() && path[m_rootName.size()] == '\\'
            && path.startsWith(m_rootName, Qt::CaseInsensitive))
            return path.mid(m_rootName.size() + 1);
        return std::nullopt;
    }

    void parseValueLine(QStringView line)
    {
        if (!m_key) {
            if (!m_inForeignKey)
                damaged(); // a value before any key
            return;
        }
        QString name;
        qsizetype pos = 0;
        if (line.startsWith('@')) {
            pos = 1;
        } else {
            qsizetype used = 0;
            const std::optional<QString> quoted = readEscaped(line.mid(1), '"', &used);
            if (!quoted) {
                damaged();
                return;
            }
            name = *quoted;
            pos = 1 + used;
        }
        QStringView rest = line.mid(pos).trimmed();
        if (!rest.startsWith('=')) {
            damaged();
            return;
        }
        rest = rest.mid(1).trimmed();
        if (rest == u"-") {
            m_key->removeValue(name);
            return;
        }
        const std::optional<RegistryValue> value = parseData(rest);
        if (!value || !m_key->setValue(name, *value))
            damaged();
    }

    std::optional<RegistryValue> parseData(QStringView data)
    {
        if (data.startsWith('"')) {
            const std::optional<QString> text = quotedOnly(data);
            if (!text)
                return std::nullopt;
            return RegistryValue::string(*text);
        }
        if (data.startsWith(u"dword:"))
            return parseDword(data.mid(6));
        if (data.startsWith(u"hex:")) {
            const std::optional<QByteArray> bytes = parseHexBytes(data.mid(4));
            if (!bytes)
                return std::nullopt;
            return RegistryValue::binary(*bytes);
        }
        if (data.startsWith(u"hex(")) {
            qsizetype used = 0;
            const std::optional<quint32> type = parseTypeNumber(data.mid(4), &used);
            if (!type)
                return std::nullopt;
            const std::optional<QByteArray> bytes = parseHexBytes(data.mid(4 + used));
            if (!bytes)
                return std::nullopt;
            return decodeHexValue(*type, *bytes);
        }
        if (isWine() && data.startsWith(u"str(")) {
            qsizetype used = 0;
            const std::optional<quint32> type = parseTypeNumber(data.mid(4), &used);
            if (!type)
                return std::nullopt;
            const std::optional<QString> text = quotedOnly(data.mid(4 + used));
            if (!text)
                return std::nullopt;
            return decodeWineString(*type, *text);
        }
        return std::nullopt;
    }

    // "N):" after "hex(" or "str(": the type number in hexadecimal.
    static std::optional<quint32> parseTypeNumber(QStringView data, qsizetype *used)
    {
        const qsizetype close = data.indexOf(u"):");
        if (close <= 0 || close > 8)
            return std::nullopt;
        quint32 type = 0;
        for (qsizetype i = 0; i < close; ++i) {
            const int digit = hexDigit(data[i]);
            if (digit < 0)
                return std::nullopt;
            type = type << 4 | quint32(digit);
        }
        *used = close + 2;
        return type;
    }

    static std::optional<RegistryValue> parseDword(QStringView digits)
    {
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        quint32 number = 0;
        for (const QChar c : digits) {
            const int digit = hexDigit(c);
            if (digit < 0)
                return std::nullopt;
            number = number << 4 | quint32(digit);
        }
        return RegistryValue::dword(number);
    }

    // Comma-separated bytes of one or two hex digits; a trailing "\" continues on the next line.
    std::optional<QByteArray> parseHexBytes(QStringView data)
    {
        QByteArray bytes;
        for (;;) {
            bool continued = false;
            if (data.endsWith('\\')) {
                continued = true;
                data.chop(1);
            }
            for (QStringView token : data.split(',')) {
                token = token.trimmed();
                if (token.isEmpty())
                    continue;
                const int high = hexDigit(token[0]);
                const int low = token.size() == 2 ? hexDigit(token[1]) : 0;
                if (token.size() > 2 || high < 0 || low < 0)
                    return std::nullopt;
                bytes.append(char(token.size() == 2 ? high << 4 | low : high));
            }
            if (!continued)
                return bytes;
            if (!nextLine(data))
                return std::nullopt;
        }
    }

    QString hexText(const QByteArray &bytes) const
    {
        return wideHexStrings() ? decodeUtf16(bytes) : decodeText(bytes);
    }

    static QString withoutTerminator(QString text)
    {
        if (text.endsWith(QChar(0)))
            text.chop(1);
        return text;
    }

    // REG_MULTI_SZ: strings each ended by a zero character, the list ended by an empty one.
    static QStringList splitMultiString(const QString &text)
    {
        QStringList strings;
        for (const QString &s : text.split(QChar(0))) {
            if (s.isEmpty())
                break;
            strings.append(s);
        }
        return strings;
    }

    std::optional<RegistryValue> decodeHexValue(quint32 type, const QByteArray &bytes) const
    {
        switch (static_cast<RegistryType>(type)) {
        case RegistryType::String:
            return RegistryValue::string(withoutTerminator(hexText(bytes)));
        case RegistryType::ExpandString:
            return RegistryValue::expandString(withoutTerminator(hexText(bytes)));
        case RegistryType::MultiString:
            return RegistryValue::multiString(splitMultiString(hexText(bytes)));
        case RegistryType::DWord:
            if (bytes.size() != 4)
                return std::nullopt;
            return RegistryValue::dword(quint32(quint8(bytes[0])) | quint32(quint8(bytes[1])) << 8
                                        | quint32(quint8(bytes[2])) << 16
                                        | quint32(quint8(bytes[3])) << 24);
        default:
            return RegistryValue::raw(type, bytes);
        }
    }

    static std::optional<RegistryValue> decodeWineString(quint32 type, const QString &text)
    {
        switch (static_cast<RegistryType>(type)) {
        case RegistryType::String:
            return RegistryValue::string(text);
        case RegistryType::ExpandString:
            return RegistryValue::expandString(text);
        case RegistryType::MultiString:
            return RegistryValue::multiString(splitMultiString(text));
        default:
            return std::nullopt;
        }
    }

    // A quoted string (opening quote included in \a data) with nothing after it.
    std::optional<QString> quotedOnly(QStringView data) const
    {
        if (!data.startsWith('"'))
            return std::nullopt;
        qsizetype used = 0;
        std::optional<QString> text = readEscaped(data.mid(1), '"', &used);
        if (!text || !data.mid(1 + used).trimmed().isEmpty())
            return std::nullopt;
        return text;
    }

    // The text up to the unescaped \a close, which \a used counts too. Exports escape only "\"
    // and the quote; Wine also writes C escapes (\n, \x263a, \012).
    std::optional<QString> readEscaped(QStringView data, QChar close, qsizetype *used) const
    {
        QString out;
        qsizetype i = 0;
        while (i < data.size()) {
            const QChar c = data[i++];
            if (c == close) {
                *used = i;
                return out;
            }
            if (c != '\\' || i == data.size()) {
                out.append(c);
                continue;
            }
            const QChar e = data[i++];
            if (!isWine()) {
                // A lone backslash in a hand-edited path is kept as written.
                if (e != '\\' && e != '"')
                    out.append('\\');
                out.append(e);
                continue;
            }
            out.append(wineEscape(e, data, i));
        }
        return std::nullopt;
    }

    static QChar wineEscape(QChar e, QStringView data, qsizetype &i)
    {
        switch (e.unicode()) {
        case 'a': return QChar(0x07);
        case 'b': return QChar(0x08);
        case 't': return QChar(0x09);
        case 'n': return QChar(0x0A);
        case 'v': return QChar(0x0B);
        case 'f': return QChar(0x0C);
        case 'r': return QChar(0x0D);
        case 'e': return QChar(0x1B);
        case 'x': {
            char16_t code = 0;
            int digits = 0;
            while (digits < 4 && i < data.size() && hexDigit(data[i]) >= 0) {
                code = char16_t(code << 4 | hexDigit(data[i++]));
                ++digits;
            }
            return digits ? QChar(code) : QChar('x');
        }
        default:
            if (e >= '0' && e <= '7') {
                char16_t code = char16_t(e.unicode() - '0');
                for (int digits = 1; digits < 3 && i < data.size() && data[i] >= '0'
                                     && data[i] <= '7'; ++digits)
                    code = char16_t(code << 3 | (data[i++].unicode() - '0'));
                return QChar(code);
            }
            return e; // \\, \", \[, \] and anything else stand for themselves
        }
    }

    const QString &m_text;
    const QString &m_rootName;
    RegistryKey &m_root;
    qsizetype m_pos = 0;
    RegistryKey *m_key = nullptr;
    bool m_inForeignKey = false;
    RegistryReadReport m_report;
};

} // namespace

RegistryReadReport readRegistryText(const QByteArray &bytes, const QString &rootName,
                                    RegistryKey &root)
{
    const QString text = decodeFileText(bytes);
    return Parser(text, rootName, root).run();
}

RegistryReadReport readRegistryFile(const QString &path, const QString &rootName,
                                    RegistryKey &root)
{
    RegistryReadReport report;
    RegularFile file;
    if (!file.open(QFile::encodeName(path))) {
        // Refused but present (no permission, not a regular file) is not the same as absent.
        if (QFileInfo::exists(path))
            report.unreadable = true;
        else
            report.missing = true;
        return report;
    }
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const long got = file.read(buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0 || bytes.size() + got > MaxRegistryFileSize) {
            report.unreadable = true;
            return report;
        }
        bytes.append(buffer, got);
    }
    return readRegistryText(bytes, rootName, root);
}

} // namespace platform
