// vorlane-bench-editor: opens a text file in an editor window of the frame as the program does
// (the frame's openchild, maximised child), waits until the window has been laid out and
// painted, then finds a word with F3 (the search string of the search dialog, from the start
// of the text) and marks its occurrences with F5, and prints on one line:
//   open-seconds  find-seconds  mark-seconds  peak-resident-bytes  file-bytes
// The peak is the process's whole resident memory (VmHWM), Qt included.
// usage: vorlane-bench-editor FILE [WORD]   (WORD: "Vorlane_fin", which gentext.py writes in
// the file's last line and nowhere else)
#include "peakmemory.h"

#include "editor/core/textdocument.h"
#include "editor/gui/editarea.h"
#include "editor/gui/teditform.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tframeform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {


// Tells when its widget has been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

double seconds(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() > 2) {
        std::fprintf(stderr, "usage: vorlane-bench-editor FILE [WORD]\n");
        return 2;
    }
    const QString path = QFileInfo(args[0]).absoluteFilePath();
    const QString word = args.value(1, QStringLiteral("Vorlane_fin"));
    const settings::SettingsStore store;
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    choix->findChild<QComboBox *>(QStringLiteral("histo_comm"))->setEditText(word);
    frame.show();
    QApplication::processEvents();
    choix->hide();
    QApplication::processEvents();

    // A word that is not found brings up the not-found box: it is answered, and the run fails.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->buttons().value(0)->click();
    });
    answer.start(50);

    QElapsedTimer clock;
    clock.start();
    editor::TEditForm *child = frame.openchild(path);
    if (!child || child->editArea()->document()->isEmpty()) {
        std::fprintf(stderr, "could not open %s\n", qPrintable(path));
        return 1;
    }
    PaintWatch watch;
    child->editArea()->viewport()->installEventFilter(&watch);
    while (!watch.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double open = seconds(clock);

    clock.restart();
    child->action(QStringLiteral("Occurencesuivante1"))->trigger();
    QApplication::processEvents();
    const double find = seconds(clock);
    if (child->editArea()->selectedText() != word) {
        std::fprintf(stderr, "F3 did not find %s\n", qPrintable(word));
        return 1;
    }

    clock.restart();
    child->editArea()->setCaret(0);
    child->action(QStringLiteral("Marquer1"))->trigger();
    QApplication::processEvents();
    const double mark = seconds(clock);

    std::printf("%.3f %.3f %.3f %lld %lld\n", open, find, mark, peakResidentBytes(),
                static_cast<long long>(QFileInfo(path).size()));
    return 0;
}
