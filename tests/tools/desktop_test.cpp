// The window list on a real X server: windows of other programs (a Qt window in a child process,
// xmessage) appear with class, title and program and go once closed; window-manager frames,
// remote clients and unmapped windows; the system-information window closing on mouse movement;
// and the frame opening the three tool windows.
#include "platform/desktopwindows.h"
#include "shell/gui/tframeform.h"
#include "tools/core/windowlistmodel.h"
#include "tools/core/windowrow.h"
#include "tools/gui/tform_spy.h"
#include "tools/gui/tformfontlist.h"
#include "tools/gui/twabout.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>
#include <QToolButton>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void otherProgramsComeAndGo();
    void readsClientsBehindFrames();
    void aboutClosesOnMouseMovement();
    void frameOpensTheToolWindows();
};

namespace {

const char kChildClass[] = "Vorlaneessai";
const char kChildTitle[] = "Fenêtre d'essai de la liste";
const char kXmessageTitle[] = "Message sans identite";

// A program of the test itself that shows one window until it is ended.
int childWindow(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kChildClass));
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(kChildTitle));
    window.resize(200, 100);
    window.show();
    return QApplication::exec();
}

const tools::WindowRow *rowTitled(const tools::WindowListModel &model, const QString &title)
{
    for (const tools::WindowRow &row : model.rows()) {
        if (row.title.trimmed() == title)
            return &row;
    }
    return nullptr;
}

bool onDesktop(const QString &title)
{
    const auto windows = platform::x11TopLevelWindows();
    return windows && std::any_of(windows->begin(), windows->end(), [&](const auto &w) { return w.title == title; });
}

// Activates another window, then the list again, as a user coming back to it.
bool reactivate(QWidget *list, QWidget *elsewhere)
{
    elsewhere->activateWindow();
    if (!QTest::qWaitForWindowActive(elsewhere))
        return false;
    list->activateWindow();
    return QTest::qWaitForWindowActive(list);
}

struct XConnection {
    XConnection() : c(xcb_connect(nullptr, nullptr)) {}
    ~XConnection() { xcb_disconnect(c); }
    xcb_atom_t atom(const char *name) const
    {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr), &free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    xcb_window_t window(xcb_window_t parent, bool map)
    {
        const xcb_window_t id = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, id, parent, 10, 10, 100, 50, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        if (map)
            xcb_map_window(c, id);
        return id;
    }
    void set(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, int format, const void *data, uint32_t count)
    {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, uint8_t(format), count, data);
    }
    void setText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, const QByteArray &text)
    {
        set(window, property, type, 8, text.constData(), uint32_t(text.size()));
    }
    xcb_connection_t *c;
};

} // namespace

void DesktopTest::otherProgramsComeAndGo()
{
    QWidget elsewhere;
    elsewhere.setWindowTitle(QStringLiteral("Ailleurs"));
    elsewhere.show();
    auto *list = new tools::TForm_Spy;
    QPointer<QWidget> guard(list);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    QVERIFY(reactivate(list, &elsewhere));
    const tools::WindowListModel &model = list->model();
    QVERIFY(rowTitled(model, QStringLiteral("Applications ouvertes")));
    QVERIFY(!rowTitled(model, QString::fromUtf8(kChildTitle)));

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--window")});
    QProcess xmessage;
    xmessage.start(QStringLiteral("xmessage"),
                   {QStringLiteral("-name"), QStringLiteral("essai"), QStringLiteral("-title"),
                    QString::fromLatin1(kXmessageTitle), QStringLiteral("bonjour")});
    QVERIFY(child.waitForStarted() && xmessage.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(onDesktop(QString::fromUtf8(kChildTitle)), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(onDesktop(QString::fromLatin1(kXmessageTitle)), 20000);

    QVERIFY(reactivate(list, &elsewhere));
    const tools::WindowRow *row = rowTitled(model, QString::fromUtf8(kChildTitle));
    QVERIFY(row);
    QCOMPARE(row->code, tools::instanceCode(child.processId()));
    QCOMPARE(row->application, QFileInfo(QCoreApplication::applicationFilePath()).fileName().leftJustified(20));
    QCOMPARE(row->className, QString::fromLatin1(kChildClass).leftJustified(40));
    QCOMPARE(row->title, QString::fromUtf8(kChildTitle).leftJustified(64));
    // xmessage does not say which process it is: no program, code 0000.
    row = rowTitled(model, QString::fromLatin1(kXmessageTitle));
    QVERIFY(row);
    QCOMPARE(row->className, QStringLiteral("Xmessage").leftJustified(40));
    QCOMPARE(row->code, QStringLiteral("0000"));
    QCOMPARE(row->application, QString(20, QLatin1Char(' ')));
    const int before = model.rowCount();

    child.terminate();
    QVERIFY(child.waitForFinished());
    QTRY_VERIFY_WITH_TIMEOUT(!onDesktop(QString::fromUtf8(kChildTitle)), 20000);
    QVERIFY(rowTitled(model, QString::fromUtf8(kChildTitle)));
    QVERIFY(reactivate(list, &elsewhere));
    QVERIFY(!rowTitled(model, QString::fromUtf8(kChildTitle)));
    QVERIFY(rowTitled(model, QString::fromLatin1(kXmessageTitle)));
    QCOMPARE(model.rowCount(), before - 1);
    xmessage.kill();
    xmessage.waitForFinished();

    // "Explorer" rebuilds too.
    QTRY_VERIFY_WITH_TIMEOUT(!onDesktop(QString::fromLatin1(kXmessageTitle)), 20000);
    list->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    QVERIFY(!rowTitled(model, QString::fromLatin1(kXmessageTitle)));
    list->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

void DesktopTest::readsClientsBehindFrames()
{
    XConnection x;
    QVERIFY(!xcb_connection_has_error(x.c));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x.c)).data->root;
    const xcb_atom_t utf8 = x.atom("UTF8_STRING");
    const uint32_t pid = uint32_t(QCoreApplication::applicationPid());
    const QByteArray host = QSysInfo::machineHostName().toLatin1();

    // A window manager's frame, with the client two levels down.
    const xcb_window_t frame = x.window(root, true);
    const xcb_window_t inner = x.window(frame, true);
    const xcb_window_t client = x.window(inner, true);
    const uint32_t normalState[2] = {1, 0};
    x.set(client, x.atom("WM_STATE"), x.atom("WM_STATE"), 32, normalState, 2);
    x.setText(client, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, QByteArray("cadre\0Cadre\0", 12));
    x.setText(client, x.atom("_NET_WM_NAME"), utf8, QByteArray("Fenêtre encadrée"));
    x.setText(client, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, QByteArray("Fen\xeatre (Latin-1)"));
    x.set(client, x.atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, &pid, 1);
    x.setText(client, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, host);
    // A client of another machine: its process id means nothing here.
    const xcb_window_t remote = x.window(root, true);
    x.setText(remote, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, QByteArray("only-instance", 13));
    x.setText(remote, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, QByteArray("Fen\xeatre distante"));
    x.set(remote, x.atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, &pid, 1);
    x.setText(remote, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, "ailleurs.example");
    const xcb_window_t hidden = x.window(root, false);
    x.setText(hidden, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, "Cachee");
    // A round trip: everything above has reached the server.
    std::free(xcb_get_input_focus_reply(x.c, xcb_get_input_focus(x.c), nullptr));

    const auto windows = platform::x11TopLevelWindows();
    QVERIFY(windows);
    qsizetype framed = -1, distant = -1;
    for (qsizetype i = 0; i < windows->size(); ++i) {
        const platform::DesktopWindow &window = windows->at(i);
        QVERIFY(window.title != QStringLiteral("Cachee"));
        QVERIFY(window.id != frame && window.id != inner);
        if (window.id == client)
            framed = i;
        if (window.id == remote)
            distant = i;
    }
    QVERIFY(framed >= 0 && distant >= 0);
    // Mapped last, so on top: listed first.
    QVERIFY(distant < framed);
    const platform::DesktopWindow &a = windows->at(framed);
    QCOMPARE(a.className, QStringLiteral("Cadre"));
    QCOMPARE(a.title, QStringLiteral("Fenêtre encadrée"));
    QCOMPARE(a.pid, QCoreApplication::applicationPid());
    QCOMPARE(QFileInfo(a.program).canonicalFilePath(), QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
    const platform::DesktopWindow &b = windows->at(distant);
    QCOMPARE(b.className, QStringLiteral("only-instance"));
    QCOMPARE(b.title, QStringLiteral("Fenêtre distante"));
    QCOMPARE(b.pid, qint64(0));
    QVERIFY(b.program.isEmpty());
}

void DesktopTest::aboutClosesOnMouseMovement()
{
    // Over a fact label, over the picture and over the program's name.
    for (const char *over : {"lblCPUNum", "Image2", "Label1"}) {
        QCursor::setPos(1, 1);
        auto *window = new tools::TWAbout;
        QPointer<QWidget> guard(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!window->geometry().contains(QCursor::pos()));
        // Moving elsewhere on the screen leaves it open.
        QCursor::setPos(3, 3);
        QTest::qWait(100);
        QVERIFY(!guard.isNull());
        auto *target = window->findChild<QWidget *>(QLatin1String(over));
        QVERIFY(target);
        QCursor::setPos(target->mapToGlobal(QPoint(2, 2)));
        QCursor::setPos(target->mapToGlobal(QPoint(5, 5)));
        QTRY_VERIFY2(guard.isNull(), over);
    }
}

void DesktopTest::frameOpensTheToolWindows()
{
    shell::Tframeform frame{settings::SettingsStore()};
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const auto visible = [](const char *className) {
        QList<QWidget *> found;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->inherits(className))
                found.append(top);
        }
        return found;
    };
    for (const auto &[button, className] :
         {std::pair{"SpyBtn", "tools::TForm_Spy"}, std::pair{"ToolBtnFont", "tools::TFormFontlist"}}) {
        QToolButton *tool = frame.toolButton(QLatin1String(button));
        QVERIFY(tool && tool->isEnabled());
        tool->click();
        QCOMPARE(visible(className).size(), 1);
        QWidget *window = visible(className).first();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        tool->click();
        QCOMPARE(visible(className), QList<QWidget *>{window});
        QCOMPARE(window->parentWidget(), &frame);
    }

    QAction *info = frame.action(QStringLiteral("Info1"));
    QVERIFY(info && info->isEnabled());
    info->trigger();
    QCOMPARE(visible("tools::TWAbout").size(), 1);
    QPointer<QWidget> about = visible("tools::TWAbout").first();
    QVERIFY(about->isModal());
    QVERIFY(QTest::qWaitForWindowExposed(about));
    about->close();
    QTRY_VERIFY(about.isNull());
}

int main(int argc, char **argv)
{
    if (argc > 1 && strcmp(argv[1], "--window") == 0)
        return childWindow(argc, argv);
    QApplication application(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
