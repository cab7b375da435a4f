#include "platform/busycursors.h"

#include <QGuiApplication>
#include <QPixmap>

// The cursor pictures live in this static library: register them before the first use.
static void initCursorResources()
{
    Q_INIT_RESOURCE(platform);
}

namespace platform {

BusyCursors::BusyCursors()
{
    initCursorResources();
    for (int n = 1; n <= count; ++n) {
        const QPixmap picture(QStringLiteral(":/cursors/CURSOR_%1").arg(n));
        m_cursors.append(picture.isNull() ? QCursor(Qt::BusyCursor) : QCursor(picture, 1, 1));
    }
}

QCursor BusyCursors::cursor(int index) const
{
    if (index < 1 || index > count)
        return QCursor(Qt::ArrowCursor);
    return m_cursors.at(index - 1);
}

void showScreenCursor(const BusyCursors &cursors, int index)
{
    if (index == 0) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        return;
    }
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursors.cursor(index));
    else
        QGuiApplication::setOverrideCursor(cursors.cursor(index));
}

} // namespace platform
