// The search on trees that push its limits, run from the search dialog into the frame's results
// list: names no other tool expects, special files and link loops, very deep and very wide
// folders, a huge sparse file and a 50 MB line, files that change while read. Each search ends
// with its summary and the right lines, the window keeps servicing its events all along, and
// the resident memory stays far below the size of what is read.
#include "search/gui/resultsview.h"
#include "search/gui/tchoix.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "support/qtestmain.h"
#include "support/temptree.h"
#include "ui/radiogroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using testing_support::TempTree;

#if defined(__SANITIZE_ADDRESS__)
// Freed memory is held back up to a quarantine: keep it small so the memory measured is the
// search's own.
extern "C" const char *__asan_default_options()
{
    return "quarantine_size_mb=8";
}
#endif

namespace {

long residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    return -1;
}

struct WindowRun {
    QStringList lines;
    QString summary;
    int ticks = 0;           ///< times a 10 ms timer fired during the search
    long growthMb = 0;       ///< largest resident size during the search, above the size before
};

struct Options {
    QString extension = QStringLiteral("TXT");
    bool subfolders = false;
    bool all = false;
};

// Runs one search from the dialog, answering its summary box, while a timer samples the event
// loop and the memory; \a meanwhile runs at the first tick.
WindowRun searchInWindow(const QString &folder, const QString &text, const Options &options,
                         const std::function<void()> &meanwhile = {})
{
    TempTree settingsHome;
    const settings::SettingsStore store(settingsHome.path(QStringLiteral("user.reg")));
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    frame.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(choix->setFolder(folder));
    choix->findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(options.extension);
    choix->findChild<ui::RadioGroup *>(QStringLiteral("choix_rep"))->setItemIndex(options.subfolders ? 1 : 0);
    choix->findChild<QCheckBox *>(QStringLiteral("OptionOccur"))->setChecked(!options.all);
    choix->findChild<QComboBox *>(QStringLiteral("histo_comm"))->setEditText(text);
    QCoreApplication::processEvents();

    WindowRun run;
    const long before = residentMb();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (run.ticks++ == 0 && meanwhile)
            meanwhile();
        run.growthMb = std::max(run.growthMb, residentMb() - before);
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            run.summary = box->text();
            box->buttons().value(0)->click();
        }
    });
    sampler.start(10);
    choix->OKBtnClick();
    const search::ResultsView *list = frame.resultsList();
    for (std::size_t i = 0; i < list->lineCount(); ++i)
        run.lines.append(list->lineText(i));
    return run;
}

QByteArray nameBytes(const QString &dir, const QByteArray &name)
{
    return QFile::encodeName(dir) + '/' + name;
}

void writeRaw(const QByteArray &path, const QByteArray &bytes)
{
    FILE *file = std::fopen(path.constData(), "wb");
    ASSERT_NE(file, nullptr) << path.constData();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
    std::fclose(file);
}

QStringList headers(const QStringList &lines)
{
    QStringList found;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == u"  ")
            found.append(lines[i + 1]);
    return found;
}

TEST(PathologicalWindow, OddNamesSpecialFilesAndLinkLoops)
{
    TempTree tree;
    const QString dir = tree.root();
    for (const QByteArray &name : {QByteArray("bad\xff\xfe.txt"), QByteArray("new\nline.txt"), QByteArray("cr\rname.txt"),
                                   QByteArray("-dash.txt"), QByteArray("~~tilde.txt")})
        writeRaw(nameBytes(dir, name), "a needle here\n");
    ASSERT_EQ(mkfifo(nameBytes(dir, "fifo.txt").constData(), 0644), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = nameBytes(dir, "sock.txt");
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    mknod(nameBytes(dir, "null.txt").constData(), S_IFCHR | 0644, makedev(1, 3));
    ASSERT_EQ(symlink("loop.txt", nameBytes(dir, "loop.txt").constData()), 0);
    QDir().mkpath(dir + QStringLiteral("/sub"));
    ASSERT_EQ(symlink("..", nameBytes(dir, "sub/up").constData()), 0);
    writeRaw(nameBytes(dir, "sub/deep.txt"), "needle\n");

    const WindowRun run = searchInWindow(dir, QStringLiteral("needle"), {QStringLiteral("TXT"), true, false});
    close(sock);
    EXPECT_TRUE(run.summary.contains(QStringLiteral("6 fichier(s) trouvé(s)"))) << run.summary.toStdString();
    // Each file is one header, its name whole: bytes that are not UTF-8 read as Windows-1252, a
    // line feed or a CR inside the name kept inside its line.
    EXPECT_EQ(headers(run.lines),
              QStringList({dir + QStringLiteral("/-dash.txt"), dir + QStringLiteral("/bad\u00ff\u00fe.txt"),
                           dir + QStringLiteral("/cr\rname.txt"), dir + QStringLiteral("/new\nline.txt"),
                           dir + QStringLiteral("/sub/deep.txt"), dir + QStringLiteral("/~~tilde.txt")}));
}

TEST(PathologicalWindow, DeepAndWideFolders)
{
    TempTree tree;
    QString deep = tree.root() + QStringLiteral("/n");
    for (int i = 0; i < 2000; ++i)
        deep += QStringLiteral("/d");
    ASSERT_TRUE(QDir().mkpath(deep));
    writeRaw(QFile::encodeName(deep) + "/x.txt", "one\ntwo needle\n");
    const QByteArray wide = QFile::encodeName(tree.root()) + "/wide";
    ASSERT_TRUE(QDir().mkpath(QFile::decodeName(wide)));
    // The hay files are links to a few files (a file system takes some 65,000 links to one):
    // a folder of 100,000 names made in seconds.
    const QByteArray hay = QFile::encodeName(tree.root()) + "/hay";
    for (int i = 0; i < 100000; ++i) {
        const QByteArray name = wide + "/f" + QByteArray::number(i) + ".txt";
        const QByteArray source = hay + QByteArray::number(i / 50000);
        if (i % 50000 == 0)
            writeRaw(source, "hay\n");
        if (i == 76543)
            writeRaw(name, "the needle\n");
        else
            ASSERT_EQ(link(source.constData(), name.constData()), 0);
    }

    const WindowRun run = searchInWindow(tree.root(), QStringLiteral("needle"), {QStringLiteral("TXT"), true, false});
    EXPECT_TRUE(run.summary.contains(QStringLiteral("100001 fichier(s) examiné(s)"))) << run.summary.toStdString();
    EXPECT_EQ(run.lines, QStringList({QStringLiteral("  "), deep + QStringLiteral("/x.txt"), QStringLiteral("2 : TWO NEEDLE"),
                                      QStringLiteral("  "), QFile::decodeName(wide) + QStringLiteral("/f76543.txt"),
                                      QStringLiteral("1 : THE NEEDLE")}));
    EXPECT_GT(run.ticks, 0) << "the window did not service its events during the search";
    EXPECT_LT(run.growthMb, 100) << "resident memory followed the size of the tree";
}

TEST(PathologicalWindow, HugeSparseFileAndOneFiftyMegabyteLine)
{
    TempTree tree;
    const QByteArray dir = QFile::encodeName(tree.root());
    const QByteArray sparse = dir + "/sparse.txt";
    writeRaw(sparse, QByteArray());
    ASSERT_EQ(truncate(sparse.constData(), 5LL << 30), 0);
    {
        FILE *file = std::fopen(sparse.constData(), "ab");
        std::fputs("needle\n", file);
        std::fclose(file);
    }
    writeRaw(dir + "/long.txt", QByteArray(50 << 20, 'a') + "needle" + QByteArray(1000, 'b') + "\nneedle\n");
    const WindowRun run = searchInWindow(tree.root(), QStringLiteral("needle"), {QStringLiteral("TXT"), false, true});
    EXPECT_TRUE(run.summary.contains(QStringLiteral("2 fichier(s) trouvé(s)"))) << run.summary.toStdString();
    ASSERT_EQ(run.lines.size(), 7);
    EXPECT_EQ(run.lines.mid(1, 3), QStringList({tree.path(QStringLiteral("long.txt")), QStringLiteral("1 : ") + QString(255, u'A'),
                                                QStringLiteral("2 : NEEDLE")}));
    EXPECT_EQ(run.lines[5], tree.path(QStringLiteral("sparse.txt")));
    EXPECT_EQ(run.lines[6].size(), 4 + 255);
    EXPECT_GT(run.ticks, 10) << "the window did not service its events while 5 GB were read";
    EXPECT_LT(run.growthMb, 100) << "resident memory followed the length of a line";
}

TEST(PathologicalWindow, FilesThatGrowOrShrinkWhileRead)
{
    TempTree tree;
    const QByteArray dir = QFile::encodeName(tree.root());
    const QByteArray growing = dir + "/growing.txt";
    const QByteArray shrinking = dir + "/shrinking.txt";
    const QByteArray body = QByteArray(64 << 20, 'x') + "\nneedle\n";
    writeRaw(growing, body);
    writeRaw(shrinking, body);
    writeRaw(dir + "/steady.txt", "needle\n");
    const WindowRun run = searchInWindow(tree.root(), QStringLiteral("needle"), {}, [&] {
        ASSERT_EQ(truncate(shrinking.constData(), 0), 0);
        FILE *file = std::fopen(growing.constData(), "ab");
        for (int i = 0; i < 200; ++i)
            std::fputs("more needle\n", file);
        std::fclose(file);
    });
    EXPECT_TRUE(run.summary.startsWith(QStringLiteral("Recherche terminée"))) << run.summary.toStdString();
    EXPECT_TRUE(headers(run.lines).contains(tree.path(QStringLiteral("steady.txt"))));
}

} // namespace

VORLANE_GTEST_QT_MAIN
