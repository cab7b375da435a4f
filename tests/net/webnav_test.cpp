// The HTML viewer window with local pages, a page served by python's http.server on 127.0.0.1
// and a server that never finishes its answer: history rules and button states, links followed,
// the page source handed over, the file pane's addresses, the stop button, failed addresses and
// the "HTML" settings.
#include "net/core/webhistory.h"
#include "net/gui/tformwebnav.h"
#include "settings/settingsstore.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

// Qt WebEngine 6.4 as Debian builds it frees one of Chromium's own objects with a sized delete
// of the wrong size, deep inside the library; in the sanitizer build that one check is left
// off for this test, every other one stays on.
extern "C" const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}

namespace {

constexpr int LoadTimeout = 30000;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray page(const char *title, const QByteArray &body = QByteArray())
{
    return QByteArray("<html><head><title>") + title + "</title></head><body><p>" + title + "</p>" + body
        + "</body></html>";
}

// python's http.server on 127.0.0.1, serving a folder.
class HttpServer {
public:
    ~HttpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool start(const QString &folder)
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("0"),
                         QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"), folder});
        if (!m_process.waitForStarted(10000))
            return false;
        static const QRegularExpression portLine(QStringLiteral("port (\\d+)"));
        QByteArray said;
        while (m_process.waitForReadyRead(10000)) {
            said += m_process.readAll();
            const QRegularExpressionMatch match = portLine.match(QString::fromLatin1(said));
            if (match.hasMatch()) {
                m_port = match.captured(1).toUShort();
                return true;
            }
        }
        return false;
    }

    QString address(const char *file) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(QLatin1String(file));
    }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// Answers every request with the start of a page it never finishes.
class HangingServer {
public:
    HangingServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 1000000\r\n\r\n"
                                  "<html><body><p>debut");
                });
            }
        });
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1/lent.htm").arg(m_server.serverPort()); }

private:
    QTcpServer m_server;
};

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

class WebNavTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controls();
    void historyRulesAndButtonStates();
    void linksAreRecordedAndTheSourceIsHandedOver();
    void stopEndsARetrievalThatNeverFinishes();
    void anAddressThatCannotBeLoadedEndsTheRetrieval();
    void filePaneOpensLocalPages();
    void fullScreenToggle();
    void settingsAreReadAndWritten();
    void aFolderThatIsGoneSkipsTheStoredAddress();

private:
    template <typename T>
    T *control(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("control %s missing", name);
        return found;
    }
    void openWindow();
    QStringList history() const;
    QString boxText() const { return control<QComboBox>("ComboURLs")->currentText(); }
    bool enabled(const char *button) const { return control<QToolButton>(button)->isEnabled(); }
    QString hint(const char *button) const { return control<QToolButton>(button)->toolTip(); }
    /// Runs \a action and waits for the view to finish the load it starts; its success.
    bool load(const std::function<void()> &action);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<settings::SettingsStore> m_store;
    std::unique_ptr<net::TFormWebNav> m_window;
    QString m_a, m_b, m_c;
};

void WebNavTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("pages"))));
    for (const char *name : {"a", "b", "c"})
        writeFile(m_dir->filePath(QStringLiteral("pages/%1.htm").arg(QLatin1String(name))), page(name));
    m_a = net::localPageAddress(m_dir->filePath(QStringLiteral("pages/a.htm")));
    m_b = net::localPageAddress(m_dir->filePath(QStringLiteral("pages/b.htm")));
    m_c = net::localPageAddress(m_dir->filePath(QStringLiteral("pages/c.htm")));
    m_store = std::make_unique<settings::SettingsStore>(m_dir->filePath(QStringLiteral("settings.reg")));
}

void WebNavTest::cleanup()
{
    m_window.reset();
}

void WebNavTest::openWindow()
{
    m_window = std::make_unique<net::TFormWebNav>(*m_store);
    m_window->show();
}

QStringList WebNavTest::history() const
{
    QStringList items;
    auto *box = control<QComboBox>("ComboURLs");
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

bool WebNavTest::load(const std::function<void()> &action)
{
    QSignalSpy finished(control<QWebEngineView>("HTML1"), &QWebEngineView::loadFinished);
    action();
    if (!finished.wait(LoadTimeout))
        return false;
    return finished.first().first().toBool();
}

void WebNavTest::controls()
{
    openWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("WebNav"));
    QVERIFY(m_window->windowState() & Qt::WindowMaximized);
    for (const auto &[name, text] : {std::pair{"ToolBtnPrevious", "Page precedente"}, {"ToolBtnNext", "Page suivante"},
                                     {"ToolBtnStop", "stop le chargement"}, {"SpeedButton4", "rafraichir"},
                                     {"ToolButton1", "Voir le code source"}, {"ToolButton2", "Plein ecran"}})
        QCOMPARE(hint(name), QLatin1String(text));
    QVERIFY(!enabled("ToolBtnPrevious") && !enabled("ToolBtnNext") && !enabled("ToolBtnStop"));
    // Without anywhere to show it, the source button does nothing and says so.
    QVERIFY(!enabled("ToolButton1"));
    QCOMPARE(control<ui::FileList>("filtre_rep")->mask(), QStringLiteral("*.htm"));
    for (const char *name : {"lecteur", "repert_list", "BtnRacine", "BtnPrecRep", "Panel1", "StatusBar1"})
        QVERIFY2(m_window->findChild<QWidget *>(QLatin1String(name)), name);
    // Nothing stored: the box and the page stay empty.
    QCOMPARE(boxText(), QString());
    QVERIFY(history().isEmpty());
}

void WebNavTest::historyRulesAndButtonStates()
{
    openWindow();
    for (const QString &address : {m_a, m_b, m_c})
        QVERIFY(load([&] { m_window->Navigate(address); }));
    QCOMPARE(history(), (QStringList{m_a, m_b, m_c}));
    QCOMPARE(boxText(), m_c);
    QCOMPARE(control<QStatusBar>("StatusBar1")->findChild<QLabel *>()->text(), m_c);
    QVERIFY(enabled("ToolBtnPrevious") && !enabled("ToolBtnNext") && !enabled("ToolBtnStop"));
    QCOMPARE(hint("ToolBtnPrevious"), m_a); // two positions back

    QVERIFY(load([&] { control<QToolButton>("ToolBtnPrevious")->click(); }));
    QCOMPARE(boxText(), m_a);
    QCOMPARE(control<QWebEngineView>("HTML1")->title(), QStringLiteral("a"));
    QVERIFY(!enabled("ToolBtnPrevious") && enabled("ToolBtnNext"));
    QCOMPARE(hint("ToolBtnPrevious"), QString());

    QVERIFY(load([&] { control<QToolButton>("ToolBtnNext")->click(); }));
    QCOMPARE(boxText(), m_b);
    QVERIFY(enabled("ToolBtnPrevious") && enabled("ToolBtnNext"));
    // From the second position, two back is nowhere: nothing is shown nor recorded.
    control<QToolButton>("ToolBtnPrevious")->click();
    QCOMPARE(boxText(), m_b);
    QCOMPARE(history(), (QStringList{m_a, m_b, m_c}));

    // An address already there is not added again; the states follow its position.
    QVERIFY(load([&] { control<QToolButton>("SpeedButton4")->click(); }));
    QCOMPARE(history(), (QStringList{m_a, m_b, m_c}));
    QVERIFY(enabled("ToolBtnPrevious") && enabled("ToolBtnNext"));

    // A text that is not in the history: Next goes to the first address.
    control<QComboBox>("ComboURLs")->setEditText(QStringLiteral("ailleurs"));
    QVERIFY(load([&] { control<QToolButton>("ToolBtnNext")->click(); }));
    QCOMPARE(boxText(), m_a);

    // Enter in the box (the keyboard reaches the box, not its line edit) shows the typed address, once.
    auto *edit = control<QComboBox>("ComboURLs")->lineEdit();
    edit->setText(m_c);
    QSignalSpy started(control<QWebEngineView>("HTML1"), &QWebEngineView::loadStarted);
    QVERIFY(load([&] { QTest::keyClick(control<QComboBox>("ComboURLs"), Qt::Key_Return); }));
    QCOMPARE(started.size(), 1);
    QCOMPARE(control<QWebEngineView>("HTML1")->title(), QStringLiteral("c"));
    QVERIFY(enabled("ToolBtnPrevious") && !enabled("ToolBtnNext"));

    // Choosing an item of the list shows it.
    auto *box = control<QComboBox>("ComboURLs");
    QVERIFY(load([&] {
        box->setCurrentIndex(1);
        emit box->activated(1);
    }));
    QCOMPARE(control<QWebEngineView>("HTML1")->title(), QStringLiteral("b"));
}

void WebNavTest::linksAreRecordedAndTheSourceIsHandedOver()
{
    writeFile(m_dir->filePath(QStringLiteral("pages/index.htm")),
              page("index", R"(<a id="suite" href="suite.htm">suite</a>)"));
    writeFile(m_dir->filePath(QStringLiteral("pages/suite.htm")), page("suite", "<pre>marqueur-de-suite</pre>"));
    HttpServer server;
    QVERIFY(server.start(m_dir->filePath(QStringLiteral("pages"))));
    openWindow();
    QStringList captions;
    QStringList sources;
    m_window->setSourceViewer([&](const QString &caption, const QString &text) {
        captions.append(caption);
        sources.append(text);
    });
    QVERIFY(enabled("ToolButton1"));

    QVERIFY(load([&] { m_window->Navigate(server.address("index.htm")); }));
    QVERIFY(load([&] {
        control<QWebEngineView>("HTML1")->page()->runJavaScript(QStringLiteral("document.getElementById('suite').click()"));
    }));
    QCOMPARE(history(), (QStringList{server.address("index.htm"), server.address("suite.htm")}));
    QCOMPARE(boxText(), server.address("suite.htm"));
    QVERIFY(enabled("ToolBtnPrevious") && !enabled("ToolBtnNext"));

    control<QToolButton>("ToolButton1")->click();
    QTRY_COMPARE_WITH_TIMEOUT(sources.size(), 1, LoadTimeout);
    QCOMPARE(captions.first(), server.address("suite.htm"));
    QVERIFY(sources.first().contains(QLatin1String("<pre>marqueur-de-suite</pre>")));
}

void WebNavTest::stopEndsARetrievalThatNeverFinishes()
{
    HangingServer hanging;
    openWindow();
    m_window->Navigate(hanging.address());
    QTRY_VERIFY_WITH_TIMEOUT(enabled("ToolBtnStop"), LoadTimeout);
    // Still retrieving a while later.
    QTest::qWait(500);
    QVERIFY(enabled("ToolBtnStop"));
    control<QToolButton>("ToolBtnStop")->click();
    QVERIFY(!enabled("ToolBtnStop"));
    QTest::qWait(200);
    QVERIFY(!enabled("ToolBtnStop"));

    QVERIFY(load([&] { m_window->Navigate(m_b); }));
    QCOMPARE(control<QWebEngineView>("HTML1")->title(), QStringLiteral("b"));
    QVERIFY(!enabled("ToolBtnStop"));
    QCOMPARE(history(), (QStringList{hanging.address(), m_b}));
}

void WebNavTest::anAddressThatCannotBeLoadedEndsTheRetrieval()
{
    openWindow();
    const QString refused = QStringLiteral("http://127.0.0.1:%1/rien.htm").arg(closedPort());
    QVERIFY(!load([&] { m_window->Navigate(refused); }));
    QVERIFY(!enabled("ToolBtnStop"));
    QVERIFY(!load([&] { m_window->Navigate(m_dir->filePath(QStringLiteral("pages/absente.htm"))); }));
    QVERIFY(!enabled("ToolBtnStop"));
    QVERIFY(load([&] { m_window->Navigate(m_a); }));
    QCOMPARE(control<QWebEngineView>("HTML1")->title(), QStringLiteral("a"));
    QCOMPARE(history().size(), 3);
}

void WebNavTest::filePaneOpensLocalPages()
{
    const QString folder = m_dir->filePath(QStringLiteral("pages"));
    writeFile(folder + QStringLiteral("/une page #1.htm"), page("diese"));
    writeFile(folder + QStringLiteral("/notes.txt"), "pas une page");
    openWindow();
    QVERIFY(control<ui::FolderList>("repert_list")->setDirectory(folder));
    auto *files = control<ui::FileList>("filtre_rep");
    QStringList names;
    for (int i = 0; i < files->count(); ++i)
        names.append(files->item(i)->text());
    QCOMPARE(names, (QStringList{"a.htm", "b.htm", "c.htm", "une page #1.htm"}));
    // Changing folder alone opens nothing.
    QCOMPARE(boxText(), QString());

    const QString path = folder + QStringLiteral("/une page #1.htm");
    QVERIFY(load([&] { files->setCurrentRow(3); }));
    QCOMPARE(boxText(), net::localPageAddress(path));
    QVERIFY(boxText().startsWith(QLatin1String("file:///")));
    QCOMPARE(control<QWebEngineView>("HTML1")->url().toLocalFile(), path);
    QCOMPARE(control<QWebEngineView>("HTML1")->title(), QStringLiteral("diese"));
    QCOMPARE(history(), QStringList{boxText()});
}

void WebNavTest::fullScreenToggle()
{
    openWindow();
    auto *panel = control<QWidget>("Panel1");
    auto *toggle = control<QToolButton>("ToolButton2");
    QVERIFY(panel->isVisible());
    toggle->click();
    QVERIFY(!panel->isVisible());
    QCOMPARE(toggle->toolTip(), QStringLiteral("Liste des fichiers"));
    toggle->click();
    QVERIFY(panel->isVisible());
    QCOMPARE(toggle->toolTip(), QStringLiteral("plein ecran"));
}

void WebNavTest::settingsAreReadAndWritten()
{
    const QString folder = m_dir->filePath(QStringLiteral("pages"));
    QVERIFY(m_store->write(settings::html::Folder, folder));
    QVERIFY(m_store->write(settings::html::Page, m_b));
    m_window = std::make_unique<net::TFormWebNav>(*m_store);
    QSignalSpy loaded(control<QWebEngineView>("HTML1"), &QWebEngineView::loadFinished);
    m_window->show();
    QCOMPARE(control<ui::FolderList>("repert_list")->directory(), folder);
    QCOMPARE(boxText(), m_b);
    QVERIFY(loaded.wait(LoadTimeout));
    QCOMPARE(control<QWebEngineView>("HTML1")->title(), QStringLiteral("b"));

    QVERIFY(control<ui::FolderList>("repert_list")->setDirectory(m_dir->path()));
    QVERIFY(load([&] { m_window->Navigate(m_c); }));
    m_window.reset();
    QCOMPARE(m_store->read(settings::html::Folder), m_dir->path());
    QCOMPARE(m_store->read(settings::html::Page), m_c);
    // The drive is the root of the volume that holds the folder.
    const QString drive = m_store->read(settings::html::Drive);
    QVERIFY(drive.startsWith(QLatin1Char('/')));
    QVERIFY2(m_dir->path().startsWith(drive), qPrintable(drive));
}

void WebNavTest::aFolderThatIsGoneSkipsTheStoredAddress()
{
    QVERIFY(m_store->write(settings::html::Folder, m_dir->filePath(QStringLiteral("disparu"))));
    QVERIFY(m_store->write(settings::html::Page, m_b));
    openWindow();
    QCOMPARE(control<ui::FolderList>("repert_list")->directory(), QDir::currentPath());
    QCOMPARE(boxText(), QString());
    QVERIFY(history().isEmpty());
}

QTEST_MAIN(WebNavTest)
#include "webnav_test.moc"
