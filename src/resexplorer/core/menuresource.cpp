#include "resexplorer/core/menuresource.h"

#include "resexplorer/core/exeerror.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace resexplorer {

namespace {

constexpr std::uint64_t kHeaderSize = 4;
constexpr std::uint16_t kPopup = 0x10;
constexpr std::uint16_t kEndOfLevel = 0x80;

/// The zero-terminated text at \a at; \a at moves past its terminator.
QString readText(const ByteSpan &menu, std::uint64_t &at)
{
    std::uint64_t length = 0;
    while (true) {
        if (!menu.contains(at + 2 * length, 2))
            throw EExeError(damage::unterminatedText());
        if (menu.u16(at + 2 * length) == 0)
            break;
        ++length;
    }
    const QString text = menu.utf16(at, length);
    at += 2 * (length + 1);
    return text;
}

} // namespace

QString TMenuResource::indentText() const
{
    return QString(2 * std::max(m_depth, 0), QLatin1Char(' '));
}

void TMenuResource::renderTo(QStringList &lines)
{
    const ByteSpan menu = data();
    QStringList rendered;
    // For each popup whose items are being listed: whether the popup itself ends its level.
    std::vector<bool> openPopups;
    const auto endLevel = [&] {
        --m_depth;
        rendered.append(indentText() + QStringLiteral("ENDPOPUP"));
    };

    m_depth = 0;
    std::uint64_t at = kHeaderSize;
    while (at < menu.size()) {
        const std::uint16_t flags = menu.u16(at);
        at += 2;
        std::uint16_t id = 0;
        if (!(flags & kPopup)) {
            id = menu.u16(at);
            at += 2;
        }
        const QString text = readText(menu, at);
        if (text.isEmpty())
            rendered.append(indentText() + QStringLiteral("MENUITEM SEPARATOR"));
        else if (flags & kPopup)
            rendered.append(indentText() + QStringLiteral("POPUP \"%1\"").arg(text));
        else
            rendered.append(indentText() + QStringLiteral("MENUITEM \"%1\",  %2").arg(text, QString::number(id)));

        if (flags & kPopup) {
            openPopups.push_back((flags & kEndOfLevel) != 0);
            ++m_depth;
        } else if (flags & kEndOfLevel) {
            // This item closes its popup's items; a popup that was itself the last of its
            // level closes that level too, and so on outwards.
            endLevel();
            while (!openPopups.empty()) {
                const bool popupWasLast = openPopups.back();
                openPopups.pop_back();
                if (!popupWasLast)
                    break;
                endLevel();
            }
        }
    }
    lines = rendered;
}

} // namespace resexplorer
