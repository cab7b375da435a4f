#include "editor/core/rtfwriter.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace editor {

namespace {

// Text of one run: RTF's own characters escaped, anything beyond ASCII as \uN with a '?'
// for readers that do not know it, tabs as \tab.
void appendEscaped(QByteArray &out, QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out.append('\\');
            out.append(char(u));
        } else if (u == '\t') {
            out.append("\\tab ");
        } else if (u == QChar::LineSeparator) {
            out.append("\\line ");
        } else if (u < 0x20) {
            out.append("\\'").append(QByteArray::number(u, 16).rightJustified(2, '0'));
        } else if (u < 0x80) {
            out.append(char(u));
        } else {
            out.append("\\u").append(QByteArray::number(static_cast<qint16>(u))).append('?');
        }
    }
}

} // namespace

RtfWriter::RtfWriter(const QFont &font, const QColor &ink) : m_font(font), m_ink(ink) {}

QString RtfWriter::familyOf(const QTextCharFormat &format) const
{
    const QString family = format.property(QTextFormat::FontFamilies).toStringList().value(0);
    return family.isEmpty() ? m_font.family() : family;
}

QColor RtfWriter::colourOf(const QTextCharFormat &format) const
{
    return format.foreground().style() == Qt::NoBrush ? m_ink : format.foreground().color();
}

int RtfWriter::halfPointsOf(const QTextCharFormat &format) const
{
    qreal points = format.fontPointSize();
    if (points <= 0)
        points = m_font.pointSizeF() > 0 ? m_font.pointSizeF() : 9;
    return qRound(points * 2);
}

void RtfWriter::write(const QTextDocument &document, QIODevice &out) const
{
    QStringList fonts{m_font.family()};
    QList<QRgb> colours{m_ink.rgb()};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!fonts.contains(familyOf(format)))
                fonts.append(familyOf(format));
            if (!colours.contains(colourOf(format).rgb()))
                colours.append(colourOf(format).rgb());
        }
    }

    QByteArray text("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl");
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        text.append("{\\f").append(QByteArray::number(i)).append("\\fnil ");
        appendEscaped(text, fonts[i]);
        text.append(";}");
    }
    text.append("}\r\n{\\colortbl ;");
    for (const QRgb colour : colours) {
        text.append("\\red").append(QByteArray::number(qRed(colour)));
        text.append("\\green").append(QByteArray::number(qGreen(colour)));
        text.append("\\blue").append(QByteArray::number(qBlue(colour))).append(';');
    }
    text.append("}\r\n\\viewkind4\\uc1\\pard\\f0\\fs")
        .append(QByteArray::number(halfPointsOf(QTextCharFormat())))
        .append("\\cf1 ");

    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            text.append("{\\f").append(QByteArray::number(fonts.indexOf(familyOf(format))));
            text.append("\\fs").append(QByteArray::number(halfPointsOf(format)));
            text.append("\\cf").append(QByteArray::number(colours.indexOf(colourOf(format).rgb()) + 1));
            if (format.fontWeight() >= QFont::Bold)
                text.append("\\b");
            text.append(' ');
            appendEscaped(text, fragment.text());
            text.append('}');
        }
        if (block.next().isValid())
            text.append("\\par\r\n");
        if (text.size() >= (1 << 20)) {
            out.write(text);
            text.clear();
        }
    }
    text.append("}\r\n");
    out.write(text);
}

} // namespace editor
