#include "platform/desktopwindows.h"

#include "platform/textcodec.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QSysInfo>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// Titles and classes are cut short by the window list anyway; a client cannot make us fetch
// more than this many bytes of one property.
constexpr uint32_t kMaxPropertyLongs = 1024;
// A window manager's frame holds its client a level or two down; this bounds the search.
constexpr int kMaxClientDepth = 3;
constexpr int kMaxFrameWindows = 64;

struct Atoms {
    xcb_atom_t wmState = XCB_ATOM_NONE;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t netWmPid = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
};

Atoms internAtoms(xcb_connection_t *connection)
{
    const char *names[] = {"WM_STATE", "_NET_WM_NAME", "_NET_WM_PID", "UTF8_STRING"};
    xcb_intern_atom_cookie_t cookies[4];
    for (int i = 0; i < 4; ++i)
        cookies[i] = xcb_intern_atom(connection, 1, uint16_t(strlen(names[i])), names[i]);
    xcb_atom_t atoms[4];
    for (int i = 0; i < 4; ++i) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return {atoms[0], atoms[1], atoms[2], atoms[3]};
}

xcb_get_property_cookie_t askProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t atom)
{
    return xcb_get_property(connection, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxPropertyLongs);
}

struct Property {
    xcb_atom_t type = XCB_ATOM_NONE;
    uint8_t format = 0;
    QByteArray bytes;
};

Property takeProperty(xcb_connection_t *connection, xcb_get_property_cookie_t cookie)
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    const int length = xcb_get_property_value_length(reply.get());
    return {reply->type, reply->format,
            QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())), std::max(length, 0))};
}

QList<xcb_window_t> children(xcb_connection_t *connection, xcb_window_t window)
{
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree)
        return {};
    const xcb_window_t *first = xcb_query_tree_children(tree.get());
    return QList<xcb_window_t>(first, first + xcb_query_tree_children_length(tree.get()));
}

// The window that carries the client's properties: the top-level itself when it has WM_STATE or
// when nothing below has it (no window manager), else the first descendant with WM_STATE.
xcb_window_t clientWindow(xcb_connection_t *connection, const Atoms &atoms, xcb_window_t topLevel)
{
    if (atoms.wmState == XCB_ATOM_NONE || takeProperty(connection, askProperty(connection, topLevel, atoms.wmState)).type)
        return topLevel;
    QList<xcb_window_t> level = children(connection, topLevel);
    int examined = 0;
    for (int depth = 0; depth < kMaxClientDepth && !level.isEmpty() && examined < kMaxFrameWindows; ++depth) {
        QList<xcb_get_property_cookie_t> cookies;
        for (xcb_window_t window : level)
            cookies.append(askProperty(connection, window, atoms.wmState));
        xcb_window_t found = XCB_WINDOW_NONE;
        for (qsizetype i = 0; i < level.size(); ++i) {
            if (takeProperty(connection, cookies[i]).type && found == XCB_WINDOW_NONE)
                found = level[i];
        }
        if (found != XCB_WINDOW_NONE)
            return found;
        examined += int(level.size());
        QList<xcb_window_t> next;
        for (xcb_window_t window : level)
            next.append(children(connection, window));
        level = next;
    }
    return topLevel;
}

// WM_CLASS holds "instance\0class\0".
QString className(const Property &property)
{
    if (property.format != 8)
        return {};
    const QList<QByteArray> parts = property.bytes.split('\0');
    if (parts.size() > 1 && !parts[1].isEmpty())
        return QString::fromLatin1(parts[1]);
    return QString::fromLatin1(parts.value(0));
}

QString text(const Property &property)
{
    if (property.format != 8)
        return {};
    QByteArray bytes = property.bytes;
    if (const qsizetype end = bytes.indexOf('\0'); end >= 0)
        bytes.truncate(end);
    // STRING is Latin-1 by definition; UTF8_STRING and the rest are taken as UTF-8 where valid.
    return property.type == XCB_ATOM_STRING ? QString::fromLatin1(bytes) : decodeText(bytes);
}

qint64 cardinal(const Property &property)
{
    if (property.type != XCB_ATOM_CARDINAL || property.format != 32 || property.bytes.size() < 4)
        return 0;
    uint32_t value;
    memcpy(&value, property.bytes.constData(), sizeof value);
    return value;
}

} // namespace

std::optional<QList<DesktopWindow>> x11TopLevelWindows()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return std::nullopt;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    const Atoms atoms = internAtoms(connection);

    // The server lists the root's children bottom first.
    QList<xcb_window_t> topLevels = children(connection, screen->root);
    std::reverse(topLevels.begin(), topLevels.end());
    QList<xcb_get_window_attributes_cookie_t> attributeCookies;
    for (xcb_window_t window : topLevels)
        attributeCookies.append(xcb_get_window_attributes(connection, window));
    QList<xcb_window_t> clients;
    for (qsizetype i = 0; i < topLevels.size(); ++i) {
        Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, attributeCookies[i], nullptr));
        // Unmapped windows (Qt's own helpers among them) are not on the desktop.
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            clients.append(topLevels[i]);
    }
    for (xcb_window_t &window : clients)
        window = clientWindow(connection, atoms, window);

    struct Cookies {
        xcb_get_property_cookie_t wmClass, netWmName, wmName, pid, machine;
    };
    QList<Cookies> cookies;
    for (xcb_window_t window : clients) {
        cookies.append({askProperty(connection, window, XCB_ATOM_WM_CLASS), askProperty(connection, window, atoms.netWmName),
                        askProperty(connection, window, XCB_ATOM_WM_NAME), askProperty(connection, window, atoms.netWmPid),
                        askProperty(connection, window, XCB_ATOM_WM_CLIENT_MACHINE)});
    }
    const QString localHost = QSysInfo::machineHostName();
    QList<DesktopWindow> windows;
    for (qsizetype i = 0; i < clients.size(); ++i) {
        DesktopWindow window;
        window.id = clients[i];
        window.className = className(takeProperty(connection, cookies[i].wmClass));
        const Property netWmName = takeProperty(connection, cookies[i].netWmName);
        const Property wmName = takeProperty(connection, cookies[i].wmName);
        window.title = netWmName.type == atoms.utf8String ? text(netWmName) : QString();
        if (window.title.isEmpty())
            window.title = text(wmName);
        const qint64 pid = cardinal(takeProperty(connection, cookies[i].pid));
        const QString machine = text(takeProperty(connection, cookies[i].machine));
        // A process id only means something on the machine the window's client runs on.
        if (pid > 0 && (machine.isEmpty() || machine == localHost)) {
            window.pid = pid;
            window.program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        }
        windows.append(window);
    }
    return windows;
}

} // namespace platform
