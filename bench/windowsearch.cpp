// vorlane-bench-window: times one search as the window runs it (offscreen frame, status bar,
// busy cursor and results list updated as in a real search), or the loading of a saved list
// into the frame's results list, and prints on one line:
//   seconds  longest-event-loop-gap-ms  peak-resident-bytes  list-text-bytes  list-lines
// The gap is the longest time a 5 ms timer waited during the run: how long the window could
// not paint. With --options, the list's options named (highlight: matches highlighted;
// preview: the context pane shown) are on, all others off, and a sixth figure follows: the
// milliseconds one step of the caret down the list takes once the search is over (the list
// painted, and the pane's answer shown), over the first 300 lines.
// usage: vorlane-bench-window [--case] [--all] [--options LIST] DIR STRING   (all files, with subfolders)
//        vorlane-bench-window --load FILE.LST
#include "peakmemory.h"

#include "search/core/resultlist.h"
#include "search/gui/contextpane.h"
#include "search/gui/resultsview.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tframeform.h"
#include "ui/radiogroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {


/// Milliseconds per step of the caret over the first \a steps lines of the list, each step
/// painted, and answered by the context pane when it is shown.
double browse(shell::Tframeform &frame, std::size_t steps)
{
    search::ResultsView *list = frame.resultsList();
    search::ContextPane *pane = frame.contextPane();
    bool answered = false;
    QObject::connect(pane, &search::ContextPane::contextShown, [&answered] { answered = true; });
    steps = std::min(steps, list->lineCount() > 0 ? list->lineCount() - 1 : 0);
    QElapsedTimer clock;
    clock.start();
    // From the second line: the caret is on the first one already.
    for (std::size_t line = 1; line <= steps && line < list->lineCount(); ++line) {
        answered = false;
        list->setCaret({line, 0});
        list->viewport()->repaint();
        while (pane->isVisible() && !answered)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return steps == 0 ? 0.0 : static_cast<double>(clock.nsecsElapsed()) / 1e6 / static_cast<double>(steps);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const bool caseSensitive = args.removeAll(QStringLiteral("--case")) > 0;
    const bool all = args.removeAll(QStringLiteral("--all")) > 0;
    const bool load = args.removeAll(QStringLiteral("--load")) > 0;
    std::optional<QStringList> options;
    if (const qsizetype at = args.indexOf(QStringLiteral("--options")); at >= 0 && at + 1 < args.size()) {
        options = args[at + 1].split(u',', Qt::SkipEmptyParts);
        args.remove(at, 2);
    }
    for (const QString &option : options.value_or(QStringList())) {
        if (option != QLatin1String("highlight") && option != QLatin1String("preview")) {
            std::fprintf(stderr, "unknown option: %s (highlight, preview)\n", qPrintable(option));
            return 2;
        }
    }
    if (args.size() != (load ? 1 : 2)) {
        std::fprintf(stderr, "usage: vorlane-bench-window [--case] [--all] [--options LIST] DIR STRING | --load FILE\n");
        return 2;
    }
    // The settings of a real run, so the window searches as the user's would.
    const settings::SettingsStore store;
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    if (options) {
        frame.resultsList()->setHighlightMatches(options->contains(QStringLiteral("highlight")));
        QAction *preview = frame.action(QStringLiteral("ApercuContexte1"));
        preview->setChecked(options->contains(QStringLiteral("preview")));
        frame.contextPane()->setVisible(preview->isChecked());
    }
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
    std::printf("%.4f %lld %lld %zu %zu", static_cast<double>(elapsed) / 1e9, static_cast<long long>(longestGap),
                peakResidentBytes(), list.textBytes(), list.count());
    if (options)
        std::printf(" %.3f", browse(frame, 300));
    std::printf("\n");
    return 0;
}
