// ASCII-only case folding: the search upper-cases a to z and leaves every other byte alone,
// so accented letters are matched exactly.
#pragma once

#include <QByteArray>
#include <QString>

namespace search {

constexpr unsigned char asciiUpper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

inline QByteArray asciiUpper(QByteArray bytes)
{
    for (char &c : bytes)
        c = static_cast<char>(asciiUpper(static_cast<unsigned char>(c)));
    return bytes;
}

inline QString asciiUpper(QString text)
{
    for (QChar &c : text)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(c.unicode() - 32);
    return text;
}

} // namespace search
