// vorlane-bench-window: times one search as the window runs it (offscreen frame, status bar,
// busy cursor and results list updated as in a real search) and prints the seconds.
// usage: vorlane-bench-window [--case] [--all] DIR STRING   (all files, with subfolders)
#include "search/gui/resultsview.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tframeform.h"
#include "ui/radiogroup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const bool caseSensitive = args.removeAll(QStringLiteral("--case")) > 0;
    const bool all = args.removeAll(QStringLiteral("--all")) > 0;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vorlane-bench-window [--case] [--all] DIR STRING\n");
        return 2;
    }
    // The settings of a real run, so the window searches as the user's would.
    const settings::SettingsStore store;
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    frame.show();
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

    QElapsedTimer clock;
    qint64 elapsed = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (elapsed < 0)
                elapsed = clock.nsecsElapsed();
            box->buttons().value(0)->click();
        }
    });
    closer.start(1);
    clock.start();
    choix->OKBtnClick();
    std::printf("%.4f\n", static_cast<double>(elapsed) / 1e9);
    std::fprintf(stderr, "%zu result lines\n", frame.resultsList()->lineCount());
    return 0;
}
