#include "platform/compositing.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace platform {

bool screenComposited()
{
    const QString name = QGuiApplication::platformName();
    if (name.startsWith(QLatin1String("wayland")))
        return true;
#if QT_CONFIG(xcb)
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t *connection = x11->connection();
    const QByteArray selection = QByteArrayLiteral("_NET_WM_CM_S0");
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(selection.size()), selection.constData()), nullptr);
    if (!atom)
        return false;
    bool owned = false;
    if (atom->atom != XCB_ATOM_NONE) {
        xcb_get_selection_owner_reply_t *owner =
            xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        owned = owner && owner->owner != XCB_WINDOW_NONE;
        std::free(owner);
    }
    std::free(atom);
    return owned;
#else
    return false;
#endif
}

} // namespace platform
