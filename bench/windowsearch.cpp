// vorlane-bench-window: times one search as the window runs it (offscreen frame, status bar,
// busy cursor and results list updated as in a real search), or the loading of a saved list
// into the frame's results list, and prints on one line:
//   seconds  longest-event-loop-gap-ms  peak-resident-bytes  list-text-bytes  list-lines
// The gap is the longest time a 5 ms timer waited during the run: how long the window could
// not paint.
// usage: vorlane-bench-window [--case] [--all] DIR STRING   (all files, with subfolders)
//        vorlane-bench-window --load FILE.LST
#include "search/core/resultlist.h"
#include "search/gui/resultsview.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tframeform.h"
#include "ui/radiogroup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

long long peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const bool caseSensitive = args.removeAll(QStringLiteral("--case")) > 0;
    const bool all = args.removeAll(QStringLiteral("--all")) > 0;
    const bool load = args.removeAll(QStringLiteral("--load")) > 0;
    if (args.size() != (load ? 1 : 2)) {
        std::fprintf(stderr, "usage: vorlane-bench-window [--case] [--all] DIR STRING | --load FILE\n");
        return 2;
    }
    // The settings of a real run, so the window searches as the user's would.
    const settings::SettingsStore store;
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    frame.show();
    QApplication::processEvents();

    QElapsedTimer clock;
    qint64 elapsed = -1;
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.isValid())
            longestGap = std::max(longestGap, sinceTick.elapsed());
        sinceTick.restart();
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (elapsed < 0)
                elapsed = clock.nsecsElapsed();
            box->buttons().value(0)->click();
        }
    });

    if (load) {
        clock.start();
        search::ResultLines lines;
        QString error;
        if (!search::loadResultList(args[0], &lines, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 2;
        }
        frame.resultsList()->setLines(std::move(lines));
        QApplication::processEvents();
        elapsed = clock.nsecsElapsed();
    } else {
        if (!choix->setFolder(args[0])) {
            std::fprintf(stderr, "no such folder: %s\n", qPrintable(args[0]));
            return 2;
        }
        choix->findChild<ui::RadioGroup *>(QStringLiteral("choix_ext"))->setItemIndex(7);
        choix->findChild<ui::RadioGroup *>(QStringLiteral("choix_rep"))->setItemIndex(1);
        choix->findChild<QCheckBox *>(QStringLiteral("optionMaj"))->setChecked(caseSensitive);
        choix->findChild<QCheckBox *>(QStringLiteral("OptionOccur"))->setChecked(!all);
        choix->findChild<QComboBox *>(QStringLiteral("histo_comm"))->setEditText(args[1]);
        QApplication::processEvents();
        ticker.start(5);
        clock.start();
        choix->OKBtnClick();
    }
    const search::ResultLines &list = frame.resultsList()->lines();
    std::printf("%.4f %lld %lld %zu %zu\n", static_cast<double>(elapsed) / 1e9, static_cast<long long>(longestGap),
                peakResidentBytes(), list.textBytes(), list.count());
    return 0;
}
