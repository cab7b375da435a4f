#include "editor/core/rtfwriter.h"

#include "editor/core/textdocument.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QStringList>

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

int halfPointsOf(const QFont &font)
{
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
    return qRound(points * 2);
}

} // namespace

RtfWriter::RtfWriter(const QFont &font, const QColor &ink) : m_font(font), m_ink(ink) {}

void RtfWriter::write(const TextDocument &document, QIODevice &out) const
{
    const std::vector<MarkStyle> &styles = document.marks().styles();
    QStringList fonts{m_font.family()};
    QList<QRgb> colours{m_ink.rgb()};
    for (const MarkStyle &style : styles) {
        if (!fonts.contains(style.font.family()))
            fonts.append(style.font.family());
        if (!colours.contains(style.colour.rgb()))
            colours.append(style.colour.rgb());
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
    text.append("}\r\n\\viewkind4\\uc1\\pard\\f0\\fs").append(QByteArray::number(halfPointsOf(m_font))).append("\\cf1 ");

    // One group for each run of one style within a line; each line break a paragraph's end.
    const auto group = [&](int style) {
        const QFont &font = style < 0 ? m_font : styles[std::size_t(style)].font;
        const QColor &colour = style < 0 ? m_ink : styles[std::size_t(style)].colour;
        QByteArray opening("{\\f");
        opening.append(QByteArray::number(fonts.indexOf(font.family())));
        opening.append("\\fs").append(QByteArray::number(halfPointsOf(font)));
        opening.append("\\cf").append(QByteArray::number(colours.indexOf(colour.rgb()) + 1));
        if (style >= 0 && font.bold())
            opening.append("\\b");
        return opening.append(' ');
    };
    const TextBuffer &buffer = document.buffer();
    const auto writeRun = [&](qsizetype from, qsizetype to, int style) {
        const QByteArray opening = group(style);
        buffer.visit(from, to, [&](QStringView piece) {
            for (qsizetype start = 0; start < piece.size();) {
                qsizetype stop = piece.indexOf(u'\n', start);
                if (stop < 0)
                    stop = piece.size();
                if (stop > start) {
                    text.append(opening);
                    appendEscaped(text, piece.sliced(start, stop - start));
                    text.append('}');
                }
                if (stop < piece.size())
                    text.append("\\par\r\n");
                start = stop + 1;
                if (text.size() >= (1 << 20)) {
                    out.write(text);
                    text.clear();
                }
            }
        });
    };
    const std::vector<Mark> marks = document.marks().between(0, buffer.length());
    qsizetype at = 0;
    for (const Mark &mark : marks) {
        writeRun(at, mark.start, -1);
        writeRun(mark.start, mark.end, mark.style);
        at = mark.end;
    }
    writeRun(at, buffer.length(), -1);
    text.append("}\r\n");
    out.write(text);
}

} // namespace editor
